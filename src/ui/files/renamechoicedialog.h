// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMap>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quorvel
{

class Application;

/// The rule window, captioned "Renaming Selections": the batch renamer's rule, its
/// text, the case conversion and the start number of sequential renaming, handed
/// over through the rename state. "&Rename!" stores them and hides the window (it
/// stays loaded, so the next run shows it as the user left it); "&Cancel" and the
/// close box unload it.
class frmRenameChoice : public QDialog
{
    Q_OBJECT
public:
    frmRenameChoice(Application &app, QWidget *parent = nullptr);

    /// The opening steps: start number and help text hidden, then the stored rule,
    /// text and case restored, and the start number when the rule is sequential
    /// renaming. So a window unloaded by "&Cancel" or its close box comes back as
    /// "&Rename!" last left it.
    void load();

    /// Selects a rule option and applies its row: help text, label, which boxes show.
    void selectRule(int code);
    /// "&Rename!". Refuses a start number that is not a whole number of 0 or more
    /// with a message (sequential renaming only) and then stays open.
    void accept() override;
    /// "&Cancel": renameConfirm becomes Cancel and the window unloads.
    void reject() override;

Q_SIGNALS:
    /// The window was cancelled or closed and is going away; the next run makes a new one.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    /// Applies a rule's row: help text, label, which boxes show.
    void applyRule(int code);
    void onShowExamples(bool ticked);

    Application &m_app;
    QMap<int, QRadioButton *> m_rules; // Option1..Option8, Option12
    QMap<int, QRadioButton *> m_cases; // Option9..Option11
    QLabel *m_textLabel = nullptr; // Label5
    QLineEdit *m_text = nullptr; // Text2
    QLabel *m_startLabel = nullptr; // Label4
    QLineEdit *m_start = nullptr; // Text1
    QGroupBox *m_caseFrame = nullptr; // Frame2
    QCheckBox *m_showExamples = nullptr; // Check1
    QLabel *m_help = nullptr; // Label3
    QLabel *m_exampleCaption = nullptr; // Label2
    QWidget *m_panel = nullptr; // Picture1
};

} // namespace quorvel
