#include "find/ReplaceDialog.h"

#include "find/FindEngine.h"
#include "ui/TitleWidth.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* button(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ReplaceDialog::ReplaceDialog(std::function<QPlainTextEdit*()> editor, QWidget* parent)
    : QDialog(parent),
      m_editor(std::move(editor)),
      m_findText(new QLineEdit),
      m_replaceText(new QLineEdit),
      m_matchCase(checkBox("replace_match_case", "Match &case")),
      m_wholeWord(checkBox("replace_whole_word", "&Whole word")),
      m_regularExpression(checkBox("replace_regular_expression", "Regular e&xpression")),
      m_wrapAround(checkBox("replace_wrap_around", "Wrap ar&ound")),
      m_findNext(button("replace_find_next", "&Find Next")),
      m_replace(button("replace_one", "&Replace")),
      m_replaceAll(button("replace_all", "Replace &All")),
      m_message(new QLabel) {
    setObjectName(QStringLiteral("replace_dialog"));
    setWindowTitle(QStringLiteral("Replace"));
    TitleWidth::keep(*this);
    setModal(false);
    m_wrapAround->setChecked(true);
    m_findNext->setDefault(true);
    m_message->setObjectName(QStringLiteral("replace_message"));
    m_message->setWordWrap(true);

    auto* columns = new QHBoxLayout;
    columns->addLayout(buildFields(), 1);
    columns->addLayout(buildButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_message);

    const auto followFindText = [this](const QString& text) {
        for (QPushButton* command : {m_findNext, m_replace, m_replaceAll})
            command->setEnabled(!text.isEmpty());
    };
    followFindText(QString());
    connect(m_findText, &QLineEdit::textChanged, this, followFindText);
    connect(m_findNext, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(m_replace, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(m_replaceAll, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
}

QLayout* ReplaceDialog::buildFields() {
    m_findText->setObjectName(QStringLiteral("replace_find_text"));
    m_replaceText->setObjectName(QStringLiteral("replace_with_text"));
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    findLabel->setBuddy(m_findText);
    auto* replaceLabel = new QLabel(QStringLiteral("Replace wi&th:"));
    replaceLabel->setBuddy(m_replaceText);
    auto* grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_findText, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replaceText, 1, 1);
    grid->addWidget(m_matchCase, 2, 1);
    grid->addWidget(m_wholeWord, 3, 1);
    grid->addWidget(m_regularExpression, 4, 1);
    grid->addWidget(m_wrapAround, 5, 1);
    return grid;
}

QLayout* ReplaceDialog::buildButtons() {
    auto* close = button("replace_close", "Close");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* column = new QVBoxLayout;
    for (QPushButton* command : {m_findNext, m_replace, m_replaceAll, close})
        column->addWidget(command);
    column->addStretch(1);
    return column;
}

ReplaceOptions ReplaceDialog::options() const {
    return {m_findText->text(),
            m_replaceText->text(),
            m_matchCase->isChecked(),
            m_wholeWord->isChecked(),
            m_regularExpression->isChecked(),
            m_wrapAround->isChecked()};
}

void ReplaceDialog::setFindText(const QString& text) {
    m_findText->setText(text);
}

void ReplaceDialog::focusFindText() {
    // Activation alone gives the field the focus without selecting its text.
    m_findText->setFocus();
    m_findText->selectAll();
}

QString ReplaceDialog::message() const {
    return m_message->text();
}

QPlainTextEdit* ReplaceDialog::prepare(std::optional<ReplaceEngine>& engine) {
    m_message->clear();
    QPlainTextEdit* editor = m_editor ? m_editor() : nullptr;
    engine.emplace(options());
    if (!engine->error().isEmpty()) {
        m_message->setText(QStringLiteral("Regular expression: ") + engine->error());
        return nullptr;
    }
    return engine->isUsable() ? editor : nullptr;
}

void ReplaceDialog::select(QPlainTextEdit& editor, const std::optional<TextRange>& match) {
    if (!match) {
        m_message->setText(FindEngine::notFoundMessage(m_findText->text()));
        return;
    }
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(match->start);
    cursor.setPosition(match->end, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void ReplaceDialog::findNext() {
    std::optional<ReplaceEngine> engine;
    if (QPlainTextEdit* editor = prepare(engine)) {
        const QTextCursor cursor = editor->textCursor();
        select(*editor, engine->findNext(*editor->document(),
                                         {cursor.selectionStart(), cursor.selectionEnd()}));
    }
}

void ReplaceDialog::replace() {
    std::optional<ReplaceEngine> engine;
    QPlainTextEdit* editor = prepare(engine);
    if (!editor)
        return;
    const QTextCursor cursor = editor->textCursor();
    TextRange from{cursor.selectionStart(), cursor.selectionEnd()};
    if (const auto replaced = engine->replaceSelection(*editor->document(), from))
        from = {replaced->end, replaced->end};
    select(*editor, engine->findNext(*editor->document(), from));
}

void ReplaceDialog::replaceAll() {
    std::optional<ReplaceEngine> engine;
    QPlainTextEdit* editor = prepare(engine);
    if (!editor)
        return;
    const int count = engine->replaceAll(*editor->document());
    m_message->setText(count == 0 ? FindEngine::notFoundMessage(m_findText->text())
                                  : replacedText(count));
    emit replacedAll(count);
}

QString ReplaceDialog::replacedText(int count) {
    return count == 1 ? QStringLiteral("Replaced 1 occurrence.")
                      : QStringLiteral("Replaced %1 occurrences.").arg(count);
}
