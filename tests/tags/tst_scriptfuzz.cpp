// Seeded random keystroke scripts against both buffers: nothing may crash or leave the caret
// outside the text, nor change text outside the span the applier reports; scripts of characters
// and left moves must type exactly their characters; and scripts of keys the editor knows must
// give what pressing those keys gives.
#include "tags/KeystrokeScript.h"
#include "tags/PlainEditBuffer.h"
#include "tags/ScriptApplier.h"
#include "tags/ScriptText.h"
#include "tags/TagMenuTable.h"
#include "tags/TextEditBuffer.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <memory>

namespace {

constexpr quint32 kSeed = 0x5ca1ab1e;
constexpr int kMaxBufferLength = 4000;  // longer texts are reset, to keep runs fast

const QStringList kKeyNames = {u"left"_qs, u"RIGHT"_qs,  u"Up"_qs,   u"down"_qs,  u"home"_qs,
                               u"end"_qs,  u"pgup"_qs,   u"pgdn"_qs, u"bs"_qs,    u"bksp"_qs,
                               u"del"_qs,  u"delete"_qs, u"tab"_qs,  u"enter"_qs, u"esc"_qs,
                               u"ins"_qs,  u"f5"_qs};
const QStringList kMalformed = {u"{"_qs,        u"}"_qs,       u"{}"_qs,        u"{bogus}"_qs,
                                u"{left x}"_qs, u"{left }"_qs, u"{left  2}"_qs, u"{f17}"_qs,
                                u"("_qs,        u")"_qs,       u"{ 3}"_qs,      u"{left -1}"_qs};
const QString kPlain = u"abcxyz ABC<>/=-:!.\"'\t\u00e9\u20ac\U0001F600"_qs;
const QString kSpecial = u"+^%~(){}"_qs;

class Fuzzer {
public:
    explicit Fuzzer(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(quint32(n))); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename List>
    auto pick(const List& list) {
        return list.at(below(int(list.size())));
    }
    QChar plainChar() {
        const int i = below(int(kPlain.size()) - 1);
        return kPlain[i].isLowSurrogate() ? kPlain[i - 1] : kPlain[i];
    }

    // Any mix of the language's pieces, well formed or not.
    QString randomScript() {
        QString s;
        const int pieces = below(30);
        for (int i = 0; i < pieces; ++i)
            s += randomPiece();
        return s;
    }

    // A known script with a few characters inserted, removed, replaced or copied.
    QString mutated(QString s) {
        const int edits = 1 + below(4);
        for (int i = 0; i < edits; ++i) {
            const int at = below(int(s.size()) + 1);
            switch (below(4)) {
                case 0:
                    s.insert(at, chance(70) ? pick(kSpecial) : plainChar());
                    break;
                case 1:
                    s.remove(at, 1 + below(3));
                    break;
                case 2:
                    if (at < s.size())
                        s[at] = pick(kSpecial);
                    break;
                default:
                    s.insert(at, s.mid(below(int(s.size()) + 1), below(8)));
                    break;
            }
        }
        return s;
    }

private:
    QString randomPiece() {
        switch (below(9)) {
            case 0:
                return pick(kMalformed);
            case 1:
                return QString(pick(kSpecial));
            case 2:
                return u'{' + QString(pick(kSpecial)) + u'}';
            case 3:
                return u'{' + pick(kKeyNames) + (chance(50) ? u" "_qs + count() : QString()) + u'}';
            case 4:
                return QString(pick(u"+^%"_qs)) + (chance(30) ? u"("_qs : QString());
            case 5:
                return chance(50) ? u"\r\n"_qs : u"\n"_qs;
            case 6:
                return u"{"_qs + pick(kSpecial) + u" "_qs + count() + u"}"_qs;
            default:
                return chance(5) ? u"\U0001F600"_qs : QString(plainChar());
        }
    }
    // Absurd counts are rare: a capped repeat still makes a 10000-character line, and the
    // editor's layout of such a line is slow on every key, ours and the user's alike.
    QString count() {
        static const QStringList counts = {u"0"_qs, u"1"_qs, u"3"_qs, u"12"_qs};
        return chance(2) ? u"99999999999"_qs : pick(counts);
    }

