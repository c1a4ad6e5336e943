// The live preview's parts that need no browser engine: the marks of the source lines, the
// engine's flags, the text handed over as the user edits, and the module that is not there.
#include "tools/ChromiumFlags.h"
#include "tools/LivePreviewLoader.h"
#include "tools/PreviewSourceLines.h"
#include "tools/PreviewText.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestPreviewFeed : public QObject {
    Q_OBJECT
private slots:
    void blockStartTagsCarryTheirLine_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("marked");
        QTest::newRow("blocks, not inline elements")
            << "<div>\n<P class=a><b>x</b></P>"
            << "<div data-pagelark-line=\"1\">\n"
               "<P data-pagelark-line=\"2\" class=a><b>x</b></P>";
        QTest::newRow("every kind of line end counts") << "\r\n\r\n<li>"
                                                       << "\r\n\r\n<li data-pagelark-line=\"3\">";
        QTest::newRow("a quoted > and a break inside a tag")
            << "<p title=\"a>b\"\nid=x>\n<hr/>"
            << "<p data-pagelark-line=\"1\" title=\"a>b\"\nid=x>\n<hr data-pagelark-line=\"3\"/>";
        QTest::newRow("an unquoted value holding a quote")
            << "<p title=it's>\n<p>"
            << "<p data-pagelark-line=\"1\" title=it's>\n"
               "<p data-pagelark-line=\"2\">";
        QTest::newRow("comments and raw text stay as they are")
            << "<!-- <p> -->\n<script>'<div>'\n</script><STYLE>p{}</style><p>"
            << "<!-- <p> -->\n<script>'<div>'\n</script><STYLE>p{}</style>"
               "<p data-pagelark-line=\"3\">";
        QTest::newRow("end tags, lone < and unfinished markup")
            << "</p> 1 < 2 <p"
            << "</p> 1 < 2 <p data-pagelark-line=\"1\"";
    }
    void blockStartTagsCarryTheirLine() {
        QFETCH(QString, html);
        QFETCH(QString, marked);
        QCOMPARE(PreviewSourceLines::mark(html), marked);
    }

    void programFlagsAreAddedToTheUsersOwn_data() {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("none set") << QByteArray() << QByteArray("--no-sandbox");
        QTest::newRow("others kept")
            << QByteArray(" --lang=de  --x ") << QByteArray("--lang=de  --x --no-sandbox");
        QTest::newRow("already there")
            << QByteArray("--no-sandbox=1 --y") << QByteArray("--no-sandbox=1 --y");
    }
    void programFlagsAreAddedToTheUsersOwn() {
        QFETCH(QByteArray, flags);
        QFETCH(QByteArray, result);
        QCOMPARE(ChromiumFlags::withFlags(flags, {"--no-sandbox"}), result);
    }

    // The page follows edits of every size, line breaks included, without a copy of the text on
    // this side; each page is the marked text at the moment it was asked for.
    void pagesFollowTheEditorsText() {
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("<p>one</p>\n<p>two</p>"));
        auto* text = new PreviewText(*editor.document());
        QSignalSpy pages(text, &PreviewText::pageReady);
        const auto pageNow = [&] {
            text->request();
            return pages.wait(5000) ? pages.takeFirst().at(0).toByteArray() : QByteArray("none");
        };
        const auto expected = [&] {
            return PreviewSourceLines::mark(editor.toPlainText()).toUtf8();
        };
        QCOMPARE(pageNow(), expected());
        QTextCursor cursor(editor.document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\n<h1>\u00e9\U0001F600</h1>"));
        cursor.setPosition(3);
        cursor.deleteChar();
        QCOMPARE(pageNow(), expected());
        editor.selectAll();
        editor.insertPlainText(QStringLiteral("<div>\nnew</div>"));
        QCOMPARE(pageNow(), expected());
        // Asked again while one may still be built: the newer text follows.
        text->request();
        cursor.insertText(QStringLiteral("<hr>"));
        text->request();
        QTRY_COMPARE_WITH_TIMEOUT(pages.size(), 2, 5000);
        QCOMPARE(pages.at(1).at(0).toByteArray(), expected());
    }

    void missingModuleSaysWhatIsMissingAndWhere() {
        QTemporaryDir empty;
        LivePreviewLoader loader({empty.path()});
        QVERIFY(!loader.module());
        QVERIFY(loader.message().contains(LivePreviewLoader::moduleFileName()));
        QVERIFY(loader.message().contains(empty.path()));

        QFile broken(empty.filePath(LivePreviewLoader::moduleFileName()));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a library") > 0);
        broken.close();
        LivePreviewLoader second({empty.path()});
        QVERIFY(!second.module());
        QVERIFY(second.message().startsWith(QStringLiteral("The live preview's module could not")));
    }
};

QTEST_MAIN(TestPreviewFeed)
#include "tst_previewfeed.moc"
