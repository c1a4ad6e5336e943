#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "builders/BuilderLauncher.h"
#include "document/DocumentWindow.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kQuickPage = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n\n<html>\n\n<head>\n\n"
    "<title></title>\n\n</head>\n\n<body>\n\n\n\n\n\n\n\n\n\n\n</body>\n\n</html>");

}  // namespace

// Each builder through its real dialog into a real document window of the real frame.
class TestBuilderInsertion : public QObject {
    Q_OBJECT

    QDialog* open(FrameFixture& fx, BuilderKind kind) {
        QDialog* dialog = fx.program().builders().open(kind);
        return dialog;
    }

    template <typename T>
    static T* child(QDialog* dialog, const char* name) {
        T* found = dialog->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no %s in the dialog", name);
        return found;
    }

private slots:
    void builderTypesIntoTheActiveDocument_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("anchor") << int(BuilderKind::Anchor) << "<a href=\"index~1.html\"></a>"
                                << 23;
        QTest::newRow("horizontal rule") << int(BuilderKind::HorizontalRule) << "<hr>" << 4;
        QTest::newRow("image") << int(BuilderKind::Image) << "<img src=\"pic (1).gif\">" << 23;
        QTest::newRow("list") << int(BuilderKind::List) << "<ol start=\"1\"></ol>" << 14;
        QTest::newRow("list item")
            << int(BuilderKind::ListItem) << "<li value=\"1\">Apple\nPear</li>" << 24;
        QTest::newRow("quick page")
            << int(BuilderKind::QuickPage) << kQuickPage << int(kQuickPage.size());
        QTest::newRow("table") << int(BuilderKind::TableStart) << "<table>\n\n</table>" << 8;
        QTest::newRow("table row") << int(BuilderKind::TableRow) << "<tr></tr>" << 4;
        QTest::newRow("table data") << int(BuilderKind::TableData) << "<th nowrap>Name</th>" << 15;
    }

    void builderTypesIntoTheActiveDocument() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, caret);
        FrameFixture fx;
        fx.start();
        QDialog* dialog = open(fx, BuilderKind(kind));
        switch (BuilderKind(kind)) {
            case BuilderKind::Anchor:
                QTest::keyClicks(child<QLineEdit>(dialog, "url_field"), "index~1.html");
                break;
            case BuilderKind::Image:
                QTest::keyClicks(child<QLineEdit>(dialog, "file_field"), "pic (1).gif");
                break;
            case BuilderKind::ListItem:
                child<QPlainTextEdit>(dialog, "text_field")->setPlainText("Apple\nPear");
                break;
            case BuilderKind::TableData:
                child<QRadioButton>(dialog, "header_option")->click();
                child<QCheckBox>(dialog, "nowrap_check")->click();
                QTest::keyClicks(child<QLineEdit>(dialog, "content_field"), "Name");
                break;
            default:
                break;
        }
        // The builder types into whichever document is active when OK is pressed.
        fx.documents().newDocument();
        child<QPushButton>(dialog, "ok_button")->click();
        QCOMPARE(fx.text(), text);
        QCOMPARE(fx.caret(), caret);
        QVERIFY(fx.active()->isChanged());
        QCOMPARE(fx.active()->caption(), QStringLiteral("Untitled:2"));
        QTRY_VERIFY(!fx.program().builders().openBuilder(BuilderKind(kind)));
    }

    void okWithoutADocumentKeepsTheBuilderOpen() {
        FrameFixture fx;
        fx.start();
        QDialog* dialog = open(fx, BuilderKind::Anchor);
        QTest::keyClicks(child<QLineEdit>(dialog, "url_field"), "kept");
        fx.active()->closeDocument();
        child<QPushButton>(dialog, "ok_button")->click();
        QCOMPARE(fx.program().builders().openBuilder(BuilderKind::Anchor), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(child<QLineEdit>(dialog, "url_field")->text(), QStringLiteral("kept"));
        QVERIFY(!fx.frame().statusLine()->message()->text().isEmpty());
        fx.documents().newDocument();
        child<QPushButton>(dialog, "ok_button")->click();
        QCOMPARE(fx.text(), QStringLiteral("<a href=\"kept\"></a>"));
    }
};

QTEST_MAIN(TestBuilderInsertion)
#include "tst_builderinsertion.moc"
