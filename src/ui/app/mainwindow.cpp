// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "album/albumsources.h"
#include "app/application.h"
#include "app/settingsstore.h"
#include "app/startup.h"
#include "files/fileoperations.h"
#include "gallery/creationprogress.h"
#include "gallery/creationrun.h"
#include "imaging/imagebox.h"
#include "platform/drivelist.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "platform/updownbuttons.h"
#include "viewers/pictureviewer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

namespace quorvel
{
namespace
{

// The designed client area, in twips.
constexpr double kClientWidth = 11400;
constexpr double kClientHeight = 7050;

QString initialFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return pictures;
    return QDir::homePath();
}

} // namespace

frmForm::frmForm(Application &app, QWidget *parent)
    : QMainWindow(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmForm"));
    setWindowTitle(QStringLiteral("Quorvel"));
    buildMenusAndToolbar();
    buildControls();
    // The imaging controls and the hidden switch entries show the program's imaging
    // options, now and after every change.
    connect(&m_app.imagingOptions(), &ImagingOptions::changed, this, &frmForm::followImagingOptions);
    followImagingOptions();
    const double dpi = logicalDpiX();
    const QSize client(qRound(twipsToPixels(kClientWidth, dpi)), qRound(twipsToPixels(kClientHeight, dpi)));
    resize(client.width(), client.height() + menuBar()->sizeHint().height() + m_toolbar->sizeHint().height());
}

frmForm::~frmForm() = default;

void frmForm::place(QWidget *control, double left, double top, double width, double height)
{
    const double dpi = logicalDpiX();
    const int index = m_layout.add(QRectF(
        twipsToPixels(left, dpi), twipsToPixels(top, dpi), twipsToPixels(width, dpi), twipsToPixels(height, dpi)));
    Q_ASSERT(index == m_placed.size());
    m_placed.append(control);
    control->setGeometry(m_layout.pixelRect(index));
}

