// Keystroke scripts: parsing (well-formed and malformed), applying them to the plain buffer and
// to a shown editor widget, undo grouping, and literal-text scripts.
#include "tags/KeystrokeScript.h"
#include "tags/PlainEditBuffer.h"
#include "tags/ScriptApplier.h"
#include "tags/ScriptText.h"
#include "tags/TextEditBuffer.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

namespace {

QString keyName(ScriptKey key) {
    static const char* const names[] = {"Enter",  "Left", "Right",  "Up",       "Down",
                                        "Home",   "End",  "PageUp", "PageDown", "Backspace",
                                        "Delete", "Tab",  "Escape", "Insert",   "Other"};
    return QString::fromLatin1(names[int(key)]);
}

// A compact picture of tokens: S/C/A for the modifiers, then c<char> or k<Key>, then *N for a
// repeat; tokens separated by '|'.
QString describe(const QList<ScriptToken>& tokens) {
    QStringList parts;
    for (const ScriptToken& t : tokens) {
        QString s;
        if (t.modifiers.shift)
            s += u'S';
        if (t.modifiers.ctrl)
            s += u'C';
        if (t.modifiers.alt)
            s += u'A';
        s += t.kind == ScriptToken::Kind::Character ? u"c"_qs + t.character
                                                    : u"k"_qs + keyName(t.key);
        if (t.count != 1)
            s += u'*' + QString::number(t.count);
        parts << s;
    }
    return parts.join(u'|');
}

// Buffer states are written as text with '|' at the caret and '#' at the anchor (when a
// selection exists).
struct Marked {
    QString text;
    int anchor = 0;
    int caret = 0;
};

Marked unmark(const QString& marked) {
    Marked m;
    m.text = marked;
    m.caret = int(m.text.indexOf(u'|'));
    m.text.remove(m.caret, 1);
    const qsizetype hash = m.text.indexOf(u'#');
    m.anchor = m.caret;
    if (hash >= 0) {
        m.text.remove(hash, 1);
        m.anchor = int(hash);
        if (hash < m.caret)
            --m.caret;
    }
    return m;
}

QString mark(QString text, int anchor, int caret) {
    if (anchor != caret)
        text.insert(anchor, u'#');
    text.insert(caret + (anchor != caret && anchor < caret ? 1 : 0), u'|');
    return text;
}

QString typeIntoPlain(const QString& before, const QString& script) {
    const Marked m = unmark(before);
    PlainEditBuffer buffer(m.text);
    buffer.setSelection(m.anchor, m.caret);
    buffer.setClipboard(u"CLIP"_qs);
    ScriptApplier(buffer).apply(script);
    return mark(buffer.text(), buffer.anchor(), buffer.position());
}

void setEditorState(QPlainTextEdit& editor, const Marked& m) {
    editor.setPlainText(m.text);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(m.anchor);
    cursor.setPosition(m.caret, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

QString editorState(const QPlainTextEdit& editor) {
    const QTextCursor cursor = editor.textCursor();
    return mark(editor.toPlainText(), cursor.anchor(), cursor.position());
}

// The displayed line (0-based, within its block) that holds the editor's caret.
int displayedLineOfCaret(const QPlainTextEdit& editor) {
    const QTextCursor cursor = editor.textCursor();
    const QTextLayout* layout = cursor.block().layout();
    return layout->lineForTextPosition(cursor.positionInBlock()).lineNumber();
}

}  // namespace

class TestKeystrokeScript : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void parsesWellFormedScripts_data();
    void parsesWellFormedScripts();
    void typesMalformedPartsLiterally_data();
    void typesMalformedPartsLiterally();
    void capsAbsurdRepeatCounts();
    void shiftGivesTheUsKeyboardCharacter_data();
    void shiftGivesTheUsKeyboardCharacter();

    void appliesScriptsToBuffers_data();
    void appliesScriptsToBuffers();

    void stepsGoWhereTheKeysGo_data();
    void stepsGoWhereTheKeysGo();

    void homeUpEndFollowDisplayedLines_data();
    void homeUpEndFollowDisplayedLines();
    void oneUndoRemovesAWholeScript();
    void piecesJoinedToThePreviousStepUndoTogether();
    void caretMovesAloneLeaveTheDocumentUnchanged();

    void literalTextScriptsTypeTheTextUnchanged_data();
    void literalTextScriptsTypeTheTextUnchanged();

private:
    std::unique_ptr<QPlainTextEdit> m_editor;
};

void TestKeystrokeScript::initTestCase() {
    m_editor = std::make_unique<QPlainTextEdit>();
    // A fixed-pitch font makes the editor's up/down column the same as a character column.
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->resize(600, 300);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
}

void TestKeystrokeScript::parsesWellFormedScripts_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("tokens");
    QTest::newRow("plain characters") << u"a <"_qs << u"ca|c |c<"_qs;
    QTest::newRow("tilde is enter") << u"~~"_qs << u"kEnter|kEnter"_qs;
    QTest::newRow("key names ignore case") << u"{LEFT}{Home}{eNd}"_qs << u"kLeft|kHome|kEnd"_qs;
    QTest::newRow("repeat count") << u"{left 5}"_qs << u"kLeft*5"_qs;
    QTest::newRow("leading zeros") << u"{up 007}"_qs << u"kUp*7"_qs;
    QTest::newRow("zero count") << u"{right 0}"_qs << u"kRight*0"_qs;
    QTest::newRow("all escapes") << u"{+}{^}{%}{~}{(}{)}{{}{}}"_qs << u"c+|c^|c%|c~|c(|c)|c{|c}"_qs;
    QTest::newRow("escape with count") << u"{% 3}{} 2}"_qs << u"c%*3|c}*2"_qs;
    QTest::newRow("key aliases") << u"{bs}{backspace}{bksp}{del}{delete}"_qs
                                 << u"kBackspace|kBackspace|kBackspace|kDelete|kDelete"_qs;
    QTest::newRow("other keys") << u"{tab}{esc}{ins}{insert}{pgup}{pgdn}{enter}"_qs
                                << u"kTab|kEscape|kInsert|kInsert|kPageUp|kPageDown|kEnter"_qs;
    QTest::newRow("inert keys") << u"{F1}{f16}{capslock}"_qs << u"kOther|kOther|kOther"_qs;
    QTest::newRow("shift quote") << u"+'x"_qs << u"Sc'|cx"_qs;
    QTest::newRow("stacked modifiers") << u"^+{home}%^a"_qs << u"SCkHome|CAca"_qs;
    QTest::newRow("modifier on escape") << u"+{(}"_qs << u"Sc("_qs;
    QTest::newRow("group") << u"%(ab)c"_qs << u"Aca|Acb|cc"_qs;
    QTest::newRow("nested groups") << u"+(a^(b)c)"_qs << u"Sca|SCcb|Scc"_qs;
    QTest::newRow("modifier on enter") << u"+~"_qs << u"SkEnter"_qs;
    QTest::newRow("line breaks in the text")
        << u"a\r\nb\rc\nd"_qs << u"ca|kEnter|cb|kEnter|cc|kEnter|cd"_qs;
    QTest::newRow("double quote is plain") << u"\"x\""_qs << u"c\"|cx|c\""_qs;
}

void TestKeystrokeScript::parsesWellFormedScripts() {
    QFETCH(QString, script);
    QFETCH(QString, tokens);
    QCOMPARE(describe(KeystrokeScript::parse(script)), tokens);
}

void TestKeystrokeScript::typesMalformedPartsLiterally_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("typed");  // buffer state after typing into an empty buffer
    QTest::newRow("unknown key name") << u"{bogus}"_qs << u"{bogus}|"_qs;
    QTest::newRow("lone open brace") << u"{"_qs << u"{|"_qs;
    QTest::newRow("open brace in text") << u"a{b"_qs << u"a{b|"_qs;
    QTest::newRow("lone close brace") << u"a}b"_qs << u"a}b|"_qs;
    QTest::newRow("empty braces") << u"{}"_qs << u"{}|"_qs;
    QTest::newRow("empty braces before text") << u"{}ab"_qs << u"{}ab|"_qs;
    QTest::newRow("unmatched close paren") << u")"_qs << u")|"_qs;
    QTest::newRow("bare parentheses") << u"Photo (2001)"_qs << u"Photo (2001)|"_qs;
    QTest::newRow("unmatched group") << u"+(ab"_qs << u"+(ab|"_qs;
    QTest::newRow("trailing shift") << u"+"_qs << u"+|"_qs;
    QTest::newRow("trailing modifiers") << u"x%+"_qs << u"x%+|"_qs;
    QTest::newRow("modifier before close") << u"^(a+)"_qs << u"+|"_qs;
    QTest::newRow("modifier before bad key") << u"+{bogus}"_qs << u"+{bogus}|"_qs;
    QTest::newRow("count not a number") << u"{left x}"_qs << u"{left x}|"_qs;
    QTest::newRow("missing count") << u"{left }"_qs << u"{left }|"_qs;
    QTest::newRow("two blanks") << u"{left  2}"_qs << u"{left  2}|"_qs;
    QTest::newRow("negative count") << u"{left -2}"_qs << u"{left -2}|"_qs;
    QTest::newRow("count without name") << u"{ 5}"_qs << u"{ 5}|"_qs;
    QTest::newRow("bad escape count") << u"{~ x}"_qs << u"{~ x}|"_qs;
    QTest::newRow("no such function key") << u"{f17}{F0}{f01}"_qs << u"{f17}{F0}{f01}|"_qs;
    // The first brace is lone; the well-formed key after it still moves the caret.
    QTest::newRow("brace before a key") << u"{lef{left}"_qs << u"{le|f"_qs;
    QTest::newRow("line break inside bad braces") << u"{a\r\nb}"_qs << u"{a\nb}|"_qs;
}

void TestKeystrokeScript::typesMalformedPartsLiterally() {
    QFETCH(QString, script);
    QFETCH(QString, typed);
    QCOMPARE(typeIntoPlain(u"|"_qs, script), typed);
}

void TestKeystrokeScript::capsAbsurdRepeatCounts() {
    const QList<ScriptToken> tokens =
        KeystrokeScript::parse(u"{left 999999999}{% 99999999999999999999999}"_qs);
    QCOMPARE(tokens.size(), 2);
    QCOMPARE(tokens[0].count, KeystrokeScript::kMaxRepeat);
    QCOMPARE(tokens[1].count, KeystrokeScript::kMaxRepeat);

    PlainEditBuffer buffer;
    ScriptApplier(buffer).apply(u"{% 99999999999}{left 999999999}x"_qs);
    QCOMPARE(buffer.length(), KeystrokeScript::kMaxRepeat + 1);
    QCOMPARE(buffer.position(), 1);
}

void TestKeystrokeScript::shiftGivesTheUsKeyboardCharacter_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("shifted");
    QTest::newRow("digit row") << u"1234567890"_qs << u"!@#$%^&*()"_qs;
    QTest::newRow("punctuation") << u"'`-=[]\\;,./"_qs << u"\"~_+{}|:<>?"_qs;
    QTest::newRow("letters") << u"az"_qs << u"AZ"_qs;
    QTest::newRow("unchanged") << u"A\" é"_qs << u"A\" é"_qs;
}

void TestKeystrokeScript::shiftGivesTheUsKeyboardCharacter() {
    QFETCH(QString, plain);
    QFETCH(QString, shifted);
    QString script;
    for (QChar c : plain)
        script += u'+' + scriptForLiteralText(QString(c));
    PlainEditBuffer buffer;
    ScriptApplier(buffer).apply(script);
    QCOMPARE(buffer.text(), shifted);
}

