// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/advancedoptionswindow.h"

#include "app/application.h"
#include "app/mainwindow.h"
#include "imaging/imagingoptions.h"
#include "platform/numbers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>

namespace quorvel
{
namespace
{

// The design positions of the scroll bars, which are also the program's defaults.
constexpr int kDesignQuality = ImageSettings {}.quality;
constexpr int kDesignSmoothing = ImageSettings {}.smoothing;

QCheckBox *checkBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

/// Three option buttons of one group, ids 0..2 in the order given (the imaging
/// control's codes), laid out one under the other.
QButtonGroup *optionGroup(
    QWidget *parent, QVBoxLayout *layout, const std::array<std::pair<const char *, QString>, 3> &buttons)
{
    auto *group = new QButtonGroup(parent);
    int id = 0;
    for (const auto &[name, caption] : buttons) {
        auto *button = new QRadioButton(caption, parent);
        button->setObjectName(QLatin1String(name));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    return group;
}

QScrollBar *percentBar(const char *name, int value, const QString &toolTip, QWidget *parent)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(value);
    bar->setToolTip(toolTip);
    bar->setMinimumWidth(180);
    // Reached by Tab like any control: the arrow keys, Page Up/Down, Home and End
    // move it, Right and Up towards 100 (a scroll bar turns its keys round by default).
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    return bar;
}

QLineEdit *valueField(const char *name, int value, const QString &toolTip, QWidget *parent)
{
    // A number of up to three digits, after the blank of the sign place the bar
    // writes; whether it is in range is decided when it is applied.
    auto *field = new QLineEdit(QString::number(value), parent);
    field->setObjectName(QLatin1String(name));
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(" *\\d{0,3} *")), field));
    field->setToolTip(toolTip);
    field->setMaximumWidth(60);
    return field;
}

} // namespace

frmAdvOpt::frmAdvOpt(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmAdvOpt"));
    setWindowTitle(tr("Thumb JPEG Options"));
    buildControls();
}

frmAdvOpt::~frmAdvOpt() = default;

