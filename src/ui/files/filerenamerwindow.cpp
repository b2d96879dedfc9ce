// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filerenamerwindow.h"

#include "app/application.h"
#include "files/askrenamedialog.h"
#include "files/filemanager.h"
#include "files/renamebatch.h"
#include "files/renamechoicedialog.h"
#include "files/renamerules.h"
#include "files/singlerename.h"
#include "platform/drivelist.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
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
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

QLineEdit *hiddenBox(const char *name, const QString &description, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(description);
    box->hide();
    return box;
}

} // namespace

frmFileManageRename::frmFileManageRename(Application &app, QWidget *parent)
    : QMainWindow(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmFileManageRename"));
    setWindowTitle(tr("File Renamer"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_drives = new DriveList(central);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->setToolTip(tr("Choose the drive where your images are."));
    m_drives->setAccessibleName(tr("Drive"));
    m_folders = new FolderList(central);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setToolTip(tr("Choose a folder where your files are."));
    m_folders->setAccessibleName(tr("Folders"));
    m_folders->setAccessibleDescription(m_folders->toolTip());
    m_files = new FileList(central);
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setToolTip(tr("Select the files you wish to rename or Double-Click to add them to your list! Right-click "
                           "for more options."));
    m_files->setAccessibleName(tr("Files"));
    m_files->setAccessibleDescription(m_files->toolTip());
    m_files->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *patternLabel = new QLabel(tr("File Extensions:"), central);
    patternLabel->setObjectName(QStringLiteral("Label1"));
    m_pattern = new QLineEdit(QStringLiteral("*.*"), central);
    m_pattern->setObjectName(QStringLiteral("Text3"));
    patternLabel->setBuddy(m_pattern);

    auto *listFrame = new QGroupBox(tr("List of Files to Rename"), central);
    listFrame->setObjectName(QStringLiteral("Frame1"));
    m_list = new QListWidget(listFrame);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setToolTip(tr("List of files to rename. Double-Click to remove from your list Right-click for more "
                          "options."));
    m_list->setAccessibleName(tr("List of Files to Rename"));
    m_list->setAccessibleDescription(m_list->toolTip());
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_countCaption = new QLabel(tr("Files on list:"), listFrame);
    m_countCaption->setObjectName(QStringLiteral("Label2"));
    m_count = new QLabel(listFrame);
    m_count->setObjectName(QStringLiteral("Label3"));
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(m_countCaption);
    countRow->addWidget(m_count);
    countRow->addStretch();
    auto *listLayout = new QVBoxLayout(listFrame);
    listLayout->addWidget(m_list, 1);
    listLayout->addLayout(countRow);

    auto *add = button("Command3", tr("&Add Files"), tr("Add selected file(s) to your rename list!"), central);
    auto *remove = button("Command5", tr("&Remove "), tr("Remove selected file(s) from List"), central);
    auto *clear = button("Command4", tr("&Clear List"), tr("Clear List from ALL files"), central);
    auto *options = button("Command1", tr("Rename &Options"), tr("Click to select renaming options!"), central);
    m_move = button("Command7", tr("&Move"), tr("Move the chosen entry to the selected place"), central);
    m_lastName = hiddenBox("Text1", tr("Last new name"), central);
    m_moveText = hiddenBox("Text12", tr("Entry to move"), central);
    m_movePosition = hiddenBox("Text13", tr("Position of the entry to move"), central);

    auto *left = new QVBoxLayout;
    left->addWidget(m_drives);
    left->addWidget(m_folders, 1);
    left->addWidget(m_files, 1);
    auto *patternRow = new QHBoxLayout;
    patternRow->addWidget(patternLabel);
    patternRow->addWidget(m_pattern);
    left->addLayout(patternRow);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(clear);
    buttons->addWidget(m_move);
    buttons->addStretch();
    buttons->addWidget(options);
    auto *layout = new QHBoxLayout(central);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->addWidget(listFrame, 2);
    resize(860, 480);

    buildMenus();
    updateCount();

    connect(m_drives, &DriveList::driveChosen, m_folders, &FolderList::setDrive);
    connect(m_folders, &FolderList::pathChanged, this, &frmFileManageRename::onFolderChanged);
    connect(m_pattern, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_files->setPattern(text);
        m_folders->setPath(m_folders->path());
    });
    connect(add, &QPushButton::clicked, this, &frmFileManageRename::addFiles);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &frmFileManageRename::addFiles);
    connect(remove, &QPushButton::clicked, this, &frmFileManageRename::removeEntry);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &frmFileManageRename::removeEntry);
    connect(clear, &QPushButton::clicked, this, &frmFileManageRename::clearList);
    connect(options, &QPushButton::clicked, this, &frmFileManageRename::runBatch);
    connect(m_move, &QPushButton::clicked, this, &frmFileManageRename::moveMarkedEntry);
    connect(m_list, &QListWidget::itemClicked, this, [this] {
        // With no move pending, a click only notes the entry's place.
        if (m_moveText->text().isEmpty())
            m_movePosition->setText(QString::number(m_list->currentRow()));
    });
    connect(m_files, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_fileMenu->popup(m_files->viewport()->mapToGlobal(at));
    });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateMenuStates();
        m_optionsMenu->popup(m_list->viewport()->mapToGlobal(at));
    });
}