    QRandomGenerator m_random;
};

// Scripts that build the program's own tags, the starting point for mutations.
QStringList seedScripts() {
    QStringList seeds = {u"<table>~<tr>~<td></td>~</tr>~</table>{home}{up}{end}"_qs,
                         u"<a href=+'http://x/~y+'>link</a>{left 4}"_qs,
                         u"<hr size=+'2+' width=+'50{%}+'>"_qs, u"<h2></h2>{left 5}"_qs};
    for (const TagMenu& menu : tagMenuTable()) {
        for (const TagMenuEntry& entry : menu.entries)
            seeds << QString::fromLatin1(entry.script);
    }
    return seeds;
}

void checkWithinText(const EditBuffer& buffer, const QString& script) {
    if (buffer.position() < 0 || buffer.position() > buffer.length() || buffer.anchor() < 0 ||
        buffer.anchor() > buffer.length())
        QFAIL(qPrintable(u"caret outside the text after: "_qs + script));
}

// Outside the span that the applier reports as typed, the text is as it was.
void checkSpanHoldsEveryChange(const QString& before, const QString& after,
                               const ScriptOutcome& outcome, const QString& script) {
    const int start = outcome.start();
    const int end = outcome.end();
    const bool within = 0 <= start && start <= end && end <= after.size() &&
                        after.size() - end <= before.size() - start;
    if (!within || after.left(start) != before.left(start) ||
        after.mid(end) != before.right(after.size() - end))
        QFAIL(qPrintable(u"a change outside the reported span after: "_qs + script));
}

QString editorText(const QPlainTextEdit& editor) {
    return editor.toPlainText();
}

// Applies one script to a PlainEditBuffer through a script-level model of the expected result,
// for scripts made only of typed characters and left moves.
struct TypingModel {
    QString text;
    int caret = 0;
    int anchor = 0;
    int typed = 0;