// Each row runs on the plain buffer and on the shown editor widget; both must agree.
void TestKeystrokeScript::appliesScriptsToBuffers_data() {
    QTest::addColumn<bool>("onWidget");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("after");
    struct Row {
        const char* name;
        QString before, script, after;
    };
    const Row rows[] = {
        {"base entry in empty document", u"|"_qs, u"<base href=+'+'>{left 2}"_qs,
         u"<base href=\"|\">"_qs},
        {"selected word replaced by tag", u"say #hello| now"_qs, u"<h1>"_qs, u"say <h1>| now"_qs},
        {"backwards selection replaced", u"a|bc#d"_qs, u"xy"_qs, u"axy|d"_qs},
        {"quoted number", u"|"_qs, u"+'1+'"_qs, u"\"1\"|"_qs},
        {"percent and quote after 50", u"50|"_qs, u"{%}+'"_qs, u"50%\"|"_qs},
        {"eleven line breaks", u"|"_qs, u"~~~~~~~~~~~"_qs, QString(11, u'\n') + u'|'},
        {"left 5 near the start", u"ab|cd"_qs, u"{left 5}"_qs, u"|abcd"_qs},
        {"left crosses a line break in one step", u"ab\n|cd"_qs, u"{left}"_qs, u"ab|\ncd"_qs},
        {"element pair", u"|"_qs, u"<h1></h1>{left 5}"_qs, u"<h1>|</h1>"_qs},
        {"left collapses a selection", u"a#bcd|e"_qs, u"{left}"_qs, u"a|bcde"_qs},
        {"right collapses a selection", u"a|bcd#e"_qs, u"{right}"_qs, u"abcd|e"_qs},
        {"shift left extends", u"abc|"_qs, u"+{left 2}"_qs, u"a|bc#"_qs},
        {"shift group extends", u"ab|c"_qs, u"+({left}{right 2})"_qs, u"ab#c|"_qs},
        {"right stops at the end", u"a|b"_qs, u"{right 9}"_qs, u"ab|"_qs},
        {"home and end", u"ab\ncd|ef"_qs, u"{home}x{end}y"_qs, u"ab\nxcdefy|"_qs},
        {"table end then home up end", u"one\n<tr>|"_qs, u"</table>{home}{up}{end}"_qs,
         u"one|\n<tr></table>"_qs},
        {"up and down keep the column", u"abcdefgh\nab\nabcdef|gh"_qs, u"{up}{up}"_qs,
         u"abcdef|gh\nab\nabcdefgh"_qs},
        {"down to a short line and on", u"abc|def\nx\nabcdefgh"_qs, u"{down 2}"_qs,
         u"abcdef\nx\nabc|defgh"_qs},
        {"up on the first line", u"ab|c\nd"_qs, u"{up}"_qs, u"ab|c\nd"_qs},
        {"down on the last line", u"a\nb|c"_qs, u"{down}"_qs, u"a\nb|c"_qs},
        {"page up to the first line", u"a\nb\nc|"_qs, u"{pgup}"_qs, u"a|\nb\nc"_qs},
        {"page down to the last line", u"|a\nb\nc"_qs, u"{pgdn}"_qs, u"a\nb\n|c"_qs},
        {"shift down selects", u"a|bc\ndef"_qs, u"+{down}"_qs, u"a#bc\nd|ef"_qs},
        {"backspace joins lines", u"ab\n|cd"_qs, u"{bs}"_qs, u"ab|cd"_qs},
        {"delete joins lines", u"ab|\ncd"_qs, u"{del}"_qs, u"ab|cd"_qs},
        {"backspace removes the selection only", u"a#bc|d"_qs, u"{bksp 1}"_qs, u"a|d"_qs},
        {"backspace stops at the start", u"a|b"_qs, u"{backspace 3}"_qs, u"|b"_qs},
        {"delete stops at the end", u"a|b"_qs, u"{delete 3}"_qs, u"a|"_qs},
        {"tab and enter", u"|"_qs, u"a{tab}b{enter}c"_qs, u"a\tb\nc|"_qs},
        {"inert keys", u"ab|"_qs, u"{esc}{insert}{ins}{f1}"_qs, u"ab|"_qs},
        {"ctrl home and end", u"ab\nc|d"_qs, u"^{home}x^{end}y"_qs, u"xab\ncdy|"_qs},
        {"ctrl shift end selects", u"a|b\nc"_qs, u"^+{end}"_qs, u"a#b\nc|"_qs},
        {"select all then type", u"ab\nc|"_qs, u"^ax"_qs, u"x|"_qs},
        {"cut and paste", u"ab#cd|"_qs, u"^x{home}^v"_qs, u"cd|ab"_qs},
        {"copy and paste twice", u"#ab|"_qs, u"^c{end}^V^v"_qs, u"ababab|"_qs},
        {"paste replaces the selection", u"a#b|c"_qs, u"^v"_qs, u"aCLIP|c"_qs},
        {"other chords type nothing", u"a|"_qs, u"^b%a^{left}%{home}^+x^(xyz)%~"_qs, u"a|"_qs},
        {"plain double quote", u"|"_qs, u"say \"hi\""_qs, u"say \"hi\"|"_qs},
        {"enter replaces the selection", u"a#b|c"_qs, u"~"_qs, u"a\n|c"_qs},
    };
    for (const Row& row : rows) {
        for (bool onWidget : {false, true}) {
            QTest::addRow("%s: %s", onWidget ? "widget" : "plain", row.name)
                << onWidget << row.before << row.script << row.after;
        }
    }
}