void frmFileManageRename::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_optionsMenu = menuBar()->addMenu(tr("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mnuOptions"));
    connect(m_optionsMenu, &QMenu::aboutToShow, this, &frmFileManageRename::updateMenuStates);
    QMenu *fontSize = m_optionsMenu->addMenu(tr("List box Font Size"));
    fontSize->setObjectName(QStringLiteral("mnuFontSize"));
    QAction *small = fontSize->addAction(tr("Use &small font"));
    small->setObjectName(QStringLiteral("mnuSmallFont"));
    connect(small, &QAction::triggered, this, [this] {
        setListFontSize(8);
    });
    QAction *large = fontSize->addAction(tr("Use &large font"));
    large->setObjectName(QStringLiteral("mnuLargeFont"));
    connect(large, &QAction::triggered, this, [this] {
        setListFontSize(10);
    });
    m_optionsMenu->addSeparator();
    QAction *showCount = m_optionsMenu->addAction(tr("Show File Count"));
    showCount->setObjectName(QStringLiteral("mnuShowCount"));
    showCount->setCheckable(true);
    showCount->setChecked(true);
    connect(showCount, &QAction::toggled, this, [this](bool shown) {
        m_countCaption->setVisible(shown);
        m_count->setVisible(shown);
    });
    m_optionsMenu->addSeparator();
    QAction *attributes = m_optionsMenu->addAction(tr("File Attributes"));
    attributes->setObjectName(QStringLiteral("mnuListAttributes"));
    connect(attributes, &QAction::triggered, this, &frmFileManageRename::showListAttributes);
    m_optionsMenu->addSeparator();
    m_moveSelected = m_optionsMenu->addAction(tr("Move selected file"));
    m_moveSelected->setObjectName(QStringLiteral("mnuMoveSelected"));
    connect(m_moveSelected, &QAction::triggered, this, &frmFileManageRename::markEntryToMove);
    m_moveHere = m_optionsMenu->addAction(tr("Move file &here"));
    m_moveHere->setObjectName(QStringLiteral("mnuMoveHere"));
    m_moveHere->setEnabled(false);
    connect(m_moveHere, &QAction::triggered, this, &frmFileManageRename::moveMarkedEntry);
    m_optionsMenu->addSeparator();
    m_undo = m_optionsMenu->addAction(tr("Undo last renaming"));
    m_undo->setObjectName(QStringLiteral("mnuUndo"));
    connect(m_undo, &QAction::triggered, this, &frmFileManageRename::undoLastRenaming);

    QAction *help = menuBar()->addAction(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, [this] {
        m_app.showHelp(QStringLiteral("file-manager"));
    });

    // The file list's right-click menu.
    m_fileMenu = new QMenu(tr("Options2"), this);
    m_fileMenu->setObjectName(QStringLiteral("Options2"));
    QAction *renameSelected = m_fileMenu->addAction(tr("&Rename selected"));
    renameSelected->setObjectName(QStringLiteral("mnuRenameSelected"));
    connect(renameSelected, &QAction::triggered, this, [this] {
        renameSelectedFiles(this, m_app.prompts(), *m_files, m_folders->path(), [this](const QString &name) {
            m_lastName->setText(name);
        });
    });
    QAction *fileAttributes = m_fileMenu->addAction(tr("File &Attributes"));
    fileAttributes->setObjectName(QStringLiteral("mnuFileAttributes"));
    connect(fileAttributes, &QAction::triggered, this, &frmFileManageRename::showFileAttributes);
}

