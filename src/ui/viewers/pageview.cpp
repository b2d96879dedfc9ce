// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/pageview.h"

#include "app/application.h"
#include "platform/shellopen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel
{

pageView::pageView(Application &app, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_app(app)
{
    setObjectName(QStringLiteral("pageView"));
    setWindowTitle(tr("Page View"));

    // A plain-text label made clickable: a rich-text link would fold the two blanks.
    m_link = new QLabel(tr("Click  HERE to view your Page"), this);
    m_link->setObjectName(QStringLiteral("Label1"));
    m_link->setTextFormat(Qt::PlainText);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setFocusPolicy(Qt::StrongFocus);
    m_link->setAccessibleDescription(tr("Opens the gallery page in your web browser"));
    QFont font = m_link->font();
    font.setUnderline(true);
    m_link->setFont(font);
    m_link->setForegroundRole(QPalette::Link);
    m_link->installEventFilter(this);

    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_link, 1, Qt::AlignCenter);
    layout->addWidget(close, 0, Qt::AlignCenter);
    resize(320, 140);
}

void pageView::openPage()
{
    const AppState &state = m_app.state();
    openWithShell(this, state.pageFolder + state.htmlFileName, m_app.prompts(), m_app.shellLauncher());
}

bool pageView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link) {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            openPage();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                openPage();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvel
