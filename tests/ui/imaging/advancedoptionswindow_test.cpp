// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/mainwindow.h"
#include "imaging/advancedoptionswindow.h"
#include "imaging/imagebox.h"
#include "imaging/imagesettings.h"
#include "imaging/thumbnailer.h"
#include "testsupport.h"
#include "ui/apptest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>

using namespace quorvel;

namespace
{

class AdvancedOptionsTest : public test::AppTest
{
protected:
    /// Opens the window the way the user does, with the main window's button.
    frmAdvOpt *open()
    {
        control<QPushButton>(m_app->mainWindow(), "Command1")->click();
        frmAdvOpt *window = test::required(m_app->advancedOptionsWindowIfOpen(), "the options window");
        EXPECT_TRUE(window->isVisible());
        return window;
    }

    /// Closes it with "&Ok" and waits until it is gone.
    void closeWithOk(frmAdvOpt *window)
    {
        control<QPushButton>(window, "Command2")->click();
        QTRY_VERIFY(m_app->advancedOptionsWindowIfOpen() == nullptr);
    }

    bool switchChecked(const char *name)
    {
        return test::required(m_app->mainWindow()->optionSwitch(QLatin1String(name)), std::string("switch ") + name)
            ->isChecked();
    }

    ImageBox *preview()
    {
        return m_app->mainWindow()->previewBox();
    }
    ImageBox *worker()
    {
        return m_app->mainWindow()->workingBox();
    }
};

/// A picture with fine detail, so that JPEG settings show in the bytes.
QString makePicture(const QString &folder)
{
    QImage image(240, 160, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 256, ((x ^ y) * 5) % 256));
    }
    const QString path = folder + QStringLiteral("/detail.png");
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

/// The first entry (the DC step) of the first quantisation table of a JPEG.
int firstQuantStep(const QByteArray &jpeg)
{
    const qsizetype dqt = jpeg.indexOf(QByteArray("\xFF\xDB", 2));
    if (dqt < 0 || dqt + 5 >= jpeg.size())
        return -1;
    return static_cast<unsigned char>(jpeg[dqt + 5]);
}

} // namespace

TEST_F(AdvancedOptionsTest, OpensFromButtonMenuAndToolbarWithItsDesignCaptions)
{
    frmForm *main = start();
    frmAdvOpt *window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Thumb JPEG Options"));
    EXPECT_EQ(control<QPushButton>(main, "Command1")->text(), QStringLiteral("Advanced Options"));
    EXPECT_TRUE(control<QWidget>(main, "Frame3")->isAncestorOf(control<QPushButton>(main, "Command1")));

    const std::pair<const char *, const char *> captions[] = {
        { "chkFancyUnsampline", "Fancy Unsampline" },
        { "chkTwoPassQuantize", "Two Pass Quantize" },
        { "chkTransparent", "Transparent" },
        { "chkOptimize", "Optimize" },
        { "optDithNone", "None" },
        { "optDithOrdered", "Ordered" },
        { "optDithFloyd", "Floyd-Steinberg" },
        { "optDTCSlow", "Slow Integer" },
        { "optDTCFast", "Fast Integer" },
        { "optDTCFloat", "Floating point" },
        { "optDithExtraColors", "Dither extra colors" },
        { "optNoDith", "No Dithering" },
        { "OptAlwaysDith", "Always Dither" },
        { "Command1", "Use &Defaults" },
        { "Command2", "&Ok" },
    };
    for (const auto &[name, caption] : captions) {
        auto *button = control<QAbstractButton>(window, name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QLatin1String(caption)) << name;
    }
    // Design state: the option buttons, the scroll bars and their fields.
    EXPECT_TRUE(control<QRadioButton>(window, "optDithOrdered")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optDTCFast")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optDithExtraColors")->isChecked());
    EXPECT_EQ(control<QScrollBar>(window, "HScroll2")->value(), 85);
    EXPECT_EQ(control<QScrollBar>(window, "HScroll1")->value(), 0);
    EXPECT_EQ(control<QScrollBar>(window, "HScroll2")->maximum(), 100);
    EXPECT_EQ(control<QScrollBar>(window, "HScroll2")->toolTip(), QStringLiteral("Thumbnail Quality Amount"));
    EXPECT_EQ(control<QScrollBar>(window, "HScroll1")->toolTip(), QStringLiteral("Thumbnail Smoothing Amount"));
    EXPECT_EQ(control<QPushButton>(window, "Command2")->toolTip(), QStringLiteral("Use the above settings"));
    EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("85"));
    // The labels name the fields and the bars.
    EXPECT_EQ(control<QLabel>(window, "Label1")->buddy(), control<QLineEdit>(window, "Text2"));
    EXPECT_EQ(control<QLabel>(window, "Label1")->text(), QStringLiteral("JPEG Quality (0-100)"));
    EXPECT_EQ(control<QLabel>(window, "Label2")->text(), QStringLiteral("Smoothing Amount (0-100)"));
    EXPECT_EQ(control<QScrollBar>(window, "HScroll2")->accessibleName(), QStringLiteral("JPEG Quality (0-100)"));
    EXPECT_EQ(control<QScrollBar>(window, "HScroll1")->accessibleName(), QStringLiteral("Smoothing Amount (0-100)"));

    // The menu entry and the toolbar button bring up the same live window.
    main->findChild<QAction *>(QStringLiteral("mnuAdv"))->trigger();
    EXPECT_EQ(m_app->advancedOptionsWindowIfOpen(), window);
    closeWithOk(window);
    QAction *toolbarOptions = main->findChild<QAction *>(QStringLiteral("Options"));
    ASSERT_NE(toolbarOptions, nullptr);
    EXPECT_EQ(toolbarOptions->toolTip(), QStringLiteral("Thumbnail Options"));
    toolbarOptions->trigger();
    ASSERT_NE(m_app->advancedOptionsWindowIfOpen(), nullptr);
    EXPECT_TRUE(m_app->advancedOptionsWindowIfOpen()->isVisible());
}

