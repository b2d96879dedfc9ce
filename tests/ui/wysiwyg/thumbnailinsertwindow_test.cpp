// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail window (Form1) over a recorded page: its controls and defaults, the
// remembered folders, Browse, the folder pickers, and what "&Ok" writes and pastes.
#include "app/folderpickerdialog.h"
#include "imaging/imagebox.h"
#include "imaging/thumbnailer.h"
#include "platform/folderlist.h"
#include "testsupport.h"
#include "ui/apptest.h"
#include "wysiwyg/thumbnailinsertwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

using namespace quorvel;

namespace
{

class ThumbnailWindowTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_work.isValid());
    }

    /// Opens the window over a page at `pagePath` (empty: a page not yet saved).
    std::unique_ptr<Form1> open(const QString &pagePath = {})
    {
        if (!m_app)
            start();
        m_pagePath = pagePath;
        ThumbnailTarget target;
        target.pagePath = [this] {
            return m_pagePath;
        };
        target.insertHtml = [this](const QString &html) {
            m_pasted.append(html);
        };
        auto window = std::make_unique<Form1>(*m_app, std::move(target));
        window->show();
        return window;
    }

    QString optionsPath() const
    {
        return m_programDir.filePath(QStringLiteral("options.dat"));
    }

    /// A real picture copied into the work folder under `name`.
    QString picture(
        const QString &folder, const QString &name, const QString &source = QStringLiteral("cameras/canon-eos-d60.jpg"))
    {
        QDir().mkpath(m_work.filePath(folder));
        const QString path = m_work.filePath(folder + u'/' + name);
        EXPECT_TRUE(QFile::copy(test::testPicture(source), path));
        return path;
    }

    /// Browse, answered with `file`.
    void browse(Form1 &window, const QString &file)
    {
        m_prompts->texts.append(file);
        control<QPushButton>(&window, "Command1")->click();
    }

    QTemporaryDir m_work;
    QString m_pagePath;
    QStringList m_pasted;
};

