// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/pictureviewer.h"

#include "app/application.h"
#include "imaging/imagebox.h"
#include "platform/filelist.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "viewers/viewerrules.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace quorvel
{
namespace
{

// The controls under the picture, designed in twips: left edges, widths, heights.
constexpr double kLabelLeft = 120, kLabelWidth = 600, kLabelHeight = 285;
constexpr double kSliderLeft = 720, kSliderWidth = 2400, kSliderHeight = 330;
constexpr double kScrollLeft = 3240, kScrollHeight = 255;
constexpr double kCloseWidth = 1200, kCloseHeight = 375, kCloseRightGap = 120;
constexpr double kGap = 120;

} // namespace

picView::picView(Application &app, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_app(app)
{
    setObjectName(QStringLiteral("picView"));
    setWindowTitle(tr("Picture Viewer"));
    buildControls();
    resize(800, 600);
}

picView::~picView() = default;

void picView::buildControls()
{
    m_viewport = new QScrollArea(this);
    m_viewport->setObjectName(QStringLiteral("viewport"));
    m_viewport->setAccessibleName(tr("Picture"));
    m_viewport->setAlignment(Qt::AlignCenter);
    m_viewport->setWidgetResizable(false);
    m_picture = new ImageBox;
    m_picture->setObjectName(QStringLiteral("Gvbox1"));
    m_picture->setAccessibleName(tr("Picture"));
    m_picture->setAccessibleDescription(tr("Double-click to show the next picture"));
    // The viewer shows the picture itself: no thumbnail frame, no visible JPEG loss.
    m_picture->setBorderStyle(0);
    m_picture->setQuality(100);
    m_viewport->setWidget(m_picture);

    m_zoomLabel = new QLabel(tr("Zoom"), this);
    m_zoomLabel->setObjectName(QStringLiteral("Label1"));
    m_zoom = new QSlider(Qt::Horizontal, this);
    m_zoom->setObjectName(QStringLiteral("Slider1"));
    m_zoom->setRange(1, 5);
    m_zoom->setSingleStep(1);
    m_zoom->setPageStep(1);
    m_zoom->setTickPosition(QSlider::TicksBelow);
    m_zoom->setTickInterval(1);
    m_zoom->setToolTip(tr("Drag Slider to Zoom Picture"));
    m_zoom->setAccessibleName(tr("Zoom"));
    m_zoomLabel->setBuddy(m_zoom);

    m_position = new QScrollBar(Qt::Horizontal, this);
    m_position->setObjectName(QStringLiteral("FlatScrollBar1"));
    m_position->setRange(0, 0);
    m_position->setSingleStep(1);
    m_position->setPageStep(1);
    // Dragging the box steps once, where it is let go, not through every picture passed.
    m_position->setTracking(false);
    m_position->setAccessibleName(tr("Picture in the list"));
    // Reached by Tab like any control; its keys step as the window's own do.
    m_position->setFocusPolicy(Qt::StrongFocus);

    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("Command1"));

    connect(m_zoom, &QSlider::valueChanged, this, &picView::onZoomChanged);
    connect(m_position, &QScrollBar::valueChanged, this, &picView::stepTo);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_picture, &ImageBox::doubleClicked, this, [this] {
        stepBy(1);
    });

    const auto addKeys = [this](
                             const QString &name, const QString &text, const QList<QKeySequence> &keys, auto handler) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    addKeys(QStringLiteral("nextPicture"), tr("Next picture"), { Qt::Key_Right, Qt::Key_PageDown }, [this] {
        stepBy(1);
    });
    addKeys(QStringLiteral("previousPicture"), tr("Previous picture"), { Qt::Key_Left, Qt::Key_PageUp }, [this] {
        stepBy(-1);
    });
    addKeys(QStringLiteral("zoomIn"), tr("Zoom in"), { Qt::Key_Plus, Qt::Key_Equal }, [this] {
        m_zoom->setValue(m_zoom->value() + 1);
    });
    addKeys(QStringLiteral("zoomOut"), tr("Zoom out"), { Qt::Key_Minus }, [this] {
        m_zoom->setValue(m_zoom->value() - 1);
    });
    addKeys(QStringLiteral("closeViewer"), tr("Close"), { Qt::Key_Escape }, [this] {
        close();
    });

    m_fitTimer.setSingleShot(true);
    m_fitTimer.setInterval(80);
    connect(&m_fitTimer, &QTimer::timeout, this, &picView::fitPicture);
}