void frmForm::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    // Source: "Create From:"
    auto *frame1 = new QGroupBox(tr("Create From:"), m_client);
    frame1->setObjectName(QStringLiteral("Frame1"));
    place(frame1, 120, 120, 4440, 6810);

    m_sourceDrive = new DriveList(frame1);
    m_sourceDrive->setObjectName(QStringLiteral("Drive1"));
    m_sourceDrive->setAccessibleName(tr("Source drive"));
    place(m_sourceDrive, 150, 330, 4140, 360);

    m_sourceFolders = new FolderList(frame1);
    m_sourceFolders->setObjectName(QStringLiteral("Dir1"));
    m_sourceFolders->setToolTip(tr("Select Directory"));
    m_sourceFolders->setAccessibleName(tr("Source folders"));
    m_sourceFolders->setAccessibleDescription(tr("Select Directory"));
    place(m_sourceFolders, 150, 780, 4140, 2400);

    m_sourceFiles = new FileList(frame1);
    m_sourceFiles->setObjectName(QStringLiteral("File1"));
    m_sourceFiles->setPattern(QStringLiteral("*.jpg;*.gif"));
    m_sourceFiles->setToolTip(tr("Select Files to Drag&Drop"));
    m_sourceFiles->setAccessibleName(tr("Source pictures"));
    m_sourceFiles->setAccessibleDescription(tr("Select Files to Drag&Drop"));
    place(m_sourceFiles, 150, 3270, 4140, 2850);

    m_createThumbs = new QPushButton(tr("Create Thumbs"), frame1);
    m_createThumbs->setObjectName(QStringLiteral("Command4"));
    place(m_createThumbs, 150, 6210, 4140, 450);

    // The working imaging control writes the thumbnails; it is never shown.
    m_worker = new ImageBox(frame1);
    m_worker->setObjectName(QStringLiteral("Gvbox2"));
    m_worker->setAccessibleName(tr("Thumbnail writer"));
    m_worker->hide();

    // Destination lists and "Create in:"
    m_destDrive = new DriveList(m_client);
    m_destDrive->setObjectName(QStringLiteral("Drive2"));
    m_destDrive->setAccessibleName(tr("Destination drive"));
    place(m_destDrive, 4710, 240, 3150, 360);

    m_destFolders = new FolderList(m_client);
    m_destFolders->setObjectName(QStringLiteral("Dir2"));
    m_destFolders->setToolTip(tr("Select Directory to Drop Files and Create thumbnails"));
    m_destFolders->setAccessibleName(tr("Destination folders"));
    m_destFolders->setAccessibleDescription(tr("Select Directory to Drop Files and Create thumbnails"));
    m_destFolders->setAcceptsFileDrops(true);
    place(m_destFolders, 4710, 690, 3150, 3750);

    auto *frame2 = new QGroupBox(tr("Create in:"), m_client);
    frame2->setObjectName(QStringLiteral("Frame2"));
    place(frame2, 4710, 4560, 3150, 2370);

    m_newFolderName = new QLineEdit(frame2);
    m_newFolderName->setObjectName(QStringLiteral("Text3"));
    m_newFolderName->setAccessibleName(tr("New folder name"));
    place(m_newFolderName, 150, 360, 2850, 360);

    m_makeDir = new QPushButton(tr("Make Dir."), frame2);
    m_makeDir->setObjectName(QStringLiteral("Command2"));
    m_makeDir->setToolTip(tr("Create a new directory"));
    place(m_makeDir, 150, 810, 1350, 420);

    m_htmlCode = new QCheckBox(tr("HTML Code"), frame2);
    m_htmlCode->setObjectName(QStringLiteral("chkCode"));
    place(m_htmlCode, 150, 1350, 2850, 330);

    m_codeOptions = new QPushButton(tr("Code Options"), frame2);
    m_codeOptions->setObjectName(QStringLiteral("Command3"));
    place(m_codeOptions, 150, 1770, 1650, 420);

    // Preview
    m_previewViewport = new QScrollArea(m_client);
    m_previewViewport->setObjectName(QStringLiteral("vsViewPort1"));
    m_previewViewport->setAccessibleName(tr("Preview"));
    m_previewViewport->setAlignment(Qt::AlignCenter);
    m_previewViewport->setWidgetResizable(false);
    m_preview = new ImageBox;
    m_preview->setObjectName(QStringLiteral("Gvbox1"));
    m_preview->setToolTip(tr("Doubleclick to View picture"));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setAccessibleDescription(tr("Doubleclick to View picture"));
    m_previewViewport->setWidget(m_preview);
    m_preview->adjustSize();
    place(m_previewViewport, 8010, 240, 3270, 3000);

    // Thumbnail options
    auto *frame3 = new QGroupBox(tr("Thumbnail Options "), m_client);
    frame3->setObjectName(QStringLiteral("Frame3"));
    place(frame3, 8010, 3360, 3270, 3570);

    auto *sizeLabel = new QLabel(tr("Thumb Size:"), frame3);
    sizeLabel->setObjectName(QStringLiteral("Label1"));
    place(sizeLabel, 150, 390, 1200, 330);
    m_thumbSize = new QLineEdit(QStringLiteral("90"), frame3);
    m_thumbSize->setObjectName(QStringLiteral("Text2"));
    sizeLabel->setBuddy(m_thumbSize);
    place(m_thumbSize, 1410, 360, 960, 360);
    m_thumbSizeUpDown = new UpDownButtons(frame3);
    m_thumbSizeUpDown->setObjectName(QStringLiteral("UpDown1"));
    m_thumbSizeUpDown->setSubject(tr("thumb size"));
    place(m_thumbSizeUpDown, 2370, 360, 300, 360);

    auto *prefixLabel = new QLabel(tr("Prefix:"), frame3);
    prefixLabel->setObjectName(QStringLiteral("Label2"));
    place(prefixLabel, 150, 840, 1200, 330);
    m_prefix = new QLineEdit(QStringLiteral("t_"), frame3);
    m_prefix->setObjectName(QStringLiteral("Text1"));
    prefixLabel->setBuddy(m_prefix);
    place(m_prefix, 1410, 810, 1260, 360);

    m_rename = new QCheckBox(tr("Rename: "), frame3);
    m_rename->setObjectName(QStringLiteral("chkRename"));
    place(m_rename, 150, 1290, 2850, 330);

    m_noBorder = new QCheckBox(tr("No border"), frame3);
    m_noBorder->setObjectName(QStringLiteral("chkBorder"));
    place(m_noBorder, 150, 1650, 2850, 330);

    m_overwrite = new QRadioButton(tr("Overwrite"), frame3);
    m_overwrite->setObjectName(QStringLiteral("SSOption1"));
    place(m_overwrite, 150, 2040, 2850, 330);
    m_askOverwrite = new QRadioButton(tr("Ask before Overwrite"), frame3);
    m_askOverwrite->setObjectName(QStringLiteral("SSOption2"));
    place(m_askOverwrite, 150, 2400, 2850, 330);
    m_askOverwrite->setChecked(true);

    m_advancedOptions = new QPushButton(tr("Advanced Options"), frame3);
    m_advancedOptions->setObjectName(QStringLiteral("Command1"));
    place(m_advancedOptions, 150, 2910, 2010, 420);
    connect(m_advancedOptions, &QPushButton::clicked, &m_app, &Application::showAdvancedOptions);

    // List coupling: a drive chosen moves its folder list; a source folder chosen
    // fills the file list.
    connect(m_sourceDrive, &DriveList::driveChosen, m_sourceFolders, &FolderList::setDrive);
    connect(m_destDrive, &DriveList::driveChosen, m_destFolders, &FolderList::setDrive);
    connect(m_sourceFolders, &FolderList::pathChanged, this, [this](const QString &folder) {
        m_sourceFiles->setPath(folder);
        m_sourceDrive->showVolumeOf(folder);
    });
    connect(m_destFolders, &FolderList::pathChanged, m_destDrive, &DriveList::showVolumeOf);
    connect(m_sourceFiles, &QListWidget::currentItemChanged, this, &frmForm::onFileClicked);
    connect(m_makeDir, &QPushButton::clicked, this, &frmForm::onMakeDir);
    connect(m_createThumbs, &QPushButton::clicked, this, &frmForm::runCreateThumbs);
    connect(m_codeOptions, &QPushButton::clicked, &m_app, &Application::showPageOptions);
    // The run starts after the drop has finished, so the drag source is not kept
    // waiting through the run and its messages.
    connect(m_destFolders, &FolderList::filesDropped, this, &frmForm::runDropCreate, Qt::QueuedConnection);
    connect(m_thumbSize, &QLineEdit::textChanged, this, &frmForm::onThumbSizeEdited);
    connect(m_thumbSizeUpDown, &UpDownButtons::upClicked, this, [this] {
        onStepThumbSize(1);
    });
    connect(m_thumbSizeUpDown, &UpDownButtons::downClicked, this, [this] {
        onStepThumbSize(-1);
    });
    connect(m_noBorder, &QCheckBox::toggled, this, &frmForm::onBorderClicked);
    // Double-clicks open the picture viewer: on the clicked entry, or on the
    // previewed picture with the viewer's position left as it was.
    connect(m_sourceFiles, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        viewPicture(item->text(), m_sourceFiles->row(item));
    });
    connect(m_preview, &ImageBox::doubleClicked, this, [this] {
        if (!m_sourceFiles->fileName().isEmpty())
            viewPicture(m_sourceFiles->fileName(), std::nullopt);
    });

    const QString start = initialFolder();
    m_sourceFolders->setPath(start);
    m_destFolders->setPath(start);
    // The coupling above fills the lists when the folder changed; the lists already
    // stand on the root when the start folder is the root itself.
    if (m_sourceFiles->path() != m_sourceFolders->path()) {
        m_sourceFiles->setPath(m_sourceFolders->path());
        m_sourceDrive->showVolumeOf(m_sourceFolders->path());
    }
    m_destDrive->showVolumeOf(m_destFolders->path());
}

