#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "state/UserMenuFile.h"
#include "tags/PlainEditBuffer.h"
#include "tags/ScriptApplier.h"
#include "tags/UserMenus.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

namespace {

using MenuCaptions = QList<QStringList>;

QString userdefPath(FrameFixture& fx) {
    return QDir(fx.programDir()).filePath(QStringLiteral("userdef.dat"));
}

void writeUserdef(FrameFixture& fx, const QByteArray& bytes) {
    QFile file(userdefPath(fx));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray numberedLines(const char* prefix, int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += prefix + QByteArray::number(n) + '\n';
    return bytes;
}

// The captions a user can reach in each submenu: none while the submenu is hidden.
MenuCaptions reachable(const DocumentWindow* doc) {
    MenuCaptions menus;
    for (int m = 1; m <= 4; ++m) {
        QStringList captions;
        if (doc->menu(UserMenus::menuName(m).toLatin1().constData())->menuAction()->isVisible()) {
            for (int k = 1; k <= 10; ++k) {
                const QAction* entry = doc->entry(UserMenus::entryName(m, k));
                if (entry->isVisible())
                    captions << entry->text();
            }
        }
        menus << captions;
    }
    return menus;
}

QString shippedUserdef() {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/userdef.dat");
}

// Where the user types next after an insertion: the first empty attribute value, empty element,
// empty line or empty comment; the end of the text where there is none.
int firstPlaceToFill(const QString& html) {
    static const QRegularExpression places(
        QStringLiteral(R"(=""|<([a-zA-Z][a-zA-Z0-9]*)(?:[^>"]|"[^"]+")*></\1>|\n\n|<!--  -->)"));
    const QRegularExpressionMatch found = places.match(html);
    if (!found.hasMatch())
        return int(html.size());
    const QString place = found.captured(0);
    const int at = int(found.capturedStart());
    if (place.startsWith(u'='))
        return at + 2;
    if (place.startsWith(u'\n'))
        return at + 1;
    if (place.startsWith(QLatin1String("<!--")))
        return at + 5;
    return at + int(place.indexOf(QLatin1String("></"))) + 1;
}

// Every element that needs a closing tag has one (the document's own <html> aside).
bool tagsBalance(const QString& html) {
    static const QStringList unclosed = {"br", "img", "input", "meta", "link", "source", "html"};
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)"));
    QHash<QString, int> open;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!unclosed.contains(match.captured(2)))
            open[match.captured(2)] += match.captured(1).isEmpty() ? 1 : -1;
    }
    for (int count : open) {
        if (count != 0)
            return false;
    }
    return true;
}

QAction* entry(FrameFixture& fx, int menu, int index) {
    return fx.active()->entry(UserMenus::entryName(menu, index));
}

}  // namespace