void frmAdvOpt::buildControls()
{
    m_fancy = checkBox("chkFancyUnsampline", tr("Fancy Unsampline"), this);
    m_twoPass = checkBox("chkTwoPassQuantize", tr("Two Pass Quantize"), this);
    m_transparent = checkBox("chkTransparent", tr("Transparent"), this);
    m_optimize = checkBox("chkOptimize", tr("Optimize"), this);
    m_optimize->setChecked(true);
    auto *boxes = new QGridLayout;
    boxes->addWidget(m_fancy, 0, 0);
    boxes->addWidget(m_twoPass, 0, 1);
    boxes->addWidget(m_transparent, 1, 0);
    boxes->addWidget(m_optimize, 1, 1);

    auto *ditherFrame = new QGroupBox(tr("Dithering Method"), this);
    ditherFrame->setObjectName(QStringLiteral("Frame1"));
    auto *ditherLayout = new QVBoxLayout(ditherFrame);
    m_ditherMethod = optionGroup(ditherFrame,
        ditherLayout,
        { { { "optDithNone", tr("None") },
            { "optDithOrdered", tr("Ordered") },
            { "optDithFloyd", tr("Floyd-Steinberg") } } });
    m_ditherMethod->button(1)->setChecked(true);

    auto *dctFrame = new QGroupBox(tr("DTC method"), this);
    dctFrame->setObjectName(QStringLiteral("Frame2"));
    auto *dctLayout = new QVBoxLayout(dctFrame);
    m_dctMethod = optionGroup(dctFrame,
        dctLayout,
        { { { "optDTCSlow", tr("Slow Integer") },
            { "optDTCFast", tr("Fast Integer") },
            { "optDTCFloat", tr("Floating point") } } });
    m_dctMethod->button(1)->setChecked(true);

    auto *policyPanel = new QWidget(this);
    policyPanel->setObjectName(QStringLiteral("ditheringPanel"));
    auto *policyLayout = new QVBoxLayout(policyPanel);
    policyLayout->setContentsMargins(0, 0, 0, 0);
    auto *policyLabel = new QLabel(tr("Dithering"), policyPanel);
    policyLabel->setObjectName(QStringLiteral("Label3"));
    policyLayout->addWidget(policyLabel);
    m_ditherPolicy = optionGroup(policyPanel,
        policyLayout,
        { { { "optDithExtraColors", tr("Dither extra colors") },
            { "optNoDith", tr("No Dithering") },
            { "OptAlwaysDith", tr("Always Dither") } } });
    m_ditherPolicy->button(0)->setChecked(true);
    policyPanel->setAccessibleName(tr("Dithering"));
    policyLayout->addStretch();

    auto *options = new QHBoxLayout;
    options->addWidget(ditherFrame);
    options->addWidget(dctFrame);
    options->addWidget(policyPanel);

    const QString qualityTip = tr("Thumbnail Quality Amount");
    auto *qualityLabel = new QLabel(tr("JPEG Quality (0-100)"), this);
    qualityLabel->setObjectName(QStringLiteral("Label1"));
    m_qualityBar = percentBar("HScroll2", kDesignQuality, qualityTip, this);
    m_qualityBar->setAccessibleName(qualityLabel->text());
    m_qualityField = valueField("Text2", kDesignQuality, qualityTip, this);
    qualityLabel->setBuddy(m_qualityField);

    const QString smoothingTip = tr("Thumbnail Smoothing Amount");
    auto *smoothingLabel = new QLabel(tr("Smoothing Amount (0-100)"), this);
    smoothingLabel->setObjectName(QStringLiteral("Label2"));
    m_smoothingBar = percentBar("HScroll1", kDesignSmoothing, smoothingTip, this);
    m_smoothingBar->setAccessibleName(smoothingLabel->text());
    m_smoothingField = valueField("Text1", kDesignSmoothing, smoothingTip, this);
    smoothingLabel->setBuddy(m_smoothingField);

    auto *amounts = new QGridLayout;
    amounts->addWidget(qualityLabel, 0, 0, 1, 2);
    amounts->addWidget(m_qualityBar, 1, 0);
    amounts->addWidget(m_qualityField, 1, 1);
    amounts->addWidget(smoothingLabel, 2, 0, 1, 2);
    amounts->addWidget(m_smoothingBar, 3, 0);
    amounts->addWidget(m_smoothingField, 3, 1);

    m_defaults = new QPushButton(tr("Use &Defaults"), this);
    m_defaults->setObjectName(QStringLiteral("Command1"));
    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Command2"));
    m_ok->setToolTip(tr("Use the above settings"));
    m_ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaults);
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(options);
    layout->addLayout(amounts);
    layout->addLayout(buttons);

    connect(m_fancy, &QCheckBox::toggled, this, &frmAdvOpt::onFancyToggled);
    connect(m_twoPass, &QCheckBox::toggled, this, &frmAdvOpt::onTwoPassToggled);
    connect(m_transparent, &QCheckBox::toggled, this, &frmAdvOpt::onTransparentToggled);
    connect(m_optimize, &QCheckBox::toggled, this, &frmAdvOpt::onOptimizeToggled);
    // An option acts when it becomes the chosen one, however that happens: a click,
    // the arrow keys, or a screen reader's toggle action.
    const auto onChosen = [this](QButtonGroup *group, void (frmAdvOpt::*handler)(int)) {
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
            if (checked)
                (this->*handler)(id);
        });
    };
    onChosen(m_ditherMethod, &frmAdvOpt::onDitherMethodChosen);
    onChosen(m_dctMethod, &frmAdvOpt::onDctMethodChosen);
    onChosen(m_ditherPolicy, &frmAdvOpt::onDitherPolicyChosen);
    connect(m_qualityBar, &QScrollBar::valueChanged, this, &frmAdvOpt::onQualityScrolled);
    connect(m_smoothingBar, &QScrollBar::valueChanged, this, &frmAdvOpt::onSmoothingScrolled);
    // A typed value applies when the field loses the focus, and on Enter (see eventFilter).
    connect(m_qualityField, &QLineEdit::editingFinished, this, [this] {
        applyTypedValue(m_qualityField, m_qualityBar);
    });
    connect(m_smoothingField, &QLineEdit::editingFinished, this, [this] {
        applyTypedValue(m_smoothingField, m_smoothingBar);
    });
    m_qualityField->installEventFilter(this);
    m_smoothingField->installEventFilter(this);
    connect(m_defaults, &QPushButton::clicked, this, &frmAdvOpt::useDefaults);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
}