void TestKeystrokeScript::appliesScriptsToBuffers() {
    QFETCH(bool, onWidget);
    QFETCH(QString, before);
    QFETCH(QString, script);
    QFETCH(QString, after);
    if (!onWidget) {
        QCOMPARE(typeIntoPlain(before, script), after);
        return;
    }
    setEditorState(*m_editor, unmark(before));
    QGuiApplication::clipboard()->setText(u"CLIP"_qs);
    TextEditBuffer::typeScript(m_editor.get(), script);
    QCOMPARE(editorState(*m_editor), after);
}

// Steps between plain characters are taken without the editor's layout; next to anything else
// they must still go where the keys go.
void TestKeystrokeScript::stepsGoWhereTheKeysGo_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");  // < Left, > Right, D Delete, B Backspace; others typed
    QTest::newRow("right-to-left paragraph") << u"\u05e9\u05dc\u05d5\u05dd ab|c"_qs << u"x<<>D"_qs;
    QTest::newRow("from a plain paragraph into a right-to-left one")
        << u"\u05e9\u05dc\u05d5\u05dd\nab|"_qs << u"<<<<<"_qs;
    QTest::newRow("combining mark before") << u"e\u0301|x"_qs << u"<>"_qs;
    QTest::newRow("combining mark after") << u"x|e\u0301y"_qs << u">D<"_qs;
    QTest::newRow("prepended mark") << u"\u0600a|b"_qs << u"<x"_qs;
    QTest::newRow("paragraph turned right-to-left by typing") << u"a|b"_qs << u"<\u05e9>x"_qs;
    QTest::newRow("surrogate pair") << u"a\U0001F600|b"_qs << u"<>B"_qs;
    QTest::newRow("typed lines") << u"|"_qs << u"ab\ncd<<<<<>>DB<<>"_qs;
}