class TestUserMenus : public QObject {
    Q_OBJECT
private slots:
    void fileLinesAreSplitAtEveryKindOfLineEnd_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("lf then cr is two ends")
            << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty lines keep their place")
            << QByteArray("\n\r\nx\n\n") << QStringList{"", "", "x", ""};
        QTest::newRow("blanks and tabs are kept")
            << QByteArray("  <b> \t\n") << QStringList{"  <b> \t"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 &copy;\n") << QStringList{"café &copy;"};
        QTest::newRow("byte-order mark dropped")
            << QByteArray("\xef\xbb\xbf<p>\n") << QStringList{"<p>"};
        QTest::newRow("latin-1 when not utf-8")
            << QByteArray("caf\xe9\n\xa9\n") << QStringList{"café", "©"};
    }
    void fileLinesAreSplitAtEveryKindOfLineEnd() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(UserMenuFile::parse(bytes).lines(), lines);
    }

    void linesFillTheSubmenusByPosition_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<MenuCaptions>("menus");
        QStringList ten;
        for (int n = 1; n <= 10; ++n)
            ten << QStringLiteral("m%1").arg(n);
        QTest::newRow("twelve lines")
            << numberedLines("m", 12) << MenuCaptions{ten, {"m11", "m12"}, {}, {}};
        QTest::newRow("an empty line hides its entry")
            << QByteArray("a\n\nc\n") << MenuCaptions{{"a", "c"}, {}, {}, {}};
        QTest::newRow("an empty first entry still stands at the top")
            << QByteArray("x\n\n\n\n\n\n\n\n\n\n\nb\n") << MenuCaptions{{"x"}, {"", "b"}, {}, {}};
        QByteArray shifted = numberedLines("m", 10) + "\n" + numberedLines("n", 10);
        QTest::newRow("an empty line between blocks shifts the next block")
            << shifted
            << MenuCaptions{
                   ten, {"", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9"}, {"n10"}, {}};
        QTest::newRow("line 41 is ignored")
            << QByteArray(30, '\n') + numberedLines("d", 11)
            << MenuCaptions{
                   {}, {}, {}, {"d1", "d2", "d3", "d4", "d5", "d6", "d7", "d8", "d9", "d10"}};
        QTest::newRow("cr line ends")
            << QByteArray("a\rb\r\r\r\r\r\r\r\r\rc\r") << MenuCaptions{{"a", "b"}, {"c"}, {}, {}};
        QTest::newRow("empty file") << QByteArray() << MenuCaptions{{}, {}, {}, {}};
    }
    void linesFillTheSubmenusByPosition() {
        QFETCH(QByteArray, bytes);
        QFETCH(MenuCaptions, menus);
        FrameFixture fx;
        writeUserdef(fx, bytes);
        fx.start();
        QCOMPARE(reachable(fx.active()), menus);
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
    }

    void updateRebuildsTheMenusOfEveryWindow() {
        FrameFixture fx;
        writeUserdef(fx, numberedLines("old", 25));
        fx.start();
        DocumentWindow* first = fx.active();
        DocumentWindow* second = fx.documents().newDocument();
        writeUserdef(fx, "new1\n\nnew3\n");
        // Editing the file changes nothing until the menus are read again.
        QCOMPARE(reachable(first).at(2),
                 QStringList({"old21", "old22", "old23", "old24", "old25"}));
        second->action(Command::OptionsUpdateUserMenus)->trigger();
        const MenuCaptions expected{{"new1", "new3"}, {}, {}, {}};
        QCOMPARE(reachable(first), expected);
        QCOMPARE(reachable(second), expected);
        QVERIFY(first->entry(UserMenus::entryName(1, 2))->text().isEmpty());
    }

    void aMissingFileIsReportedAtEveryReadingAndHidesTheMenus() {
        FrameFixture fx;
        const QString expected = "Error encountered opening file: \n" + userdefPath(fx);
        QVERIFY(QFile::remove(userdefPath(fx)));
        fx.start();
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{expected});
        QCOMPARE(fx.dialogs().shown().last().message.title, QStringLiteral("Pagelark"));
        QCOMPARE(fx.dialogs().shown().last().message.buttons, MessageButtons::Ok);
        writeUserdef(fx, "a\n");
        fx.documents().newDocument();
        QCOMPARE(reachable(fx.active()).at(0), QStringList{"a"});
        QVERIFY(QFile::remove(userdefPath(fx)));
        fx.documents().newDocument();
        QCOMPARE(fx.dialogs().messageTexts(), QStringList({expected, expected}));
        // The reading that failed hid what the earlier one had shown, in every window.
        for (DocumentWindow* doc : fx.documents().openWindows())
            QCOMPARE(reachable(doc), MenuCaptions({{}, {}, {}, {}}));
        // A folder in the file's place cannot be read either.
        QVERIFY(QDir().mkpath(userdefPath(fx)));
        fx.active()->action(Command::OptionsUpdateUserMenus)->trigger();
        QCOMPARE(fx.dialogs().messageTexts().size(), 3);
    }

    void anEntryTypesItsWholeLineAsAScript_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("caption");  // "&&" shows one '&'
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("ampersand shown and typed") << QByteArray("&nbsp;&&") << "&&nbsp;&&&&"
                                                   << "x&nbsp;&&y" << 9;
        QTest::newRow("caret between the tags")
            << QByteArray("<p></p>{left 4}") << "<p></p>{left 4}"
            << "x<p></p>y" << 4;
        QTest::newRow("malformed typed literally") << QByteArray("{bogus}<b>{") << "{bogus}<b>{"
                                                   << "x{bogus}<b>{y" << 12;
    }
    void anEntryTypesItsWholeLineAsAScript() {
        QFETCH(QByteArray, line);
        FrameFixture fx;
        writeUserdef(fx, line + "\n");
        fx.start();
        QTEST(entry(fx, 1, 1)->text(), "caption");
        QFETCH(QString, text);
        QFETCH(int, caret);
        fx.active()->loadBytes("xy");
        fx.editor()->moveCursor(QTextCursor::NextCharacter);
        entry(fx, 1, 1)->trigger();
        QCOMPARE(fx.text(), text);
        QCOMPARE(fx.caret(), caret);
        QVERIFY(fx.active()->isChanged());
    }

    // A megabyte line types in one go and shows cut short. Each repetition of `unit` types
    // `head` and leaves the caret before `tail`.
    void aHugeLineTypesAndShowsShort_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("tail");
        QTest::newRow("plain text") << "lorem ipsum "
                                    << "lorem ipsum "
                                    << "";
        QTest::newRow("left groups and braces") << "<b>{{} }</b>{left 4}"
                                                << "<b>{ }"
                                                << "</b>";
    }
    void aHugeLineTypesAndShowsShort() {
        QFETCH(QString, unit);
        QFETCH(QString, head);
        QFETCH(QString, tail);
        const int repeats = (1 << 20) / int(unit.size());
        const QString line = unit.repeated(repeats);
        FrameFixture fx;
        writeUserdef(fx, line.toLatin1() + "\n");
        fx.start();
        const QString caption = entry(fx, 1, 1)->text();
        QVERIFY(caption.size() < 500);
        QVERIFY(line.startsWith(caption.left(10)));
        entry(fx, 1, 1)->trigger();
        QCOMPARE(fx.text(), head.repeated(repeats) + tail.repeated(repeats));
        QCOMPARE(fx.caret(), head.size() * repeats);
    }

    void anEmptyFirstEntryOnlyFocusesTheDocument() {
        FrameFixture fx;
        writeUserdef(fx, "\nsecond\n");
        MainFrame& frame = fx.start();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        fx.active()->loadBytes("text");
        fx.active()->setChanged(false);
        fx.editor()->clearFocus();
        QVERIFY(!fx.editor()->hasFocus());
        QCOMPARE(reachable(fx.active()).at(0), QStringList({"", "second"}));
        entry(fx, 1, 1)->trigger();
        QCOMPARE(fx.text(), QStringLiteral("text"));
        QVERIFY(!fx.active()->isChanged());
        QVERIFY(!fx.editor()->document()->isUndoAvailable());
        QTRY_VERIFY(fx.editor()->hasFocus());
    }

    void editOpensTheFileWithoutTouchingTheRecentList() {
        FrameFixture fx;
        writeUserdef(fx, "<b></b>{left 4}\r\n");
        MainFrame& frame = fx.start();
        fx.active()->action(Command::OptionsEditUserMenus)->trigger();
        QCOMPARE(fx.documents().openWindows().size(), 2);
        QCOMPARE(fx.active()->caption(), userdefPath(fx));
        QCOMPARE(fx.text(), QStringLiteral("<b></b>{left 4}\n"));
        QVERIFY(!fx.active()->isChanged());
        // The new window read the menus during its set-up.
        QCOMPARE(reachable(fx.active()).at(0), QStringList{"<b></b>{left 4}"});
        QVERIFY(fx.prefs().getAll(QStringLiteral("Recent Files")).isEmpty());
        QVERIFY(!frame.entry("recent_file_1")->isVisible());

        QVERIFY(QFile::remove(userdefPath(fx)));
        fx.dialogs().clear();
        fx.active()->action(Command::OptionsEditUserMenus)->trigger();
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Can't open file: \n" + userdefPath(fx)});
        QCOMPARE(fx.documents().openWindows().size(), 2);
    }

    void backupCopiesTheFileAndClearsTheNote() {
        FrameFixture fx;
        const QByteArray bytes("caf\xe9\r\n<p></p>{left 4}\r\n");
        writeUserdef(fx, bytes);
        MainFrame& frame = fx.start();
        const QString backup = QDir(fx.programDir()).filePath(QStringLiteral("userdef.bak"));
        fx.active()->action(Command::OptionsBackupUserMenus)->trigger();
        QFile copy(backup);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        QCOMPARE(frame.statusLine()->message()->text(), QString());

        // Without a file to copy, the note stays and nothing is reported.
        QVERIFY(QFile::remove(userdefPath(fx)));
        fx.dialogs().clear();
        fx.active()->action(Command::OptionsBackupUserMenus)->trigger();
        QCOMPARE(frame.statusLine()->message()->text(),
                 QStringLiteral("Backing up userdef.dat file"));
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
    }

    void theShippedFileHoldsFortyWellFormedEntries() {
        const QString shipped = shippedUserdef();
        QFile file(shipped);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(shipped));
        const UserMenuFile definitions = UserMenuFile::parse(file.readAll());
        QCOMPARE(definitions.lines().size(), 40);
        for (const QString& line : definitions.lines()) {
            QVERIFY(!line.isEmpty());
            // A mistyped key name or quote would be typed literally and show up in the text.
            PlainEditBuffer buffer;
            ScriptApplier(buffer).apply(line);
            QVERIFY2(!buffer.text().contains(u'{') && !buffer.text().contains(u'}') &&
                         !buffer.text().contains(QLatin1String("+'")),
                     qPrintable(line));
        }
    }

    void everyShippedLineTypesItsTagWithTheCaretWhereToTypeNext() {
        QFile file(shippedUserdef());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        FrameFixture fx;
        writeUserdef(fx, bytes);
        fx.start();
        const QStringList lines = UserMenuFile::parse(bytes).lines();
        for (int i = 0; i < int(lines.size()); ++i) {
            fx.editor()->clear();
            entry(fx, i / 10 + 1, i % 10 + 1)->trigger();
            const QString html = fx.text();
            const QString says = lines.at(i) + QStringLiteral(" typed ") + html;
            QVERIFY2(tagsBalance(html), qPrintable(says));
            QVERIFY2(fx.caret() == firstPlaceToFill(html), qPrintable(says));
        }
        // What a current page is made of is there.
        for (const char* piece :
             {"<header>", "<nav>", "<main>", "<section>", "<article>", "<figure>", "<picture>",
              "<details>", "name=+'viewport+'", "rel=+'stylesheet+'",
              "<script src=", "type=+'email+'", "type=+'url+'", "type=+'tel+'", "type=+'date+'"})
            QVERIFY2(bytes.contains(piece), piece);
    }
};

QTEST_MAIN(TestUserMenus)
#include "tst_usermenus.moc"