void frmAdvOpt::load()
{
    m_app.mainWindow()->applyThumbSize();

    // Field and bar show the value in force.
    const auto plain = [](int value) {
        return QString::number(value);
    };
    const ImagingProperties &properties = m_app.imagingOptions().properties();
    showValue(m_smoothingField, m_smoothingBar, properties.smoothing(), plain);
    showValue(m_qualityField, m_qualityBar, properties.quality(), plain);

    // Each remembered choice goes through its control, whose handler writes the
    // property again.
    const AdvancedOptionFlags flags = m_app.imagingOptions().flags();
    if (flags.advFancy == 1)
        m_fancy->setChecked(true);
    if (flags.advTwoPass == 1)
        m_twoPass->setChecked(true);
    struct Restore {
        std::int16_t flag;
        QButtonGroup *group;
        int id;
        void (frmAdvOpt::*handler)(int);
    };
    const Restore restores[] = {
        { flags.advDctSlow, m_dctMethod, 0, &frmAdvOpt::onDctMethodChosen },
        { flags.advDctFast, m_dctMethod, 1, &frmAdvOpt::onDctMethodChosen },
        { flags.advDctFloat, m_dctMethod, 2, &frmAdvOpt::onDctMethodChosen },
        { flags.advNoDither, m_ditherPolicy, 1, &frmAdvOpt::onDitherPolicyChosen },
        { flags.advAlwaysDither, m_ditherPolicy, 2, &frmAdvOpt::onDitherPolicyChosen },
        { flags.advDitherExtra, m_ditherPolicy, 0, &frmAdvOpt::onDitherPolicyChosen },
        { flags.advDitherNone, m_ditherMethod, 0, &frmAdvOpt::onDitherMethodChosen },
        { flags.advDitherOrdered, m_ditherMethod, 1, &frmAdvOpt::onDitherMethodChosen },
        { flags.advDitherFloyd, m_ditherMethod, 2, &frmAdvOpt::onDitherMethodChosen },
    };
    for (const Restore &restore : restores) {
        if (restore.flag != 1)
            continue;
        // The handler writes the property again, also when the option is the
        // design choice already and so does not change.
        QAbstractButton *button = restore.group->button(restore.id);
        if (button->isChecked())
            (this->*restore.handler)(restore.id);
        else
            button->setChecked(true);
    }

    if (m_app.imagingOptions().switchChecked(ImagingOptions::Switch::Transparent))
        m_transparent->setChecked(true);
    m_optimize->setChecked(m_app.imagingOptions().switchChecked(ImagingOptions::Switch::Optimized));
}

void frmAdvOpt::useDefaults()
{
    const ImageSettings defaults;
    m_optimize->setChecked(true);
    change([&](ImagingProperties &properties) {
        properties.setOptimizeCoding(defaults.optimizeCoding);
    });
    m_ditherPolicy->button(defaults.ditherPolicy)->setChecked(true);
    change([&](ImagingProperties &properties) {
        properties.setDitherPolicy(defaults.ditherPolicy);
    });
    m_ditherMethod->button(defaults.ditherMethod)->setChecked(true);
    change([&](ImagingProperties &properties) {
        properties.setDitherMethod(defaults.ditherMethod);
    });
    m_dctMethod->button(defaults.dctMethod)->setChecked(true);
    change([&](ImagingProperties &properties) {
        properties.setDctMethod(defaults.dctMethod);
    });
    // The field follows even when the bar already stands at the default.
    showValue(m_qualityField, m_qualityBar, defaults.quality, numberWithSignPlace);
    change([&](ImagingProperties &properties) {
        properties.setQuality(defaults.quality);
    });
    showValue(m_smoothingField, m_smoothingBar, defaults.smoothing, numberWithSignPlace);
    change([&](ImagingProperties &properties) {
        properties.setSmoothing(defaults.smoothing);
    });
    m_twoPass->setChecked(false);
    change([&](ImagingProperties &properties) {
        properties.setTwoPassQuantize(defaults.twoPassQuantize);
    });
    m_transparent->setChecked(false);
    setSwitch(ImagingOptions::Switch::Transparent, false);
    m_fancy->setChecked(false);
    change([&](ImagingProperties &properties) {
        properties.setFancyUpsampling(defaults.fancyUpsampling);
    });
}

