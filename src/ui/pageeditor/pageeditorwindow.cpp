// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/pageeditorwindow.h"

#include "app/application.h"
#include "pageeditor/headerfooter.h"
#include "pageeditor/htmlhighlighter.h"
#include "pageeditor/tagtexts.h"
#include "platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace quorvel
{
namespace
{

/// The header and footer files are HTML; other files stay reachable.
const char kHeaderFooterFilter[] = QT_TRANSLATE_NOOP("quorvel::Form4", "HTML (*.html *.htm);;All files (*)");

QString boxText(const QPlainTextEdit *box)
{
    // The raw text keeps every character as typed (a non-breaking space stays one);
    // only the document's paragraph separators stand for the box's line breaks.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

QPlainTextEdit *makeBox(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    // Long lines wrap at the box's edge, so only a vertical scroll bar is needed.
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    new HtmlHighlighter(box->document());
    return box;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

} // namespace

Form4::Form4(Application &app, QWidget *parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_lastFolder(app.programFolder().writableDir())
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("HTML Heading and Footing"));

    auto *client = new QWidget(this);
    setCentralWidget(client);

    // The tag buttons in one row along the top, in a small font.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    auto *tagRow = new QHBoxLayout;
    tagRow->setSpacing(2);
    for (int i = 0; i < kTagButtonCount; ++i) {
        const TagButton &tag = tagButtons()[static_cast<std::size_t>(i)];
        auto *button = new QPushButton(tr(tag.caption), client);
        button->setObjectName(QStringLiteral("Command4(%1)").arg(i));
        button->setToolTip(tr(tag.toolTip));
        button->setFont(small);
        // Reachable by Tab, but a click leaves the focus where the user was typing.
        button->setFocusPolicy(Qt::TabFocus);
        m_tagButtons[static_cast<std::size_t>(i)] = button;
        tagRow->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] {
            runTagButton(i);
        });
    }
    tagRow->addStretch(1);
    m_editHeader = new QRadioButton(tr("Edit Header"), client);
    m_editHeader->setObjectName(QStringLiteral("Option1"));
    m_editHeader->setToolTip(tr("Edit the Header below"));
    m_editHeader->setChecked(true);
    m_editFooter = new QRadioButton(tr("Edit Footer"), client);
    m_editFooter->setObjectName(QStringLiteral("Option2"));
    m_editFooter->setToolTip(tr("Edit the Footer below"));
    auto *options = new QVBoxLayout;
    options->setSpacing(0);
    options->addWidget(m_editHeader);
    options->addWidget(m_editFooter);
    tagRow->addLayout(options);

    auto *headerFrame = new QGroupBox(tr("HTML Header:"), client);
    headerFrame->setObjectName(QStringLiteral("SSFrame1"));
    m_header = makeBox("Text1", tr("HTML Header"), headerFrame);
    (new QVBoxLayout(headerFrame))->addWidget(m_header);
    auto *footerFrame = new QGroupBox(tr("HTML Footer:"), client);
    footerFrame->setObjectName(QStringLiteral("SSFrame2"));
    m_footer = makeBox("Text2", tr("HTML Footer"), footerFrame);
    (new QVBoxLayout(footerFrame))->addWidget(m_footer);

    auto *open = new QPushButton(tr("O&pen"), client);
    open->setObjectName(QStringLiteral("Command5"));
    auto *save = new QPushButton(tr("&Save"), client);
    save->setObjectName(QStringLiteral("Command3"));
    m_saveDefault = new QPushButton(tr("Save as Default Header/Footer"), client);
    m_saveDefault->setObjectName(QStringLiteral("Command6"));
    m_saveDefault->setToolTip(tr("Save this as your default Header/Footer"));
    auto *use = new QPushButton(tr("&Use"), client);
    use->setObjectName(QStringLiteral("Command1"));
    use->setToolTip(tr("use this Header/Footer in your coding"));
    QFont bold = use->font();
    bold.setBold(true);
    use->setFont(bold);
    auto *cancel = new QPushButton(tr("&Cancel"), client);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto *help = new QPushButton(tr("&Help"), client);
    help->setObjectName(QStringLiteral("Command8"));
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(open);
    bottomRow->addWidget(save);
    bottomRow->addWidget(m_saveDefault);
    bottomRow->addStretch(1);
    bottomRow->addWidget(use);
    bottomRow->addWidget(cancel);
    bottomRow->addWidget(help);

    auto *layout = new QVBoxLayout(client);
    layout->addLayout(tagRow);
    // The header frame is a little shorter than the footer frame, as designed.
    layout->addWidget(headerFrame, 30);
    layout->addWidget(footerFrame, 32);
    layout->addLayout(bottomRow);

    connect(open, &QPushButton::clicked, this, &Form4::openHeaderFooter);
    connect(save, &QPushButton::clicked, this, &Form4::saveHeaderFooter);
    connect(m_saveDefault, &QPushButton::clicked, this, &Form4::saveHeaderFooter);
    connect(use, &QPushButton::clicked, this, &Form4::useHeaderFooter);
    connect(cancel, &QPushButton::clicked, this, &Form4::closeEditor);
    connect(help, &QPushButton::clicked, this, &Form4::showHelp);

    buildMenus();

    const HeaderFooterTexts builtIn = builtInTexts();
    setBoxTexts(builtIn.header, builtIn.footer);
    m_header->setFocus();
    // Client area 10830 x 7275 twips at 96 dots per inch.
    resize(722, 485 + menuBar()->sizeHint().height());
}

