// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagingoptions.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quorvel
{

class Application;

/// The advanced image options window, captioned "Thumb JPEG Options": how pictures
/// are decoded and JPEG thumbnails written. It edits the program's ImagingOptions:
/// every change takes effect at once, and the main window's imaging controls follow,
/// the preview (Gvbox1) first, then the working instance (Gvbox2); "&Ok" closes. Its
/// choices are remembered in the options' flags and switches, and restored when it
/// opens again.
///
/// Quality and smoothing are kept only as the options' values: the window reads
/// them back when it opens. Each has a scroll bar and a field that always show the
/// value in force; the bar (reached by Tab) changes it at once, a whole number typed
/// into the field within the bar's range is applied on Enter or when the field loses
/// the focus, and anything else typed gives way to the value in force.
class frmAdvOpt : public QDialog
{
    Q_OBJECT
public:
    explicit frmAdvOpt(Application &app, QWidget *parent = nullptr);
    ~frmAdvOpt() override;

    /// The opening steps, in order: apply the main window's thumbnail size rule; read
    /// Smoothing and Quality back from the preview; restore every remembered choice
    /// through its control's own handler; "Transparent" when its switch is checked;
    /// "Optimize" as its switch says.
    void load();

    /// "Use &Defaults": the program's default settings on every control and on both
    /// imaging controls.
    void useDefaults();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    /// A change of the imaging options, which both imaging controls follow.
    void change(const std::function<void(ImagingProperties &)> &edit);
    void setSwitch(ImagingOptions::Switch which, bool checked);

    void onFancyToggled(bool ticked);
    void onTwoPassToggled(bool ticked);
    void onTransparentToggled(bool ticked);
    void onOptimizeToggled(bool ticked);
    /// Shows a value in a field and its bar without applying it again.
    void showValue(QLineEdit *field, QScrollBar *bar, int value, QString (*format)(int));
    /// Applies the number typed into a field through its bar, or shows the value in force.
    void applyTypedValue(QLineEdit *field, QScrollBar *bar);

    void onDitherMethodChosen(int method);
    void onDctMethodChosen(int method);
    void onDitherPolicyChosen(int policy);
    void onQualityScrolled(int value);
    void onSmoothingScrolled(int value);

    Application &m_app;

    QCheckBox *m_fancy = nullptr; // chkFancyUnsampline
    QCheckBox *m_twoPass = nullptr; // chkTwoPassQuantize
    QCheckBox *m_transparent = nullptr; // chkTransparent
    QCheckBox *m_optimize = nullptr; // chkOptimize
    QButtonGroup *m_ditherMethod = nullptr; // optDithNone, optDithOrdered, optDithFloyd (ids 0..2)
    QButtonGroup *m_dctMethod = nullptr; // optDTCSlow, optDTCFast, optDTCFloat (ids 0..2)
    QButtonGroup *m_ditherPolicy = nullptr; // optDithExtraColors, optNoDith, OptAlwaysDith (ids 0..2)
    QScrollBar *m_qualityBar = nullptr; // HScroll2
    QLineEdit *m_qualityField = nullptr; // Text2
    QScrollBar *m_smoothingBar = nullptr; // HScroll1
    QLineEdit *m_smoothingField = nullptr; // Text1
    QPushButton *m_defaults = nullptr; // Command1
    QPushButton *m_ok = nullptr; // Command2
};

} // namespace quorvel
