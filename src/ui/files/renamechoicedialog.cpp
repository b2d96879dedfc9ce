// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/renamechoicedialog.h"

#include "app/application.h"
#include "files/renamerules.h"
#include "platform/numbers.h"
#include "platform/prompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace quorvel
{
namespace
{

struct RuleRow {
    int code;
    const char *caption;
    const char *help;
    const char *label; ///< null: label and text box hidden
    bool setsRen; ///< the text box is set to "ren"
    bool start; ///< the start number shows
    bool caseFrame; ///< the case frame shows
};

const RuleRow kRows[] = {
    { 1,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Append to Extension"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Appends directly to file extension. example: Filename.jpgxxx"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Append to file extension:"),
        false,
        false,
        false },
    { 2,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Append File Prefix"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Appends directly to file prefix. example: xxxFilename.jpg"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Append to file prefix:"),
        true,
        false,
        true },
    { 3,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replace Extension"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Renames the file extension. example: Filename.xxx"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replace file extension with:"),
        false,
        false,
        false },
    { 4,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Shorten Filename"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Shortens filename by amount specified. example:(2) Filena.jpg"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Shorten by how many characters:"),
        false,
        false,
        false },
    { 5,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Sequential Renaming"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Renames files entirely and numbers them. example: xxx1.jpg"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Prefix to append number to:"),
        true,
        true,
        true },
    { 6,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replace File Prefix"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replaces file prefix. example: xxx.jpg"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replace file prefix with:"),
        false,
        false,
        true },
    { 7,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Append File Suffix"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Appends directly to file suffix. example: Filenamexxx.jpg"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Append to file suffix:"),
        false,
        false,
        true },
    { 8,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replace File Suffix"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replacs file suffix. example: Filenxxx.jpg"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Replace file suffix with:"),
        false,
        false,
        false },
    { 12,
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice", "Change Filename case"),
        QT_TRANSLATE_NOOP("quorvel::frmRenameChoice",
            "Allows you to make filename ALL uppercase or lowercase. example: FILENAME.JPG or filename.jpg"),
        nullptr,
        false,
        false,
        true },
};

const RuleRow *rowOf(int code)
{
    for (const RuleRow &row : kRows)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace

frmRenameChoice::frmRenameChoice(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmRenameChoice"));
    setWindowTitle(tr("Renaming Selections"));
    setModal(true);

    auto *heading = new QLabel(tr("Please choose the method you wish to rename all your files, below:"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setWordWrap(true);

    auto *rules = new QGroupBox(tr("Renaming Options"), this);
    rules->setObjectName(QStringLiteral("Frame1"));
    auto *rulesLayout = new QVBoxLayout(rules);
    for (const RuleRow &row : kRows) {
        auto *option = new QRadioButton(tr(row.caption), rules);
        option->setObjectName(QStringLiteral("Option%1").arg(row.code));
        rulesLayout->addWidget(option);
        m_rules.insert(row.code, option);
        // The row applies when the option becomes the chosen one, however that
        // happens: a click, the arrow keys, or a screen reader's toggle action.
        connect(option, &QRadioButton::toggled, this, [this, code = row.code](bool chosen) {
            if (chosen)
                applyRule(code);
        });
    }

    auto *frame3 = new QFrame(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    m_textLabel = new QLabel(tr("Shorten by how many characters:"), frame3);
    m_textLabel->setObjectName(QStringLiteral("Label5"));
    m_text = new QLineEdit(QStringLiteral(".ren"), this);
    m_text->setObjectName(QStringLiteral("Text2"));
    m_textLabel->setBuddy(m_text);
    m_startLabel = new QLabel(tr("Start at #:"), frame3);
    m_startLabel->setObjectName(QStringLiteral("Label4"));
    m_start = new QLineEdit(QStringLiteral("1"), this);
    m_start->setObjectName(QStringLiteral("Text1"));
    m_startLabel->setBuddy(m_start);

    m_caseFrame = new QGroupBox(tr("Convert to:"), this);
    m_caseFrame->setObjectName(QStringLiteral("Frame2"));
    auto *caseLayout = new QVBoxLayout(m_caseFrame);
    const std::pair<int, QString> cases[] = {
        { 9, tr("Uppercase") }, { 10, tr("Lowercase") }, { 11, tr("Unchanged") }
    };
    for (const auto &[code, caption] : cases) {
        auto *option = new QRadioButton(caption, m_caseFrame);
        option->setObjectName(QStringLiteral("Option%1").arg(code));
        caseLayout->addWidget(option);
        m_cases.insert(code, option);
    }
    m_cases.value(CaseUnchanged)->setChecked(true);

    m_showExamples = new QCheckBox(tr("Show Examples"), this);
    m_showExamples->setObjectName(QStringLiteral("Check1"));
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Picture1"));
    static_cast<QFrame *>(m_panel)->setFrameShape(QFrame::StyledPanel);
    m_panel->setAccessibleName(tr("Example"));
    m_exampleCaption = new QLabel(tr("Example:"), m_panel);
    m_exampleCaption->setObjectName(QStringLiteral("Label2"));
    m_help = new QLabel(m_panel);
    m_help->setObjectName(QStringLiteral("Label3"));
    m_help->setWordWrap(true);
    QFont small = m_help->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_help->setFont(small);
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->addWidget(m_exampleCaption);
    panelLayout->addWidget(m_help);
    connect(m_showExamples, &QCheckBox::toggled, this, &frmRenameChoice::onShowExamples);

    auto *rename = new QPushButton(tr("&Rename!"), this);
    rename->setObjectName(QStringLiteral("Command2"));
    rename->setToolTip(tr("Begin Renaming Process!"));
    rename->setDefault(true);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    cancel->setToolTip(tr("Cancel"));
    connect(rename, &QPushButton::clicked, this, &frmRenameChoice::accept);
    connect(cancel, &QPushButton::clicked, this, &frmRenameChoice::reject);

    auto *fields = new QGridLayout;
    fields->addWidget(m_textLabel, 0, 0);
    fields->addWidget(m_text, 0, 1);
    fields->addWidget(m_startLabel, 1, 0);
    fields->addWidget(m_start, 1, 1);
    auto *right = new QVBoxLayout;
    right->addLayout(fields);
    right->addWidget(m_caseFrame);
    right->addWidget(m_showExamples);
    right->addWidget(m_panel);
    right->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addWidget(rules);
    middle->addLayout(right, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(rename);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(middle);
    layout->addLayout(buttons);
}

void frmRenameChoice::load()
{
    m_startLabel->hide();
    m_start->hide();
    m_showExamples->setChecked(false);
    onShowExamples(false);
    m_help->clear();
    const RenameState &state = m_app.renameState();
    if (state.renameRule && m_rules.contains(*state.renameRule))
        selectRule(*state.renameRule);
    if (!state.renameText.isEmpty())
        m_text->setText(state.renameText);
    // The case, and the start number of sequential renaming, come back as "&Rename!"
    // stored them.
    if (m_cases.contains(state.renameCase))
        m_cases.value(state.renameCase)->setChecked(true);
    if (state.renameRule == SequentialRenaming)
        m_start->setText(QString::number(state.renameStart));
}

void frmRenameChoice::selectRule(int code)
{
    QRadioButton *option = m_rules.value(code);
    if (!option)
        return;
    if (option->isChecked())
        applyRule(code);
    else
        option->setChecked(true); // applies the row
}

void frmRenameChoice::applyRule(int code)
{
    const RuleRow *row = rowOf(code);
    if (!row)
        return;
    m_help->setText(tr(row->help));
    const bool hasText = row->label != nullptr;
    if (hasText)
        m_textLabel->setText(tr(row->label));
    m_textLabel->setVisible(hasText);
    m_text->setVisible(hasText);
    if (row->setsRen)
        m_text->setText(QStringLiteral("ren"));
    m_startLabel->setVisible(row->start);
    m_start->setVisible(row->start);
    m_caseFrame->setVisible(row->caseFrame);
}

void frmRenameChoice::onShowExamples(bool ticked)
{
    m_help->setVisible(ticked);
    m_exampleCaption->setVisible(ticked);
    m_panel->setVisible(ticked);
}

void frmRenameChoice::accept()
{
    RenameState &state = m_app.renameState();
    int selected = 0;
    for (auto it = m_rules.cbegin(); it != m_rules.cend(); ++it)
        if (it.value()->isChecked())
            selected = it.key();

    // Only sequential renaming reads the start number; there it must be a count.
    const std::optional<double> start = wholeNumber(m_start->text());
    const bool startValid = start && *start >= 0 && std::floor(*start) == *start && *start < 1e15;
    if (selected == SequentialRenaming && !startValid) {
        m_app.prompts().message(
            this, tr("Please type a whole number of 0 or more at \"Start at #:\"."), Prompts::Icon::Exclamation);
        m_start->setFocus();
        m_start->selectAll();
        return;
    }
    if (startValid)
        state.renameStart = qint64(*start);
    if (selected != 0)
        state.renameRule = std::int16_t(selected);
    for (auto it = m_cases.cbegin(); it != m_cases.cend(); ++it)
        if (it.value()->isChecked())
            state.renameCase = std::int16_t(it.key());
    state.renameText = m_text->text();
    // Hidden, not closed: the window stays loaded with the user's choices.
    setResult(QDialog::Accepted);
    hide();
}

void frmRenameChoice::reject()
{
    m_app.renameState().renameConfirm = RenameState::Cancel;
    Q_EMIT unloaded();
    done(QDialog::Rejected);
}

void frmRenameChoice::closeEvent(QCloseEvent *event)
{
    // The close box unloads the window and leaves the rename state alone.
    setResult(QDialog::Rejected);
    event->accept();
    Q_EMIT unloaded();
}

} // namespace quorvel
