// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/mainform.h"

#include "platform/prompts.h"
#include "wysiwyg/blockformat.h"
#include "wysiwyg/documenteditor.h"
#include "wysiwyg/documentfile.h"
#include "wysiwyg/htmlcolor.h"
#include "wysiwyg/inserthtmldlg.h"
#include "wysiwyg/inserttabledlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace quorvel
{
namespace
{

const char kButtonHtml[] = "<BUTTON TITLE=Button>Button!</BUTTON>";

QString makeAbsoluteCaption(int status)
{
    return status == StatusLatched ? MainForm::tr("Set Position Attribute To 1D")
                                   : MainForm::tr("Set Position Attribute To Absolute");
}

} // namespace

MainForm::MainForm(Prompts &prompts, QWidget *parent)
    : QMainWindow(parent)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Quorvel Editor"));
    m_editor = new DocumentEditor(prompts, this);
    setCentralWidget(m_editor);

    buildMenus();
    buildToolbar();

    auto *status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setAccessibleName(tr("Status bar"));
    m_blockFormatPanel = new QLabel(status);
    m_blockFormatPanel->setObjectName(QStringLiteral("statusBlockFormat"));
    // A screen reader reads the label's text, the format itself: a fixed name would
    // hide it.
    m_blockFormatPanel->setAccessibleDescription(tr("Block format at the caret"));
    m_blockFormatPanel->setMinimumWidth(120);
    status->addWidget(m_blockFormatPanel);

    // Start-up: nothing can be edited before the first document completes.
    setEditingControlsEnabled(false);

    connect(m_editor, &DocumentEditor::documentCompleted, this, &MainForm::onDocumentCompleted);
    connect(m_editor, &DocumentEditor::displayChanged, this, &MainForm::onDisplayChanged);
    connect(m_editor, &DocumentEditor::showContextMenu, this, &MainForm::onShowContextMenu);
    connect(m_editor, &DocumentEditor::contextMenuAction, this, &MainForm::onContextMenuAction);
    resize(800, 600);
}

MainForm::~MainForm() = default;

QAction *MainForm::addCommandItem(
    QMenu *menu, QHash<QAction *, EditCommand> &table, const char *name, const QString &caption, EditCommand command)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    table.insert(item, command);
    connect(item, &QAction::triggered, this, [this, command] {
        runCommand(command);
    });
    return item;
}

void MainForm::onStateChange(QAction *item, std::function<void(bool)> run)
{
    item->setCheckable(true);
    connect(item, &QAction::toggled, this, [this, run = std::move(run)](bool checked) {
        if (!m_showingState)
            run(checked);
    });
}

void MainForm::showChecked(QAction *item, bool checked)
{
    const QScopedValueRollback<bool> showing(m_showingState, true);
    item->setChecked(checked);
}

void MainForm::runCommand(EditCommand command)
{
    m_editor->execCommand(command, ExecOption::DoDefault);
}

