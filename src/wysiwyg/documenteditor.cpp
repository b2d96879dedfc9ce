// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/documenteditor.h"

#include "platform/prompts.h"
#include "wysiwyg/blockformat.h"
#include "wysiwyg/documentfile.h"
#include "wysiwyg/htmlcolor.h"
#include "wysiwyg/htmltidy.h"
#include "wysiwyg/insertablehtml.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <algorithm>
#include <memory>

// The component's page script is compiled into this static library; its resources
// must be registered by hand.
static void initWysiwygResources()
{
    Q_INIT_RESOURCE(wysiwyg);
}

namespace quorvel
{

/// The object the page script talks to over the web channel.
class BridgeHost : public QObject
{
    Q_OBJECT
public:
    explicit BridgeHost(DocumentEditor &editor)
        : m_editor(editor)
    {
    }

public slots:
    void bridgeReady(const QString &snapshot)
    {
        m_editor.onBridgeReady(snapshot);
    }
    void statusChanged(const QString &snapshot)
    {
        m_editor.onStatusChanged(snapshot);
    }
    void documentEdited()
    {
        m_editor.onDocumentEdited();
    }

private:
    DocumentEditor &m_editor;
};

/// A page that stays on the document: only the loads the component starts go
/// through. Links, refreshes, form posts, history moves and dropped files would
/// replace the document while its path stays, and a save would then write another
/// page over it.
class EditorPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

    /// Lets the next main-frame navigation through: the component is loading.
    void expectLoad()
    {
        m_expectLoad = true;
    }

protected:
    bool acceptNavigationRequest(const QUrl &, NavigationType, bool isMainFrame) override
    {
        if (!isMainFrame || !m_expectLoad)
            return false;
        m_expectLoad = false;
        return true;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &) override { }

private:
    bool m_expectLoad = false;
};

namespace
{

/// Edited pages read local files only: whatever a page asks from the network is
/// refused, so opening a page never contacts a server.
class LocalOnly : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        static const QStringList allowed = { QStringLiteral("file"),
            QStringLiteral("qrc"),
            QStringLiteral("data"),
            QStringLiteral("blob"),
            QStringLiteral("about") };
        if (!allowed.contains(info.requestUrl().scheme()))
            info.block(true);
    }
};

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString jsString(const QString &text)
{
    // A JSON array of one string is a valid script literal of it.
    const QByteArray json = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

/// The longest content the engine takes in place of an address: its longest address,
/// less the "data:" prefix with the type.
constexpr qsizetype kLongestContent = 2 * 1024 * 1024 - 64;

/// The size of bytes once percent-encoded, as the engine sends content.
qsizetype percentEncodedSize(const QByteArray &bytes)
{
    qsizetype size = 0;
    for (const char c : bytes) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~';
        size += plain ? 1 : 3;
    }
    return size;
}

const char kBlankDocument[] = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title></title></head>"
                              "<body><p><br></p></body></html>\n";

} // namespace

