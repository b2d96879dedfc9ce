// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filemanagerwindow.h"

#include "app/application.h"
#include "app/defaultsdialog.h"
#include "files/filemanager.h"
#include "files/singlerename.h"
#include "platform/drivelist.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/paths.h"
#include "platform/prompts.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorvel
{
namespace
{

QPushButton *button(const char *name, const QString &caption, const QString &toolTip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    // Enter in a text box must not press a button that deletes or creates something.
    b->setAutoDefault(false);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

} // namespace

frmFileManage::frmFileManage(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmFileManage"));
    setWindowTitle(tr("File Management"));
    setSizeGripEnabled(true);

    auto *frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_drives = new DriveList(frame1);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->setToolTip(tr("Choose the drive where your images are."));
    m_drives->setAccessibleName(tr("Drive"));
    m_folders = new FolderList(frame1);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setToolTip(tr("Choose a folder where your images are."));
    m_folders->setAccessibleName(tr("Folders"));
    m_folders->setAccessibleDescription(m_folders->toolTip());
    m_folders->viewport()->installEventFilter(this);
    auto *frame1Layout = new QVBoxLayout(frame1);
    frame1Layout->addWidget(m_drives);
    frame1Layout->addWidget(m_folders, 1);

    auto *frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    m_files = new FileList(frame2);
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setPattern(QStringLiteral("*.jpg"));
    m_files->setToolTip(tr("Select the files you wish to delete, or Double-Click to DELETE instantly!"));
    m_files->setAccessibleName(tr("Files"));
    m_files->setAccessibleDescription(m_files->toolTip());
    auto *patternLabel = new QLabel(tr("File Pattern:"), frame2);
    patternLabel->setObjectName(QStringLiteral("Label1"));
    m_pattern = new QLineEdit(QStringLiteral("*.*"), frame2);
    m_pattern->setObjectName(QStringLiteral("Text2"));
    patternLabel->setBuddy(m_pattern);
    m_status = new QLineEdit(frame2);
    m_status->setObjectName(QStringLiteral("Text1"));
    m_status->setReadOnly(true);
    m_status->setAccessibleName(tr("Last selected, deleted or renamed file"));
    auto *frame2Layout = new QGridLayout(frame2);
    frame2Layout->addWidget(m_files, 0, 0, 1, 2);
    frame2Layout->addWidget(patternLabel, 1, 0);
    frame2Layout->addWidget(m_pattern, 1, 1);
    frame2Layout->addWidget(m_status, 2, 0, 1, 2);

    auto *frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    m_pathBox = new QLineEdit(frame3);
    m_pathBox->setObjectName(QStringLiteral("Text3"));
    m_pathBox->setAccessibleName(tr("Folder path"));
    m_pathBox->setAccessibleDescription(tr("The current folder, or the folder to create or remove"));
    auto *create =
        button("Command1", tr("Create Directory"), tr("Create a directory within the above textbox"), frame3);
    auto *remove =
        button("Command5", tr("&Remove Directory"), tr("Remove Directory listed in the above textbox"), frame3);
    auto *del = button("Command4", tr("&Delete File"), {}, frame3);
    auto *rename = button("Command7", tr("Re&name File"), {}, frame3);
    auto *ftp = button("Command3", tr("&FTP"), tr("Transfer files with your Default FTP Program"), frame3);
    auto *advanced = button("Command8", tr("&Advanced Renaming"), {}, frame3);
    auto *close = button("Command2", tr("&Close"), {}, frame3);
    auto *frame3Layout = new QGridLayout(frame3);
    frame3Layout->addWidget(m_pathBox, 0, 0, 1, 2);
    frame3Layout->addWidget(create, 1, 0);
    frame3Layout->addWidget(remove, 1, 1);
    frame3Layout->addWidget(del, 2, 0);
    frame3Layout->addWidget(rename, 2, 1);
    frame3Layout->addWidget(ftp, 3, 0);
    frame3Layout->addWidget(advanced, 3, 1);
    frame3Layout->addWidget(close, 4, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(frame1, 1);
    layout->addWidget(frame2, 1);
    layout->addWidget(frame3);
    resize(760, 420);

    connect(m_drives, &DriveList::driveChosen, m_folders, &FolderList::setDrive);
    connect(m_folders, &FolderList::pathChanged, this, &frmFileManage::onFolderChanged);
    connect(m_folders, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        // A click on the folder already shown (no folder change) puts its path in the box.
        const auto *model = qobject_cast<const QFileSystemModel *>(index.model());
        if (model && model->filePath(index) == m_folderBeforePress)
            m_pathBox->setText(m_folders->path());
    });
    connect(m_pattern, &QLineEdit::textChanged, m_files, &FileList::setPattern);
    connect(m_pathBox, &QLineEdit::textChanged, this, &frmFileManage::onPathBoxEdited);
    connect(m_files, &QListWidget::itemSelectionChanged, this, &frmFileManage::onFileClicked);
    connect(create, &QPushButton::clicked, this, &frmFileManage::createDirectory);
    connect(remove, &QPushButton::clicked, this, &frmFileManage::removeDirectory);
    connect(del, &QPushButton::clicked, this, &frmFileManage::deleteFile);
    connect(rename, &QPushButton::clicked, this, &frmFileManage::renameFile);
    connect(ftp, &QPushButton::clicked, this, &frmFileManage::startFtp);
    connect(advanced, &QPushButton::clicked, &m_app, &Application::showFileRenamer);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void frmFileManage::load()
{
    {
        // The window opens on the working folder; only a folder the user chooses is
        // written to imageFolderRef.
        const QSignalBlocker blocker(m_folders);
        m_folders->setPath(QDir::currentPath());
    }
    m_drives->showVolumeOf(m_folders->path());
    m_files->setPath(m_folders->path());
    m_files->setPattern(m_pattern->text());
    // The path box shows the folder as a folder change does, ready for a name to add.
    m_pathBox->setText(m_folders->path() + QLatin1Char('/'));
}

QString frmFileManage::folderShown() const
{
    return m_folders->path();
}

bool frmFileManage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_folders->viewport() && event->type() == QEvent::MouseButtonPress)
        m_folderBeforePress = m_folders->path();
    return QDialog::eventFilter(watched, event);
}

void frmFileManage::onFolderChanged(const QString &folder)
{
    m_files->setPath(folder);
    m_drives->showVolumeOf(folder);
    m_pathBox->setText(folder + QLatin1Char('/'));
    m_app.state().imageFolderRef = m_files->path();
}

void frmFileManage::onPathBoxEdited(const QString &text)
{
    const QString normalised = normalisedPathBox(text);
    if (normalised != text)
        m_pathBox->setText(normalised);
}

void frmFileManage::onFileClicked()
{
    for (const QString &name : m_files->selectedFileNames())
        m_status->setText(name);
}

void frmFileManage::refreshLists()
{
    const QString folder = m_folders->path();
    if (!QFileInfo(folder).isDir()) {
        QString parent = folder;
        while (!parent.isEmpty() && !QFileInfo(parent).isDir())
            parent = QFileInfo(parent).path();
        m_folders->setPath(parent);
    }
    m_files->refresh();
}

void frmFileManage::createDirectory()
{
    const QString typed = m_pathBox->text();
    Prompts &prompts = m_app.prompts();
    const QString refusal = createFolderRefusal(typed, folderShown());
    if (!refusal.isEmpty()) {
        prompts.message(this, refusal, Prompts::Icon::Exclamation);
        return;
    }
    if (const int error = createFolder(resolveTypedPath(typed, folderShown())); error != 0) {
        prompts.message(this,
            tr("Error #: %1 occured! Can't create Directory! Perhaps it already exisits or is not a valid "
               "directory name.")
                .arg(error),
            Prompts::Icon::Critical);
        return;
    }
    refreshLists();
    prompts.message(this, tr("New directory %1 created successfully!").arg(typed), Prompts::Icon::Exclamation);
}

void frmFileManage::removeDirectory()
{
    const QString typed = m_pathBox->text();
    Prompts &prompts = m_app.prompts();
    if (prompts.message(this,
            tr("You are about to DELETE the directory %1 and ALL the files within it! This directory and these "
               "files can NOT be restored. Are you sure you wish to delete?")
                .arg(typed),
            Prompts::Icon::None,
            Prompts::Buttons::YesNo)
        == Prompts::Answer::No)
        return;
    if (typed.isEmpty() || !removeEmptyFolder(resolveTypedPath(typed, folderShown()))) {
        prompts.message(this,
            tr("This directory can not be deleted, perhaps it is not empty or doesnt exist!"),
            Prompts::Icon::Exclamation);
        return;
    }
    refreshLists();
    prompts.message(this, tr("Directory %1 deleted successfully!").arg(typed), Prompts::Icon::Exclamation);
}

void frmFileManage::deleteFile()
{
    const QStringList selected = m_files->selectedFileNames();
    if (selected.isEmpty())
        return;
    const QString path = joinPath(folderShown(), selected.first());
    Prompts &prompts = m_app.prompts();
    if (prompts.message(this,
            tr("You are about to DELETE the file %1 Are you sure?").arg(path),
            Prompts::Icon::None,
            Prompts::Buttons::YesNo)
        == Prompts::Answer::No)
        return;
    if (!QFileInfo(path).isFile() || !QFile::remove(path)) {
        prompts.message(this,
            tr("This file can not be deleted, perhaps it is write-protected or doesnt exist!"),
            Prompts::Icon::Exclamation);
        return;
    }
    refreshLists();
    prompts.message(this, tr("File %1 deleted successfully!").arg(path), Prompts::Icon::Exclamation);
    m_status->setText(path);
}

void frmFileManage::renameFile()
{
    renameSelectedFiles(this, m_app.prompts(), *m_files, folderShown(), [this](const QString &name) {
        m_status->setText(name);
    });
}

void frmFileManage::startFtp()
{
    Prompts &prompts = m_app.prompts();
    const QString program = m_app.state().FTPprog;
    if (program.isEmpty()) {
        if (prompts.message(this,
                tr("You have not defined your FTP program within the Default menu! Would you like to do "
                   "this now?"),
                Prompts::Icon::None,
                Prompts::Buttons::YesNo)
            == Prompts::Answer::No)
            return;
        m_app.defaultsDialog()->exec();
        return;
    }
    // The FTP program starts in the folder shown, which it is also given to open.
    if (!QProcess::startDetached(program, { folderShown() }, folderShown()))
        prompts.message(this, tr("The FTP program %1 could not be started.").arg(program), Prompts::Icon::Exclamation);
}

} // namespace quorvel
