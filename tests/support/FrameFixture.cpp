#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextDocument>

FrameFixture::FrameFixture()
    : m_prefs(std::make_unique<PreferencesStore>(settingsPath())),
      m_state(std::make_unique<ProgramState>(*m_prefs, ProgramFolders{programDir(), programDir()})),
      m_journalRoot(path(QStringLiteral("recovery"))) {
    QDir().mkpath(programDir());
    // As an installed program has one; tests of the user menus write their own or remove it.
    QFile userMenus(programDir() + QStringLiteral("/userdef.dat"));
    if (!userMenus.open(QIODevice::WriteOnly))
        qFatal("cannot create the test's userdef.dat");
}

FrameFixture::~FrameFixture() {
    if (m_program) {
        // Leave without prompts or writes into a store that is about to vanish.
        m_dialogs.clear();
        for (int i = 0; i < 20; ++i)
            m_dialogs.answerMessage(MessageAnswer::No);
        m_program->frame().close();
        m_program.reset();
    }
}

MainFrame& FrameFixture::start(const QString& commandLine) {
    // Each run starts afresh over the same store, as the program does: nothing cleared.
    crash();
    m_prefs->setCleared(false);
    m_state = std::make_unique<ProgramState>(*m_prefs, ProgramFolders{programDir(), programDir()});
    m_journal = std::make_unique<RecoveryJournal>(m_journalRoot);
    m_program = std::make_unique<Program>(*m_state, m_dialogs, m_journal.get());
    if (const QStringList faults = m_program->commands().faults(); !faults.isEmpty())
        qFatal("Command bindings: %s", qPrintable(faults.join(QStringLiteral("; "))));
    const auto recordUrl = [this](const QUrl& url) {
        m_openedUrls.append(url);
        return true;
    };
    m_program->pageTools().setUrlOpener(recordUrl);
    m_program->livePreview().setUrlOpener(recordUrl);
    m_program->livePreview().setModuleFolders(
        {m_previewFolder.isEmpty() ? programDir() : m_previewFolder});
    m_program->startUp(commandLine);
    return m_program->frame();
}

void FrameFixture::quit() {
    if (!m_program)
        return;
    m_program->frame().close();
    m_program.reset();
}

void FrameFixture::crash() {
    m_program.reset();
    m_journal.reset();
}

MainFrame& FrameFixture::restart(const QString& commandLine) {
    quit();
    return start(commandLine);
}

QString FrameFixture::programDir() const {
    return m_dir.filePath(QStringLiteral("program"));
}

QString FrameFixture::settingsPath() const {
    return m_dir.filePath(QStringLiteral("settings/Pagelark.ini"));
}

QString FrameFixture::path(const QString& name) const {
    return m_dir.filePath(name);
}

QString FrameFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString filePath = path(name);
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(filePath));
    return filePath;
}

DocumentWindow* FrameFixture::active() const {
    return m_program ? m_program->documents().active() : nullptr;
}

EditorBox* FrameFixture::editor() const {
    DocumentWindow* doc = active();
    return doc ? doc->editor() : nullptr;
}

QString FrameFixture::text() const {
    QString raw = editor()->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

int FrameFixture::caret() const {
    return editor()->textCursor().position();
}

void FrameFixture::typeText(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(editor(), c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, editor(), Qt::Key_unknown, QString(c), {});
            QTest::sendKeyEvent(QTest::Release, editor(), Qt::Key_unknown, QString(c), {});
        }
    }
}