TEST_F(AdvancedOptionsTest, FirstOpeningTurnsOptimizeOffAndATickIsKeptForLaterOpenings)
{
    start();
    ASSERT_TRUE(preview()->optimizeCoding());
    frmAdvOpt *window = open();
    auto *optimize = control<QCheckBox>(window, "chkOptimize");
    EXPECT_FALSE(optimize->isChecked());
    EXPECT_FALSE(preview()->optimizeCoding());
    EXPECT_FALSE(worker()->optimizeCoding());
    EXPECT_FALSE(switchChecked("mnu_opt"));

    optimize->click();
    EXPECT_TRUE(preview()->optimizeCoding());
    EXPECT_TRUE(worker()->optimizeCoding());
    EXPECT_TRUE(switchChecked("mnu_opt"));
    closeWithOk(window);

    window = open();
    EXPECT_TRUE(control<QCheckBox>(window, "chkOptimize")->isChecked());
    EXPECT_TRUE(worker()->optimizeCoding());
}

TEST_F(AdvancedOptionsTest, ChoicesReachBothControlsAndAreRestoredAtTheNextOpening)
{
    start();
    frmAdvOpt *window = open();
    control<QRadioButton>(window, "optDTCFloat")->click();
    control<QRadioButton>(window, "optDithFloyd")->click();
    control<QRadioButton>(window, "optNoDith")->click();
    control<QCheckBox>(window, "chkFancyUnsampline")->click();
    control<QCheckBox>(window, "chkTwoPassQuantize")->click();
    for (ImageBox *box : { preview(), worker() }) {
        EXPECT_EQ(box->dctMethod(), 2);
        EXPECT_EQ(box->ditherMethod(), 2);
        EXPECT_EQ(box->ditherPolicy(), 1);
        EXPECT_TRUE(box->fancyUpsampling());
        EXPECT_TRUE(box->twoPassQuantize());
    }
    EXPECT_TRUE(switchChecked("mnu_Fancy"));
    EXPECT_TRUE(switchChecked("Mnu_TwoPass"));
    const AdvancedOptionFlags &flags = m_app->imagingOptions().flags();
    EXPECT_EQ(flags.advDctFloat, 1);
    EXPECT_EQ(flags.advDitherFloyd, 1);
    EXPECT_EQ(flags.advNoDither, 1);
    EXPECT_EQ(flags.advDctFast, 0);
    closeWithOk(window);

    // Something else changes the controls meanwhile: the restore writes the
    // remembered values again, through each control's own handler.
    for (ImageBox *box : { preview(), worker() }) {
        box->setDctMethod(0);
        box->setDitherMethod(0);
        box->setDitherPolicy(0);
        box->setFancyUpsampling(false);
    }
    window = open();
    EXPECT_TRUE(control<QRadioButton>(window, "optDTCFloat")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optDithFloyd")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optNoDith")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(window, "chkFancyUnsampline")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(window, "chkTwoPassQuantize")->isChecked());
    for (ImageBox *box : { preview(), worker() }) {
        EXPECT_EQ(box->dctMethod(), 2);
        EXPECT_EQ(box->ditherMethod(), 2);
        EXPECT_EQ(box->ditherPolicy(), 1);
        EXPECT_TRUE(box->fancyUpsampling());
    }

    // A later choice in a group clears the group's other flags.
    control<QRadioButton>(window, "optDTCSlow")->click();
    EXPECT_EQ(flags.advDctSlow, 1);
    EXPECT_EQ(flags.advDctFloat, 0);
    EXPECT_EQ(worker()->dctMethod(), 0);
}

