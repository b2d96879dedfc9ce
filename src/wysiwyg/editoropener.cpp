// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/editoropener.h"

#include "app/application.h"
#include "wysiwyg/documenteditor.h"
#include "wysiwyg/mainform.h"
#include "wysiwyg/thumbnailinsertwindow.h"

namespace quorvel
{

void openThumbnailWindow(Application &app, MainForm &editor)
{
    DocumentEditor *page = editor.editor();
    ThumbnailTarget target;
    target.pagePath = [page] {
        return page->currentDocumentPath();
    };
    target.insertHtml = [page](const QString &html) {
        page->pasteHtml(html);
    };
    Form1 window(app, std::move(target), &editor);
    window.exec();
    page->setFocus();
}

void registerHtmlEditor(Application &app)
{
    app.setHtmlEditorFactory([&app]() -> QWidget * {
        auto *editor = new MainForm(app.prompts());
        editor->setHelpHandler([&app] {
            app.showHelp(QStringLiteral("html-editor"));
        });
        editor->setThumbnailHandler([&app, editor] {
            openThumbnailWindow(app, *editor);
        });
        return editor;
    });
}

} // namespace quorvel
