// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagereplacewindow.h"

#include "app/application.h"
#include "app/mainwindow.h"
#include "imaging/imagebox.h"
#include "imaging/imagereplace.h"
#include "platform/drivelist.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "viewers/pictureviewer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace quorvel
{
namespace
{

QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return pictures;
    return QDir::homePath();
}

// A run still busy after this long shows its progress, with Cancel.
constexpr int kShowProgressAfterMs = 500;

} // namespace

Form2::Form2(Application &app, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_app(app)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Image Replace"));
    buildControls();
    resize(760, 560);
}

Form2::~Form2() = default;

void Form2::buildControls()
{
    struct Pane {
        DriveList *&drive;
        FolderList *&folders;
        FileList *&files;
        QString caption;
        const char *driveName;
        const char *folderName;
        const char *fileName;
        QString role;
    };
    const Pane panes[] = {
        { m_imagesDrive,
            m_imagesFolders,
            m_images,
            tr("Select Images:"),
            "Drive3",
            "Dir3",
            "File1",
            tr("new pictures") },
        { m_thumbsDrive,
            m_thumbsFolders,
            m_thumbs,
            tr("Create Thumbnails in:"),
            "Drive1",
            "Dir1",
            "File3",
            tr("thumbnail") },
        { m_destDrive,
            m_destFolders,
            m_dest,
            tr("Copy Files To:"),
            "Drive2",
            "Dir2",
            "File2",
            tr("pictures to replace") },
    };

    auto *paneRow = new QHBoxLayout;
    const QString folder = startFolder();
    for (const Pane &pane : panes) {
        auto *frame = new QGroupBox(pane.caption, this);
        auto *column = new QVBoxLayout(frame);
        pane.drive = new DriveList(frame);
        pane.drive->setObjectName(QLatin1String(pane.driveName));
        pane.drive->setAccessibleName(tr("Drive of the %1").arg(pane.role));
        pane.folders = new FolderList(frame);
        pane.folders->setObjectName(QLatin1String(pane.folderName));
        pane.folders->setAccessibleName(tr("Folder of the %1").arg(pane.role));
        pane.files = new FileList(frame);
        pane.files->setObjectName(QLatin1String(pane.fileName));
        pane.files->setPattern(QStringLiteral("*.jpg"));
        pane.files->setAccessibleName(pane.caption);
        column->addWidget(pane.drive);
        column->addWidget(pane.folders, 2);
        column->addWidget(pane.files, 3);
        paneRow->addWidget(frame, 1);

        DriveList *drive = pane.drive;
        FolderList *folders = pane.folders;
        FileList *files = pane.files;
        connect(drive, &DriveList::driveChosen, folders, &FolderList::setDrive);
        connect(folders, &FolderList::pathChanged, this, [drive, files](const QString &path) {
            files->setPath(path);
            drive->showVolumeOf(path);
        });
        connect(files, &QListWidget::currentItemChanged, this, [this, files](QListWidgetItem *item) {
            onFileClicked(files, item);
        });
        connect(files, &QListWidget::itemClicked, this, [this, files](QListWidgetItem *item) {
            onFileClicked(files, item);
        });
        folders->setPath(folder);
        if (files->path() != folders->path())
            files->setPath(folders->path());
        drive->showVolumeOf(folders->path());
    }
    m_images->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_images->setToolTip(tr("Select the new pictures; double-click one to view it"));
    m_thumbs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dest->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only the new pictures are dragged elsewhere; the other two lists only show.
    m_thumbs->setDragEnabled(false);
    m_dest->setDragEnabled(false);
    connect(m_images, &QListWidget::itemDoubleClicked, this, &Form2::onImageDoubleClicked);

    m_previewViewport = new QScrollArea(this);
    m_previewViewport->setObjectName(QStringLiteral("previewViewport"));
    m_previewViewport->setAccessibleName(tr("Preview"));
    m_previewViewport->setAlignment(Qt::AlignCenter);
    m_previewViewport->setWidgetResizable(false);
    m_preview = new ImageBox;
    m_preview->setObjectName(QStringLiteral("Gvbox1"));
    m_preview->setAccessibleName(tr("Preview"));
    m_previewViewport->setWidget(m_preview);
    m_preview->adjustSize();

    m_create = new QPushButton(tr("Create"), this);
    m_create->setObjectName(QStringLiteral("Command1"));
    m_create->setToolTip(tr("Copy the selected pictures over the pictures to replace and make their thumbnails"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    connect(m_create, &QPushButton::clicked, this, &Form2::runCreate);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_create);
    buttons->addWidget(m_cancel);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_previewViewport, 1);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(paneRow, 3);
    layout->addLayout(bottom, 1);
}

void Form2::onFileClicked(FileList *list, QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = joinPath(list->path(), item->text());
    // A click that makes an entry current reports it twice (current changed, clicked).
    if (path == m_lastShown && m_preview->pictureFile() == path) {
        if (m_preview->hasPicture())
            m_app.viewerSource().viewerSource = ViewerSource::kImageReplace;
        return;
    }
    m_lastShown = path;
    if (!m_preview->loadPicture(path).isEmpty()) {
        // A run previews each picture it is about to replace; one that cannot be
        // shown is replaced all the same, without stopping the run for a message.
        if (!m_running)
            m_app.prompts().message(this, tr("Could Not open image file."));
        return;
    }
    m_app.viewerSource().viewerSource = ViewerSource::kImageReplace;
}

