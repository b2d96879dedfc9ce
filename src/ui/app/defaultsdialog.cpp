// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/defaultsdialog.h"

#include "app/application.h"
#include "app/defaults.h"
#include "app/mainwindow.h"
#include "app/maker.h"
#include "app/settingsstore.h"
#include "app/version.h"
#include "platform/drivelist.h"
#include "platform/folderlist.h"
#include "platform/linklabel.h"
#include "platform/paths.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvel
{
namespace
{

constexpr int kThumbnailsTab = 2;

QGroupBox *frame(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLabel *label(const char *name, const QString &caption, QWidget *parent)
{
    auto *text = new QLabel(caption, parent);
    text->setObjectName(QLatin1String(name));
    return text;
}

QLineEdit *sizeBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(QString::number(kDefaultThumbSize), parent);
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(80);
    return box;
}

} // namespace

Form5::Form5(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Defaults...."));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(tr("Defaults pages"));
    m_tabs->addTab(buildVersionTab(), tr("Quorvel"));
    m_tabs->addTab(buildInformationTab(), tr("Information"));
    m_tabs->addTab(buildThumbnailsTab(), tr("Thumbnails options"));

    m_save = new QPushButton(tr("&Save defaults"), this);
    m_save->setObjectName(QStringLiteral("Command2"));
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    connect(m_save, &QPushButton::clicked, this, &Form5::saveDefaults);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
}

Form5::~Form5() = default;

QWidget *Form5::buildVersionTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("tabVersion"));
    auto *caption = label("Label1", tr("Version:"), tab);
    m_version = label("Label2", QString(), tab);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *layout = new QGridLayout(tab);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(m_version, 0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    return tab;
}

QWidget *Form5::buildInformationTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("tabInformation"));

    // The maker has no download page or mail address: both frames lead to the
    // manual's page on getting the latest version and on sending tips and bugs.
    auto *download = frame("Frame1", tr("To Download the Latest version:"), tab);
    m_downloadLink = new LinkLabel(tr("Getting the latest version (the manual)"), download);
    m_downloadLink->setObjectName(QStringLiteral("Label5"));
    m_downloadLink->setToolTip(tr("Open the manual's page on getting the latest version"));
    m_downloadLink->setAccessibleDescription(tr("Opens the manual's page on getting the latest version"));
    connect(m_downloadLink, &LinkLabel::activated, this, &Form5::openDownloadPage);
    auto *downloadLayout = new QVBoxLayout(download);
    downloadLayout->addWidget(m_downloadLink);

    auto *tips = frame("Frame2", tr("Tips and Bugs:"), tab);
    m_supportLink = new LinkLabel(tr("Sending tips and bug reports (the manual)"), tips);
    m_supportLink->setObjectName(QStringLiteral("Label16"));
    m_supportLink->setToolTip(tr("Open the manual's page on sending tips and bug reports"));
    m_supportLink->setAccessibleDescription(tr("Opens the manual's page on sending tips and bug reports"));
    connect(m_supportLink, &LinkLabel::activated, this, &Form5::openDownloadPage);
    auto *tipsLayout = new QHBoxLayout(tips);
    tipsLayout->addWidget(m_supportLink);
    tipsLayout->addStretch();

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(download);
    layout->addWidget(tips);
    layout->addStretch();
    return tab;
}