void frmForm::buildMenusAndToolbar()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *preferences = file->addAction(tr("&Preferences"));
    preferences->setObjectName(QStringLiteral("mnuDefault"));
    connect(preferences, &QAction::triggered, &m_app, &Application::showDefaults);
    QAction *advanced = file->addAction(tr("&Advanced Options"));
    advanced->setObjectName(QStringLiteral("mnuAdv"));
    connect(advanced, &QAction::triggered, &m_app, &Application::showAdvancedOptions);
    QAction *renameFiles = file->addAction(tr("&Rename..."));
    renameFiles->setObjectName(QStringLiteral("mnuCreate3D"));
    connect(renameFiles, &QAction::triggered, &m_app, &Application::showFileManager);
    QAction *editor = file->addAction(tr("HTML Editor"));
    editor->setObjectName(QStringLiteral("mnuEditor"));
    editor->setEnabled(m_app.canOpenHtmlEditor());
    connect(editor, &QAction::triggered, this, [this] {
        m_app.showHtmlEditor();
    });
    QAction *imageReplace = file->addAction(tr("Image Replace"));
    imageReplace->setObjectName(QStringLiteral("mnuImagereplace"));
    connect(imageReplace, &QAction::triggered, &m_app, &Application::showImageReplace);
    file->addSeparator();
    QAction *help = file->addAction(tr("H&elp"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::ApplicationShortcut);
    connect(help, &QAction::triggered, this, [this] {
        m_app.showHelp(QStringLiteral("main-window"));
    });
    file->addSeparator();
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmForm::exitProgram);

    // The check-state switches of the imaging options, as entries that are never shown.
    const std::tuple<ImagingOptions::Switch, const char *, QString> switches[] = {
        { ImagingOptions::Switch::Transparent, "mnu_trans", tr("Transparent") },
        { ImagingOptions::Switch::Optimized, "mnu_opt", tr("Optimized") },
        { ImagingOptions::Switch::Fancy, "mnu_Fancy", tr("Fancy") },
        { ImagingOptions::Switch::TwoPass, "Mnu_TwoPass", tr("TwoPass") },
    };
    for (const auto &[which, name, caption] : switches) {
        QAction *entry = menuBar()->addAction(caption);
        entry->setObjectName(QLatin1String(name));
        entry->setCheckable(true);
        entry->setVisible(false);
        m_switchEntries.append({ which, entry });
    }

    m_toolbar = addToolBar(tr("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QAction *create = m_toolbar->addAction(style()->standardIcon(QStyle::SP_FileDialogNewFolder), tr("Create"));
    create->setObjectName(QStringLiteral("Create"));
    create->setToolTip(tr("Create Thumbnails"));
    connect(create, &QAction::triggered, this, &frmForm::onToolbarCreate);
    QAction *defaults = m_toolbar->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), tr("Default"));
    defaults->setObjectName(QStringLiteral("Default"));
    defaults->setToolTip(tr("Default"));
    connect(defaults, &QAction::triggered, &m_app, &Application::showDefaults);
    QAction *options = m_toolbar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), tr("Options"));
    options->setObjectName(QStringLiteral("Options"));
    options->setToolTip(tr("Thumbnail Options"));
    connect(options, &QAction::triggered, &m_app, &Application::showAdvancedOptions);
    QAction *html = m_toolbar->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), tr("HTML"));
    html->setObjectName(QStringLiteral("HTML"));
    html->setToolTip(tr("HTML Page options"));
    connect(html, &QAction::triggered, &m_app, &Application::showPageOptions);
    QAction *toolHelp = m_toolbar->addAction(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("Help"));
    toolHelp->setObjectName(QStringLiteral("Help"));
    toolHelp->setToolTip(tr("Help"));
    connect(toolHelp, &QAction::triggered, this, [this] {
        m_app.showHelp(QStringLiteral("main-window"));
    });
}