DocumentEditor::DocumentEditor(Prompts &prompts, QWidget *parent)
    : QWidget(parent)
    , m_prompts(prompts)
{
    initWysiwygResources();
    setObjectName(QStringLiteral("DHTMLEdit1"));
    // Off the record: nothing of the edited pages is written to the home folder.
    m_profile = new QWebEngineProfile(this);
    m_profile->setUrlRequestInterceptor(new LocalOnly(m_profile));
    m_page = new EditorPage(m_profile, this);
    QWebEngineSettings *settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false); // the page's own scripts
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);

    QWebEngineScript channelScript;
    channelScript.setName(QStringLiteral("quorvel-webchannel"));
    channelScript.setSourceCode(readResource(QStringLiteral(":/qtwebchannel/qwebchannel.js")));
    channelScript.setInjectionPoint(QWebEngineScript::DocumentCreation);
    channelScript.setWorldId(QWebEngineScript::ApplicationWorld);
    channelScript.setRunsOnSubFrames(false);
    QWebEngineScript bridgeScript;
    bridgeScript.setName(QStringLiteral("quorvel-bridge"));
    bridgeScript.setSourceCode(readResource(QStringLiteral(":/wysiwyg/bridge.js")));
    bridgeScript.setInjectionPoint(QWebEngineScript::DocumentReady);
    bridgeScript.setWorldId(QWebEngineScript::ApplicationWorld);
    bridgeScript.setRunsOnSubFrames(false);
    m_page->scripts().insert(channelScript);
    m_page->scripts().insert(bridgeScript);

    m_host = new BridgeHost(*this);
    m_host->setParent(this);
    m_channel = new QWebChannel(this);
    m_channel->registerObject(QStringLiteral("host"), m_host);
    m_page->setWebChannel(m_channel, QWebEngineScript::ApplicationWorld);

    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("editorView"));
    m_view->setAccessibleName(tr("Page being edited"));
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        popupContextMenu(pos);
    });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        // A page that failed to load still ends the load; the script never reports.
        // What is shown then is not the file, so the file is not the document's: a
        // save must not write over it.
        if (!ok && m_busy) {
            m_busy = false;
            m_path.clear();
            emit documentCompleted();
        }
    });
    setAccessibleName(tr("Page editor"));
    setFocusProxy(m_view);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    newDocument();
}

DocumentEditor::~DocumentEditor()
{
    // The page goes before its profile.
    m_view->setPage(nullptr);
    delete m_page;
    m_page = nullptr;
}

QWebEnginePage *DocumentEditor::page() const
{
    return m_page;
}

void DocumentEditor::newDocument()
{
    m_path.clear();
    startLoading(QUrl::fromLocalFile(QDir::homePath() + QLatin1Char('/')), QByteArray(kBlankDocument), "UTF-8");
}

void DocumentEditor::startLoading(const QUrl &url, const QByteArray &html, const QByteArray &charset)
{
    m_busy = true;
    m_dirty = false;
    m_status.clear();
    m_snapshot = {};
    m_page->expectLoad();
    if (html.isNull())
        m_page->load(url);
    else
        m_page->setContent(html, QStringLiteral("text/html;charset=") + QString::fromLatin1(charset), url);
}

std::uint32_t DocumentEditor::loadDocument(const QString &path, bool promptUser)
{
    QString target = path;
    if (promptUser && target.isEmpty()) {
        const QString start = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
        target = m_prompts.openFile(this, tr("Open"), start, tr("Web pages (*.html *.htm);;All files (*)"));
        if (target.isEmpty())
            return DocumentCancelled;
    }
    QByteArray bytes;
    DocumentContent content;
    const QString absolute = QFileInfo(target).absoluteFilePath();
    const std::uint32_t error = readDocumentFile(target, bytes, &content);
    if (error == DocumentNotAPage)
        m_refusal = { absolute, content.refusal };
    if (error != DocumentOk)
        return error;
    // The file is handed to the engine as a page whatever its name, so that what is
    // edited and saved is what the file holds. The engine takes content this way up to
    // its longest address (the bytes go in percent-encoded); a longer file goes by its
    // address, where the engine decides the type by the name: only a page's name will do.
    const bool fits = percentEncodedSize(bytes) <= kLongestContent;
    const QString suffix = QFileInfo(target).suffix().toLower();
    if (!fits && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
        m_refusal = { absolute, tr("text too long to open unless the file's name ends in .html or .htm") };
        return DocumentNotAPage;
    }
    m_path = absolute;
    startLoading(QUrl::fromLocalFile(m_path), fits ? bytes : QByteArray(), content.charset);
    return DocumentOk;
}

