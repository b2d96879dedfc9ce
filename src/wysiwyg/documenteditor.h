// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wysiwyg/editcommand.h"
#include "wysiwyg/inserttable.h"

#include <QHash>
#include <QJsonObject>
#include <QPoint>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <cstdint>

class QMenu;
class QWebChannel;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace quorvel
{

class BridgeHost;
class EditorPage;
class Prompts;

/// The block-format-names parameter object: receives the names of the block formats
/// the editing component offers, in menu order.
struct BlockFormatNamesParam {
    QStringList names;
};

/// The document editing component: a web page shown by the browser engine in design
/// mode, edited through numbered commands (EditCommand). The page's own scripts never
/// run and it loads nothing from the network; the component's script runs in an
/// isolated world and reports the command status after every selection change and
/// edit (displayChanged), so status queries answer at once from that snapshot.
///
/// Loading is asynchronous: loadDocument() checks and starts it, documentCompleted()
/// follows when the page is editable. Saving is synchronous and atomic.
class DocumentEditor : public QWidget
{
    Q_OBJECT
public:
    explicit DocumentEditor(Prompts &prompts, QWidget *parent = nullptr);
    ~DocumentEditor() override;

    /// An empty, unnamed document.
    void newDocument();
    /// Loads a page; with promptUser and an empty path the open dialog chooses it.
    /// Returns 0 when loading started, else a DocumentError number (DocumentCancelled
    /// when the dialog was cancelled). The document keeps its state on failure. What
    /// the file holds decides, not its name: a picture, an archive or other binary
    /// data, or text not valid in its character set is refused (DocumentNotAPage, see
    /// refusal()); any text that is accepted is edited as a page.
    std::uint32_t loadDocument(const QString &path, bool promptUser);
    /// Saves the whole document; with promptUser the save dialog chooses the path
    /// (starting from `path`). Returns 0 on success, else a DocumentError number. A
    /// file that holds a picture, an archive or other binary data is never written
    /// over (DocumentNotAPage, see refusal()).
    std::uint32_t saveDocument(const QString &path, bool promptUser);

    /// The file the last DocumentNotAPage was about, and what it holds instead of a
    /// page ("a JPEG picture").
    struct Refusal {
        QString path;
        QString content;
    };
    const Refusal &refusal() const
    {
        return m_refusal;
    }

    bool isDirty() const
    {
        return m_dirty;
    }
    QString currentDocumentPath() const
    {
        return m_path;
    }
    /// True while a document is loading and not yet editable.
    bool busy() const
    {
        return m_busy;
    }

    bool showBorders() const
    {
        return m_showBorders;
    }
    void setShowBorders(bool on);
    bool showDetails() const
    {
        return m_showDetails;
    }
    void setShowDetails(bool on);
    bool snapToGrid() const
    {
        return m_snapToGrid;
    }
    void setSnapToGrid(bool on);

    /// The status of a command (CommandStatus); 0 while busy.
    int queryStatus(EditCommand command) const;
    /// Runs a command. DoDefault runs it as the user would, with its dialog where it
    /// has one (font, picture, anchor, find, colour); DontPromptUser takes `argument`
    /// (a colour "#RRGGBB", a font name, a size 1 to 7, a block format name, a URL, an
    /// InsertTableParams, a BlockFormatNamesParam pointer). Returns false when the
    /// command is unavailable or its dialog was cancelled.
    bool execCommand(EditCommand command, ExecOption option = ExecOption::DoDefault, const QVariant &argument = {});

    /// The current value of a get command: font name (string), font size (int, 0 when
    /// mixed), block format name, foreground colour.
    QVariant commandValue(EditCommand command) const;
    /// Fills the parameter object with the block-format names.
    void getBlockFormatNames(BlockFormatNamesParam &param) const;

    /// The selection's type: "None" (a caret), "Text" or "Control" (one picture,
    /// form control or positioned element selected as a whole).
    QString selectionType() const;
    /// Replaces the current selection with a piece of HTML, inserted as written less
    /// scripts and event handlers (insertableHtml); what was left out is said to the
    /// user.
    void pasteHtml(const QString &html);
    /// Puts the caret at the start of the body.
    void caretToStart();

    /// The context menu to show for the current right-click: captions (an empty one is
    /// a separator) and states (0 enabled, 2 greyed). Set from showContextMenu().
    void setContextMenu(const QStringList &captions, const QList<int> &states);
    /// Asks for the context menu at a point of the view: emits showContextMenu, then
    /// shows the menu defined meanwhile. Returns the shown menu (null when none).
    QMenu *popupContextMenu(const QPoint &pos);

    /// The page, for reading the document in tests and the find command.
    QWebEnginePage *page() const;
    QWebEngineView *view() const
    {
        return m_view;
    }
    /// Runs a script in the component's world and waits for its result (at most
    /// `timeoutMs`); an invalid variant on time-out.
    QVariant evaluate(const QString &script, int timeoutMs = 5000) const;

signals:
    /// A document is loaded (or new) and editable.
    void documentCompleted();
    /// The status snapshot changed: caret moved, selection or document changed.
    void displayChanged();
    /// The user asked for the context menu; handlers call setContextMenu().
    void showContextMenu(const QPoint &pos);
    /// An item of the context menu was chosen, by its index.
    void contextMenuAction(int index);

private:
    friend class BridgeHost;
    void onBridgeReady(const QString &snapshot);
    void onStatusChanged(const QString &snapshot);
    void onDocumentEdited();
    void startLoading(const QUrl &url, const QByteArray &html, const QByteArray &charset);
    /// The HTML less what the editor never inserts; tells the user what was left out.
    QString insertable(const QString &html);
    void applyDisplaySettings();
    void runBridge(const QString &call);
    bool promptAndRun(EditCommand command);
    QString pictureSource(const QString &file) const;

    Prompts &m_prompts;
    QWebEngineProfile *m_profile = nullptr;
    EditorPage *m_page = nullptr;
    QWebEngineView *m_view = nullptr;
    QWebChannel *m_channel = nullptr;
    BridgeHost *m_host = nullptr;

    QString m_path;
    Refusal m_refusal;
    bool m_dirty = false;
    bool m_busy = false;
    bool m_showBorders = false;
    bool m_showDetails = false;
    bool m_snapToGrid = false;
    QJsonObject m_snapshot;
    QHash<QString, int> m_status;
    QStringList m_menuCaptions;
    QList<int> m_menuStates;
};

} // namespace quorvel

Q_DECLARE_METATYPE(quorvel::InsertTableParams)
Q_DECLARE_METATYPE(quorvel::BlockFormatNamesParam *)
