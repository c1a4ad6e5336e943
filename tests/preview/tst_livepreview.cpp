// The live preview with its real module and browser engine, on an X server: an editor and the
// pane side by side, as the frame shows them. The engine starts late, as in the program.
#include "editor/EditorBox.h"
#include "support/probe/PagePeek.h"
#include "tools/LivePreview.h"
#include "tools/LivePreviewLoader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <memory>

namespace {

LivePreviewLoader& loader() {
    static LivePreviewLoader loader({QStringLiteral(PAGELARK_PREVIEW_MODULE_FOLDER)});
    return loader;
}

PagePeek* peek() {
    static QPluginLoader plugin(QStringLiteral(PAGELARK_PAGE_PEEK));
    return qobject_cast<PagePeek*>(plugin.instance());
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return file.fileName();
}

// An editor and the pane in one window; the links the pane hands out are recorded.
struct Preview {
    QWidget window;
    EditorBox* editor = new EditorBox;
    LivePreview preview{*loader().module()};
    QList<QUrl> opened;
    int shown = 0;

    Preview() {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(editor, 1);
        layout->addWidget(preview.pane(), 1);
        preview.setUrlOpener([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
        preview.view().setShownListener([this] { ++shown; });
        window.resize(1000, 600);
        window.show();
    }
    // Follows `document` and waits for its first page.
    bool open(QPlainTextEdit* document, const QString& path = QString()) {
        const int before = shown;
        preview.setDocument(document, path);
        return QTest::qWaitFor([&] { return shown > before; }, 60000);
    }
    QVariant evaluate(const QString& script, int timeoutMs = 5000) {
        auto result = std::make_shared<std::optional<QVariant>>();
        peek()->evaluate(preview.pane(), script, [result](const QVariant& v) { *result = v; });
        if (!QTest::qWaitFor([&] { return result->has_value(); }, timeoutMs))
            return QVariant();
        return result->value_or(QVariant());
    }
    bool waitFor(const QString& script, const QVariant& expected, int timeoutMs) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            // A hung renderer never answers: ask again rather than wait for it.
            const QVariant last =
                evaluate(script, std::min(2000, timeoutMs - int(clock.elapsed())));
            if (last == expected)
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    void click(const QString& id) {
        const QVariantList box =
            evaluate(QStringLiteral("(function (r) { return [r.x + r.width / 2, r.y + r.height / "
                                    "2]; })(document.getElementById('%1').getBoundingClientRect())")
                         .arg(id))
                .toList();
        QWidget* view = preview.pane()->findChild<QWidget*>(QStringLiteral("live_preview_view"));
        QVERIFY(box.size() == 2 && view && view->focusProxy());
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {},
                          QPoint(box[0].toInt(), box[1].toInt()));
    }
};

const QString kHeading =
    QStringLiteral("(document.querySelector('h1') || {textContent: ''}).textContent");

}  // namespace

class TestLivePreview : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(loader().module(), qPrintable(loader().message()));
        QVERIFY(peek());
        // The engine starts with the first pane (once per run, as the user opens the pane).
        Preview first;
        QVERIFY(first.open(first.editor));
    }

    // The untitled page says it has no folder; typing keeps the keyboard in the editor.
    void typedHeadingShowsWithinTwoSeconds() {
        Preview p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QVERIFY(p.open(p.editor));
        p.editor->setFocus();
        QTest::keyClicks(p.editor, QStringLiteral("<h1>Hello</h1>"));
        QVERIFY(p.waitFor(kHeading, QStringLiteral("Hello"), 2000));
        QCOMPARE(QApplication::focusWidget(), p.editor);
        QVERIFY(
            p.preview.pane()->findChild<QLabel*>(QStringLiteral("live_preview_note"))->isVisible());
    }

    void relativeStylesheetAndImageComeFromTheDocumentsFolder() {
        QTemporaryDir dir;
        QImage(4, 3, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("pic.png")));
        writeFile(dir, QStringLiteral("style.css"), "h1 { color: rgb(1, 2, 3) }");
        const QString path = writeFile(dir, QStringLiteral("page.html"), "<p>as saved</p>");
        Preview p;
        p.editor->setPlainText(QStringLiteral(
            "<link rel=stylesheet href=style.css><h1>Styled</h1><img id=pic src=pic.png>"));
        QVERIFY(p.open(p.editor, path));
        QVERIFY(p.waitFor(QStringLiteral("getComputedStyle(document.querySelector('h1')).color + "
                                         "' ' + document.getElementById('pic').naturalWidth"),
                          QStringLiteral("rgb(1, 2, 3) 4"), 5000));
        QVERIFY(
            p.preview.pane()->findChild<QLabel*>(QStringLiteral("live_preview_note"))->isHidden());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == "<p>as saved</p>");
    }

    void updateKeepsTheScrollAndTheCaretBringsItsElementIntoView() {
        Preview p;
        QStringList lines;
        for (int line = 1; line <= 300; ++line)
            lines << QStringLiteral("<p>Paragraph %1</p>").arg(line);
        p.editor->setPlainText(lines.join(QLatin1Char('\n')));
        QVERIFY(p.open(p.editor));
        p.evaluate(QStringLiteral("window.scrollTo(0, 3000)"));
        QVERIFY(p.waitFor(QStringLiteral("window.scrollY"), 3000, 2000));
        QTest::keyClick(p.editor, Qt::Key_X);
        // The place may move by what the edit added above it, not back to the top.
        QVERIFY(p.waitFor(QStringLiteral("document.body.firstChild.textContent + "
                                         "(Math.abs(scrollY - 3000) < 100)"),
                          QStringLiteral("xtrue"), 3000));

        p.editor->setTextCursor(QTextCursor(p.editor->document()->findBlockByNumber(249)));
        QVERIFY(p.waitFor(QStringLiteral("(function (r) { return r.top >= 0 && r.bottom <= "
                                         "innerHeight; })(document.querySelector('[data-pagelark-"
                                         "line=\"250\"]').getBoundingClientRect())"),
                          true, 3000));
    }

    // Outside links go to the desktop, a link for a new window too (the window is refused); an
    // in-page link stays in the pane, as does the page.
    void clickedLinksOpenOutsideAndThePaneStays() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("site.html"), "");
        Preview p;
        p.editor->setPlainText(QStringLiteral(
            "<p><a id=out href='https://example.org/page'>out</a></p>"
            "<p><a id=near href='other.html#top'>near</a></p><p><a id=in href='#x'>in</a></p>"
            "<p><a id=new target=_blank href='https://example.org/new'>new</a></p>"));
        QVERIFY(p.open(p.editor, path));
        p.click(QStringLiteral("out"));
        p.click(QStringLiteral("near"));
        p.click(QStringLiteral("in"));
        p.click(QStringLiteral("new"));
        QUrl near = QUrl::fromLocalFile(dir.filePath(QStringLiteral("other.html")));
        near.setFragment(QStringLiteral("top"));
        QTRY_COMPARE(p.opened, QList<QUrl>({QUrl(QStringLiteral("https://example.org/page")), near,
                                            QUrl(QStringLiteral("https://example.org/new"))}));
        QVERIFY(p.waitFor(QStringLiteral("location.protocol + location.hash + "
                                         "document.links.length"),
                          QStringLiteral("pagelark-preview:#x4"), 3000));
    }

    void pageOfThreeMegabytesRenders() {
        QString text;
        for (int row = 0; text.size() < 3000000; ++row)
            text +=
                QStringLiteral("<p>Row %1 of a long page, with some words in it.</p>\n").arg(row);
        Preview p;
        p.editor->setPlainText(text + QStringLiteral("<h1>End</h1>"));
        QVERIFY(p.open(p.editor));
        QVERIFY(p.waitFor(kHeading, QStringLiteral("End"), 60000));
    }

    void switchingDocumentsSwitchesThePane() {
        Preview p;
        EditorBox second;
        p.editor->setPlainText(QStringLiteral("<h1>First</h1>"));
        second.setPlainText(QStringLiteral("<h1>Second</h1>"));
        const std::pair<QPlainTextEdit*, QString> steps[] = {{p.editor, QStringLiteral("First")},
                                                             {&second, QStringLiteral("Second")},
                                                             {p.editor, QStringLiteral("First")}};
        for (const auto& [editor, heading] : steps) {
            p.preview.setDocument(editor, QString());
            QVERIFY(p.waitFor(kHeading, heading, 5000));
        }
    }

    // The renderer is another process: the editor goes on (were anything to wait for the hung
    // page, events would wait the whole time it is watched; a loaded machine only delays them a
    // little), and a later text is shown.
    void scriptThatNeverEndsStallsNeitherTheEditorNorLaterPages() {
        Preview p;
        p.editor->setPlainText(QStringLiteral("<p>hangs</p><script>for (;;) {}</script>"));
        p.preview.setDocument(p.editor, QString());
        QElapsedTimer sinceTick;
        qint64 longestWait = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout,
                [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
        sinceTick.start();
        tick.start(10);
        QTest::qWait(3000);
        QVERIFY2(longestWait < 1500, qPrintable(QString::number(longestWait)));
        p.editor->setPlainText(QStringLiteral("<h1>Fixed</h1>"));
        QVERIFY(p.waitFor(kHeading, QStringLiteral("Fixed"), 20000));
    }
};

QTEST_MAIN(TestLivePreview)
#include "tst_livepreview.moc"