QWidget *Form5::buildThumbnailsTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("tabThumbnails"));

    auto *pathFrame = frame("Frame3", tr("Default Path to Thumbnails:"), tab);
    m_drive = new DriveList(pathFrame);
    m_drive->setObjectName(QStringLiteral("Drive2"));
    m_drive->setAccessibleName(tr("Drive of the default thumbnail folder"));
    m_folders = new FolderList(pathFrame);
    m_folders->setObjectName(QStringLiteral("Dir2"));
    m_folders->setAccessibleName(tr("Default thumbnail folder"));
    m_folders->setMinimumHeight(160);
    auto *pathLabel = label("Label4", tr("Path:"), pathFrame);
    m_path = new QLineEdit(pathFrame);
    m_path->setObjectName(QStringLiteral("Text5"));
    pathLabel->setBuddy(m_path);
    auto *pathLayout = new QGridLayout(pathFrame);
    pathLayout->addWidget(m_drive, 0, 0, 1, 2);
    pathLayout->addWidget(m_folders, 1, 0, 1, 2);
    pathLayout->addWidget(pathLabel, 2, 0);
    pathLayout->addWidget(m_path, 2, 1);

    auto *duplicates = frame("Frame4", tr("Duplicates:"), tab);
    m_alwaysOverwrite = new QRadioButton(tr("Always overwrite"), duplicates);
    m_alwaysOverwrite->setObjectName(QStringLiteral("Option1"));
    m_askOverwrite = new QRadioButton(tr("Always ask before overwriting"), duplicates);
    m_askOverwrite->setObjectName(QStringLiteral("Option2"));
    auto *duplicatesLayout = new QVBoxLayout(duplicates);
    duplicatesLayout->addWidget(m_alwaysOverwrite);
    duplicatesLayout->addWidget(m_askOverwrite);

    auto *size = frame("Frame5", tr("Default Size:"), tab);
    auto *widthLabel = label("Label12", tr("Width:"), size);
    m_width = sizeBox("Text8", size);
    widthLabel->setBuddy(m_width);
    auto *heightLabel = label("Label11", tr("Height:"), size);
    m_height = sizeBox("Text7", size);
    heightLabel->setBuddy(m_height);
    auto *sizeLayout = new QGridLayout(size);
    sizeLayout->addWidget(widthLabel, 0, 0);
    sizeLayout->addWidget(m_width, 0, 1);
    sizeLayout->addWidget(heightLabel, 1, 0);
    sizeLayout->addWidget(m_height, 1, 1);

    auto *border = frame("Frame6", tr("Border:"), tab);
    m_noBorder = new QRadioButton(tr("No Border"), border);
    m_noBorder->setObjectName(QStringLiteral("noBorder"));
    m_useBorder = new QRadioButton(tr("Use Border"), border);
    m_useBorder->setObjectName(QStringLiteral("useBorder"));
    auto *borderLayout = new QVBoxLayout(border);
    borderLayout->addWidget(m_noBorder);
    borderLayout->addWidget(m_useBorder);

    // The file manager's "&FTP" starts this program.
    auto *ftpLabel = label("Label13", tr("FTP program:"), tab);
    m_ftpProgram = new QLineEdit(tab);
    m_ftpProgram->setObjectName(QStringLiteral("Text9"));
    ftpLabel->setBuddy(m_ftpProgram);
    m_chooseFtpProgram = new QPushButton(QStringLiteral("..."), tab);
    m_chooseFtpProgram->setObjectName(QStringLiteral("Command3"));
    m_chooseFtpProgram->setMaximumWidth(40);
    m_chooseFtpProgram->setAccessibleName(tr("Choose the FTP program"));
    m_chooseFtpProgram->setToolTip(tr("Choose the FTP program"));
    auto *ftpLayout = new QHBoxLayout;
    ftpLayout->addWidget(ftpLabel);
    ftpLayout->addWidget(m_ftpProgram, 1);
    ftpLayout->addWidget(m_chooseFtpProgram);

    auto *right = new QVBoxLayout;
    right->addWidget(duplicates);
    right->addWidget(size);
    right->addWidget(border);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addWidget(pathFrame, 1);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(columns);
    layout->addLayout(ftpLayout);

    connect(m_drive, &DriveList::driveChosen, m_folders, &FolderList::setDrive);
    connect(m_folders, &FolderList::pathChanged, this, [this](const QString &folder) {
        // The root already ends in a separator; any other folder gets one.
        m_path->setText(QDir::toNativeSeparators(withTrailingSeparator(folder)));
        m_drive->showVolumeOf(folder);
    });
    connect(m_chooseFtpProgram, &QPushButton::clicked, this, &Form5::onChooseFtpProgram);
    return tab;
}