void frmAdvOpt::showValue(QLineEdit *field, QScrollBar *bar, int value, QString (*format)(int))
{
    {
        // Showing is not changing: the imaging controls already hold the value.
        const QSignalBlocker blocker(bar);
        bar->setValue(value);
    }
    field->setText(format(value));
}

void frmAdvOpt::applyTypedValue(QLineEdit *field, QScrollBar *bar)
{
    const std::optional<double> typed = wholeNumber(field->text());
    if (!typed || *typed < bar->minimum() || *typed > bar->maximum()) {
        // Nothing in range was typed: the field shows the value in force again.
        field->setText(numberWithSignPlace(bar->value()));
        return;
    }
    const int value = int(*typed);
    if (value == bar->value())
        field->setText(numberWithSignPlace(value));
    else
        bar->setValue(value); // its handler shows the value and applies it
}

bool frmAdvOpt::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in a value field applies the value and stays, so that the field reads
    // back what is now in force; elsewhere Enter presses "&Ok" as in any dialog.
    if (event->type() == QEvent::KeyPress && (watched == m_qualityField || watched == m_smoothingField)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_qualityField)
                applyTypedValue(m_qualityField, m_qualityBar);
            else
                applyTypedValue(m_smoothingField, m_smoothingBar);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAdvOpt::change(const std::function<void(ImagingProperties &)> &edit)
{
    m_app.imagingOptions().change(edit);
}

void frmAdvOpt::setSwitch(ImagingOptions::Switch which, bool checked)
{
    m_app.imagingOptions().setSwitch(which, checked);
}

void frmAdvOpt::onFancyToggled(bool ticked)
{
    change([&](ImagingProperties &properties) {
        properties.setFancyUpsampling(ticked);
    });
    setSwitch(ImagingOptions::Switch::Fancy, ticked);
    m_app.imagingOptions().flags().advFancy = ticked ? 1 : 0;
}

void frmAdvOpt::onTwoPassToggled(bool ticked)
{
    change([&](ImagingProperties &properties) {
        properties.setTwoPassQuantize(ticked);
    });
    setSwitch(ImagingOptions::Switch::TwoPass, ticked);
    m_app.imagingOptions().flags().advTwoPass = ticked ? 1 : 0;
}

void frmAdvOpt::onTransparentToggled(bool ticked)
{
    setSwitch(ImagingOptions::Switch::Transparent, ticked);
    // The controls draw the picture over the main window's background, which
    // outlasts this window.
    m_app.imagingOptions().setTransparentDrawing(ticked);
}

void frmAdvOpt::onOptimizeToggled(bool ticked)
{
    change([&](ImagingProperties &properties) {
        properties.setOptimizeCoding(ticked);
    });
    setSwitch(ImagingOptions::Switch::Optimized, ticked);
}

void frmAdvOpt::onDitherMethodChosen(int method)
{
    change([&](ImagingProperties &properties) {
        properties.setDitherMethod(method);
    });
    m_app.imagingOptions().flags().chooseDitherMethod(method);
}

void frmAdvOpt::onDctMethodChosen(int method)
{
    change([&](ImagingProperties &properties) {
        properties.setDctMethod(method);
    });
    m_app.imagingOptions().flags().chooseDctMethod(method);
}

void frmAdvOpt::onDitherPolicyChosen(int policy)
{
    change([&](ImagingProperties &properties) {
        properties.setDitherPolicy(policy);
    });
    m_app.imagingOptions().flags().chooseDitherPolicy(policy);
}

void frmAdvOpt::onQualityScrolled(int value)
{
    m_qualityField->setText(numberWithSignPlace(value));
    change([&](ImagingProperties &properties) {
        properties.setQuality(value);
    });
}

void frmAdvOpt::onSmoothingScrolled(int value)
{
    m_smoothingField->setText(numberWithSignPlace(value));
    change([&](ImagingProperties &properties) {
        properties.setSmoothing(value);
    });
}

} // namespace quorvel