void Form2::onImageDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const bool wasOpen = m_app.pictureViewerIfOpen() != nullptr;
    picView *viewer = m_app.pictureViewer();
    if (!viewer->openPicture(joinPath(m_imagesFolders->path(), item->text()))) {
        m_app.prompts().message(this, tr("Could Not open image file."));
        if (!wasOpen)
            viewer->deleteLater(); // made for this picture only
        return;
    }
    viewer->setPosition(m_images->currentRow());
    m_app.showPictureViewer();
}

void Form2::sizePreviewFromDefaults()
{
    const AppState &state = m_app.state();
    const double dpi = logicalDpiX();
    const auto pixels = [dpi](int twips) {
        return std::max(1, static_cast<int>(std::lround(twipsToPixels(twips, dpi))));
    };
    QSize size = m_preview->size();
    const std::optional<int> height = replacePreviewTwips(state.defThumbHeight);
    const std::optional<int> width = replacePreviewTwips(state.defThumbWidth);
    if (!height && !width)
        return; // no default size stored yet: the preview keeps its size
    if (height)
        size.setHeight(pixels(*height));
    if (width)
        size.setWidth(pixels(*width));
    m_preview->setFixedSize(size);
}

void Form2::runCreate()
{
    frmForm *main = m_app.mainWindow();
    if (main->noBorderTicked())
        m_preview->setThumbSize(0);
    sizePreviewFromDefaults();

    ImageReplaceRequest request;
    request.sourceFolder = m_imagesFolders->path();
    request.sources = m_images->selectedFileNames();
    request.destFolder = m_destFolders->path();
    request.destEntries = m_dest->fileNames();
    request.thumbFolder = m_thumbsFolders->path();
    const QList<ReplaceStep> plan = planImageReplace(request);

    // Pictures are about to be overwritten: the user sees which, and can stop here.
    if (!plan.isEmpty()
        && m_app.prompts().message(
               this, replacementListText(plan), Prompts::Icon::Question, Prompts::Buttons::OkCancel, windowTitle())
            != Prompts::Answer::Ok) {
        return;
    }

    QProgressDialog dialog(this);
    dialog.setObjectName(QStringLiteral("imageReplaceProgress"));
    dialog.setWindowTitle(windowTitle());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.setRange(0, std::max(1, int(plan.size())));
    dialog.setCancelButtonText(tr("Cancel"));
    dialog.hide();
    QElapsedTimer clock;
    clock.start();
    const ReplaceProgress progress = [&](int done, int total) {
        // The entry about to be replaced is selected, so the preview shows it.
        if (done < total && plan[done].destIndex >= 0 && plan[done].destIndex < m_dest->count())
            m_dest->setCurrentRow(plan[done].destIndex);
        if (!dialog.isVisible() && clock.elapsed() >= kShowProgressAfterMs)
            dialog.show();
        if (dialog.isVisible()) {
            dialog.setLabelText(tr("Replacing pictures: %1 of %2 done").arg(done).arg(total));
            dialog.setValue(done);
            QCoreApplication::processEvents();
        }
        return !dialog.wasCanceled();
    };
    // The thumbnails take the imaging options as they stand now, as a creation run
    // does; the main window's working control is given the last picture once the run
    // is over.
    const ImageSettings settings = m_app.imagingOptions().settings();
    QString lastSource;
    const ReplaceThumbnailWriter writeThumbnail = [&settings, &lastSource](
                                                      const QString &source, const QString &thumbnail) {
        lastSource = source;
        return ImageBox::saveThumbnailOf(source, thumbnail, settings);
    };

    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_running = true;
    const ImageReplaceOutcome outcome = runImageReplace(m_app.state(), plan, writeThumbnail, progress);
    if (!lastSource.isEmpty())
        main->keepLastPicture(lastSource);
    m_running = false;
    QApplication::restoreOverrideCursor();
    dialog.hide();

    m_images->refresh();
    m_thumbs->refresh();
    m_dest->refresh();
    if (outcome.cancelled) {
        m_app.prompts().message(this, tr("Image Replace was cancelled; no picture was replaced."));
        return;
    }
    if (const QString problems = imageReplaceProblems(outcome); !problems.isEmpty())
        m_app.prompts().message(this, problems, Prompts::Icon::Exclamation);
    // "Completed" is said only when every file the run was to write was written.
    if (!outcome.failures.isEmpty()) {
        m_app.prompts().message(this,
            tr("Image Replace finished, but %n of the files could not be written.",
                nullptr,
                int(outcome.failures.size())),
            Prompts::Icon::Exclamation);
        return;
    }
    m_app.prompts().message(this, tr("Thumbnail Creation Completed!"));
}

} // namespace quorvel