void MainForm::buildMenus()
{
    QMenuBar *bar = menuBar();

    m_fileMenu = bar->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    QAction *fileNew = m_fileMenu->addAction(tr("&New"));
    fileNew->setObjectName(QStringLiteral("mnuFileNew"));
    fileNew->setShortcut(QKeySequence::New);
    connect(fileNew, &QAction::triggered, this, &MainForm::fileNew);
    m_fileMenu->addSeparator();
    QAction *open = m_fileMenu->addAction(tr("&Open..."));
    open->setObjectName(QStringLiteral("mnuFileOpen"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainForm::fileOpen);
    m_save = m_fileMenu->addAction(tr("&Save"));
    m_save->setObjectName(QStringLiteral("mnuFileSave"));
    m_save->setShortcut(QKeySequence::Save);
    connect(m_save, &QAction::triggered, this, &MainForm::fileSave);
    QAction *saveAs = m_fileMenu->addAction(tr("Save&As..."));
    saveAs->setObjectName(QStringLiteral("mnuFileSaveAs"));
    connect(saveAs, &QAction::triggered, this, &MainForm::fileSaveAs);
    m_fileMenu->addSeparator();
    QAction *exit = m_fileMenu->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] {
        m_save->setEnabled(!m_editor->currentDocumentPath().isEmpty());
    });
    m_save->setEnabled(false);

    m_editMenu = bar->addMenu(tr("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
    addCommandItem(m_editMenu, m_editCommands, "mnuEditUndo", tr("Undo"), EditCommand::Undo)
        ->setShortcut(QKeySequence::Undo);
    addCommandItem(m_editMenu, m_editCommands, "mnuEditRedo", tr("Redo"), EditCommand::Redo)
        ->setShortcut(QKeySequence::Redo);
    m_editMenu->addSeparator();
    addCommandItem(m_editMenu, m_editCommands, "mnuEditCut", tr("Cut"), EditCommand::Cut);
    addCommandItem(m_editMenu, m_editCommands, "mnuEditCopy", tr("Copy"), EditCommand::Copy);
    addCommandItem(m_editMenu, m_editCommands, "mnuEditPaste", tr("Paste"), EditCommand::Paste);
    addCommandItem(m_editMenu, m_editCommands, "mnuEditSelectAll", tr("Select All"), EditCommand::SelectAll);
    m_editMenu->addSeparator();
    addCommandItem(m_editMenu, m_editCommands, "mnuEditFind", tr("Find Text"), EditCommand::FindText)
        ->setShortcut(QKeySequence::Find);
    m_editMenu->addSeparator();
    m_snapToGrid = m_editMenu->addAction(tr("Snap To Grid"));
    m_snapToGrid->setObjectName(QStringLiteral("mnuEditSnapToGrid"));
    onStateChange(m_snapToGrid, [this](bool on) {
        m_editor->setSnapToGrid(on);
        showChecked(m_snapToGrid, m_editor->snapToGrid());
    });
    connect(m_editMenu, &QMenu::aboutToShow, this, [this] {
        onMenuOpening(m_editMenu, m_editCommands);
    });

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_borders = view->addAction(tr("Borders"));
    m_borders->setObjectName(QStringLiteral("mnuViewBorders"));
    onStateChange(m_borders, [this](bool on) {
        m_editor->setShowBorders(on);
        showChecked(m_borders, m_editor->showBorders());
    });
    m_details = view->addAction(tr("Document Details"));
    m_details->setObjectName(QStringLiteral("mnuViewDetails"));
    onStateChange(m_details, [this](bool on) {
        m_editor->setShowDetails(on);
        showChecked(m_details, m_editor->showDetails());
    });

    m_insertMenu = bar->addMenu(tr("&Insert"));
    m_insertMenu->setObjectName(QStringLiteral("mnuInsert"));
    addCommandItem(m_insertMenu, m_insertCommands, "mnuInsertPicture", tr("Picture..."), EditCommand::Image);
    addCommandItem(m_insertMenu, m_insertCommands, "mnuInsertAnchor", tr("Anchor..."), EditCommand::Hyperlink);
    m_insertButton = m_insertMenu->addAction(tr("Button"));
    m_insertButton->setObjectName(QStringLiteral("mnuInsertButton"));
    connect(m_insertButton, &QAction::triggered, this, &MainForm::onInsertButton);
    m_insertThumbnail = m_insertMenu->addAction(tr("Thumbnail"));
    m_insertThumbnail->setObjectName(QStringLiteral("mnuInsertThumbnail"));
    m_insertThumbnail->setEnabled(false);
    connect(m_insertThumbnail, &QAction::triggered, this, [this] {
        if (m_thumbnailHandler)
            m_thumbnailHandler();
    });
    m_insertHtml = m_insertMenu->addAction(tr("HTML"));
    m_insertHtml->setObjectName(QStringLiteral("mnuInsertHTML"));
    connect(m_insertHtml, &QAction::triggered, this, &MainForm::onInsertHtml);
    connect(m_insertMenu, &QMenu::aboutToShow, this, [this] {
        onMenuOpening(m_insertMenu, m_insertCommands);
        const bool control = m_editor->selectionType() == QLatin1String("Control");
        m_insertButton->setEnabled(!control);
        m_insertHtml->setEnabled(!control);
    });

    m_formatMenu = bar->addMenu(tr("F&ormat"));
    m_formatMenu->setObjectName(QStringLiteral("mnuFormat"));
    connect(m_formatMenu, &QMenu::aboutToShow, this, &MainForm::onFormatOpening);

    m_tableMenu = bar->addMenu(tr("T&able"));
    m_tableMenu->setObjectName(QStringLiteral("mnuTable"));
    QAction *insertTable = m_tableMenu->addAction(tr("Insert Table..."));
    insertTable->setObjectName(QStringLiteral("mnuTableInsertTable"));
    connect(insertTable, &QAction::triggered, this, &MainForm::onInsertTable);
    m_tableMenu->addSeparator();
    addCommandItem(m_tableMenu, m_tableCommands, "mnuTableInsertRow", tr("Insert Row"), EditCommand::InsertRow);
    addCommandItem(
        m_tableMenu, m_tableCommands, "mnuTableInsertColumn", tr("Insert Column"), EditCommand::InsertColumn);
    addCommandItem(m_tableMenu, m_tableCommands, "mnuTableInsertCell", tr("Insert Cell"), EditCommand::InsertCell);
    m_tableMenu->addSeparator();
    addCommandItem(m_tableMenu, m_tableCommands, "mnuTableDeleteRows", tr("Delete Rows"), EditCommand::DeleteRows);
    addCommandItem(
        m_tableMenu, m_tableCommands, "mnuTableDeleteColumns", tr("Delete Columns"), EditCommand::DeleteColumns);
    addCommandItem(m_tableMenu, m_tableCommands, "mnuTableDeleteCells", tr("Delete Cells"), EditCommand::DeleteCells);
    m_tableMenu->addSeparator();
    addCommandItem(m_tableMenu, m_tableCommands, "mnuTableMergeCells", tr("Merge Cells"), EditCommand::MergeCells);
    addCommandItem(m_tableMenu, m_tableCommands, "mnuTableSplitCell", tr("Split Cell"), EditCommand::SplitCell);
    connect(m_tableMenu, &QMenu::aboutToShow, this, [this] {
        onMenuOpening(m_tableMenu, m_tableCommands);
    });

    m_2dMenu = bar->addMenu(tr("&2D"));
    m_2dMenu->setObjectName(QStringLiteral("mnu2D"));
    const std::pair<const char *, std::pair<QString, EditCommand>> positioning[] = {
        { "mnu2DMakeAbsolute", { tr("Set Position Attribute To Absolute"), EditCommand::MakeAbsolute } },
        { "mnu2DBringToFront", { tr("Bring To Front"), EditCommand::BringToFront } },
        { "mnu2DSendToBack", { tr("Send To Back"), EditCommand::SendToBack } },
        { "mnu2DBringForward", { tr("Bring Forward"), EditCommand::BringForward } },
        { "mnu2DSendBack", { tr("Send Back"), EditCommand::SendBackward } },
        { "mnu2DBringAboveText", { tr("Bring Above Text"), EditCommand::BringAboveText } },
        { "mnu2DSendBelowText", { tr("Send Below Text"), EditCommand::SendBelowText } },
    };
    for (const auto &[name, item] : positioning) {
        QAction *action = addCommandItem(m_2dMenu, m_2dCommands, name, item.first, item.second);
        connect(action, &QAction::triggered, this, &MainForm::on2DItemRun);
        if (item.second == EditCommand::MakeAbsolute)
            m_makeAbsolute = action;
    }
    m_2dMenu->addSeparator();
    // Lock Element flips the lock of the element at the caret whenever its state
    // changes; its check mark then shows the element's lock.
    m_lockElement = m_2dMenu->addAction(tr("Lock Element"));
    m_lockElement->setObjectName(QStringLiteral("mnu2DLockElement"));
    m_2dCommands.insert(m_lockElement, EditCommand::LockElement);
    onStateChange(m_lockElement, [this](bool) {
        if (!m_editor->execCommand(EditCommand::LockElement))
            showChecked(m_lockElement, m_editor->queryStatus(EditCommand::LockElement) == StatusLatched);
        on2DItemRun();
    });
    connect(m_2dMenu, &QMenu::aboutToShow, this, [this] {
        onMenuOpening(m_2dMenu, m_2dCommands);
        const int status = m_editor->queryStatus(EditCommand::MakeAbsolute);
        m_makeAbsolute->setText(makeAbsoluteCaption(status));
        showChecked(m_lockElement, m_editor->queryStatus(EditCommand::LockElement) == StatusLatched);
    });

    QMenu *help = bar->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *topics = help->addAction(tr("Help &Topics"));
    topics->setObjectName(QStringLiteral("mnuHelpTopics"));
    // No F1 here: the main window's F1 works program-wide, and a second F1 would make
    // the key ambiguous, so that neither worked.
    connect(topics, &QAction::triggered, this, [this] {
        if (m_helpHandler)
            m_helpHandler();
    });
    connect(help, &QMenu::aboutToShow, this, [this, topics] {
        topics->setEnabled(static_cast<bool>(m_helpHandler));
    });
    QAction *about = help->addAction(tr("&About Quorvel Editor"));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(about, &QAction::triggered, this, &MainForm::onAbout);
}

void MainForm::buildToolbar()
{
    // Two rows: the font boxes above the eleven buttons, so that every button shows
    // at the window's first size of 800 by 600.
    m_fontBar = addToolBar(tr("Font"));
    m_fontBar->setObjectName(QStringLiteral("FontToolbar"));
    m_fontBar->setAccessibleName(tr("Font toolbar"));
    m_fontBar->setMovable(false);
    addToolBarBreak();
    m_toolbar = addToolBar(tr("Formatting"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setAccessibleName(tr("Formatting toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    // On Linux a screen reader names a combo box by its label (the label's buddy) and
    // reads its text as its value: each box has a label.
    const auto addLabelled = [this](QComboBox *box, const QString &caption, const QString &name) {
        box->setAccessibleName(name);
        auto *label = new QLabel(caption, m_fontBar);
        label->setBuddy(box);
        label->setContentsMargins(6, 0, 4, 0);
        m_fontBar->addWidget(label);
        m_fontBar->addWidget(box);
    };
    m_fontName = new QComboBox(m_fontBar);
    m_fontName->setObjectName(QStringLiteral("FontCombo"));
    m_fontName->setEditable(true);
    m_fontName->lineEdit()->setAccessibleName(tr("Font name"));
    m_fontName->setInsertPolicy(QComboBox::NoInsert);
    m_fontName->setMinimumContentsLength(14);
    m_fontName->addItems({ QStringLiteral("Times New Roman"),
        QStringLiteral("Arial"),
        QStringLiteral("Tahoma"),
        QStringLiteral("Courier"),
        QStringLiteral("Verdana"),
        QStringLiteral("Wingdings") });
    connect(m_fontName, &QComboBox::activated, this, &MainForm::onFontNameChosen);
    // A name typed into the box applies on Enter, like one chosen from the list.
    connect(m_fontName->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        onFontNameChosen(-1);
    });
    addLabelled(m_fontName, tr("Fo&nt:"), tr("Font name"));

    m_fontSize = new QComboBox(m_fontBar);
    m_fontSize->setObjectName(QStringLiteral("FontSizeCombo"));
    for (int size = 1; size <= 7; ++size)
        m_fontSize->addItem(QString::number(size));
    connect(m_fontSize, &QComboBox::activated, this, &MainForm::onFontSizeChosen);
    addLabelled(m_fontSize, tr("Si&ze:"), tr("Font size"));

    const struct {
        const char *key;
        QString caption;
        EditCommand command;
        bool latching;
    } buttons[] = {
        { "Bold", tr("Bold"), EditCommand::Bold, true },
        { "Italic", tr("Italic"), EditCommand::Italic, true },
        { "Underline", tr("Underline"), EditCommand::Underline, true },
        { "Numbers", tr("Numbers"), EditCommand::OrderedList, true },
        { "Bullets", tr("Bullets"), EditCommand::UnorderedList, true },
        { "Outdent", tr("Outdent"), EditCommand::Outdent, false },
        { "Indent", tr("Indent"), EditCommand::Indent, false },
        { "LeftJustify", tr("Left"), EditCommand::JustifyLeft, true },
        { "Center", tr("Center"), EditCommand::JustifyCenter, true },
        { "RightJustify", tr("Right"), EditCommand::JustifyRight, true },
        { "Color", tr("Color"), EditCommand::SetForeColor, false },
    };
    for (const auto &button : buttons) {
        QAction *action = m_toolbar->addAction(button.caption);
        action->setObjectName(QLatin1String(button.key));
        action->setToolTip(button.caption);
        const EditCommand command = button.command;
        if (command == EditCommand::SetForeColor) {
            connect(action, &QAction::triggered, this, &MainForm::onColor);
        } else if (button.latching) {
            // A latching button runs its command on every change of its state (a
            // click, or a screen reader's Toggle, which clicks nothing); the document's
            // state then shows on it again.
            onStateChange(action, [this, action, command](bool) {
                if (!m_editor->execCommand(command, ExecOption::DoDefault))
                    showChecked(action, m_editor->queryStatus(command) == StatusLatched);
            });
        } else {
            connect(action, &QAction::triggered, this, [this, command] {
                m_editor->execCommand(command, ExecOption::DoDefault);
            });
        }
        m_toolbarCommands.append({ action, command });
    }
    // Should the window be made narrower than the buttons, the rest go behind a tool
    // bar's extension button: it gets a name too. The items that show and hide the tool
    // bars (the window's context menu) act on a click only, as the toolkit makes them:
    // on their state too.
    for (QToolBar *bar : { m_fontBar, m_toolbar }) {
        if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"))) {
            more->setAccessibleName(tr("More commands"));
            more->setToolTip(tr("More commands"));
        }
        connect(bar->toggleViewAction(), &QAction::toggled, bar, &QWidget::setVisible);
    }
}

void MainForm::setEditingControlsEnabled(bool enabled)
{
    m_fontName->setEnabled(enabled);
    m_fontSize->setEnabled(enabled);
    for (const auto &[action, command] : m_toolbarCommands)
        action->setEnabled(enabled);
}

void MainForm::refreshTitle()
{
    const QString path = m_editor->currentDocumentPath();
    setWindowTitle(path.isEmpty() ? tr("FTP Editor") : tr("FTP Editor - %1").arg(path));
}

void MainForm::onDocumentCompleted()
{
    refreshTitle(); // a load that failed leaves the document without its path
    if (!m_documentReady) {
        BlockFormatNamesParam names;
        m_editor->execCommand(
            EditCommand::GetBlockFormatNames, ExecOption::DontPromptUser, QVariant::fromValue(&names));
        for (const QString &name : names.names) {
            QAction *item = m_formatMenu->addAction(blockFormatDisplayName(name));
            item->setData(name);
            item->setObjectName(QStringLiteral("mnuFormat") + QString(name).remove(QLatin1Char(' ')));
            onStateChange(item, [this, item](bool) {
                onFormatChosen(item);
            });
        }
        m_documentReady = true;
    }
    onDisplayChanged();
}

void MainForm::onDisplayChanged()
{
    for (const auto &[action, command] : m_toolbarCommands) {
        const int status = m_editor->queryStatus(command);
        action->setEnabled(commandAvailable(status));
        if (action->isCheckable())
            showChecked(action, status == StatusLatched);
    }
    // The checkable menu items show the document's state as the buttons do.
    showChecked(m_lockElement, m_editor->queryStatus(EditCommand::LockElement) == StatusLatched);
    onFormatOpening();
    // The font boxes read a value at exactly Enabled or Latched, not at any other
    // status a component might report.
    const auto readable = [this](EditCommand command) {
        const int status = m_editor->queryStatus(command);
        return status == StatusEnabled || status == StatusLatched;
    };
    if (readable(EditCommand::GetFontName)) {
        m_fontName->setEnabled(true);
        m_fontName->setCurrentText(m_editor->commandValue(EditCommand::GetFontName).toString());
    } else {
        m_fontName->setCurrentText(QString());
        m_fontName->setEnabled(false);
    }
    if (readable(EditCommand::GetFontSize)) {
        m_fontSize->setEnabled(true);
        const int size = m_editor->commandValue(EditCommand::GetFontSize).toInt();
        m_fontSize->setCurrentIndex(size >= 1 && size <= 7 ? size - 1 : -1);
    } else {
        m_fontSize->setCurrentIndex(-1);
        m_fontSize->setEnabled(false);
    }
    if (commandAvailable(m_editor->queryStatus(EditCommand::GetBlockFormat)))
        m_blockFormatPanel->setText(
            blockFormatDisplayName(m_editor->commandValue(EditCommand::GetBlockFormat).toString()));
    // The first positioning item names what it will do for the element at the caret.
    const int status = m_editor->queryStatus(EditCommand::MakeAbsolute);
    m_makeAbsolute->setText(makeAbsoluteCaption(status));
}

void MainForm::onMenuOpening(QMenu *menu, const QHash<QAction *, EditCommand> &table)
{
    for (QAction *item : menu->actions()) {
        const auto found = table.constFind(item);
        if (found != table.constEnd())
            item->setEnabled(commandAvailable(m_editor->queryStatus(found.value())));
    }
}

void MainForm::onFormatOpening()
{
    const int status = m_editor->queryStatus(EditCommand::GetBlockFormat);
    if (commandAvailable(status)) {
        const QString current = m_editor->commandValue(EditCommand::GetBlockFormat).toString();
        for (QAction *item : m_formatMenu->actions()) {
            item->setEnabled(true);
            showChecked(item, item->data().toString() == current);
        }
    } else if (status == StatusDisabled) {
        for (QAction *item : m_formatMenu->actions()) {
            item->setEnabled(false);
            showChecked(item, false);
        }
    }
}

void MainForm::onFormatChosen(QAction *item)
{
    if (!commandAvailable(m_editor->queryStatus(EditCommand::SetBlockFormat))
        || !m_editor->execCommand(EditCommand::SetBlockFormat, ExecOption::DontPromptUser, item->data()))
        onFormatOpening(); // nothing changes: the items show the document's format again
}

void MainForm::on2DItemRun()
{
    // The command's effect arrives with the next snapshot; onDisplayChanged relabels
    // the first item then. Relabel now too, from what is known.
    const int status = m_editor->queryStatus(EditCommand::MakeAbsolute);
    m_makeAbsolute->setText(makeAbsoluteCaption(status));
    m_makeAbsolute->setEnabled(commandAvailable(status));
}

void MainForm::onColor()
{
    const std::optional<QColor> chosen = m_prompts.color(this, QColor(Qt::black));
    if (!chosen)
        return;
    m_editor->execCommand(EditCommand::SetForeColor, ExecOption::DontPromptUser, htmlColor(colorValue(*chosen)));
}

void MainForm::onFontNameChosen(int index)
{
    if (!m_documentReady || !commandAvailable(m_editor->queryStatus(EditCommand::SetFontName)))
        return;
    const QString name = index >= 0 ? m_fontName->itemText(index) : m_fontName->currentText();
    if (!name.trimmed().isEmpty())
        m_editor->execCommand(EditCommand::SetFontName, ExecOption::DontPromptUser, name.trimmed());
    m_editor->setFocus(); // typing goes on in the page
}

void MainForm::onFontSizeChosen(int index)
{
    if (!m_documentReady || index < 0)
        return;
    m_editor->execCommand(EditCommand::SetFontSize, ExecOption::DontPromptUser, index + 1);
    m_editor->setFocus();
}

void MainForm::onShowContextMenu()
{
    const auto available = [this](EditCommand command) {
        return commandAvailable(m_editor->queryStatus(command));
    };
    const ContextMenuItem separator;
    // The editing commands are always offered, greyed while they cannot run; the
    // positioning and table groups only where they apply.
    m_contextMenu = {
        { tr("Cut"), EditCommand::Cut, true },
        { tr("Copy"), EditCommand::Copy, true },
        { tr("Paste"), EditCommand::Paste, true },
        separator,
        { tr("Select All"), EditCommand::SelectAll, true },
        separator,
        { tr("Font..."), EditCommand::Font, true },
    };
    if (available(EditCommand::MakeAbsolute)) {
        // The send-to-back command is available once the element is positioned.
        m_contextMenu += { separator,
            { available(EditCommand::SendToBack) ? tr("Make 1D") : tr("Make 2D"), EditCommand::MakeAbsolute } };
    }
    if (available(EditCommand::InsertRow)) {
        m_contextMenu += { separator,
            { tr("Insert Row"), EditCommand::InsertRow },
            { tr("Insert Column"), EditCommand::InsertColumn },
            separator,
            { tr("Delete Row"), EditCommand::DeleteRows },
            { tr("Delete Column"), EditCommand::DeleteColumns } };
    }
    QStringList captions;
    QList<int> states; // 0 enabled, 2 greyed
    for (const ContextMenuItem &item : std::as_const(m_contextMenu)) {
        captions << item.caption;
        states << (item.greyedWhenUnavailable && item.command && !available(*item.command) ? 2 : 0);
    }
    m_editor->setContextMenu(captions, states);
}

void MainForm::onContextMenuAction(int index)
{
    if (index >= 0 && index < m_contextMenu.size() && m_contextMenu[index].command)
        runCommand(*m_contextMenu[index].command);
}

void MainForm::onInsertButton()
{
    m_editor->pasteHtml(QLatin1String(kButtonHtml));
}

void MainForm::setThumbnailHandler(std::function<void()> handler)
{
    m_thumbnailHandler = std::move(handler);
    m_insertThumbnail->setEnabled(static_cast<bool>(m_thumbnailHandler));
}

void MainForm::onInsertHtml()
{
    InsertHTMLDlg dialog(*m_editor, this);
    dialog.exec();
}

void MainForm::onInsertTable()
{
    InsertTableDlg dialog(*m_editor, m_prompts, this);
    dialog.exec();
}

void MainForm::onAbout()
{
    m_prompts.message(this,
        tr("Quorvel Editor %1\n\nA what-you-see-is-what-you-get editor for web pages, part of Quorvel.")
            .arg(QStringLiteral(QUORVEL_VERSION)),
        Prompts::Icon::Information,
        Prompts::Buttons::Ok,
        tr("About Quorvel Editor"));
}

bool MainForm::askToSaveChanges()
{
    if (!m_editor->isDirty())
        return true;
    const Prompts::Answer answer = m_prompts.message(this,
        tr("The current document has changed.\n\nDo you want to save changes?"),
        Prompts::Icon::Exclamation,
        Prompts::Buttons::YesNoCancel);
    if (answer == Prompts::Answer::Cancel)
        return false;
    if (answer == Prompts::Answer::No)
        return true;
    return save(m_editor->currentDocumentPath().isEmpty());
}

void MainForm::fileNew()
{
    if (!askToSaveChanges())
        return;
    setEditingControlsEnabled(false);
    m_editor->newDocument();
    refreshTitle();
}

void MainForm::fileOpen()
{
    if (!askToSaveChanges())
        return;
    setEditingControlsEnabled(false);
    const std::uint32_t error = m_editor->loadDocument(QString(), true);
    if (error == DocumentCancelled) {
        onDisplayChanged();
        return;
    }
    if (error == DocumentNotAPage) {
        m_prompts.message(this,
            tr("Error occurred while loading document: %1 holds %2, not a page the editor can open.")
                .arg(QDir::toNativeSeparators(m_editor->refusal().path), m_editor->refusal().content),
            Prompts::Icon::Critical);
        m_editor->newDocument();
    } else if (error != DocumentOk) {
        m_prompts.message(this,
            tr("Error occurred while loading document: %1.").arg(loadErrorReason(error)),
            Prompts::Icon::Critical);
        m_editor->newDocument();
    }
    // After a load the component puts the caret at the start of the body itself once
    // the document is complete (it is busy until then).
    refreshTitle();
}

bool MainForm::save(bool prompt)
{
    setEditingControlsEnabled(false);
    const std::uint32_t error = m_editor->saveDocument(m_editor->currentDocumentPath(), prompt);
    if (error == DocumentNotAPage) {
        m_prompts.message(this,
            tr("Error occurred while saving document: %1 holds %2, not a web page: the editor does not write over it.")
                .arg(QDir::toNativeSeparators(m_editor->refusal().path), m_editor->refusal().content),
            Prompts::Icon::Critical);
    } else if (error != DocumentOk && error != DocumentCancelled) {
        m_prompts.message(
            this, tr("Error occurred while saving document: %1.").arg(saveErrorReason(error)), Prompts::Icon::Critical);
    }
    m_editor->caretToStart();
    refreshTitle();
    onDisplayChanged();
    return error == DocumentOk;
}

bool MainForm::fileSave()
{
    return save(m_editor->currentDocumentPath().isEmpty());
}

bool MainForm::fileSaveAs()
{
    return save(true);
}

void MainForm::closeEvent(QCloseEvent *event)
{
    // Closing is one more way to leave a changed document: ask first.
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace quorvel
