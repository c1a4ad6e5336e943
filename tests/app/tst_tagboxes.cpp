#include "support/FrameFixture.h"

#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "app/Twips.h"
#include "builders/BuilderLauncher.h"
#include "commands/CommandTable.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace {

TagBoxes& boxes(MainFrame& frame) {
    return frame.toolbar()->tagBoxes();
}

QStringList items(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// Picks an item as a user does: opens the list and clicks the item in it.
void pick(QComboBox* box, int row) {
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QRect item = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

// What the box shows: its prompt while no item is current.
QString shownText(QComboBox* box) {
    return box->currentIndex() == -1 ? box->placeholderText() : box->currentText();
}

void placeCaret(EditorBox* box, int position) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(position);
    box->setTextCursor(cursor);
}

QList<QDialog*> openDialogs(MainFrame& frame, const QString& name) {
    QList<QDialog*> shown;
    for (QDialog* dialog : frame.findChildren<QDialog*>(name)) {
        if (dialog->isVisible())
            shown << dialog;
    }
    return shown;
}

}  // namespace

class TestTagBoxes : public QObject {
    Q_OBJECT
private slots:
    void theBoxesStartWithTheirPromptsAndItems() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        TagBoxes& tags = boxes(frame);
        QCOMPARE(tags.headingBox()->objectName(), QStringLiteral("heading_box"));
        QCOMPARE(shownText(tags.headingBox()), QStringLiteral("Heading tags"));
        QCOMPARE(shownText(tags.paragraphBox()), QStringLiteral("Paragraph tags"));
        QCOMPARE(shownText(tags.builderBox()), QStringLiteral("Tag Builders"));
        QCOMPARE(items(tags.headingBox()), QStringList({"Heading 1", "Heading 2", "Heading 3",
                                                        "Heading 4", "Heading 5", "Heading 6"}));
        QCOMPARE(items(tags.paragraphBox()), QStringList({"<p> no align", "<p align=left>",
                                                          "<p align=center", "<p align=right"}));
        QCOMPARE(items(tags.builderBox()),
                 QStringList({"Anchor", "Horizontal Rule", "Image Tag", "List", "List Item",
                              "Quick Page", "Table Start", "Table Row", "Table Data"}));
        // Filled once at start-up: a second fill leaves the same lists.
        tags.fill();
        QCOMPARE(tags.headingBox()->count(), 6);
        QVERIFY(tags.builderBox()->geometry().bottom() < frame.toolbar()->height());
    }

    void theBoxesReadInTheMenusFontWithRoomForTheirPrompts() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.showToolbar(true);
        TagBoxes& tags = boxes(frame);
        const int spacing = frame.toolbar()->style()->pixelMetric(QStyle::PM_ToolBarItemSpacing);
        QComboBox* previous = nullptr;
        for (QComboBox* box : {tags.headingBox(), tags.paragraphBox(), tags.builderBox()}) {
            QCOMPARE(box->font(), QApplication::font("QMenu"));
            QStyleOptionComboBox option;
            option.initFrom(box);
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, box);
            for (const QString& prompt : {box->placeholderText(), box->itemText(box->count() - 1)})
                QVERIFY2(box->fontMetrics().horizontalAdvance(prompt) <= field.width(),
                         qPrintable(prompt));
            if (previous)
                QCOMPARE(box->x(), previous->geometry().right() + 1 + spacing);
            previous = box;
        }
        // After a pick the prompt reads "Tags": it fits as well.
        pick(tags.paragraphBox(), 0);
        QStyleOptionComboBox option;
        option.initFrom(tags.paragraphBox());
        QVERIFY(tags.paragraphBox()->fontMetrics().horizontalAdvance(
                    QStringLiteral("Paragraph Tags")) <=
                tags.paragraphBox()
                    ->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                     tags.paragraphBox())
                    .width());
    }

    void eachBoxIsNamedAndReachedWithoutTheMouse() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.showToolbar(true);
        const QList<QComboBox*> all{boxes(frame).headingBox(), boxes(frame).paragraphBox(),
                                    boxes(frame).builderBox()};
        QSet<QString> said;
        for (QComboBox* box : all)
            said << box->accessibleName() << box->toolTip();
        said.remove(QString());
        QCOMPARE(said.size(), 6);
        for (int id = 0; id < kCommandCount; ++id) {  // the key is no command's
            const char* keys = commandRow(Command(id)).shortcuts;
            QVERIFY2(!QKeySequence::listFromString(keys).contains(TagBoxes::focusKey()), keys);
        }
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        fx.editor()->setFocus();
        QTest::keySequence(fx.editor(), TagBoxes::focusKey());
        for (QComboBox* box : all) {
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClick(box, Qt::Key_Tab);
        }
    }

    void pickingATagTypesItAtTheCaret_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("Heading 3") << 0 << 2 << "ab<h3></h3>cd" << 6 << "Heading Tags";
        QTest::newRow("Heading 6") << 0 << 5 << "ab<h6></h6>cd" << 6 << "Heading Tags";
        QTest::newRow("no align") << 1 << 0 << "ab<p></p>cd" << 5 << "Paragraph Tags";
        QTest::newRow("center, closed although the item is not")
            << 1 << 2 << "ab<p align=center></p>cd" << 18 << "Paragraph Tags";
        QTest::newRow("right") << 1 << 3 << "ab<p align=right></p>cd" << 17 << "Paragraph Tags";
    }
    void pickingATagTypesItAtTheCaret() {
        QFETCH(int, box);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, prompt);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        fx.typeText("abcd");
        placeCaret(fx.editor(), 2);
        QComboBox* combo = box == 0 ? boxes(frame).headingBox() : boxes(frame).paragraphBox();
        combo->setFocus();

        pick(combo, row);
        QCOMPARE(fx.text(), text);
        QCOMPARE(fx.caret(), caret);
        QCOMPARE(shownText(combo), prompt);
        QTRY_VERIFY(fx.editor()->hasFocus());
        // One pick is one undo step.
        fx.editor()->undo();
        QCOMPARE(fx.text(), QStringLiteral("abcd"));
    }

    void theSameHeadingPickedTwiceInsertsTwice() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QComboBox* headings = boxes(frame).headingBox();
        pick(headings, 1);
        pick(headings, 1);
        QCOMPARE(fx.text(), QStringLiteral("<h2><h2></h2></h2>"));
        QCOMPARE(fx.caret(), 8);
        QCOMPARE(shownText(headings), QStringLiteral("Heading Tags"));
    }

    void theBuilderBoxOpensOneBuilderOfEachKind() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.typeText("x");
        QComboBox* builders = boxes(frame).builderBox();

        pick(builders, 0);
        QCOMPARE(openDialogs(frame, "anchor_builder").size(), 1);
        QDialog* anchor = openDialogs(frame, "anchor_builder").first();
        QVERIFY(!anchor->isModal());
        QCOMPARE(shownText(builders), QStringLiteral("Tag Builders"));
        QCOMPARE(fx.text(), QStringLiteral("x"));

        pick(builders, 8);
        QCOMPARE(openDialogs(frame, "table_data_builder").size(), 1);
        pick(builders, 0);
        QCOMPARE(openDialogs(frame, "anchor_builder"), QList<QDialog*>{anchor});
        QCOMPARE(frame.findChildren<QDialog*>("anchor_builder").size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), anchor);
        QCOMPARE(openDialogs(frame, "table_data_builder").size(), 1);
        QCOMPARE(fx.program().builders().openBuilder(BuilderKind::Anchor), anchor);

        // Closed, it makes room for a fresh one even before it is deleted.
        QPointer<QDialog> closed = anchor;
        anchor->reject();
        QVERIFY(!fx.program().builders().openBuilder(BuilderKind::Anchor));
        pick(builders, 0);
        QDialog* fresh = fx.program().builders().openBuilder(BuilderKind::Anchor);
        QVERIFY(fresh && fresh != closed.data() && fresh->isVisible());
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(openDialogs(frame, "anchor_builder"), QList<QDialog*>{fresh});
    }

    void theBuilderBoxPositionsOpenTheirBuilders_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("dialog");
        const char* names[] = {"anchor_builder", "horizontal_rule_builder", "image_builder",
                               "list_builder",   "list_item_builder",       "quick_page_builder",
                               "table_builder",  "table_row_builder",       "table_data_builder"};
        for (int row = 0; row < 9; ++row)
            QTest::addRow("%s", names[row]) << row << QString::fromLatin1(names[row]);
    }
    void theBuilderBoxPositionsOpenTheirBuilders() {
        QFETCH(int, row);
        QFETCH(QString, dialog);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        pick(boxes(frame).builderBox(), row);
        QCOMPARE(openDialogs(frame, dialog).size(), 1);
        QCOMPARE(frame.findChildren<QDialog*>(QRegularExpression("_builder$")).size(), 1);
    }

    void theQuickPageEntryOpensTheQuickPageBuilder() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QAction* entry = fx.active()->action(Command::InsertQuickPage);
        QVERIFY(entry->isEnabled());
        entry->trigger();
        QCOMPARE(openDialogs(frame, "quick_page_builder").size(), 1);
        QDialog* quickPage = openDialogs(frame, "quick_page_builder").first();
        QCOMPARE(quickPage->windowTitle(), QStringLiteral("HTML Page Template"));
        entry->trigger();
        pick(boxes(frame).builderBox(), 5);
        QCOMPARE(openDialogs(frame, "quick_page_builder"), QList<QDialog*>{quickPage});
    }
};

QTEST_MAIN(TestTagBoxes)
#include "tst_tagboxes.moc"