void frmFileManageRename::load()
{
    m_move->hide();
    {
        // The window opens on the working folder; only a folder the user chooses is
        // written to imageFolderRef.
        const QSignalBlocker blocker(m_folders);
        m_folders->setPath(QDir::currentPath());
    }
    m_drives->showVolumeOf(m_folders->path());
    m_files->setPath(m_folders->path());
    m_files->setPattern(m_pattern->text());
}

QStringList frmFileManageRename::entries() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts.append(m_list->item(i)->text());
    return texts;
}

void frmFileManageRename::updateCount()
{
    const int count = m_list->count();
    m_count->setText(QString::number(count));
    // A screen reader reads the caption and the number as one, with the number in force.
    m_count->setAccessibleName(tr("Files on list: %n", nullptr, count));
}

void frmFileManageRename::onFolderChanged(const QString &folder)
{
    m_files->setPath(folder);
    m_drives->showVolumeOf(folder);
    m_app.state().imageFolderRef = m_files->path();
}

void frmFileManageRename::addFiles()
{
    const QStringList snapshot = entries();
    if (m_list->count() > 0)
        m_list->setCurrentRow(m_list->count() - 1);
    for (const QString &name : m_files->selectedFileNames()) {
        const QString path = joinPath(m_folders->path(), name);
        if (snapshot.contains(path)) {
            if (m_app.prompts().message(this,
                    tr("File already on the List. To avoid errors you really should'nt add it. Add it "
                       "anyway?"),
                    Prompts::Icon::Question,
                    Prompts::Buttons::YesNo,
                    tr("Add File..."))
                == Prompts::Answer::No)
                continue;
            m_list->addItem(path);
            updateCount();
            return;
        }
        m_list->addItem(path);
        updateCount();
    }
}

void frmFileManageRename::removeEntry()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    delete m_list->takeItem(row);
    if (m_list->count() > 0)
        m_list->setCurrentRow(m_list->count() - 1, QItemSelectionModel::NoUpdate);
    updateCount();
}

void frmFileManageRename::clearList()
{
    m_list->clear();
    updateCount();
}

void frmFileManageRename::setListFontSize(int points)
{
    QFont font = m_list->font();
    font.setPointSize(points);
    m_list->setFont(font);
    m_list->setFixedHeight(int(twipsToPixels(2400, logicalDpiY())));
}

void frmFileManageRename::showAttributes(const QStringList &paths)
{
    QString text;
    for (const QString &path : paths)
        text = fileAttributesText(path, [](const QDateTime &time) {
            return QLocale::system().toString(time, QLocale::ShortFormat);
        });
    m_app.prompts().message(this, text);
}

void frmFileManageRename::showListAttributes()
{
    QStringList paths;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->isSelected())
            paths.append(m_list->item(i)->text());
    showAttributes(paths);
}

void frmFileManageRename::showFileAttributes()
{
    QStringList paths;
    for (const QString &name : m_files->selectedFileNames())
        paths.append(joinPath(m_folders->path(), name));
    showAttributes(paths);
}

void frmFileManageRename::updateMenuStates()
{
    const bool pending = !m_moveText->text().isEmpty();
    m_moveSelected->setEnabled(!pending && m_list->currentRow() >= 0);
    m_moveHere->setEnabled(pending);
    m_undo->setEnabled(!m_app.renameState().lastRun.isEmpty());
}

void frmFileManageRename::markEntryToMove()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    m_moveText->setText(m_list->item(row)->text());
    m_movePosition->setText(QString::number(row));
    m_moveSelected->setEnabled(false);
    m_moveHere->setEnabled(true);
    m_move->show();
}

void frmFileManageRename::moveMarkedEntry()
{
    const int from = m_movePosition->text().toInt();
    const int to = m_list->currentRow();
    // The entry moves only if it is still where it was marked.
    if (!m_moveText->text().isEmpty() && to >= 0 && from != to && from < m_list->count()
        && m_list->item(from)->text() == m_moveText->text()) {
        QListWidgetItem *item = m_list->takeItem(from);
        m_list->insertItem(to, item);
        m_list->setCurrentItem(item);
    }
    m_moveText->clear();
    m_movePosition->setText(QString::number(m_list->currentRow()));
    m_move->hide();
    m_moveHere->setEnabled(false);
    m_moveSelected->setEnabled(true);
}