Form4::~Form4() = default;

void Form4::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    connect(addItem(file, "mnuOpen", tr("&Open")), &QAction::triggered, this, &Form4::openHeaderFooter);
    connect(addItem(file, "mnuSave", tr("&Save")), &QAction::triggered, this, &Form4::saveHeaderFooter);
    // Runs the hidden "Save as Default Header/Footer" button: the same save.
    connect(addItem(file, "mnuSaveDefHead", tr("Save as &Default")),
        &QAction::triggered,
        m_saveDefault,
        &QPushButton::click);
    file->addSeparator();
    connect(addItem(file, "mnuOk", tr("&Use")), &QAction::triggered, this, &Form4::useHeaderFooter);
    file->addSeparator();
    connect(addItem(file, "mnuClose", tr("&Cancel")), &QAction::triggered, this, &Form4::closeEditor);

    QMenu *edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    connect(addItem(edit, "mnuUndo", tr("&Undo")), &QAction::triggered, this, [this] {
        sendEditKey(Qt::Key_Z);
    });
    edit->addSeparator();
    connect(addItem(edit, "mnuCut", tr("&Cut")), &QAction::triggered, this, [this] {
        sendEditKey(Qt::Key_X);
    });
    connect(addItem(edit, "mnuCopy", tr("C&opy")), &QAction::triggered, this, [this] {
        sendEditKey(Qt::Key_C);
    });
    connect(addItem(edit, "mnuPaste", tr("&Paste")), &QAction::triggered, this, [this] {
        sendEditKey(Qt::Key_V);
    });

    QMenu *insert = bar->addMenu(tr("&Insert"));
    insert->setObjectName(QStringLiteral("mnuInsert"));
    const auto addTypingItems = [this](QMenu *menu, const auto &items) {
        for (const InsertMenuItem &item : items) {
            const QString text = QLatin1String(item.text);
            connect(addItem(menu, item.objectName, tr(item.caption)), &QAction::triggered, this, [this, text] {
                typeText(text);
            });
        }
    };
    QMenu *page = insert->addMenu(tr("&Page structure tags"));
    page->setObjectName(QStringLiteral("mnuPage"));
    addTypingItems(page, pageStructureItems());
    QMenu *physical = insert->addMenu(tr("P&hysical font style tags"));
    physical->setObjectName(QStringLiteral("mnuFysical"));
    addTypingItems(physical, physicalStyleItems());
    insert->addSeparator();
    QMenu *fontMenu = insert->addMenu(tr("&Font"));
    fontMenu->setObjectName(QStringLiteral("mnuFont"));
    QMenu *headings = fontMenu->addMenu(tr("&Headings"));
    headings->setObjectName(QStringLiteral("mnuHeadings"));
    addTypingItems(headings, headingItems());
    connect(addItem(insert, "mnuImage", tr("&Image")), &QAction::triggered, this, &Form4::insertImage);
    connect(addItem(insert, "mnuBodyBkgr", tr("&Body Background")),
        &QAction::triggered,
        this,
        &Form4::insertBodyBackground);
    connect(addItem(insert, "mnLink", tr("&Link")), &QAction::triggered, this, &Form4::insertLink);

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction *monospace = addItem(view, "mnuMonospace", tr("&Monospace Font"));
    monospace->setCheckable(true);
    connect(monospace, &QAction::toggled, this, [this](bool on) {
        // Only the look changes: the boxes keep their text, selection and undo.
        const QFont chosen = on ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : font();
        m_header->setFont(chosen);
        m_footer->setFont(chosen);
    });
}