std::uint32_t DocumentEditor::saveDocument(const QString &path, bool promptUser)
{
    if (m_busy)
        return DocumentUnexpected;
    QString target = path;
    if (promptUser) {
        const QString start = !path.isEmpty() ? path : m_path.isEmpty() ? QDir::homePath() : m_path;
        target = m_prompts.saveFile(this, tr("Save As"), start, tr("Web pages (*.html *.htm);;All files (*)"));
        if (target.isEmpty())
            return DocumentCancelled;
    }
    if (target.isEmpty())
        return DocumentInvalidArgument;
    const QVariant html = evaluate(QStringLiteral("window.quorvelBridge ? window.quorvelBridge.serialize() : null"));
    if (html.typeId() != QMetaType::QString)
        return DocumentUnexpected;
    const QString text = declareUtf8Charset(tidyEditedHtml(html.toString()));
    QString refused;
    const std::uint32_t error = writeDocumentFile(target, text.toUtf8(), &refused);
    if (error == DocumentNotAPage)
        m_refusal = { QFileInfo(target).absoluteFilePath(), refused };
    if (error != DocumentOk)
        return error;
    m_path = QFileInfo(target).absoluteFilePath();
    m_dirty = false;
    return DocumentOk;
}

QVariant DocumentEditor::evaluate(const QString &script, int timeoutMs) const
{
    struct Result {
        bool done = false;
        QVariant value;
        QEventLoop loop;
    };
    auto result = std::make_shared<Result>();
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [result](const QVariant &value) {
        result->done = true;
        result->value = value;
        result->loop.quit();
    });
    if (!result->done) {
        QTimer::singleShot(timeoutMs, &result->loop, &QEventLoop::quit);
        result->loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return result->value;
}

void DocumentEditor::runBridge(const QString &call)
{
    m_page->runJavaScript(QStringLiteral("window.quorvelBridge && window.quorvelBridge.%1").arg(call),
        QWebEngineScript::ApplicationWorld);
}

void DocumentEditor::applyDisplaySettings()
{
    const auto flag = [](bool on) {
        return on ? QStringLiteral("true") : QStringLiteral("false");
    };
    runBridge(QStringLiteral("setShowBorders(%1)").arg(flag(m_showBorders)));
    runBridge(QStringLiteral("setShowDetails(%1)").arg(flag(m_showDetails)));
    runBridge(QStringLiteral("setSnapToGrid(%1)").arg(flag(m_snapToGrid)));
}

void DocumentEditor::setShowBorders(bool on)
{
    m_showBorders = on;
    applyDisplaySettings();
}

void DocumentEditor::setShowDetails(bool on)
{
    m_showDetails = on;
    applyDisplaySettings();
}

void DocumentEditor::setSnapToGrid(bool on)
{
    m_snapToGrid = on;
    applyDisplaySettings();
}

void DocumentEditor::onBridgeReady(const QString &snapshot)
{
    m_busy = false;
    m_dirty = false;
    applyDisplaySettings();
    onStatusChanged(snapshot);
    emit documentCompleted();
}

void DocumentEditor::onStatusChanged(const QString &snapshot)
{
    m_snapshot = QJsonDocument::fromJson(snapshot.toUtf8()).object();
    m_status.clear();
    const QJsonObject statuses = m_snapshot.value(QStringLiteral("statuses")).toObject();
    for (auto it = statuses.begin(); it != statuses.end(); ++it)
        m_status.insert(it.key(), it.value().toInt());
    emit displayChanged();
}

void DocumentEditor::onDocumentEdited()
{
    if (!m_busy)
        m_dirty = true;
}

int DocumentEditor::queryStatus(EditCommand command) const
{
    if (m_busy)
        return StatusNotSupported;
    return m_status.value(editCommandKey(command), StatusNotSupported);
}

QVariant DocumentEditor::commandValue(EditCommand command) const
{
    switch (command) {
    case EditCommand::GetFontName:
        return m_snapshot.value(QStringLiteral("fontName")).toString();
    case EditCommand::GetFontSize:
        return m_snapshot.value(QStringLiteral("fontSize")).toInt();
    case EditCommand::GetBlockFormat:
        return blockFormatName(m_snapshot.value(QStringLiteral("blockTag")).toString());
    case EditCommand::GetForeColor:
        return m_snapshot.value(QStringLiteral("foreColor")).toString();
    default:
        return {};
    }
}

