#include "support/BenchFrame.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "support/BenchText.h"
#include "syntax/SyntaxColoring.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <map>

BenchFrame::BenchFrame(bool editorAids)
    : m_prefs(std::make_unique<PreferencesStore>(m_dir.filePath(QStringLiteral("prefs.ini")))) {
    const QString program = m_dir.filePath(QStringLiteral("program"));
    QDir().mkpath(program);
    if (!editorAids) {
        Preferences prefs(*m_prefs);
        prefs.setSyntaxColouring(false);
        prefs.setLineNumbers(false);
    }
    m_state = std::make_unique<ProgramState>(*m_prefs, ProgramFolders{program, program});
    m_journal = std::make_unique<RecoveryJournal>(m_dir.filePath(QStringLiteral("recovery")));
    m_program = std::make_unique<Program>(*m_state, m_dialogs, m_journal.get());
    m_program->startUp(QString());
    settle();
}

BenchFrame::~BenchFrame() {
    for (DocumentWindow* window : m_program->documents().openWindows())
        window->setChanged(false);
    m_program->frame().close();
}

DocumentWindow* BenchFrame::doc() const {
    return m_program->documents().active();
}

void BenchFrame::load(const QByteArray& bytes) {
    doc()->loadBytes(bytes);
    doc()->setChanged(false);
    settle();
    finishColouring();
}

void BenchFrame::setEditorAids(bool colouring, bool lineNumbers) {
    EditorSwitches switches = m_state->editorSwitches();
    switches.syntaxColouring = colouring;
    switches.lineNumbers = lineNumbers;
    m_state->setEditorSwitches(switches);
    settle();
    finishColouring();
}

void BenchFrame::setTypingAids(bool completion, bool autoClose) {
    EditorSwitches switches = m_state->editorSwitches();
    switches.tagCompletion = completion;
    switches.autoCloseTags = autoClose;
    m_state->setEditorSwitches(switches);
    settle();
}

void BenchFrame::finishColouring() {
    for (DocumentWindow* window : m_program->documents().openWindows()) {
        auto* coloring = window->editor()->document()->findChild<SyntaxColoring*>();
        while (coloring && !coloring->isComplete())
            settle();
    }
}

BareEditor::BareEditor() : m_editor(new QPlainTextEdit) {
    // The same font as the program's editor, so that both draw the same glyphs.
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* area = new QMdiArea;
    m_window.setCentralWidget(area);
    area->addSubWindow(m_editor)->show();
    m_window.resize(470, 387);
    m_window.show();
}

void BareEditor::matchTextArea(const QPlainTextEdit& ours) {
    QWidget* sub = m_editor->parentWidget();
    const QSize missing = ours.viewport()->size() - m_editor->viewport()->size();
    sub->resize(sub->size() + missing);
    settle();
}

void BareEditor::load(const QByteArray& bytes) {
    m_editor->setPlainText(QString::fromUtf8(bytes));
    settle();
}

QString BenchFrame::htmlFile(qint64 bytes) const {
    const QString file = path(QStringLiteral("bench-%1.html").arg(bytes));
    if (!QFile::exists(file)) {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(benchHtml(bytes));
    }
    return file;
}

namespace {
std::map<qint64, std::unique_ptr<SizedPair>> pairs;
}  // namespace

void releasePairs() {
    pairs.clear();
}

SizedPair& pairFor(qint64 bytes) {
    auto& pair = pairs[bytes];
    if (!pair) {
        pair = std::make_unique<SizedPair>();
        // Both editors show the same area, so that both paint the same amount.
        pair->bare.editor().parentWidget()->resize(pair->ours.doc()->subWindow()->size());
        const QByteArray html = benchHtml(bytes);
        pair->ours.load(html);
        pair->bare.load(html);
        pair->bare.matchTextArea(*pair->ours.doc()->editor());
    }
    return *pair;
}

void caretToMiddle(QPlainTextEdit& editor) {
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(cursor);
}

void settle() {
    QCoreApplication::processEvents();
}

void sendKey(QWidget* widget, QEvent::Type type, int key, const QString& text) {
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &event);
}

void typeAndErase(QWidget* editor) {
    sendKey(editor, QEvent::KeyPress, Qt::Key_A, QStringLiteral("a"));
    sendKey(editor, QEvent::KeyRelease, Qt::Key_A, QStringLiteral("a"));
    sendKey(editor, QEvent::KeyPress, Qt::Key_Backspace, QString());
    sendKey(editor, QEvent::KeyRelease, Qt::Key_Backspace, QString());
    settle();
}