void frmFileManageRename::runBatch()
{
    RenameState &state = m_app.renameState();
    Prompts &prompts = m_app.prompts();
    state.renameConfirm = RenameState::Ask;
    if (m_list->count() == 0) {
        prompts.message(this, tr("There are no files on your list!"), Prompts::Icon::Exclamation);
        return;
    }
    m_app.renameChoiceWindow()->exec();
    if (state.renameConfirm == RenameState::Cancel)
        return;

    const QStringList paths = entries();
    const RenamePlan plan =
        planRenames(paths, RenameRule { state.renameRule, state.renameText, state.renameCase, state.renameStart });
    if (plan.error == RenameError::NoRule)
        return;
    if (plan.error != RenameError::None) {
        prompts.message(this, renameErrorMessage(plan.error, false), Prompts::Icon::Exclamation);
        return;
    }
    if (const QString refusal = checkRenames(plan.moves); !refusal.isEmpty()) {
        prompts.message(this, refusal, Prompts::Icon::Exclamation);
        return;
    }

    // Ask for each file first; the confirmed ones are then renamed together, so a
    // swap among them never passes through a lost file.
    QList<RenameMove> chosen;
    bool cancelled = false;
    bool skipped = false;
    for (const RenameMove &move : plan.moves) {
        auto ask = [&] {
            auto *confirm = new frmAskRename(m_app, this);
            confirm->setAttribute(Qt::WA_DeleteOnClose);
            confirm->setNames(move.from, move.to);
            confirm->exec();
        };
        // One question a file while no answer has ended the asking: the state is Ask
        // at the first file and after a skip, RenameThis after "&Rename" (ask again for
        // the next file); "Rename &ALL" and "&Cancel" end it. The confirm window never
        // answers Ask (its buttons store RenameThis, RenameAll, Cancel or Skip, and its
        // close box leaves the state as it was), so no file is asked about twice.
        if (state.renameConfirm == RenameState::Ask || state.renameConfirm == RenameState::RenameThis)
            ask();
        if (state.renameConfirm == RenameState::Cancel) {
            cancelled = true;
            break;
        }
        if (state.renameConfirm == RenameState::Skip) {
            skipped = true;
            state.renameConfirm = RenameState::Ask;
            continue;
        }
        chosen.append(move);
    }

    QList<RenameMove> journal;
    RenameRun run;
    if (!chosen.isEmpty()) {
        // Files skipped stay where they are; a name one of them holds cannot be taken.
        if (const QString refusal = checkRenames(chosen); !refusal.isEmpty()) {
            prompts.message(this, refusal, Prompts::Icon::Exclamation);
            return;
        }
        run = executeRenames(chosen, journal, [this](const RenameMove &move) {
            m_lastName->setText(move.to);
        });
        if (!journal.isEmpty())
            state.lastRun = journal;
        m_files->refresh();
        m_folders->setPath(m_folders->path());
    }
    if (!run.error.isEmpty()) {
        prompts.message(this, renameFailedMessage(), Prompts::Icon::Exclamation);
        return;
    }
    if (cancelled)
        return;
    if (skipped) {
        // The renamed entries leave the list; the skipped ones stay for another run.
        for (const RenameMove &move : chosen)
            for (int i = 0; i < m_list->count(); ++i)
                if (m_list->item(i)->text() == move.from) {
                    delete m_list->takeItem(i);
                    break;
                }
        updateCount();
        prompts.message(this,
            tr("%1 of %n files have been renamed; the skipped files stay on your list.",
                nullptr,
                int(plan.moves.size()))
                .arg(chosen.size()));
        return;
    }
    clearList();
    prompts.message(this, tr("All file have been renamed successfully!"));
}

void frmFileManageRename::undoLastRenaming()
{
    RenameState &state = m_app.renameState();
    if (state.lastRun.isEmpty())
        return;
    const QString error = undoRenames(state.lastRun);
    m_files->refresh();
    m_folders->setPath(m_folders->path());
    if (!error.isEmpty()) {
        m_app.prompts().message(
            this, tr("The last renaming could not be undone completely. %1").arg(error), Prompts::Icon::Exclamation);
        return;
    }
    m_app.prompts().message(this, tr("The last renaming has been undone."), Prompts::Icon::Exclamation);
}

} // namespace quorvel