TEST_F(ThumbnailWindowTest, OpensWithItsDesignValuesAndNoRememberedFolders)
{
    auto window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Insert Thumbnail"));
    EXPECT_TRUE(window->isModal());
    const std::pair<const char *, const char *> captions[] = {
        { "Command1", "Browse" },
        { "Command2", "&Ok" },
        { "Command3", "&Close" },
        { "Command4", "..." },
        { "Command5", "..." },
        { "Command6", "Save" },
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(control<QPushButton>(window.get(), name)->text(), QLatin1String(caption)) << name;
    EXPECT_EQ(control<QCheckBox>(window.get(), "Check1")->text(), QStringLiteral("Rename Thumbnail"));
    EXPECT_EQ(control<QCheckBox>(window.get(), "Check2")->text(), QStringLiteral("Use Server Paths"));
    EXPECT_EQ(control<QCheckBox>(window.get(), "Check3")->text(), QStringLiteral("Use Paths when creating Thumbnails"));
    EXPECT_EQ(control<QCheckBox>(window.get(), "Check4")->text(), QStringLiteral("Copy Images to Image Path"));
    EXPECT_EQ(control<QRadioButton>(window.get(), "Option1")->text(), QStringLiteral("No Border"));
    EXPECT_EQ(control<QRadioButton>(window.get(), "Option2")->text(), QStringLiteral("Border"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text3")->text(), QStringLiteral("th_"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text4")->text(), QStringLiteral("images/"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text5")->text(), QStringLiteral("thumbs/"));
    EXPECT_EQ(control<QSlider>(window.get(), "Slider1")->value(), 100);
    EXPECT_EQ(window->imageBox()->thumbSize(), 100);
    EXPECT_EQ(window->imageBox()->borderStyle(), 1);
    // No options.dat: empty boxes, not a lone separator that would name the root.
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text6")->text(), QString());
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text7")->text(), QString());

    // Every box can be named by assistive technology.
    for (const char *name : { "Text1", "Text3", "Text6", "Text7", "Slider1", "Command4", "Command5" })
        EXPECT_FALSE(window->findChild<QWidget *>(QLatin1String(name))->accessibleName().isEmpty()) << name;

    // The slider and the border options drive the imaging control at once.
    control<QSlider>(window.get(), "Slider1")->setValue(160);
    EXPECT_EQ(window->imageBox()->thumbSize(), 160);
    control<QRadioButton>(window.get(), "Option1")->click();
    EXPECT_EQ(window->imageBox()->borderStyle(), 0);
    control<QRadioButton>(window.get(), "Option2")->click();
    EXPECT_EQ(window->imageBox()->borderStyle(), 1);
}

TEST_F(ThumbnailWindowTest, RemembersTheFoldersWithoutGrowingThem)
{
    ASSERT_TRUE(test::writeFile(optionsPath(), "/srv/web,2026/images\\\r\n/srv/web/thumbs\r\n"));
    {
        auto window = open();
        EXPECT_EQ(control<QLineEdit>(window.get(), "Text6")->text(), QStringLiteral("/srv/web,2026/images/"));
        EXPECT_EQ(control<QLineEdit>(window.get(), "Text7")->text(), QStringLiteral("/srv/web/thumbs/"));
        control<QPushButton>(window.get(), "Command6")->click();
    }
    EXPECT_EQ(test::readFile(optionsPath()), QByteArray("/srv/web,2026/images\r\n/srv/web/thumbs\r\n"));
    {
        auto window = open();
        EXPECT_EQ(control<QLineEdit>(window.get(), "Text6")->text(), QStringLiteral("/srv/web,2026/images/"));
        control<QLineEdit>(window.get(), "Text7")->clear();
        control<QPushButton>(window.get(), "Command6")->click();
    }
    EXPECT_EQ(test::readFile(optionsPath()), QByteArray("/srv/web,2026/images\r\n\r\n"));
    EXPECT_TRUE(m_prompts->records.isEmpty());
    EXPECT_EQ(control<QLineEdit>(open().get(), "Text7")->text(), QString());
}

TEST_F(ThumbnailWindowTest, AFailedSaveSaysSo)
{
    // The folder the program writes to is a file: nothing can be written there.
    const QString blocked = m_work.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(test::writeFile(blocked, "a file"));
    start({}, blocked + QStringLiteral("/config"));
    auto window = open();
    control<QLineEdit>(window.get(), "Text6")->setText(QStringLiteral("/srv/images/"));
    m_prompts->records.clear();
    control<QPushButton>(window.get(), "Command6")->click();
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_TRUE(m_prompts->lastMessage().startsWith(QStringLiteral("The folders were not saved.")));
    EXPECT_EQ(m_prompts->records.first().icon, Prompts::Icon::Critical);
}

TEST_F(ThumbnailWindowTest, BrowseLoadsThePictureOrSaysItCannot)
{
    QUORVEL_REQUIRE_TESTDATA();
    auto window = open();
    const QString cat = picture(QStringLiteral("pics"), QStringLiteral("cat.jpg"));
    browse(*window, cat);
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_EQ(m_prompts->records.first().kind, QStringLiteral("openFile"));
    EXPECT_EQ(m_prompts->records.first().text, QStringLiteral("Insert Thumbnail"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text1")->text(), cat);
    EXPECT_TRUE(window->imageBox()->hasPicture());

    browse(*window, test::testPicture(QStringLiteral("broken/text.jpg")));
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Error reading file!"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text1")->text(), QString());
    EXPECT_FALSE(window->imageBox()->hasPicture());

    // Cancelled: nothing changes.
    control<QPushButton>(window.get(), "Command1")->click();
    EXPECT_EQ(m_prompts->records.last().kind, QStringLiteral("openFile"));
}

TEST_F(ThumbnailWindowTest, OkWritesTheThumbnailPastesTheLinkAndCopiesThePicture)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QString page = m_work.filePath(QStringLiteral("site/index.html"));
    const QString cat = picture(QStringLiteral("pics"), QStringLiteral("cat.jpg"));
    QDir().mkpath(m_work.filePath(QStringLiteral("site/thumbs")));
    QDir().mkpath(m_work.filePath(QStringLiteral("site/images")));
    auto window = open(page);
    browse(*window, cat);
    control<QLineEdit>(window.get(), "Text2")->setText(QStringLiteral("Cat"));
    control<QCheckBox>(window.get(), "Check2")->setChecked(true);
    control<QLineEdit>(window.get(), "Text4")->setText(QStringLiteral("images"));
    control<QCheckBox>(window.get(), "Check3")->setChecked(true);
    control<QLineEdit>(window.get(), "Text7")->setText(m_work.filePath(QStringLiteral("site/thumbs/")));
    control<QCheckBox>(window.get(), "Check4")->setChecked(true);
    control<QLineEdit>(window.get(), "Text6")->setText(m_work.filePath(QStringLiteral("site/images/")));
    control<QPushButton>(window.get(), "Command2")->click();

    ASSERT_EQ(m_pasted.size(), 1) << m_prompts->lastMessage().toStdString();
    EXPECT_EQ(m_pasted.first().toStdString(), "<a href = images/cat.jpg><img src = thumbs/th_cat.jpg ALT=Cat></a>");
    // The link's targets exist relative to the page.
    const QDir site(m_work.filePath(QStringLiteral("site")));
    const QString thumbnail = site.filePath(QStringLiteral("thumbs/th_cat.jpg"));
    EXPECT_EQ(test::readFile(site.filePath(QStringLiteral("images/cat.jpg"))), test::readFile(cat));
    const DecodedPicture written = Thumbnailer::decode(thumbnail, window->imageBox()->settings());
    ASSERT_TRUE(written.ok()) << written.error.toStdString();
    EXPECT_EQ(written.image.width(), 100); // the slider's size, longer side
    EXPECT_TRUE(window->isVisible()); // the window stays open
    EXPECT_TRUE(m_prompts->records.size() == 1); // only the Browse dialog
}

TEST_F(ThumbnailWindowTest, PlainDefaultsPutTheThumbnailBesideThePage)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QString page = m_work.filePath(QStringLiteral("site/index.html"));
    QDir().mkpath(m_work.filePath(QStringLiteral("site")));
    const QString phone = picture(QStringLiteral("pics"), QStringLiteral("nokia 3110c phone.jpg"));
    auto window = open(page);
    browse(*window, phone);
    control<QLineEdit>(window.get(), "Text2")->setText(QStringLiteral("My phone"));
    control<QPushButton>(window.get(), "Command2")->click();
    ASSERT_EQ(m_pasted.size(), 1) << m_prompts->lastMessage().toStdString();
    EXPECT_EQ(m_pasted.first().toStdString(),
        "<a href = nokia%203110c%20phone.jpg><img src = th_nokia%203110c%20phone.jpg ALT=\"My phone\"></a>");
    EXPECT_TRUE(QFile::exists(m_work.filePath(QStringLiteral("site/th_nokia 3110c phone.jpg"))));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("th_nokia 3110c phone.jpg"))));
}