void Form4::setBoxTexts(const QString &header, const QString &footer)
{
    m_header->setPlainText(header);
    m_footer->setPlainText(footer);
}

void Form4::loadTemplate()
{
    m_saveDefault->setVisible(false);
    const QString path = m_app.programFolder().fileForReading(QLatin1String(kTemplateFileName));
    if (const auto texts = readTemplateFile(path))
        setBoxTexts(texts->header, texts->footer);
}

QString Form4::dialogFolder() const
{
    return m_lastFolder;
}

void Form4::openHeaderFooter()
{
    Prompts &prompts = m_app.prompts();
    const QString headerPath = prompts.openFile(this,
        tr("Open Header....."),
        QDir(dialogFolder()).filePath(QLatin1String(kHeaderFileName)),
        tr(kHeaderFooterFilter));
    if (headerPath.isEmpty())
        return;
    m_lastFolder = QFileInfo(headerPath).absolutePath();
    QString reason;
    const auto header = readBoxFile(headerPath, &reason);
    if (!header) {
        prompts.message(this, reason, Prompts::Icon::Exclamation);
        return;
    }
    m_header->setPlainText(*header);

    const QString footerPath = prompts.openFile(this,
        tr("Open Footer....."),
        QDir(dialogFolder()).filePath(QLatin1String(kFooterFileName)),
        tr(kHeaderFooterFilter));
    if (footerPath.isEmpty())
        return;
    m_lastFolder = QFileInfo(footerPath).absolutePath();
    const auto footer = readBoxFile(footerPath, &reason);
    if (!footer) {
        prompts.message(this, reason, Prompts::Icon::Exclamation);
        return;
    }
    m_footer->setPlainText(*footer);
}

bool Form4::saveHeaderFooter()
{
    Prompts &prompts = m_app.prompts();
    const QString header = headerText();
    const QString footer = footerText();
    const QString headerPath = prompts.saveFile(this,
        tr("Save Header....."),
        QDir(dialogFolder()).filePath(QLatin1String(kHeaderFileName)),
        tr(kHeaderFooterFilter));
    if (headerPath.isEmpty())
        return false;
    m_lastFolder = QFileInfo(headerPath).absolutePath();
    if (const QString failure = writeBoxFile(headerPath, headerFileBytes(header)); !failure.isEmpty()) {
        prompts.message(this, failure, Prompts::Icon::Exclamation);
        return false;
    }

    const QString footerPath = prompts.saveFile(this,
        tr("Save Footer....."),
        QDir(dialogFolder()).filePath(QLatin1String(kFooterFileName)),
        tr(kHeaderFooterFilter));
    if (footerPath.isEmpty())
        return false;
    m_lastFolder = QFileInfo(footerPath).absolutePath();
    if (const QString failure = writeBoxFile(footerPath, footerFileBytes(footer)); !failure.isEmpty()) {
        prompts.message(this, failure, Prompts::Icon::Exclamation);
        return false;
    }
    publish();
    closeDeliberately();
    return true;
}

void Form4::publish()
{
    AppState &state = m_app.state();
    state.headertext = headerText();
    state.footertext = footerText();
}

void Form4::useHeaderFooter()
{
    publish();
    closeDeliberately();
}

void Form4::closeEditor()
{
    closeDeliberately();
}