TEST_F(AdvancedOptionsTest, TransparentDrawsOverTheMainWindowWithoutFrameAndIsRestored)
{
    frmForm *main = start();
    frmAdvOpt *window = open();
    control<QCheckBox>(window, "chkTransparent")->click();
    EXPECT_TRUE(switchChecked("mnu_trans"));
    for (ImageBox *box : { preview(), worker() }) {
        EXPECT_EQ(box->transparent(), 1);
        EXPECT_EQ(box->borderStyle(), 0);
        EXPECT_EQ(box->backgroundWidget(), main);
        EXPECT_FALSE(box->settings().frame);
    }
    closeWithOk(window);
    // The background outlives the options window.
    EXPECT_EQ(preview()->backgroundWidget(), main);

    window = open();
    auto *transparent = control<QCheckBox>(window, "chkTransparent");
    EXPECT_TRUE(transparent->isChecked());
    transparent->click();
    EXPECT_FALSE(switchChecked("mnu_trans"));
    for (ImageBox *box : { preview(), worker() }) {
        EXPECT_EQ(box->transparent(), 0);
        EXPECT_EQ(box->borderStyle(), 1);
        EXPECT_EQ(box->backgroundWidget(), nullptr);
        EXPECT_TRUE(box->settings().frame);
    }
}

TEST_F(AdvancedOptionsTest, UseDefaultsLeavesBothControlsWithExactlyTheDefaults)
{
    start();
    frmAdvOpt *window = open();
    control<QScrollBar>(window, "HScroll2")->setValue(30);
    control<QScrollBar>(window, "HScroll1")->setValue(40);
    control<QRadioButton>(window, "optDTCSlow")->click();
    control<QRadioButton>(window, "optDithNone")->click();
    control<QRadioButton>(window, "OptAlwaysDith")->click();
    control<QCheckBox>(window, "chkTwoPassQuantize")->click();
    control<QCheckBox>(window, "chkFancyUnsampline")->click();
    control<QCheckBox>(window, "chkTransparent")->click();
    ASSERT_NE(worker()->settings().quality, 85);

    control<QPushButton>(window, "Command1")->click();
    for (ImageBox *box : { preview(), worker() }) {
        ImageSettings expected;
        expected.boxSize = box->settings().boxSize;
        EXPECT_EQ(box->settings(), expected);
        EXPECT_EQ(box->transparent(), 0);
        EXPECT_EQ(box->borderStyle(), 1);
    }
    EXPECT_TRUE(control<QCheckBox>(window, "chkOptimize")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(window, "chkTwoPassQuantize")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(window, "chkFancyUnsampline")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(window, "chkTransparent")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optDithExtraColors")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optDithOrdered")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "optDTCFast")->isChecked());
    EXPECT_EQ(control<QScrollBar>(window, "HScroll2")->value(), 85);
    EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral(" 85"));
    EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), QStringLiteral(" 0"));
    EXPECT_FALSE(switchChecked("mnu_trans"));
    EXPECT_FALSE(switchChecked("mnu_Fancy"));
    EXPECT_FALSE(switchChecked("Mnu_TwoPass"));
    EXPECT_TRUE(switchChecked("mnu_opt"));
}

