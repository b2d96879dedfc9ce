// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageoptionsdialog.h"

#include "app/application.h"
#include "app/mainwindow.h"
#include "app/pageoptions.h"
#include "platform/prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorvel
{
namespace
{

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

QLineEdit *box(const QString &text, const char *name, QLabel *caption, QWidget *parent)
{
    auto *result = new QLineEdit(text, parent);
    result->setObjectName(QLatin1String(name));
    caption->setBuddy(result);
    return result;
}

} // namespace

saveto::saveto(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("saveto"));
    setWindowTitle(tr("Folder Options"));

    auto *nameLabel = label(tr("Name of webpage:"), "Label1", this);
    m_fileName = box(QStringLiteral("quorvel.html"), "fileName", nameLabel, this);
    auto *folderLabel = label(
        tr("Image Folder for Web page. Leave blank if images are in the same folder as web page."), "Label2", this);
    folderLabel->setWordWrap(true);
    m_imageFolder = box(QString(), "imageFolder", folderLabel, this);
    auto *tip = label(tr("TIPS: Use another folder for your images. Frequently used is: images/"), "Label3", this);
    tip->setWordWrap(true);

    m_useTable = new QCheckBox(tr("Use Table"), this);
    m_useTable->setObjectName(QStringLiteral("chkTable"));
    auto *columnsLabel = label(tr("# Columns:"), "Label4", this);
    m_columns = box(QStringLiteral("4"), "txtColumns", columnsLabel, this);
    auto *rowsLabel = label(tr("# Rows:"), "Label5", this);
    m_rows = box(QStringLiteral("4"), "txtRows", rowsLabel, this);
    m_rows->setToolTip(tr("The rows follow from the number of pictures."));
    m_useBorder = new QCheckBox(tr("Use Border"), this);
    m_useBorder->setObjectName(QStringLiteral("chkBorder"));

    m_headerFooter = new QPushButton(tr("Custom Header && Footer Pages"), this);
    m_headerFooter->setObjectName(QStringLiteral("Command3"));
    auto *use = new QPushButton(tr("Use"), this);
    use->setObjectName(QStringLiteral("Command1"));
    use->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto *table = new QGridLayout;
    table->addWidget(m_useTable, 0, 0, 1, 2);
    table->addWidget(columnsLabel, 1, 0);
    table->addWidget(m_columns, 1, 1);
    table->addWidget(rowsLabel, 2, 0);
    table->addWidget(m_rows, 2, 1);
    table->addWidget(m_useBorder, 3, 0, 1, 2);
    table->setColumnStretch(2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_headerFooter);
    buttons->addStretch(1);
    buttons->addWidget(use);
    buttons->addWidget(cancel);

    // The page style; the web album's options beside the classic page's.
    auto *style = new QGroupBox(tr("Page style"), this);
    style->setObjectName(QStringLiteral("fraStyle"));
    m_classic = new QRadioButton(tr("Classic page"), style);
    m_classic->setObjectName(QStringLiteral("optClassic"));
    m_webAlbum = new QRadioButton(tr("Web album"), style);
    m_webAlbum->setObjectName(QStringLiteral("optAlbum"));
    auto *styleLayout = new QHBoxLayout(style);
    styleLayout->addWidget(m_classic);
    styleLayout->addWidget(m_webAlbum);
    m_skipUpToDate = new QCheckBox(tr("Skip thumbnails that are up to date"), this);
    m_skipUpToDate->setObjectName(QStringLiteral("chkUpdate"));
    m_skipUpToDate->setToolTip(
        tr("Leaves a thumbnail that is newer than its picture and of the size asked for. After changing the "
           "frame or the JPEG options, clear this box for one run."));
    m_album = buildAlbumOptions();

    auto *classic = new QVBoxLayout;
    classic->addWidget(nameLabel);
    classic->addWidget(m_fileName);
    classic->addWidget(folderLabel);
    classic->addWidget(m_imageFolder);
    classic->addWidget(tip);
    classic->addLayout(table);
    classic->addWidget(m_skipUpToDate);
    classic->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(classic, 1);
    columns->addWidget(m_album, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(style);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    const album::PageStyleChoice &choice = m_app.pageStyle();
    (choice.webAlbum ? m_webAlbum : m_classic)->setChecked(true);
    m_skipUpToDate->setChecked(choice.skipUpToDate);
    m_album->setEnabled(choice.webAlbum);
    connect(m_webAlbum, &QRadioButton::toggled, m_album, &QWidget::setEnabled);

    connect(use, &QPushButton::clicked, this, &saveto::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    // The editor is modeless; this dialog stays open.
    connect(m_headerFooter, &QPushButton::clicked, &m_app, &Application::showHeaderFooterEditor);
}

void saveto::confirm()
{
    PageOptionsForm form;
    form.fileName = m_fileName->text();
    form.imageFolder = m_imageFolder->text();
    form.useTable = m_useTable->isChecked();
    form.columns = m_columns->text();
    form.rows = m_rows->text();
    form.useBorder = m_useBorder->isChecked();
    if (const QString refusal = applyPageOptions(m_app.state(), form); !refusal.isEmpty()) {
        m_app.prompts().message(this, refusal);
        return;
    }
    album::PageStyleChoice &choice = m_app.pageStyle();
    choice.webAlbum = m_webAlbum->isChecked();
    choice.skipUpToDate = m_skipUpToDate->isChecked();
    choice.album = shownAlbumOptions();
    m_app.mainWindow()->tickHtmlCode();
    m_app.mainWindow()->listPicturesOfPageStyle();
    close();
}

QGroupBox *saveto::buildAlbumOptions()
{
    auto *group = new QGroupBox(tr("Web album"), this);
    group->setObjectName(QStringLiteral("fraAlbum"));
    const album::AlbumOptions &options = m_app.pageStyle().album;
    auto *form = new QFormLayout;
    const auto row = [&](const QString &caption, const char *name, QWidget *field) {
        field->setObjectName(QLatin1String(name));
        auto *captionLabel = new QLabel(caption, group);
        captionLabel->setBuddy(field);
        form->addRow(captionLabel, field);
    };
    m_albumTitle = new QLineEdit(options.title, group);
    m_albumTitle->setPlaceholderText(tr("the name of the pictures' folder"));
    row(tr("Title:"), "txtAlbumTitle", m_albumTitle);
    m_albumIntro = new QPlainTextEdit(options.intro, group);
    m_albumIntro->setTabChangesFocus(true);
    m_albumIntro->setMaximumHeight(fontMetrics().lineSpacing() * 5);
    row(tr("Intro:"), "txtAlbumIntro", m_albumIntro);
    m_albumFooter = new QLineEdit(options.footer, group);
    row(tr("Footer text:"), "txtAlbumFooter", m_albumFooter);
    const auto spin = [&](int lowest, int highest, int value, const QString &suffix) {
        auto *box = new QSpinBox(group);
        box->setRange(lowest, highest);
        box->setValue(value);
        box->setSuffix(suffix);
        return box;
    };
    m_webSize = spin(album::AlbumOptions::kMinWebSize, album::AlbumOptions::kMaxWebSize, options.webSize, tr(" px"));
    row(tr("Web size (longer side):"), "spnWebSize", m_webSize);
    m_quality = spin(1, 100, options.quality, QString());
    row(tr("JPEG quality:"), "spnQuality", m_quality);
    m_thumbHeight = spin(
        album::AlbumOptions::kMinThumbHeight, album::AlbumOptions::kMaxThumbHeight, options.thumbHeight, tr(" px"));
    row(tr("Thumbnail height:"), "spnThumbHeight", m_thumbHeight);
    m_sort = new QComboBox(group);
    m_sort->addItems({ tr("File name"), tr("Capture date") });
    m_sort->setCurrentIndex(options.sort == album::SortOrder::CaptureDate ? 1 : 0);
    row(tr("Order:"), "cboSort", m_sort);

    m_captions = new QCheckBox(tr("Show the capture date and camera"), group);
    m_captions->setObjectName(QStringLiteral("chkCaptions"));
    m_captions->setChecked(options.captions);
    m_originals = new QCheckBox(tr("Copy the originals, linked as \"download original\""), group);
    m_originals->setObjectName(QStringLiteral("chkOriginals"));
    m_originals->setChecked(options.copyOriginals);
    auto *note = new QLabel(tr("The copies keep every byte of the originals: their GPS position, camera serial "
                               "number and everything else the camera recorded is published with them."),
        group);
    note->setObjectName(QStringLiteral("lblOriginals"));
    note->setWordWrap(true);
    // Read with the box it explains.
    m_originals->setAccessibleDescription(note->text());
    auto *save = new QPushButton(tr("Save Album Options"), group);
    save->setObjectName(QStringLiteral("cmdSaveAlbum"));
    connect(save, &QPushButton::clicked, this, &saveto::saveAlbumOptions);

    auto *layout = new QVBoxLayout(group);
    layout->addLayout(form);
    layout->addWidget(m_captions);
    layout->addWidget(m_originals);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addWidget(save, 0, Qt::AlignRight);
    return group;
}

album::AlbumOptions saveto::shownAlbumOptions() const
{
    album::AlbumOptions options;
    options.title = m_albumTitle->text();
    options.intro = m_albumIntro->toPlainText();
    options.footer = m_albumFooter->text();
    options.webSize = m_webSize->value();
    options.quality = m_quality->value();
    options.thumbHeight = m_thumbHeight->value();
    options.sort = m_sort->currentIndex() == 1 ? album::SortOrder::CaptureDate : album::SortOrder::Name;
    options.captions = m_captions->isChecked();
    options.copyOriginals = m_originals->isChecked();
    return options;
}

void saveto::saveAlbumOptions()
{
    const album::AlbumOptions options = shownAlbumOptions();
    const QString error =
        options.save(m_app.programFolder().fileForWriting(QLatin1String(album::AlbumOptions::kFileName)));
    if (!error.isEmpty()) {
        m_app.prompts().message(this, error, Prompts::Icon::Exclamation);
        return;
    }
    m_app.pageStyle().album = options;
}

} // namespace quorvel