void Form5::load()
{
    AppState &state = m_app.state();
    SettingsStore::load(m_app.programFolder().fileForReading(QLatin1String(SettingsStore::kFileName)), state);
    (state.tableBorder == 1 ? m_useBorder : m_noBorder)->setChecked(true);
    m_height->setText(defaultSizeText(state.defThumbHeight));
    m_width->setText(defaultSizeText(state.defThumbWidth));
    (state.overwrite == 1 ? m_alwaysOverwrite : m_askOverwrite)->setChecked(true);
    // The folder list shows the stored folder when it exists; the path box then
    // holds the stored text as it was saved.
    if (!m_folders->setPath(state.defPathToThumb))
        m_folders->setPath(QDir::homePath());
    m_drive->showVolumeOf(m_folders->path());
    m_path->setText(state.defPathToThumb);
    m_ftpProgram->setText(state.FTPprog);
    m_version->setText(programVersionText());
}

bool Form5::saveDefaults()
{
    DefaultsChoice choice;
    choice.path = m_path->text();
    choice.alwaysOverwrite = m_alwaysOverwrite->isChecked();
    choice.heightText = m_height->text();
    choice.widthText = m_width->text();
    choice.useBorder = m_useBorder->isChecked();
    choice.ftpProgram = m_ftpProgram->text().trimmed();

    const DefaultsSaveResult result = quorvel::saveDefaults(
        m_app.programFolder().fileForWriting(QLatin1String(SettingsStore::kFileName)), choice, m_app.state());
    switch (result.failure) {
    case DefaultsSaveResult::Failure::None:
        break;
    case DefaultsSaveResult::Failure::Height:
    case DefaultsSaveResult::Failure::Width: {
        const bool height = result.failure == DefaultsSaveResult::Failure::Height;
        m_tabs->setCurrentIndex(kThumbnailsTab);
        m_app.prompts().message(this,
            height ? tr("The height must be a whole number from 1 to 32767.")
                   : tr("The width must be a whole number from 1 to 32767."),
            Prompts::Icon::Exclamation);
        QLineEdit *box = height ? m_height : m_width;
        box->setFocus();
        box->selectAll();
        return false;
    }
    case DefaultsSaveResult::Failure::File:
        m_app.prompts().message(
            this, tr("The defaults were not saved. %1").arg(result.reason), Prompts::Icon::Exclamation);
        return false;
    }

    const AppState &state = m_app.state();
    frmForm *main = m_app.mainWindow();
    main->setThumbSizeText(QString::number(state.defThumbHeight));
    main->setNoBorder(state.tableBorder != 1);
    main->setOverwriteChoice(state.overwrite == 1);
    main->setDestinationFolder(choice.path);
    close();
    return true;
}

void Form5::openDownloadPage()
{
    // The installed copy of the page in the web browser, as a download page would
    // open; without one (a build tree, a system without documentation) the page in
    // the manual built into the program.
    const QString topic = QLatin1String(kLatestVersionTopic);
    const QString page = m_app.programFolder().installedManualPage(topic);
    if (!page.isEmpty())
        openWithShell(this, page, m_app.prompts(), m_launcher);
    else
        m_app.showHelp(topic);
}

void Form5::onChooseFtpProgram()
{
    const QFileInfo current(m_ftpProgram->text().trimmed());
    QString start = QStringLiteral("/usr/bin");
    if (!m_ftpProgram->text().trimmed().isEmpty() && current.absoluteDir().exists())
        start = current.absolutePath();
    else if (!QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString chosen = m_app.prompts().openFile(this, tr("FTP program"), start, tr("All files (*)"));
    if (!chosen.isEmpty())
        m_ftpProgram->setText(QDir::toNativeSeparators(chosen));
}

} // namespace quorvel