void DocumentEditor::getBlockFormatNames(BlockFormatNamesParam &param) const
{
    param.names = blockFormatNames();
}

QString DocumentEditor::selectionType() const
{
    const QString type = m_snapshot.value(QStringLiteral("selectionType")).toString();
    return type.isEmpty() ? QStringLiteral("None") : type;
}

void DocumentEditor::pasteHtml(const QString &html)
{
    runBridge(QStringLiteral("pasteHtml(%1)").arg(jsString(insertable(html))));
}

QString DocumentEditor::insertable(const QString &html)
{
    const InsertableHtml checked = insertableHtml(html);
    if (!checked.refused.isEmpty()) {
        m_prompts.message(this,
            tr("The editor does not insert scripts or event handlers. Left out: %1.")
                .arg(checked.refused.join(QStringLiteral(", "))),
            Prompts::Icon::Information);
    }
    return checked.html;
}

void DocumentEditor::caretToStart()
{
    runBridge(QStringLiteral("caretToStart()"));
}

QString DocumentEditor::pictureSource(const QString &file) const
{
    const QString absolute = QFileInfo(file).absoluteFilePath();
    if (!m_path.isEmpty()) {
        const QDir folder = QFileInfo(m_path).absoluteDir();
        const QString relative = folder.relativeFilePath(absolute);
        if (!relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative))
            return QString::fromUtf8(QUrl::toPercentEncoding(relative, "/"));
    }
    return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded);
}

bool DocumentEditor::promptAndRun(EditCommand command)
{
    switch (command) {
    case EditCommand::Font: {
        QFont initial;
        const QString family = commandValue(EditCommand::GetFontName).toString();
        if (!family.isEmpty())
            initial.setFamily(family);
        const int size = commandValue(EditCommand::GetFontSize).toInt();
        initial.setPointSize(pointsFromHtmlFontSize(size > 0 ? size : 3));
        initial.setBold(queryStatus(EditCommand::Bold) == StatusLatched);
        initial.setItalic(queryStatus(EditCommand::Italic) == StatusLatched);
        initial.setUnderline(queryStatus(EditCommand::Underline) == StatusLatched);
        const std::optional<QFont> font = m_prompts.font(this, initial);
        return font && execCommand(command, ExecOption::DontPromptUser, *font);
    }
    case EditCommand::Image: {
        const QString start = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
        const QString file = m_prompts.openFile(
            this, tr("Picture"), start, tr("Pictures (*.jpg *.jpeg *.gif *.png *.bmp);;All files (*)"));
        return !file.isEmpty() && execCommand(command, ExecOption::DontPromptUser, pictureSource(file));
    }
    case EditCommand::Hyperlink: {
        const std::optional<QString> url =
            m_prompts.input(this, tr("Address (URL) of the link:"), tr("Anchor"), QStringLiteral("http://"));
        return url && !url->trimmed().isEmpty() && execCommand(command, ExecOption::DontPromptUser, url->trimmed());
    }
    case EditCommand::FindText: {
        const std::optional<QString> text = m_prompts.input(this, tr("Find what:"), tr("Find Text"));
        if (!text || text->isEmpty())
            return false;
        if (execCommand(command, ExecOption::DontPromptUser, *text))
            return true;
        m_prompts.message(this, tr("Cannot find \"%1\".").arg(*text), Prompts::Icon::Information);
        return false;
    }
    case EditCommand::SetForeColor: {
        const std::optional<QColor> color = m_prompts.color(this, QColor(Qt::black));
        return color && execCommand(command, ExecOption::DontPromptUser, htmlColor(colorValue(*color)));
    }
    default:
        return false;
    }
}