    void type(const QString& chars) {
        const int start = std::min(caret, anchor);
        text.remove(start, std::abs(caret - anchor));
        text.insert(start, chars);
        caret = anchor = start + int(chars.size());
        typed += int(chars.size());
    }
    void left(int times) {
        for (int i = 0; i < times; ++i) {
            if (caret != anchor)
                caret = std::min(caret, anchor);
            else if (caret > 0)
                --caret;
            anchor = caret;
        }
    }
};

QPlainTextEdit* makeEditor(QPlainTextEdit::LineWrapMode wrap) {
    auto* editor = new QPlainTextEdit;
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor->setLineWrapMode(wrap);
    editor->resize(360, 260);
    editor->show();
    return editor;
}

void setState(QPlainTextEdit* editor, const QString& text, int anchor, int caret) {
    editor->setPlainText(text);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(caret, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

}  // namespace

class TestScriptFuzz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomAndMutatedScriptsKeepTheCaretInTheText();
    void charactersAndLeftMovesTypeExactlyTheirCharacters();
    void scriptsGiveWhatPressingTheKeysGives_data();
    void scriptsGiveWhatPressingTheKeysGives();

private:
    void runOnBoth(const QString& script, PlainEditBuffer& plain);

    std::unique_ptr<QPlainTextEdit> m_wrapped;
    std::unique_ptr<QPlainTextEdit> m_unwrapped;
    std::unique_ptr<QPlainTextEdit> m_keys;
    qint64 m_runs = 0;
};

void TestScriptFuzz::initTestCase() {
    m_wrapped.reset(makeEditor(QPlainTextEdit::WidgetWidth));
    m_unwrapped.reset(makeEditor(QPlainTextEdit::NoWrap));
    m_keys.reset(makeEditor(QPlainTextEdit::WidgetWidth));
    QVERIFY(QTest::qWaitForWindowExposed(m_wrapped.get()));
    QVERIFY(QTest::qWaitForWindowExposed(m_unwrapped.get()));
    QVERIFY(QTest::qWaitForWindowExposed(m_keys.get()));
}

void TestScriptFuzz::cleanupTestCase() {
    qInfo("script fuzz: %lld runs, seed 0x%x", m_runs, kSeed);
}

void TestScriptFuzz::runOnBoth(const QString& script, PlainEditBuffer& plain) {
    for (const ScriptToken& token : KeystrokeScript::parse(script)) {
        if (token.count < 0 || token.count > KeystrokeScript::kMaxRepeat)
            QFAIL(qPrintable(u"repeat count out of range in: "_qs + script));
    }
    if (plain.length() > kMaxBufferLength)
        plain = PlainEditBuffer(plain.text().left(100));
    const QString before = plain.text();
    ScriptApplier applier(plain);
    applier.apply(script);
    checkWithinText(plain, script);
    checkSpanHoldsEveryChange(before, plain.text(), applier.outcome(), script);
    ++m_runs;

    if (m_wrapped->document()->characterCount() > kMaxBufferLength)
        m_wrapped->setPlainText(u"again"_qs);
    TextEditBuffer widget(m_wrapped.get());
    ScriptApplier(widget).apply(script);
    checkWithinText(widget, script);
    widget.finish();
    QCOMPARE(m_wrapped->textCursor().position(), widget.position());
    ++m_runs;
}

void TestScriptFuzz::randomAndMutatedScriptsKeepTheCaretInTheText() {
    Fuzzer fuzz(kSeed);
    const QStringList seeds = seedScripts();
    PlainEditBuffer plain(u"start\ntext"_qs);
    plain.setClipboard(u"clip~board"_qs);
    QGuiApplication::clipboard()->setText(u"clip~board"_qs);
    for (int i = 0; i < 6000; ++i) {
        runOnBoth(fuzz.randomScript(), plain);
        runOnBoth(fuzz.mutated(fuzz.pick(seeds)), plain);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestScriptFuzz::charactersAndLeftMovesTypeExactlyTheirCharacters() {
    Fuzzer fuzz(kSeed + 1);
    for (int run = 0; run < 3000; ++run) {
        TypingModel model;
        for (int i = fuzz.below(20); i > 0; --i)
            model.text += fuzz.chance(10) ? QChar(u'\n') : fuzz.plainChar();
        model.caret = model.anchor = fuzz.below(int(model.text.size()) + 1);
        if (fuzz.chance(20))
            model.anchor = fuzz.below(int(model.text.size()) + 1);
        const bool selected = model.caret != model.anchor;
        const QString before = model.text;
        PlainEditBuffer plain(model.text);
        plain.setSelection(model.anchor, model.caret);
        setState(m_unwrapped.get(), model.text, model.anchor, model.caret);

        QString script;
        for (int pieces = fuzz.below(12); pieces > 0; --pieces) {
            if (fuzz.chance(30)) {
                const int n = fuzz.below(8);
                script += n == 1 && fuzz.chance(50) ? u"{left}"_qs : u"{left %1}"_qs.arg(n);
                model.left(n);
            } else {
                QString chars;
                for (int c = 1 + fuzz.below(3); c > 0; --c)
                    chars += fuzz.chance(30) ? fuzz.pick(kSpecial) : fuzz.plainChar();
                script += scriptForLiteralText(chars);
                model.type(chars);
            }
        }
        ScriptApplier(plain).apply(script);
        TextEditBuffer::typeScript(m_unwrapped.get(), script);
        ++m_runs;

        const QString context = u"script "_qs + script + u" on "_qs + before;
        QVERIFY2(selected || plain.length() == before.size() + model.typed, qPrintable(context));
        QVERIFY2(plain.text() == model.text && plain.position() == model.caret,
                 qPrintable(context));
        QVERIFY2(editorText(*m_unwrapped) == model.text &&
                     m_unwrapped->textCursor().position() == model.caret,
                 qPrintable(context));
    }
}

// Action lists rendered both as a script and as key presses on a twin editor.
void TestScriptFuzz::scriptsGiveWhatPressingTheKeysGives_data() {
    QTest::addColumn<bool>("wrap");
    QTest::newRow("wrapping editor") << true;
    QTest::newRow("unwrapped editor, also against the plain buffer") << false;
}

namespace {

struct KeyAction {
    QString script;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    char character = 0;
};

KeyAction randomKeyAction(Fuzzer& fuzz, bool allowTab) {
    struct Named {
        const char* name;
        Qt::Key key;
    };
    static const Named moves[] = {{"left", Qt::Key_Left}, {"right", Qt::Key_Right},
                                  {"up", Qt::Key_Up},     {"down", Qt::Key_Down},
                                  {"home", Qt::Key_Home}, {"end", Qt::Key_End}};
    static const char chars[] = "abcxyz <>/=-:!.\"'";
    KeyAction a;
    const int kind = fuzz.below(12);
    if (kind < 4) {
        a.character = chars[fuzz.below(int(sizeof chars) - 1)];
        a.script = scriptForLiteralText(QString(QChar(a.character)));
        if (a.character >= 'a' && a.character <= 'z' && fuzz.chance(30)) {
            a.script = u"+"_qs + a.script;
            a.character = char(a.character - 'a' + 'A');
        }
    } else if (kind < 8) {
        const Named& m = moves[fuzz.below(6)];
        const bool shift = fuzz.chance(30);
        a.key = m.key;
        a.modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        a.script = (shift ? u"+{"_qs : u"{"_qs) + QLatin1StringView(m.name) + u'}';
    } else if (kind == 8) {
        const bool back = fuzz.chance(50);
        a.key = back ? Qt::Key_Backspace : Qt::Key_Delete;
        a.script = back ? u"{bs}"_qs : u"{del}"_qs;
    } else if (kind == 9) {
        const bool tab = allowTab && fuzz.chance(30);
        a.key = tab ? Qt::Key_Tab : Qt::Key_Return;
        a.script = tab ? u"{tab}"_qs : u"~"_qs;
    } else if (kind == 10) {
        const bool end = fuzz.chance(50);
        const bool shift = fuzz.chance(30);
        a.key = end ? Qt::Key_End : Qt::Key_Home;
        a.modifiers = Qt::ControlModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier);
        a.script = (shift ? u"^+"_qs : u"^"_qs) + (end ? u"{end}"_qs : u"{home}"_qs);
    } else {
        static const Qt::Key chords[] = {Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V};
        const int i = fuzz.below(4);
        a.key = chords[i];
        a.modifiers = Qt::ControlModifier;
        a.script = u"^"_qs + QChar(u"acxv"[i]);
    }
    return a;
}

void press(QPlainTextEdit* editor, const KeyAction& a) {
    if (a.character)
        QTest::keyClick(editor, a.character);
    else
        QTest::keyClick(editor, a.key, a.modifiers);
}

QString randomLines(Fuzzer& fuzz) {
    static const QStringList words = {u"<td>"_qs, u"cell"_qs,     u"a"_qs,   u"longer-word"_qs,
                                      u"x"_qs,    u"</table>"_qs, u"text"_qs};
    QString text;
    for (int lines = 1 + fuzz.below(6); lines > 0; --lines) {
        for (int w = fuzz.below(24); w > 0; --w)
            text += fuzz.pick(words) + u' ';
        if (lines > 1)
            text += u'\n';
    }
    return text;
}

QString describeState(const QPlainTextEdit& editor) {
    const QTextCursor c = editor.textCursor();
    return u"%1 [%2,%3]"_qs.arg(editor.toPlainText()).arg(c.anchor()).arg(c.position());
}

}  // namespace

void TestScriptFuzz::scriptsGiveWhatPressingTheKeysGives() {
    QFETCH(bool, wrap);
    QPlainTextEdit* scripted = wrap ? m_wrapped.get() : m_unwrapped.get();
    m_keys->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    Fuzzer fuzz(kSeed + (wrap ? 2 : 3));
    for (int run = 0; run < 400; ++run) {
        const QString text = randomLines(fuzz);
        const int anchor = fuzz.below(int(text.size()) + 1);
        const int caret = fuzz.chance(70) ? anchor : fuzz.below(int(text.size()) + 1);
        QList<KeyAction> actions;
        QString script;
        for (int n = 1 + fuzz.below(15); n > 0; --n) {
            actions << randomKeyAction(fuzz, wrap);
            script += actions.last().script;
        }

        setState(m_keys.get(), text, anchor, caret);
        QGuiApplication::clipboard()->setText(u"clip"_qs);
        for (const KeyAction& a : actions)
            press(m_keys.get(), a);

        setState(scripted, text, anchor, caret);
        QGuiApplication::clipboard()->setText(u"clip"_qs);
        TextEditBuffer::typeScript(scripted, script);
        ++m_runs;
        const QString context = u"script "_qs + script + u" on "_qs + text;
        QVERIFY2(describeState(*scripted) == describeState(*m_keys),
                 qPrintable(context + u"\n  script: "_qs + describeState(*scripted) +
                            u"\n  keys:   "_qs + describeState(*m_keys)));
        if (wrap)
            continue;
        PlainEditBuffer plain(text);
        plain.setSelection(anchor, caret);
        plain.setClipboard(u"clip"_qs);
        ScriptApplier(plain).apply(script);
        ++m_runs;
        const QTextCursor expected = m_keys->textCursor();
        QVERIFY2(plain.text() == m_keys->toPlainText() && plain.position() == expected.position() &&
                     plain.anchor() == expected.anchor(),
                 qPrintable(context));
    }
}

QTEST_MAIN(TestScriptFuzz)
#include "tst_scriptfuzz.moc"
