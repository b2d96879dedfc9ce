// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QMainWindow>

#include <array>
#include <functional>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quorvel
{

class Application;

/// The page editor window, captioned "HTML Heading and Footing": the header and
/// footer HTML that frame every gallery page, as plain text with tag buttons, an
/// Insert menu and the usual editing commands. It opens on the template
/// (default.def, or the built-in texts), can read and write a pair of header and
/// footer files, and publishes the two texts to headertext and footertext with
/// "&Use" or "&Save"; "&Cancel" closes without publishing.
class Form4 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form4(Application &app, QWidget *parent = nullptr);
    ~Form4() override;

    /// The opening steps: loadTemplate.
    void load()
    {
        loadTemplate();
    }
    /// Fills both boxes from default.def in the program folder; when it cannot be
    /// opened the boxes keep the built-in texts.
    void loadTemplate();
    /// Replaces the header box and then the footer box with the contents of two
    /// files the user chooses; a cancelled dialog stops where it stands.
    void openHeaderFooter();
    /// Writes the header and footer to two files the user chooses (the footer file
    /// without outer spaces), publishes the untrimmed texts and closes. A cancelled
    /// dialog or a file that cannot be written stops without publishing; returns
    /// whether it published.
    bool saveHeaderFooter();
    /// Publishes both texts and closes.
    void useHeaderFooter();
    /// Closes without publishing.
    void closeEditor();
    /// Shows this window's page of the manual (the "&Help" button and F1).
    void showHelp();

    /// Types text into the focused box as if the user had typed it: it replaces the
    /// selection, the caret ends after it, and the box's undo takes it back in one
    /// step. Nothing of the text is treated as a command. Nothing happens when
    /// neither box has the focus.
    void typeText(const QString &text);
    /// Moves the focused box's caret n characters left, leaving nothing selected.
    void caretLeft(int n);
    /// Runs tag button `index` (0 to 13) on the target box.
    void runTagButton(int index);
    /// "&Link", "&Image" and "&Body Background" of the Insert menu.
    void insertLink();
    void insertImage();
    void insertBodyBackground();

    /// The box the tag buttons act on: the header box while "Edit Header" is chosen.
    QPlainTextEdit *targetBox() const;
    /// A box's text as the files and the gallery page hold it: breaks are CR LF and
    /// nothing else is changed.
    QString headerText() const;
    QString footerText() const;
    /// Whether the boxes were edited since the template or the files were loaded.
    bool hasUnpublishedChanges() const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void setBoxTexts(const QString &header, const QString &footer);
    QPlainTextEdit *focusedBox() const;
    void insertFromFile(const QString &title, const char *filter, const std::function<QString(const QString &)> &tag);
    void runColorTag();
    void sendEditKey(int key);
    void publish();
    /// Closes without asking about unpublished changes (Use, Save, Cancel).
    void closeDeliberately();
    QString dialogFolder() const;

    Application &m_app;
    std::array<QPushButton *, 14> m_tagButtons {};
    QRadioButton *m_editHeader = nullptr; // Option1
    QRadioButton *m_editFooter = nullptr; // Option2
    QPlainTextEdit *m_header = nullptr; // Text1
    QPlainTextEdit *m_footer = nullptr; // Text2
    QPushButton *m_saveDefault = nullptr; // Command6, always hidden
    /// What the shared dialog remembers between dialogs of this window.
    QColor m_lastColor = Qt::black;
    QString m_lastFolder;
    bool m_closingDeliberately = false;
};

} // namespace quorvel