TEST_F(AdvancedOptionsTest, FieldAndBarShowTheValueInForceAndTheKeyboardSetsIt)
{
    start();
    frmAdvOpt *window = open();
    auto *qualityBar = control<QScrollBar>(window, "HScroll2");
    auto *quality = control<QLineEdit>(window, "Text2");
    auto *smoothing = control<QLineEdit>(window, "Text1");
    const auto heard = [](QWidget *bar) {
        return QAccessible::queryAccessibleInterface(bar)->valueInterface()->currentValue().toInt();
    };
    qualityBar->setValue(50);
    control<QScrollBar>(window, "HScroll1")->setValue(30);
    closeWithOk(window);

    // Reopened, field, bar and screen reader agree on what the thumbnails get.
    window = open();
    qualityBar = control<QScrollBar>(window, "HScroll2");
    quality = control<QLineEdit>(window, "Text2");
    smoothing = control<QLineEdit>(window, "Text1");
    EXPECT_EQ(quality->text(), QStringLiteral("50"));
    EXPECT_EQ(qualityBar->value(), 50);
    EXPECT_EQ(heard(qualityBar), 50);
    EXPECT_EQ(smoothing->text(), QStringLiteral("30"));
    EXPECT_EQ(control<QScrollBar>(window, "HScroll1")->value(), 30);
    EXPECT_EQ(worker()->quality(), 50);

    // "Use Defaults" shows the 85 it writes, though the bar stood there before.
    qualityBar->setValue(85);
    quality->setText(QStringLiteral("50"));
    control<QPushButton>(window, "Command1")->click();
    EXPECT_EQ(quality->text(), QStringLiteral(" 85"));
    EXPECT_EQ(worker()->quality(), 85);

    // A number typed in range is applied on Enter, to both controls and the bar.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    quality->setFocus();
    quality->selectAll();
    QTest::keyClicks(quality, QStringLiteral("40"));
    QTest::keyClick(quality, Qt::Key_Return);
    EXPECT_EQ(worker()->quality(), 40);
    EXPECT_EQ(preview()->quality(), 40);
    EXPECT_EQ(qualityBar->value(), 40);
    EXPECT_EQ(quality->text(), QStringLiteral(" 40"));
    // Out of range or empty, it gives way to the value in force when the focus leaves.
    for (const QString &typed : { QStringLiteral("101"), QString() }) {
        quality->setFocus();
        quality->selectAll();
        QTest::keyClicks(quality, typed);
        QTest::keyClick(quality, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), quality);
        EXPECT_EQ(quality->text(), QStringLiteral(" 40")) << typed.toStdString();
        EXPECT_EQ(worker()->quality(), 40);
    }
    // The bar is a stop of Tab, and its keys move it.
    quality->setFocus();
    QTest::keyClick(quality, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), qualityBar);
    QTest::keyClick(qualityBar, Qt::Key_Right);
    EXPECT_EQ(worker()->quality(), 41);
    EXPECT_EQ(quality->text(), QStringLiteral(" 41"));
    QTest::keyClick(qualityBar, Qt::Key_PageDown);
    EXPECT_EQ(worker()->quality(), 31);

    // A quality of 0 is shown as 0 at the next opening, as the control holds it.
    qualityBar->setValue(0);
    closeWithOk(window);
    window = open();
    EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QScrollBar>(window, "HScroll2")->value(), 0);
    EXPECT_EQ(worker()->quality(), 0);
}

TEST_F(AdvancedOptionsTest, OpeningAppliesTheThumbSizeRuleSoNoBorderKeepsZero)
{
    frmForm *main = start();
    control<QCheckBox>(main, "chkBorder")->click();
    preview()->setThumbSize(77);
    worker()->setThumbSize(77);
    open();
    EXPECT_EQ(preview()->thumbSize(), 0);
    EXPECT_EQ(worker()->thumbSize(), 0);
}

TEST_F(AdvancedOptionsTest, QualityAndOptimizedCodingReachTheThumbnailsWritten)
{
    start();
    QTemporaryDir dir;
    const QString picture = makePicture(dir.path());
    preview()->setPictureFile(picture);
    worker()->setPictureFile(picture);
    ASSERT_TRUE(worker()->hasPicture());
    const ImageSettings decoding;

    const QString before = dir.filePath(QStringLiteral("before.jpg"));
    ASSERT_EQ(worker()->saveJpeg(before), QString());

    frmAdvOpt *window = open(); // the first opening turns optimised coding off
    const QString unoptimized = dir.filePath(QStringLiteral("unoptimized.jpg"));
    ASSERT_EQ(worker()->saveJpeg(unoptimized), QString());
    // The same picture data, coded with the standard tables: larger, same pixels.
    EXPECT_GT(test::readFile(unoptimized).size(), test::readFile(before).size());
    EXPECT_EQ(Thumbnailer::decodeData(test::readFile(unoptimized), decoding).image,
        Thumbnailer::decodeData(test::readFile(before), decoding).image);
    EXPECT_EQ(firstQuantStep(test::readFile(unoptimized)), 5); // quality 85

    control<QScrollBar>(window, "HScroll2")->setValue(20);
    const QString coarse = dir.filePath(QStringLiteral("coarse.jpg"));
    ASSERT_EQ(worker()->saveJpeg(coarse), QString());
    EXPECT_EQ(firstQuantStep(test::readFile(coarse)), 40); // quality 20 scales the step 16 by 2.5
    EXPECT_LT(test::readFile(coarse).size(), test::readFile(unoptimized).size());
}
