// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/thumbnailinsertwindow.h"

#include "app/application.h"
#include "app/folderpickerdialog.h"
#include "imaging/imagebox.h"
#include "platform/prompts.h"
#include "wysiwyg/inserterfolders.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace quorvel
{
namespace
{

constexpr int kInitialThumbSize = 100;

QLineEdit *box(const QString &text, const char *name, QWidget *parent)
{
    auto *result = new QLineEdit(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setBuddy(buddy);
    return result;
}

} // namespace

Form1::Form1(Application &app, ThumbnailTarget target, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_target(std::move(target))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Insert Thumbnail"));
    setModal(true);

    // The picture and its preview.
    m_picture = box(QString(), "Text1", this);
    m_picture->setReadOnly(true); // the picture loaded by "Browse"; typing would not load it
    m_picture->setAccessibleName(tr("Picture file"));
    auto *browse = button(tr("Browse"), "Command1", this);
    m_imageBox = new ImageBox(this);
    m_imageBox->setObjectName(QStringLiteral("Gvbox1"));
    m_imageBox->setAccessibleName(tr("Thumbnail preview"));
    m_imageBox->setMinimumSize(220, 220);

    m_size = new QSlider(Qt::Horizontal, this);
    m_size->setObjectName(QStringLiteral("Slider1"));
    m_size->setRange(10, 400);
    m_size->setPageStep(10);
    m_size->setValue(kInitialThumbSize);
    m_size->setAccessibleName(tr("Thumbnail size"));
    m_size->setToolTip(tr("Thumbnail size in pixels"));
    m_sizeValue = new QLabel(QString::number(kInitialThumbSize), this);
    m_sizeValue->setObjectName(QStringLiteral("lblSize"));
    m_sizeValue->setMinimumWidth(30);

    auto *borderFrame = new QGroupBox(this);
    borderFrame->setObjectName(QStringLiteral("Frame1"));
    borderFrame->setAccessibleName(tr("Border"));
    m_noBorder = new QRadioButton(tr("No Border"), borderFrame);
    m_noBorder->setObjectName(QStringLiteral("Option1"));
    m_border = new QRadioButton(tr("Border"), borderFrame);
    m_border->setObjectName(QStringLiteral("Option2"));
    m_border->setChecked(true);
    auto *borderLayout = new QHBoxLayout(borderFrame);
    borderLayout->addWidget(m_noBorder);
    borderLayout->addWidget(m_border);

    // Names and the link.
    m_rename = new QCheckBox(tr("Rename Thumbnail"), this);
    m_rename->setObjectName(QStringLiteral("Check1"));
    m_rename->setChecked(true);
    m_prefix = box(QStringLiteral("th_"), "Text3", this);
    m_prefix->setAccessibleName(tr("Thumbnail name prefix"));
    m_alt = box(QString(), "Text2", this);
    auto *altLabel = labelFor(tr("ALT text:"), m_alt, this);

    m_serverPaths = new QCheckBox(tr("Use Server Paths"), this);
    m_serverPaths->setObjectName(QStringLiteral("Check2"));
    m_imageServerPath = box(QStringLiteral("images/"), "Text4", this);
    auto *imageServerLabel = labelFor(tr("Pictures:"), m_imageServerPath, this);
    m_thumbnailServerPath = box(QStringLiteral("thumbs/"), "Text5", this);
    auto *thumbnailServerLabel = labelFor(tr("Thumbnails:"), m_thumbnailServerPath, this);

    // Disk folders.
    m_useThumbnailFolder = new QCheckBox(tr("Use Paths when creating Thumbnails"), this);
    m_useThumbnailFolder->setObjectName(QStringLiteral("Check3"));
    m_thumbnailFolder = box(QString(), "Text7", this);
    m_thumbnailFolder->setAccessibleName(tr("Folder the thumbnail is written to"));
    auto *chooseThumbnailFolder = button(QStringLiteral("..."), "Command5", this);
    chooseThumbnailFolder->setAccessibleName(tr("Choose the thumbnail folder"));
    m_copyPicture = new QCheckBox(tr("Copy Images to Image Path"), this);
    m_copyPicture->setObjectName(QStringLiteral("Check4"));
    m_imageFolder = box(QString(), "Text6", this);
    m_imageFolder->setAccessibleName(tr("Folder the picture is copied to"));
    auto *chooseImageFolder = button(QStringLiteral("..."), "Command4", this);
    chooseImageFolder->setAccessibleName(tr("Choose the image folder"));
    auto *save = button(tr("Save"), "Command6", this);
    save->setToolTip(tr("Remember both folders"));

    auto *ok = button(tr("&Ok"), "Command2", this);
    ok->setDefault(true);
    auto *close = button(tr("&Close"), "Command3", this);

    // Layout: the preview on the left, the options on the right.
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(m_picture, 1);
    pictureRow->addWidget(browse);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_size, 1);
    sizeRow->addWidget(m_sizeValue);
    auto *left = new QVBoxLayout;
    left->addWidget(m_imageBox, 1);
    left->addLayout(sizeRow);
    left->addWidget(borderFrame);

    auto *options = new QGridLayout;
    int row = 0;
    options->addWidget(m_rename, row, 0);
    options->addWidget(m_prefix, row++, 1, 1, 2);
    options->addWidget(altLabel, row, 0);
    options->addWidget(m_alt, row++, 1, 1, 2);
    options->addWidget(m_serverPaths, row++, 0, 1, 3);
    options->addWidget(imageServerLabel, row, 0);
    options->addWidget(m_imageServerPath, row++, 1, 1, 2);
    options->addWidget(thumbnailServerLabel, row, 0);
    options->addWidget(m_thumbnailServerPath, row++, 1, 1, 2);
    options->addWidget(m_useThumbnailFolder, row++, 0, 1, 3);
    options->addWidget(m_thumbnailFolder, row, 0, 1, 2);
    options->addWidget(chooseThumbnailFolder, row++, 2);
    options->addWidget(m_copyPicture, row++, 0, 1, 3);
    options->addWidget(m_imageFolder, row, 0, 1, 2);
    options->addWidget(chooseImageFolder, row++, 2);
    options->addWidget(save, row++, 2);
    options->setRowStretch(row, 1);
    options->setColumnStretch(1, 1);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(options, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pictureRow);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(640, 440);

    connect(browse, &QPushButton::clicked, this, &Form1::browse);
    connect(m_size, &QSlider::valueChanged, this, [this](int value) {
        m_imageBox->setThumbSize(value);
        m_sizeValue->setText(QString::number(value));
    });
    connect(m_noBorder, &QRadioButton::toggled, this, &Form1::applyBorder);
    connect(chooseImageFolder, &QPushButton::clicked, this, &Form1::chooseImageFolder);
    connect(chooseThumbnailFolder, &QPushButton::clicked, this, &Form1::chooseThumbnailFolder);
    connect(save, &QPushButton::clicked, this, &Form1::saveFolders);
    connect(ok, &QPushButton::clicked, this, &Form1::insertThumbnail);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Opening: the remembered folders, then the imaging control's border and size.
    loadFolders();
    applyBorder();
    m_imageBox->setThumbSize(kInitialThumbSize);
}

ThumbnailRequest Form1::request() const
{
    ThumbnailRequest request;
    request.picturePath = m_picture->text();
    request.renameThumbnail = m_rename->isChecked();
    request.prefix = m_prefix->text();
    request.altText = m_alt->text();
    request.useServerPaths = m_serverPaths->isChecked();
    request.imageServerPath = m_imageServerPath->text();
    request.thumbnailServerPath = m_thumbnailServerPath->text();
    request.useThumbnailFolder = m_useThumbnailFolder->isChecked();
    request.thumbnailFolder = m_thumbnailFolder->text();
    request.copyPicture = m_copyPicture->isChecked();
    request.imageFolder = m_imageFolder->text();
    if (m_target.pagePath)
        request.pagePath = m_target.pagePath();
    return request;
}

void Form1::loadFolders()
{
    const InserterFolders folders =
        readInserterFolders(m_app.programFolder().fileForReading(QLatin1String(kInserterFoldersFile)));
    m_imageFolder->setText(folderBoxText(folders.imageFolder));
    m_thumbnailFolder->setText(folderBoxText(folders.thumbnailFolder));
}

void Form1::applyBorder()
{
    m_imageBox->setBorderStyle(m_noBorder->isChecked() ? 0 : 1);
}

void Form1::showProblem(const QString &text)
{
    m_app.prompts().message(this, text, Prompts::Icon::Exclamation);
}

void Form1::browse()
{
    QString start = QFileInfo(m_picture->text()).absolutePath();
    if (m_picture->text().isEmpty()) {
        const QString page = m_target.pagePath ? m_target.pagePath() : QString();
        start = page.isEmpty() ? QDir::homePath() : QFileInfo(page).absolutePath();
    }
    // Upper-case extensions too: cameras name their pictures "IMG_0001.JPG".
    const QString file =
        m_app.prompts().openFile(this, tr("Insert Thumbnail"), start, tr("All Pictures (*.jpg *.gif *.JPG *.GIF)"));
    if (file.isEmpty())
        return;
    if (!m_imageBox->loadPicture(file).isEmpty()) {
        // The control holds no picture now; neither does the box.
        m_picture->clear();
        showProblem(tr("Error reading file!"));
        return;
    }
    m_picture->setText(file);
}

void Form1::insertThumbnail()
{
    const ThumbnailRequest wanted = request();
    const ThumbnailPlan plan = planThumbnail(wanted);
    if (!plan.error.isEmpty()) {
        showProblem(plan.error);
        return;
    }
    // A link to a thumbnail that was not written would be broken: stop here.
    if (const QString error = m_imageBox->saveJpeg(plan.thumbnailFile); !error.isEmpty()) {
        showProblem(tr("The thumbnail could not be written: %1").arg(error));
        return;
    }
    if (m_target.insertHtml)
        m_target.insertHtml(plan.html);
    if (!plan.copyTarget.isEmpty()) {
        if (const QString error = copyPictureFile(wanted.picturePath, plan.copyTarget); !error.isEmpty())
            showProblem(tr("The picture could not be copied to the image folder: %1").arg(error));
    }
}

void Form1::saveFolders()
{
    const InserterFolders folders { m_imageFolder->text(), m_thumbnailFolder->text() };
    const QString error =
        writeInserterFolders(m_app.programFolder().fileForWriting(QLatin1String(kInserterFoldersFile)), folders);
    if (!error.isEmpty())
        m_app.prompts().message(this, tr("The folders were not saved. %1").arg(error), Prompts::Icon::Critical);
}

void Form1::chooseImageFolder()
{
    savedirs picker(m_app, m_imageFolder->text(), this);
    if (picker.exec() == QDialog::Accepted)
        m_imageFolder->setText(picker.chosenFolder());
}

void Form1::chooseThumbnailFolder()
{
    form21 picker(m_app, m_thumbnailFolder->text(), this);
    if (picker.exec() == QDialog::Accepted)
        m_thumbnailFolder->setText(picker.chosenFolder());
}

} // namespace quorvel