void frmForm::load()
{
    AppState &state = m_app.state();
    copyLogoPictures(m_app.programFolder());
    SettingsStore::load(m_app.programFolder().fileForReading(QLatin1String(SettingsStore::kFileName)), state);
    if (m_destFolders->setPath(state.defPathToThumb))
        m_destDrive->showVolumeOf(state.defPathToThumb);
    // The option buttons show the stored overwrite choice.
    (state.overwrite == 1 ? m_overwrite : m_askOverwrite)->setChecked(true);
}

QString frmForm::sourcePathOf(const QString &fileName) const
{
    return joinPath(m_sourceFolders->path(), fileName);
}

void frmForm::applyThumbSize()
{
    const std::optional<double> size = wholeNumber(m_thumbSize->text());
    if (!size)
        return; // a box that holds no number yet (being typed) leaves the sizes as they are
    ImagingOptions &options = m_app.imagingOptions();
    const bool noBorder = m_noBorder->isChecked();
    // ThumbSize 0 stands for "the last positive size, without the frame". So with
    // "No border" ticked the number goes between two zeros: written, it becomes the
    // size of the thumbnails (a size typed while the box is ticked is not lost), and
    // the 0 after it takes the frame off again. The 0 before it leaves nothing
    // behind, since the size is 0 already whenever "No border" is ticked; it keeps the
    // order of writes the controls have always seen, and a number refused (negative)
    // leaves the size at 0 either way.
    if (noBorder)
        options.setThumbSize(0);
    // A negative size is refused, and the previous size stays.
    options.setThumbSize(*size);
    if (noBorder)
        options.setThumbSize(0);
}

