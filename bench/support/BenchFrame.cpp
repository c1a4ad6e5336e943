#include "support/BenchFrame.h"

#include "document/DocumentWindow.h"
#include "document/EditorBox.h"
#include "support/BenchText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <map>

BenchFrame::BenchFrame()
    : m_prefs(std::make_unique<PreferencesStore>(m_dir.filePath(QStringLiteral("prefs.ini")))) {
    const QString program = m_dir.filePath(QStringLiteral("program"));
    QDir().mkpath(program);
    m_state = std::make_unique<ProgramState>(*m_prefs, ProgramFolders{program, program});
    m_frame = std::make_unique<MainFrame>(*m_state, m_dialogs);
    m_frame->startUp(QString());
    settle();
}

BenchFrame::~BenchFrame() {
    for (DocumentWindow* window : m_frame->documents().openWindows())
        window->setChanged(false);
    m_frame->close();
}

DocumentWindow* BenchFrame::doc() const {
    return m_frame->documents().active();
}

void BenchFrame::load(const QByteArray& bytes) {
    doc()->loadBytes(bytes);
    doc()->setChanged(false);
    settle();
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

void BareEditor::load(const QByteArray& bytes) {
    m_editor->setPlainText(QString::fromUtf8(bytes));
    settle();
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
