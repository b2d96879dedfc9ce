// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/editoropener.h"

#include "app/application.h"
#include "wysiwyg/mainform.h"

namespace quorvel
{

void registerHtmlEditor(Application &app)
{
    app.setHtmlEditorFactory([&app]() -> QWidget * {
        auto *editor = new MainForm(app.prompts());
        editor->setHelpHandler([&app] {
            app.showHelp(QStringLiteral("html-editor"));
        });
        return editor;
    });
}

} // namespace quorvel