void TestKeystrokeScript::stepsGoWhereTheKeysGo() {
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QPlainTextEdit pressed;
    setEditorState(pressed, unmark(before));
    setEditorState(*m_editor, unmark(before));
    const QHash<QChar, std::pair<Qt::Key, QString>> named = {
        {u'<', {Qt::Key_Left, u"{left}"_qs}},
        {u'>', {Qt::Key_Right, u"{right}"_qs}},
        {u'D', {Qt::Key_Delete, u"{del}"_qs}},
        {u'B', {Qt::Key_Backspace, u"{bs}"_qs}},
        {u'\n', {Qt::Key_Return, u"~"_qs}}};
    QString script;
    for (QChar key : keys) {
        if (named.contains(key)) {
            QTest::keyClick(&pressed, named[key].first);
            script += named[key].second;
        } else {
            QTest::sendKeyEvent(QTest::Click, &pressed, Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
            script += scriptForLiteralText(QString(key));
        }
    }
    TextEditBuffer::typeScript(m_editor.get(), script);
    QCOMPARE(editorState(*m_editor), editorState(pressed));
}

void TestKeystrokeScript::homeUpEndFollowDisplayedLines_data() {
    QTest::addColumn<bool>("wrap");
    QTest::newRow("wrapped") << true;
    QTest::newRow("unwrapped") << false;
}

// The table builder's closing sequence, typed at the end of a long line: it must end on the
// displayed line above, exactly as pressing the keys in the editor would.
void TestKeystrokeScript::homeUpEndFollowDisplayedLines() {
    QFETCH(bool, wrap);
    const QString text = u"<table>\n"_qs + u"<td>cell text</td> "_qs.repeated(12);
    QPlainTextEdit typed;
    QPlainTextEdit scripted;
    for (QPlainTextEdit* editor : {&typed, &scripted}) {
        editor->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        editor->resize(320, 240);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        editor->setPlainText(text);
        editor->moveCursor(QTextCursor::End);
    }
    QTest::keyClicks(&typed, u"</table>"_qs);
    QTest::keyClick(&typed, Qt::Key_Home);
    QTest::keyClick(&typed, Qt::Key_Up);
    QTest::keyClick(&typed, Qt::Key_End);

    TextEditBuffer::typeScript(&scripted, u"</table>{home}{up}{end}"_qs);

    QCOMPARE(editorState(scripted), editorState(typed));
    const int lastBlockLines = scripted.document()->lastBlock().layout()->lineCount();
    if (wrap) {
        QVERIFY(lastBlockLines > 2);
        QCOMPARE(scripted.textCursor().blockNumber(), 1);
        QCOMPARE(displayedLineOfCaret(scripted), lastBlockLines - 2);
    } else {
        QCOMPARE(lastBlockLines, 1);
        QCOMPARE(scripted.textCursor().position(), 7);  // end of "<table>"
    }
}

void TestKeystrokeScript::oneUndoRemovesAWholeScript() {
    QPlainTextEdit editor;
    editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor.resize(240, 200);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const QString text = u"start "_qs.repeated(20);
    editor.setPlainText(text);
    editor.moveCursor(QTextCursor::End);

    // Edits on both sides of layout moves, so the undo step has to span them.
    TextEditBuffer::typeScript(&editor, u"<h1></h1>{left 5}x{home}y{up}z{end}~w{bs 2}"_qs);
    QVERIFY(editor.toPlainText() != text);
    editor.undo();
    QCOMPARE(editor.toPlainText(), text);
    QVERIFY(!editor.document()->isUndoAvailable());
}

void TestKeystrokeScript::piecesJoinedToThePreviousStepUndoTogether() {
    QPlainTextEdit editor;
    editor.setPlainText(u"x"_qs);
    editor.moveCursor(QTextCursor::End);
    using Step = TextEditBuffer::UndoStep;
    TextEditBuffer::typeScript(&editor, u"<hr"_qs, Step::New);
    TextEditBuffer::typeScript(&editor, u" size=+'2+'"_qs, Step::JoinPrevious);
    TextEditBuffer::typeScript(&editor, u">"_qs, Step::JoinPrevious);
    TextEditBuffer::typeScript(&editor, u"<br>"_qs, Step::New);
    QCOMPARE(editor.toPlainText(), u"x<hr size=\"2\"><br>"_qs);
    editor.undo();
    QCOMPARE(editor.toPlainText(), u"x<hr size=\"2\">"_qs);
    editor.undo();
    QCOMPARE(editor.toPlainText(), u"x"_qs);
    QVERIFY(!editor.document()->isUndoAvailable());
}

void TestKeystrokeScript::caretMovesAloneLeaveTheDocumentUnchanged() {
    QPlainTextEdit editor;
    editor.setPlainText(u"ab\ncd"_qs);
    editor.document()->setModified(false);
    // Joining must not glue this script to anything: it makes no step of its own.
    TextEditBuffer::typeScript(&editor, u"{end}{left}{up}+{home}{esc}"_qs);
    QVERIFY(!editor.document()->isModified());
    QVERIFY(!editor.document()->isUndoAvailable());
    QCOMPARE(editorState(editor), u"|a#b\ncd"_qs);
}

void TestKeystrokeScript::literalTextScriptsTypeTheTextUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("script");
    QTest::newRow("plain") << u"<b>bold</b>"_qs << u"<b>bold</b>"_qs;
    QTest::newRow("every special character") << u"+^%~(){}"_qs << u"{+}{^}{%}{~}{(}{)}{{}{}}"_qs;
    QTest::newRow("line ends of all kinds") << u"a\r\nb\nc\rd\n\r"_qs << u"a~b~c~d~~"_qs;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("brace pairs") << u"{left}"_qs << u"{{}left{}}"_qs;
}

void TestKeystrokeScript::literalTextScriptsTypeTheTextUnchanged() {
    QFETCH(QString, text);
    QFETCH(QString, script);
    QCOMPARE(scriptForLiteralText(text), script);
    PlainEditBuffer buffer;
    ScriptApplier(buffer).apply(scriptForLiteralText(text));
    QString expected = text;
    expected.replace(u"\r\n"_qs, u"\n"_qs).replace(u'\r', u'\n');
    QCOMPARE(buffer.text(), expected);
}

QTEST_MAIN(TestKeystrokeScript)
#include "tst_keystrokescript.moc"