FileList *picView::sourceList() const
{
    return m_app.viewerList();
}

QString picView::entryPath(int pos) const
{
    FileList *list = sourceList();
    if (!list || pos < 0 || pos >= list->count())
        return {};
    return joinPath(list->path(), list->item(pos)->text());
}

bool picView::openPicture(const QString &path)
{
    const QString previous = m_picture->pictureFile();
    const bool hadPicture = m_picture->hasPicture();
    if (m_picture->loadPicture(path).isEmpty()) {
        fitPicture();
        return true;
    }
    if (hadPicture)
        m_picture->loadPicture(previous);
    fitPicture();
    return false;
}

int picView::position() const
{
    return m_position->value();
}

void picView::setPosition(int pos)
{
    // The opener has loaded the picture of that entry already: the scroll bar only
    // takes its place, and the next step moves on from there.
    updateRange();
    const QSignalBlocker blocker(m_position);
    m_position->setMaximum(std::max(m_position->maximum(), pos));
    m_position->setValue(std::max(0, pos));
}

void picView::updateRange()
{
    FileList *list = sourceList();
    const int count = list ? list->count() : 0;
    const QSignalBlocker blocker(m_position);
    m_position->setRange(0, std::max(count, m_position->value()));
}

void picView::stepBy(int delta)
{
    updateRange();
    const int target = m_position->value() + delta;
    if (target > m_position->maximum()) {
        // Already past the end: say so again.
        stepTo(target);
        return;
    }
    m_position->setValue(std::max(0, target));
}

void picView::stepTo(int pos)
{
    FileList *list = sourceList();
    const int count = list ? list->count() : 0;
    switch (viewerStep(pos, count)) {
    case ViewerStep::Skip:
        return;
    case ViewerStep::NoMorePictures: {
        m_app.prompts().message(this, tr("No more Pictures!"));
        // The scroll bar goes back to the entry shown, so that the next step forward
        // says so again and a step back shows the one before it.
        const QSignalBlocker blocker(m_position);
        m_position->setValue(std::clamp(count - 1, 0, m_position->maximum()));
        return;
    }
    case ViewerStep::Show:
        break;
    }
    // Selecting the entry runs the list's click action in its own window.
    list->setCurrentRow(pos, QItemSelectionModel::Select);
    if (pos + 1 < count)
        list->item(pos + 1)->setSelected(false);
    if (pos > 0)
        list->item(pos - 1)->setSelected(false);
    list->scrollToItem(list->item(pos));

    const QString path = entryPath(pos);
    if (path != m_picture->pictureFile() || !m_picture->hasPicture())
        openPicture(path); // one that cannot be loaded leaves the previous picture shown
    updateRange();
    if (!isVisible())
        show();
}

void picView::onZoomChanged(int value)
{
    const int zoom = viewerZoom(value);
    if (zoom != value) {
        m_zoom->setValue(zoom);
        return;
    }
    m_picture->setZoom(zoom);
    m_picture->adjustSize();
}

void picView::fitPicture()
{
    const int side = viewerFitSide(m_picture->pictureSize(), m_viewport->maximumViewportSize());
    if (side > 0 && side != m_picture->lastPositiveSize())
        m_picture->setThumbSize(side);
    m_picture->adjustSize();
}

void picView::applyLayout()
{
    const double dpi = logicalDpiX();
    const auto px = [dpi](double twips) {
        return static_cast<int>(std::lround(twipsToPixels(twips, dpi)));
    };
    const ViewerLayout layout = viewerLayout(size(), dpi);
    m_viewport->setGeometry(layout.picture);
    const int top = layout.controlsTop;
    m_zoomLabel->setGeometry(px(kLabelLeft), top, px(kLabelWidth), px(kLabelHeight));
    m_zoom->setGeometry(px(kSliderLeft), top, px(kSliderWidth), px(kSliderHeight));
    const int closeLeft = std::max(px(kScrollLeft) + 1, width() - px(kCloseWidth + kCloseRightGap));
    m_close->setGeometry(closeLeft, top, px(kCloseWidth), px(kCloseHeight));
    const int scrollWidth = std::max(1, closeLeft - px(kGap) - px(kScrollLeft));
    m_position->setGeometry(px(kScrollLeft), top, scrollWidth, px(kScrollHeight));
}

void picView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyLayout();
    m_fitTimer.start();
}

void picView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateRange();
    applyLayout();
    fitPicture();
}

} // namespace quorvel