TEST_F(ThumbnailWindowTest, RefusesWhatWouldGoWrongAndWritesNothing)
{
    QUORVEL_REQUIRE_TESTDATA();
    auto window = open(); // a page not yet saved: the picture's folder
    const QString cat = picture(QStringLiteral("pics"), QStringLiteral("cat.jpg"));
    const QByteArray original = test::readFile(cat);

    control<QPushButton>(window.get(), "Command2")->click(); // no picture yet
    EXPECT_EQ(m_prompts->records.size(), 1);
    EXPECT_TRUE(m_pasted.isEmpty());

    browse(*window, cat);
    control<QCheckBox>(window.get(), "Check1")->setChecked(false); // thumbnail named cat.jpg, beside the picture
    control<QPushButton>(window.get(), "Command2")->click();
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("over the picture itself")));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::Exclamation);
    EXPECT_TRUE(m_pasted.isEmpty());
    EXPECT_EQ(test::readFile(cat), original);

    // A thumbnail folder that does not exist: the write fails, nothing is pasted.
    control<QCheckBox>(window.get(), "Check1")->setChecked(true);
    control<QCheckBox>(window.get(), "Check3")->setChecked(true);
    control<QLineEdit>(window.get(), "Text7")->setText(m_work.filePath(QStringLiteral("missing/")));
    control<QPushButton>(window.get(), "Command2")->click();
    EXPECT_TRUE(m_prompts->lastMessage().startsWith(QStringLiteral("The thumbnail could not be written")));
    EXPECT_TRUE(m_pasted.isEmpty());

    // Copying with an empty image folder is refused before anything is written.
    control<QCheckBox>(window.get(), "Check3")->setChecked(false);
    control<QCheckBox>(window.get(), "Check4")->setChecked(true);
    control<QPushButton>(window.get(), "Command2")->click();
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("Copy Images to Image Path")));
    EXPECT_FALSE(QFile::exists(m_work.filePath(QStringLiteral("pics/th_cat.jpg"))));
    EXPECT_TRUE(m_pasted.isEmpty());
}

TEST_F(ThumbnailWindowTest, TheFolderButtonsOpenTheirPickersModally)
{
    auto window = open();
    const QString images = m_work.filePath(QStringLiteral("images"));
    ASSERT_TRUE(QDir().mkpath(images));
    control<QLineEdit>(window.get(), "Text6")->setText(images);

    QString seen;
    QTimer::singleShot(0, [&seen] {
        auto *picker = qobject_cast<FolderPickerDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        seen = picker->objectName();
        picker->save(); // the folder it opened on
    });
    control<QPushButton>(window.get(), "Command4")->click();
    EXPECT_EQ(seen, QStringLiteral("savedirs"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text6")->text(), images + u'/');

    QTimer::singleShot(0, [&seen, this] {
        auto *picker = qobject_cast<FolderPickerDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        seen = picker->objectName();
        ASSERT_TRUE(control<FolderList>(picker, "Dir1")->setPath(m_work.path()));
        picker->save();
    });
    control<QPushButton>(window.get(), "Command5")->click();
    EXPECT_EQ(seen, QStringLiteral("form21"));
    EXPECT_EQ(control<QLineEdit>(window.get(), "Text7")->text(), m_work.path() + u'/');
}

} // namespace