bool DocumentEditor::execCommand(EditCommand command, ExecOption option, const QVariant &argument)
{
    if (m_busy)
        return false;
    if (option != ExecOption::DontPromptUser && (editCommandPrompts(command) || command == EditCommand::SetForeColor))
        return promptAndRun(command);

    const QString key = editCommandKey(command);
    QString jsArgument;
    switch (command) {
    case EditCommand::Cut:
        m_view->setFocus();
        m_page->triggerAction(QWebEnginePage::Cut);
        return true;
    case EditCommand::Copy:
        m_view->setFocus();
        m_page->triggerAction(QWebEnginePage::Copy);
        return true;
    case EditCommand::Paste:
        // Script cannot read the clipboard; the engine's own paste can.
        m_view->setFocus();
        m_page->triggerAction(QWebEnginePage::Paste);
        return true;
    case EditCommand::GetBlockFormatNames:
        if (auto *param = argument.value<BlockFormatNamesParam *>()) {
            getBlockFormatNames(*param);
            return true;
        }
        return false;
    case EditCommand::GetBackColor:
    case EditCommand::GetBlockFormat:
    case EditCommand::GetFontName:
    case EditCommand::GetFontSize:
    case EditCommand::GetForeColor:
        return commandAvailable(queryStatus(command));
    case EditCommand::InsertTable: {
        const InsertTableParams params =
            argument.canConvert<InsertTableParams>() ? argument.value<InsertTableParams>() : InsertTableParams();
        jsArgument = jsString(insertable(insertTableHtml(params)));
        break;
    }
    case EditCommand::SetBlockFormat: {
        const QString tag = blockFormatTag(argument.toString());
        if (tag.isEmpty())
            return false;
        jsArgument = jsString(tag);
        break;
    }
    case EditCommand::SetFontSize:
        jsArgument = QString::number(std::clamp(argument.toInt(), 1, 7));
        break;
    case EditCommand::Font: {
        const QFont font = argument.value<QFont>();
        QJsonObject object;
        object.insert(QStringLiteral("family"), font.family());
        if (font.pointSizeF() > 0)
            object.insert(QStringLiteral("size"), htmlFontSizeFromPoints(font.pointSizeF()));
        object.insert(QStringLiteral("bold"), font.bold());
        object.insert(QStringLiteral("italic"), font.italic());
        object.insert(QStringLiteral("underline"), font.underline());
        object.insert(QStringLiteral("strikeOut"), font.strikeOut());
        jsArgument = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
        break;
    }
    case EditCommand::FindText: {
        // window.find wraps round the document and selects what it finds.
        const QVariant found =
            evaluate(QStringLiteral("window.find(%1, false, false, true)").arg(jsString(argument.toString())));
        return found.toBool();
    }
    case EditCommand::SetForeColor:
    case EditCommand::SetBackColor:
    case EditCommand::SetFontName:
    case EditCommand::Hyperlink:
    case EditCommand::Image:
        if (argument.toString().isEmpty())
            return false;
        jsArgument = jsString(argument.toString());
        break;
    default:
        break;
    }
    const QString call = jsArgument.isEmpty() ? QStringLiteral("exec(%1)").arg(jsString(key))
                                              : QStringLiteral("exec(%1, %2)").arg(jsString(key), jsArgument);
    runBridge(call);
    return true;
}

void DocumentEditor::setContextMenu(const QStringList &captions, const QList<int> &states)
{
    m_menuCaptions = captions;
    m_menuStates = states;
}

QMenu *DocumentEditor::popupContextMenu(const QPoint &pos)
{
    m_menuCaptions.clear();
    m_menuStates.clear();
    emit showContextMenu(pos);
    if (m_menuCaptions.isEmpty())
        return nullptr;
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("editorContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int index = 0; index < m_menuCaptions.size(); ++index) {
        const QString &caption = m_menuCaptions[index];
        if (caption.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("contextMenuItem%1").arg(index));
        action->setEnabled(m_menuStates.value(index, 0) == 0);
        connect(action, &QAction::triggered, this, [this, index] {
            emit contextMenuAction(index);
        });
    }
    menu->popup(m_view->mapToGlobal(pos));
    return menu;
}

} // namespace quorvel

#include "documenteditor.moc"
