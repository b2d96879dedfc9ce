// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/mainform.h"

#include "platform/prompts.h"
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
#include <QStatusBar>
#include <QToolBar>

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
    m_blockFormatPanel->setAccessibleName(tr("Block format at the caret"));
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
    m_snapToGrid->setCheckable(true);
    connect(m_snapToGrid, &QAction::triggered, this, [this] {
        m_editor->setSnapToGrid(!m_editor->snapToGrid());
        m_snapToGrid->setChecked(m_editor->snapToGrid());
    });
    connect(m_editMenu, &QMenu::aboutToShow, this, [this] {
        onMenuOpening(m_editMenu, m_editCommands);
    });

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_borders = view->addAction(tr("Borders"));
    m_borders->setObjectName(QStringLiteral("mnuViewBorders"));
    m_borders->setCheckable(true);
    connect(m_borders, &QAction::triggered, this, [this] {
        m_editor->setShowBorders(!m_editor->showBorders());
        m_borders->setChecked(m_editor->showBorders());
    });
    m_details = view->addAction(tr("Document Details"));
    m_details->setObjectName(QStringLiteral("mnuViewDetails"));
    m_details->setCheckable(true);
    connect(m_details, &QAction::triggered, this, [this] {
        m_editor->setShowDetails(!m_editor->showDetails());
        m_details->setChecked(m_editor->showDetails());
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
    connect(m_formatMenu, &QMenu::triggered, this, &MainForm::onFormatChosen);

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
    m_lockElement =
        addCommandItem(m_2dMenu, m_2dCommands, "mnu2DLockElement", tr("Lock Element"), EditCommand::LockElement);
    m_lockElement->setCheckable(true);
    connect(m_lockElement, &QAction::triggered, this, &MainForm::on2DItemRun);
    connect(m_2dMenu, &QMenu::aboutToShow, this, [this] {
        onMenuOpening(m_2dMenu, m_2dCommands);
        const int status = m_editor->queryStatus(EditCommand::MakeAbsolute);
        m_makeAbsolute->setText(makeAbsoluteCaption(status));
        m_lockElement->setChecked(m_editor->queryStatus(EditCommand::LockElement) == StatusLatched);
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
    m_toolbar = addToolBar(tr("Formatting"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setAccessibleName(tr("Formatting toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_fontName = new QComboBox(m_toolbar);
    m_fontName->setObjectName(QStringLiteral("FontCombo"));
    m_fontName->setAccessibleName(tr("Font name"));
    m_fontName->setEditable(true);
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
    m_toolbar->addWidget(m_fontName);

    m_fontSize = new QComboBox(m_toolbar);
    m_fontSize->setObjectName(QStringLiteral("FontSizeCombo"));
    m_fontSize->setAccessibleName(tr("Font size"));
    for (int size = 1; size <= 7; ++size)
        m_fontSize->addItem(QString::number(size));
    connect(m_fontSize, &QComboBox::activated, this, &MainForm::onFontSizeChosen);
    m_toolbar->addWidget(m_fontSize);
    m_toolbar->addSeparator();

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
        action->setCheckable(button.latching);
        const EditCommand command = button.command;
        if (command == EditCommand::SetForeColor) {
            connect(action, &QAction::triggered, this, &MainForm::onColor);
        } else {
            connect(action, &QAction::triggered, this, [this, command] {
                m_editor->execCommand(command, ExecOption::DoDefault);
            });
        }
        m_toolbarCommands.append({ action, command });
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
            QAction *item = m_formatMenu->addAction(name);
            item->setObjectName(QStringLiteral("mnuFormat") + QString(name).remove(QLatin1Char(' ')));
            item->setCheckable(true);
        }
        m_documentReady = true;
    }
    onDisplayChanged();
}

void MainForm::onDisplayChanged()
{
    for (const auto &[action, command] : m_toolbarCommands) {
        const int status = m_editor->queryStatus(command);
        action->setEnabled(status >= StatusEnabled);
        if (action->isCheckable())
            action->setChecked(status == StatusLatched);
    }
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
    if (m_editor->queryStatus(EditCommand::GetBlockFormat) > 2)
        m_blockFormatPanel->setText(m_editor->commandValue(EditCommand::GetBlockFormat).toString());
    // The first positioning item names what it will do for the element at the caret.
    const int status = m_editor->queryStatus(EditCommand::MakeAbsolute);
    m_makeAbsolute->setText(makeAbsoluteCaption(status));
}

void MainForm::onMenuOpening(QMenu *menu, const QHash<QAction *, EditCommand> &table)
{
    for (QAction *item : menu->actions()) {
        const auto found = table.constFind(item);
        if (found != table.constEnd())
            item->setEnabled(m_editor->queryStatus(found.value()) > 2);
    }
}

void MainForm::onFormatOpening()
{
    const int status = m_editor->queryStatus(EditCommand::GetBlockFormat);
    if (status > 2) {
        const QString current = m_editor->commandValue(EditCommand::GetBlockFormat).toString();
        for (QAction *item : m_formatMenu->actions()) {
            item->setEnabled(true);
            item->setChecked(item->text() == current);
        }
    } else if (status == StatusDisabled) {
        for (QAction *item : m_formatMenu->actions()) {
            item->setEnabled(false);
            item->setChecked(false);
        }
    }
}

void MainForm::onFormatChosen(QAction *item)
{
    if (m_editor->queryStatus(EditCommand::SetBlockFormat) > 2)
        m_editor->execCommand(EditCommand::SetBlockFormat, ExecOption::DontPromptUser, item->text());
}

void MainForm::on2DItemRun()
{
    // The command's effect arrives with the next snapshot; onDisplayChanged relabels
    // the first item then. Relabel now too, from what is known.
    const int status = m_editor->queryStatus(EditCommand::MakeAbsolute);
    m_makeAbsolute->setText(makeAbsoluteCaption(status));
    m_makeAbsolute->setEnabled(status == StatusEnabled || status == StatusLatched);
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
    if (!m_documentReady || m_editor->queryStatus(EditCommand::SetFontName) <= 2)
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
    QStringList captions = {
        tr("Cut"), tr("Copy"), tr("Paste"), QString(), tr("Select All"), QString(), tr("Font...")
    };
    const auto state = [this](EditCommand command) {
        return m_editor->queryStatus(command) < StatusEnabled ? 2 : 0;
    };
    QList<int> states = { state(EditCommand::Cut),
        state(EditCommand::Copy),
        state(EditCommand::Paste),
        0,
        state(EditCommand::SelectAll),
        0,
        state(EditCommand::Font) };
    m_contextMenu2DIndex = -1;
    m_contextMenuTableIndex = -1;
    if (m_editor->queryStatus(EditCommand::MakeAbsolute) > 2) {
        captions << QString();
        states << 0;
        m_contextMenu2DIndex = int(captions.size());
        captions << (m_editor->queryStatus(EditCommand::SendToBack) > 2 ? tr("Make 1D") : tr("Make 2D"));
        states << 0;
    }
    if (m_editor->queryStatus(EditCommand::InsertRow) > 2) {
        captions << QString();
        states << 0;
        m_contextMenuTableIndex = int(captions.size());
        captions << tr("Insert Row") << tr("Insert Column") << QString() << tr("Delete Row") << tr("Delete Column");
        states << 0 << 0 << 0 << 0 << 0;
    }
    m_editor->setContextMenu(captions, states);
}

void MainForm::onContextMenuAction(int index)
{
    switch (index) {
    case 0:
        runCommand(EditCommand::Cut);
        return;
    case 1:
        runCommand(EditCommand::Copy);
        return;
    case 2:
        runCommand(EditCommand::Paste);
        return;
    case 4:
        runCommand(EditCommand::SelectAll);
        return;
    case 6:
        runCommand(EditCommand::Font);
        return;
    default:
        break;
    }
    if (m_contextMenu2DIndex >= 0 && index == m_contextMenu2DIndex) {
        runCommand(EditCommand::MakeAbsolute);
        return;
    }
    if (m_contextMenuTableIndex >= 0) {
        // Insert Row, Insert Column, separator, Delete Row, Delete Column.
        const EditCommand table[] = {
            EditCommand::InsertRow,
            EditCommand::InsertColumn,
            EditCommand::InsertRow,
            EditCommand::DeleteRows,
            EditCommand::DeleteColumns,
        };
        const int offset = index - m_contextMenuTableIndex;
        if (offset >= 0 && offset < 5 && offset != 2)
            runCommand(table[offset]);
    }
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