void Form4::closeDeliberately()
{
    m_closingDeliberately = true;
    if (!close())
        m_closingDeliberately = false;
}

void Form4::showHelp()
{
    m_app.showHelp(QStringLiteral("header-footer-editor"));
}

QPlainTextEdit *Form4::targetBox() const
{
    return m_editHeader->isChecked() ? m_header : m_footer;
}

QString Form4::headerText() const
{
    return boxText(m_header);
}

QString Form4::footerText() const
{
    return boxText(m_footer);
}

bool Form4::hasUnpublishedChanges() const
{
    return m_header->document()->isModified() || m_footer->document()->isModified();
}

QPlainTextEdit *Form4::focusedBox() const
{
    // The window's focus child: the box the user was typing in, also while a menu
    // or a dialog of this window is in front.
    QWidget *focused = focusWidget();
    if (focused == m_header || focused == m_footer)
        return static_cast<QPlainTextEdit *>(focused);
    return nullptr;
}

void Form4::typeText(const QString &text)
{
    QPlainTextEdit *box = focusedBox();
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    // One edit block: one step of the box's undo takes the insertion back and
    // brings back the text it replaced.
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void Form4::caretLeft(int n)
{
    QPlainTextEdit *box = focusedBox();
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, n);
    box->setTextCursor(cursor);
}

void Form4::runTagButton(int index)
{
    if (index == kColorTagButton) {
        runColorTag();
        return;
    }
    QPlainTextEdit *target = targetBox();
    // The selection, read as plain text: a selected line break is CR LF.
    QString selection = target->textCursor().selectedText();
    selection.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    target->setFocus(Qt::OtherFocusReason);
    const TagInsertion insertion = tagButtonInsertion(index, selection);
    typeText(insertion.text);
    caretLeft(insertion.caretLeft);
}

void Form4::runColorTag()
{
    targetBox()->setFocus(Qt::OtherFocusReason);
    Prompts &prompts = m_app.prompts();
    const auto background = prompts.color(this, m_lastColor, tr("Select BodyColor"));
    if (!background)
        return;
    m_lastColor = *background;
    const auto text = prompts.color(this, m_lastColor, tr("Select TextColor"));
    if (!text)
        return;
    m_lastColor = *text;
    targetBox()->setFocus(Qt::OtherFocusReason);
    typeText(bodyColorTag(*background, *text));
}

void Form4::insertFromFile(const QString &title, const char *filter, const std::function<QString(const QString &)> &tag)
{
    // The dialog takes the focus for a while; the text goes to the box that had it.
    QPlainTextEdit *box = focusedBox();
    const QString path = m_app.prompts().openFile(this, title, dialogFolder(), qtFileFilter(QLatin1String(filter)));
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    if (!box)
        return;
    box->setFocus(Qt::OtherFocusReason);
    typeText(tag(QFileInfo(path).fileName()));
}

void Form4::insertLink()
{
    insertFromFile(tr(kInsertLinkTitle), kInsertLinkFilter, linkTag);
}

void Form4::insertImage()
{
    insertFromFile(tr(kInsertImageTitle), kInsertImageFilter, imageTag);
}

void Form4::insertBodyBackground()
{
    insertFromFile(tr(kInsertImageTitle), kInsertImageFilter, backgroundTag);
}

void Form4::sendEditKey(int key)
{
    // The standard editing keystroke, to whatever control has the focus.
    QWidget *target = focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
    QCoreApplication::sendEvent(target, &release);
}

bool Form4::event(QEvent *event)
{
    // F1 belongs to this window while it is in front: claim it before the main
    // window's program-wide F1 sees it, so it arrives here as a key press.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void Form4::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Form4::closeEvent(QCloseEvent *event)
{
    // Use, Save and Cancel close as they are asked to; the close box and the
    // program's Exit ask first when typed changes would be lost.
    if (!m_closingDeliberately && hasUnpublishedChanges()) {
        const auto answer = m_app.prompts().message(this,
            tr("The header and footer you changed are not in use. Close the editor and lose the changes?"),
            Prompts::Icon::Question,
            Prompts::Buttons::YesNo);
        if (answer == Prompts::Answer::No) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

} // namespace quorvel