void frmForm::setThumbSizeText(const QString &text)
{
    m_thumbSize->setText(text);
    applyThumbSize(); // also when the text was already there
}

void frmForm::setNoBorder(bool ticked)
{
    m_noBorder->setChecked(ticked);
}

void frmForm::setOverwriteChoice(bool alwaysOverwrite)
{
    (alwaysOverwrite ? m_overwrite : m_askOverwrite)->setChecked(true);
}

void frmForm::setDestinationFolder(const QString &folder)
{
    if (m_destFolders->setPath(folder))
        m_destDrive->showVolumeOf(folder);
}

QAction *frmForm::optionSwitch(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

void frmForm::followImagingOptions()
{
    const ImagingOptions &options = m_app.imagingOptions();
    // The preview first, then the working control, as every option reaches them. A
    // transparent picture is drawn over this window, which outlives every other.
    QWidget *background = options.properties().transparent() == 1 ? this : nullptr;
    for (ImageBox *box : { m_preview, m_worker }) {
        box->setProperties(options.properties());
        box->setBackgroundWidget(background);
    }
    for (const auto &[which, entry] : m_switchEntries)
        entry->setChecked(options.switchChecked(which));
}

void frmForm::keepLastPicture(const QString &path)
{
    m_worker->loadPicture(path);
}

void frmForm::onThumbSizeEdited()
{
    applyThumbSize();
}

void frmForm::onStepThumbSize(int step)
{
    m_thumbSize->setText(plainNumber(leadingNumber(m_thumbSize->text()) + step));
}

void frmForm::onBorderClicked()
{
    ImagingOptions &options = m_app.imagingOptions();
    const std::optional<double> size = wholeNumber(m_thumbSize->text());
    // The number first, so that it is the size the thumbnails keep; then 0 takes
    // the frame off, or the number again leaves it on.
    if (size)
        options.setThumbSize(*size);
    if (m_noBorder->isChecked())
        options.setThumbSize(0);
    else if (size)
        options.setThumbSize(*size);
}

void frmForm::onFileClicked()
{
    const QString name = m_sourceFiles->fileName();
    if (name.isEmpty())
        return;
    // Pictures that cannot be loaded are passed over without a message.
    const QString path = sourcePathOf(name);
    m_preview->setPictureFile(path);
    m_worker->sharePicture(*m_preview); // the same pixels: no second decode of the file
    applyThumbSize();
    m_preview->adjustSize();
}

void frmForm::onMakeDir()
{
    const QString parent = m_destFolders->path();
    const QString name = m_newFolderName->text();
    const QString path = QDir::toNativeSeparators(joinPath(parent, name.trimmed()));
    QString reason;
    switch (makeFolder(parent, name.trimmed(), &reason)) {
    case MakeFolderResult::Created:
        break;
    case MakeFolderResult::EmptyName:
        m_app.prompts().message(
            this, tr("Type the name of the new folder in the box first."), Prompts::Icon::Exclamation);
        break;
    case MakeFolderResult::AlreadyExists:
        m_app.prompts().message(this, tr("The folder '%1' already exists.").arg(path), Prompts::Icon::Exclamation);
        break;
    case MakeFolderResult::Failed:
        m_app.prompts().message(
            this, tr("The folder '%1' could not be created: %2.").arg(path, reason), Prompts::Icon::Critical);
        break;
    }
    // The folder list stays where it was and shows the new folder.
    m_destFolders->setPath(parent);
}

void frmForm::onToolbarCreate()
{
    m_app.prompts().message(this, tr("Drag your selected file(s) to the Selected Thumbnail Folder!"));
}

CreationRequest frmForm::creationRequest() const
{
    CreationRequest request;
    request.sourceFolder = m_sourceFolders->path();
    request.destFolder = m_destFolders->path();
    request.rename = m_rename->isChecked();
    request.prefix = m_prefix->text();
    request.writePage = m_htmlCode->isChecked();
    request.settings = m_app.imagingOptions().settings();
    request.logoFolder = m_app.programFolder().dataDir();
    request.skipUpToDate = m_app.pageStyle().skipUpToDate;
    return request;
}

void frmForm::runCreateThumbs()
{
    CreationRequest request = creationRequest();
    for (const QString &name : m_sourceFiles->selectedFileNames())
        request.pictures += sourcePathOf(name);
    createAndReport(request);
}

void frmForm::runDropCreate(const QStringList &files)
{
    CreationRequest request = creationRequest();
    request.pictures = files;
    request.dropped = true;
    createAndReport(request);
}

void frmForm::createAndReport(const CreationRequest &request)
{
    album::PageStyleChoice &style = m_app.pageStyle();
    if (style.webAlbum) {
        // The album goes into the destination folder, with its own page: the classic
        // page's options and the same-folder rule of thumbnails do not apply.
        album::AlbumRequest albumRequest;
        albumRequest.sourceFolder = request.sourceFolder;
        albumRequest.albumFolder = request.destFolder;
        albumRequest.pictures = request.pictures;
        albumRequest.options = style.album;
        const album::AlbumOutcome outcome = buildAlbumWithProgress(this, albumRequest);
        reportAlbum(this, m_app.prompts(), outcome);
        if (outcome.result != album::AlbumOutcome::Result::Refused && outcome.pageWritten) {
            style.latestAlbumPage = outcome.indexPath;
            m_app.showPageView();
        }
        return;
    }
    const CreationOutcome outcome = runCreationWithProgress(this, m_app.state(), request);
    reportCreation(this, m_app.prompts(), outcome);
    if (outcome.pageWritten) {
        style.latestAlbumPage.clear();
        m_app.showPageView();
    }
}

bool frmForm::noBorderTicked() const
{
    return m_noBorder->isChecked();
}

void frmForm::viewPicture(const QString &fileName, std::optional<int> atEntry)
{
    const bool wasOpen = m_app.pictureViewerIfOpen() != nullptr;
    picView *viewer = m_app.pictureViewer();
    if (!viewer->openPicture(sourcePathOf(fileName))) {
        m_app.prompts().message(this, tr("Can not open file!"), Prompts::Icon::Exclamation);
        if (!wasOpen)
            viewer->deleteLater(); // made for this picture only
        return;
    }
    if (atEntry)
        viewer->setPosition(*atEntry);
    m_app.showPictureViewer();
}

void frmForm::tickHtmlCode()
{
    m_htmlCode->setChecked(true);
}

void frmForm::listPicturesOfPageStyle()
{
    m_sourceFiles->setAcceptedFiles(m_app.pageStyle().webAlbum ? album::isAlbumPicture : nullptr);
}

void frmForm::scaleControls()
{
    if (!m_layout.resize(m_client->size(), isMinimized()))
        return;
    for (int i = 0; i < m_placed.size(); ++i) {
        if (m_placed[i])
            m_placed[i]->setGeometry(m_layout.pixelRect(i));
    }
}

bool frmForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        scaleControls();
    return QMainWindow::eventFilter(watched, event);
}

void frmForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Coming back from minimized: scale from the size recorded before the minimize.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        scaleControls();
}

void frmForm::exitProgram()
{
    // The other windows close first: one that holds unsaved work may ask, and when
    // the user keeps it open the program goes on running, this window included.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && !window->close())
            return;
    }
    close();
    QCoreApplication::quit();
}

void frmForm::closeEvent(QCloseEvent *event)
{
    m_app.closeHelp();
    event->accept();
}

} // namespace quorvel
