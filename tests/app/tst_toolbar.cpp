#include "support/FrameFixture.h"
#include "support/IconTheme.h"

#include "app/ButtonHelp.h"
#include "app/PictureButton.h"
#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "app/Twips.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>

using Picture = PictureButton::Picture;

namespace {

const char* const kButtonNames[] = {"new_button", "open_button", "save_button",
                                    "cut_button", "copy_button", "paste_button"};

PictureButton* button(MainFrame& frame, const QString& name) {
    return frame.toolbar()->findChild<PictureButton*>(name);
}

// A point on a button given in twips from its top left corner.
QPoint at(int xTwips, int yTwips) {
    return QPoint(Twips::toPixels(xTwips), Twips::toPixels(yTwips));
}

// The pointer passing over a widget with no mouse button held.
void hover(QWidget* widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void selectRange(EditorBox* box, int from, int to) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

QString storedOnDisk(FrameFixture& fx, const QString& key) {
    return QSettings(fx.settingsPath(), QSettings::IniFormat).value(key).toString();
}

void openOptionsMenu(QMenu* menu) {
    menu->popup(QPoint(10, 10));
    menu->hide();
}

}  // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private slots:
    void firstRunHasTheToolbarHiddenWithSixButtonsInARow() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        Toolbar* toolbar = frame.toolbar();
        QCOMPARE(toolbar->objectName(), QStringLiteral("toolbar"));
        QVERIFY(toolbar->isHidden());
        QVERIFY(!frame.action(Command::OptionsToolbar)->isChecked());
        QVERIFY(frame.action(Command::OptionsToolbar)->isEnabled());
        // Nothing is looked up in the icon theme while the toolbar has never been shown.
        QVERIFY(button(frame, "new_button")->icon().isNull());

        frame.action(Command::OptionsToolbar)->trigger();
        QVERIFY(toolbar->height() >= Twips::toPixels(375));
        const int spacing = toolbar->style()->pixelMetric(QStyle::PM_ToolBarItemSpacing);
        PictureButton* previous = nullptr;
        for (const char* name : kButtonNames) {
            PictureButton* b = button(frame, name);
            QVERIFY2(b, name);
            QVERIFY2(!b->icon().isNull(), name);
            QCOMPARE(b->size(), b->sizeHint());
            QVERIFY(toolbar->rect().contains(b->geometry()));
            // File buttons and edit buttons are each a group; an etched line stands between.
            if (previous) {
                const int gap = b->x() - previous->geometry().right() - 1;
                QCOMPARE(gap == spacing, qstrcmp(name, "cut_button") != 0);
            }
            previous = b;
            const QPixmap up = b->pixmap(Picture::Released);
            const QPixmap down = b->pixmap(Picture::Pressed);
            QCOMPARE(up.deviceIndependentSize(), QSizeF(b->size()));
            QCOMPARE(down.devicePixelRatio(), b->devicePixelRatioF());
            QVERIFY2(up.toImage() != down.toImage(), name);
            QCOMPARE(b->picture(), Picture::Released);
        }
        QVERIFY(toolbar->tagBoxes().headingBox()->x() > previous->geometry().right() + spacing);
    }

    void iconsComeFromTheThemeWhereItHasThem() {
        // A theme that draws only the Open button, with a copy of the program's own Save.
        const OneIconTheme theme(QStringLiteral("document-open"),
                                 QStringLiteral(":/toolbar/document-save.svg"));
        QVERIFY(theme.isValid());

        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.showToolbar(true);
        const QIcon open = button(frame, "open_button")->icon();
        const QIcon save = button(frame, "save_button")->icon();
        QCOMPARE(open.name(), QStringLiteral("document-open"));
        QCOMPARE(save.name(), QString());
        QVERIFY(!save.pixmap(24).isNull());
        QCOMPARE(open.pixmap(24).toImage(), save.pixmap(24).toImage());
    }

    void leftPressShowsThePicturesInTheOrderOfItsButton_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pressedDuringCommand");
        QTest::addColumn<bool>("pressedAfterPress");
        QTest::newRow("New holds until the release") << "new_button" << true << true;
        QTest::newRow("Open is released before its dialog") << "open_button" << false << false;
        QTest::newRow("Save is released after saving") << "save_button" << true << false;
        QTest::newRow("Cut is pressed after cutting") << "cut_button" << false << true;
        QTest::newRow("Copy is pressed after copying") << "copy_button" << false << true;
        QTest::newRow("Paste is pressed after pasting") << "paste_button" << false << true;
    }
    void leftPressShowsThePicturesInTheOrderOfItsButton() {
        QFETCH(QString, name);
        QFETCH(bool, pressedDuringCommand);
        QFETCH(bool, pressedAfterPress);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        PictureButton* b = button(frame, name);
        QList<Picture> seen;
        connect(b, &PictureButton::commandRequested, this, [&] { seen << b->picture(); });

        QTest::mousePress(b, Qt::LeftButton);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first() == Picture::Pressed, pressedDuringCommand);
        QCOMPARE(b->picture() == Picture::Pressed, pressedAfterPress);
        QTest::mouseRelease(b, Qt::LeftButton);
        QCOMPARE(b->picture(), Picture::Released);
    }

    void buttonsRunTheirCommands() {
        FrameFixture fx;
        const QString page = fx.writeFile("page.html", "<p>x</p>");
        MainFrame& frame = fx.start(page);

        fx.typeText("ab");
        QTest::mouseClick(button(frame, "save_button"), Qt::LeftButton);
        QFile saved(page);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("ab<p>x</p>"));
        QVERIFY(!fx.active()->isChanged());

        selectRange(fx.editor(), 0, 2);
        QTest::mouseClick(button(frame, "copy_button"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ab"));
        selectRange(fx.editor(), 2, 5);
        QTest::mouseClick(button(frame, "cut_button"), Qt::LeftButton);
        QCOMPARE(fx.text(), QStringLiteral("abx</p>"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<p>"));
        selectRange(fx.editor(), 0, 0);
        QTest::mouseClick(button(frame, "paste_button"), Qt::LeftButton);
        QCOMPARE(fx.text(), QStringLiteral("<p>abx</p>"));

        QTest::mouseClick(button(frame, "new_button"), Qt::LeftButton);
        QCOMPARE(fx.active()->caption(), QStringLiteral("Untitled:2"));

        const QString other = fx.writeFile("other.txt", "other");
        fx.dialogs().answerFile(FileDialogResult{other, 1});
        QTest::mouseClick(button(frame, "open_button"), Qt::LeftButton);
        QCOMPARE(fx.active()->caption(), other);
        QCOMPARE(fx.text(), QStringLiteral("other"));
        QCOMPARE(fx.documents().openWindows().size(), 3);
    }

    void draggingOffAndBackOnSwapsThePicture() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.typeText("cut me");
        selectRange(fx.editor(), 0, 4);
        PictureButton* cut = button(frame, "cut_button");

        QTest::mousePress(cut, Qt::LeftButton, {}, at(150, 150));
        QCOMPARE(fx.text(), QStringLiteral("me"));  // cut on the press
        QCOMPARE(cut->picture(), Picture::Pressed);
        QTest::mouseMove(cut, QPoint(cut->width() + 10, 10));
        QCOMPARE(cut->picture(), Picture::Released);
        QTest::mouseMove(cut, at(150, 150));
        QCOMPARE(cut->picture(), Picture::Pressed);
        QTest::mouseMove(cut, at(150, -150));
        QCOMPARE(cut->picture(), Picture::Released);
        QTest::mouseRelease(cut, Qt::LeftButton, {}, at(150, -150));
        QCOMPARE(cut->picture(), Picture::Released);
        QCOMPARE(fx.text(), QStringLiteral("me"));
    }

    void theLeftEdgeCountsAsOffAndTheTopEdgeAsOn_data() {
        // A point as a fraction of the button's width and height (0 or 1) plus pixels.
        QTest::addColumn<int>("xEdge");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("yEdge");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("left edge") << 0 << 0 << 0 << 10 << false;
        QTest::newRow("left of the button") << 0 << -1 << 0 << 10 << false;
        QTest::newRow("first column") << 0 << 1 << 0 << 10 << true;
        QTest::newRow("top edge") << 0 << 10 << 0 << 0 << true;
        QTest::newRow("above the button") << 0 << 10 << 0 << -1 << false;
        QTest::newRow("right edge") << 1 << 0 << 0 << 10 << true;
        QTest::newRow("right of the button") << 1 << 1 << 0 << 10 << false;
        QTest::newRow("bottom edge") << 0 << 10 << 1 << 0 << true;
        QTest::newRow("below the button") << 0 << 10 << 1 << 1 << false;
    }
    void theLeftEdgeCountsAsOffAndTheTopEdgeAsOn() {
        QFETCH(int, xEdge);
        QFETCH(int, dx);
        QFETCH(int, yEdge);
        QFETCH(int, dy);
        QFETCH(bool, pressed);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        PictureButton* copy = button(frame, "copy_button");
        frame.showToolbar(true);
        const QPoint point(xEdge * copy->width() + dx, yEdge * copy->height() + dy);
        QTest::mousePress(copy, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(copy, point);
        QCOMPARE(copy->picture() == Picture::Pressed, pressed);
        QTest::mouseRelease(copy, Qt::LeftButton, {}, point);
    }

    void onlyTheLeftButtonAloneMovesThePicture_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("pressedOnTheButton");
        QTest::newRow("left") << PictureButton::kLeft << true;
        QTest::newRow("right") << PictureButton::kRight << false;
        QTest::newRow("left and right") << PictureButton::kLeft + PictureButton::kRight << false;
        QTest::newRow("none") << 0 << false;
    }
    void onlyTheLeftButtonAloneMovesThePicture() {
        QFETCH(int, state);
        QFETCH(bool, pressedOnTheButton);
        PictureButton::Logic logic(PictureButton::PressStyle::RunThenPress, QSize(375, 330));
        logic.move(state, QPoint(100, 100));
        QCOMPARE(logic.picture() == Picture::Pressed, pressedOnTheButton);
        logic.show(Picture::Pressed);
        logic.move(state, QPoint(-100, 100));
        QCOMPARE(logic.picture() == Picture::Released, pressedOnTheButton);
    }

    void theHintVanishesWhenTheTimerRunsOutAfterTheLastMove() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QTimer* timer = frame.statusLine()->timer();
        QCOMPARE(timer->interval(), 3000);
        PictureButton* newButton = button(frame, "new_button");
        timer->stop();
        hover(newButton, at(100, 100));
        QVERIFY(timer->isActive());
        QCOMPARE(frame.statusLine()->message()->text(), QStringLiteral(" Create new file."));
        QCOMPARE(newButton->picture(), Picture::Released);
        // Each move starts the count again: after a second move the full interval remains.
        QTest::qWait(300);
        hover(button(frame, "paste_button"), at(120, 100));
        QVERIFY(timer->remainingTime() > 2800);
        QCOMPARE(frame.statusLine()->message()->text(),
                 QStringLiteral(" Paste contents of clipboard."));

        timer->setInterval(30);
        hover(newButton, at(140, 100));
        QTRY_COMPARE(frame.statusLine()->message()->text(), QString());
        QVERIFY(!timer->isActive());
    }

    void eachButtonTellsAssistiveToolsItsNameAndHint_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        const char* const names[] = {"New", "Open", "Save", "Cut", "Copy", "Paste"};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(names[i]) << kButtonNames[i] << names[i];
    }
    void eachButtonTellsAssistiveToolsItsNameAndHint() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        PictureButton* picture = ::button(frame, button);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(spoken);
        QCOMPARE(spoken->text(QAccessible::Name), name);
        // The description and the tooltip are the hint the status line shows.
        hover(picture, at(100, 100));
        const QString hint = frame.statusLine()->message()->text().trimmed();
        QVERIFY(!hint.isEmpty());
        QCOMPARE(spoken->text(QAccessible::Description), hint);
        QCOMPARE(picture->toolTip(), hint);
    }

    void rightClickShowsTheHelpWindowCentredAndRunsNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::newRow("Paste") << "paste_button"
                               << "Paste Button Help"
                               << "Paste button.\n"
                                  "Left click this control to paste the contents of the "
                                  "clipboard\n"
                                  "into the active document.  Data will be pasted at the "
                                  "current\n"
                                  "cursor location.\n";
        QTest::newRow("Save") << "save_button"
                              << "Save File Button Help"
                              << "Save File button.\n"
                                 "Left click this control to save the active document.\n\n\n";
    }
    void rightClickShowsTheHelpWindowCentredAndRunsNothing() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, label);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.typeText("keep");
        selectRange(fx.editor(), 0, 4);
        PictureButton* b = button(frame, name);
        QSignalSpy commands(b, &PictureButton::commandRequested);

        QTest::mouseClick(b, Qt::RightButton);
        ButtonHelp* help = frame.toolbar()->helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        QCOMPARE(help->objectName(), QStringLiteral("button_help"));
        QCOMPARE(help->windowTitle(), title);
        QCOMPARE(help->label()->text(), label);
        const QPoint screenCentre = help->screen()->geometry().center();
        QVERIFY(qAbs(help->frameGeometry().center().x() - screenCentre.x()) <= 1);
        QVERIFY(qAbs(help->frameGeometry().center().y() - screenCentre.y()) <= 1);

        QCOMPARE(commands.count(), 0);
        QCOMPARE(b->picture(), Picture::Released);
        QCOMPARE(fx.text(), QStringLiteral("keep"));
        QCOMPARE(fx.documents().openWindows().size(), 1);
        QVERIFY(fx.dialogs().shown().isEmpty());
    }

    void rightClickLeavesAPressedPictureAlone() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        PictureButton* paste = button(frame, "paste_button");
        QTest::mousePress(paste, Qt::LeftButton);
        QCOMPARE(paste->picture(), Picture::Pressed);
        QTest::mousePress(paste, Qt::RightButton);
        QVERIFY(frame.toolbar()->helpWindow());
        QCOMPARE(paste->picture(), Picture::Pressed);
        QTest::mouseRelease(paste, Qt::RightButton);
        QCOMPARE(paste->picture(), Picture::Pressed);
        QTest::mouseRelease(paste, Qt::LeftButton);
        QCOMPARE(paste->picture(), Picture::Released);
    }

    void theHelpWindowIsOneInstanceClosedByAClick_data() {
        QTest::addColumn<bool>("onTheLabel");
        QTest::newRow("click on the label") << true;
        QTest::newRow("click on the window") << false;
    }
    void theHelpWindowIsOneInstanceClosedByAClick() {
        QFETCH(bool, onTheLabel);
        FrameFixture fx;
        MainFrame& frame = fx.start();
        Toolbar* toolbar = frame.toolbar();
        QTest::mouseClick(button(frame, "paste_button"), Qt::RightButton);
        QPointer<ButtonHelp> first = toolbar->helpWindow();
        QTest::mouseClick(button(frame, "cut_button"), Qt::RightButton);
        // Brought forward, not reloaded; the program-wide texts are Cut's all the same.
        QCOMPARE(toolbar->helpWindow(), first.data());
        QCOMPARE(first->windowTitle(), QStringLiteral("Paste Button Help"));
        QCOMPARE(toolbar->helpTexts(), ButtonHelp::textsFor(ToolbarButton::Cut));
        QCOMPARE(frame.findChildren<ButtonHelp*>().size(), 1);

        if (onTheLabel)
            QTest::mouseClick(first->label(), Qt::LeftButton);
        else
            QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(first.isNull() || first->isHidden());

        // A right-click right after the close makes a fresh window with the new texts.
        QTest::mouseClick(button(frame, "cut_button"), Qt::RightButton);
        ButtonHelp* second = toolbar->helpWindow();
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->windowTitle(), QStringLiteral("Cut Button Help"));
        QTRY_VERIFY(first.isNull());
        QCOMPARE(toolbar->helpWindow(), second);
    }

    void theToolbarChoiceSurvivesARestartBothWays() {
        FrameFixture fx;
        MainFrame* frame = &fx.start();
        fx.active()->action(Command::OptionsToolbar)->trigger();
        QVERIFY(frame->toolbar()->isShown());
        QCOMPARE(fx.prefs().get("Tools", "Checked"), QStringLiteral("True"));

        frame = &fx.restart();
        QCOMPARE(storedOnDisk(fx, "Tools/Checked"), QStringLiteral("True"));
        QVERIFY(frame->toolbar()->isShown());
        QVERIFY(frame->action(Command::OptionsToolbar)->isChecked());
        // The first window is sized after the toolbar took its room.
        QCOMPARE(frame->toolbar()->geometry().bottom() + 1, frame->mdiArea()->geometry().top());
        QCOMPARE(fx.active()->subWindow()->size(), frame->mdiArea()->viewport()->size());

        frame->action(Command::OptionsToolbar)->trigger();
        QVERIFY(!frame->toolbar()->isShown());
        frame = &fx.restart();
        QCOMPARE(storedOnDisk(fx, "Tools/Checked"), QStringLiteral("False"));
        QVERIFY(!frame->toolbar()->isShown());
        QVERIFY(!frame->action(Command::OptionsToolbar)->isChecked());
    }

    void everyWindowsToolbarMarkFollowsTheSwitch() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        DocumentWindow* first = fx.active();
        DocumentWindow* second = fx.documents().newDocument();
        second->action(Command::OptionsToolbar)->trigger();
        QVERIFY(frame.toolbar()->isShown());
        for (QAction* mark :
             {first->action(Command::OptionsToolbar), second->action(Command::OptionsToolbar),
              frame.action(Command::OptionsToolbar)})
            QVERIFY(mark->isChecked());

        first->action(Command::OptionsToolbar)->trigger();
        QVERIFY(!frame.toolbar()->isShown());
        QVERIFY(!second->action(Command::OptionsToolbar)->isChecked());
        QVERIFY(!frame.action(Command::OptionsToolbar)->isChecked());

        // A mark set by hand is put right when its menu opens.
        second->action(Command::OptionsToolbar)->setChecked(true);
        openOptionsMenu(second->menu("options_menu"));
        QVERIFY(!second->action(Command::OptionsToolbar)->isChecked());
    }

    void theSwitchStoresNothingWhilePreferencesAreCleared() {
        FrameFixture fx;
        fx.prefs().save("Tools", "Checked", "True");
        MainFrame& frame = fx.start();
        QVERIFY(frame.toolbar()->isShown());
        fx.dialogs().answerMessage(MessageAnswer::Ok);
        frame.action(Command::OptionsClearPreferences)->trigger();
        QVERIFY(fx.state().preferencesCleared());

        openOptionsMenu(fx.active()->menu("options_menu"));
        fx.active()->action(Command::OptionsToolbar)->trigger();
        QVERIFY(!frame.toolbar()->isShown());
        QVERIFY(!frame.action(Command::OptionsToolbar)->isChecked());
        QCOMPARE(fx.prefs().get("Tools", "Checked"), QString());
        frame.action(Command::OptionsToolbar)->trigger();
        QCOMPARE(fx.prefs().get("Tools", "Checked"), QString());
    }

    void editToolsHideWithTheLastDocumentAndReturnOnNewAndOpen() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        Toolbar* toolbar = frame.toolbar();
        const QString editTools[] = {"save_button", "cut_button", "copy_button", "paste_button"};
        auto toolsShown = [&](bool shown) {
            for (const QString& name : editTools) {
                if (button(frame, name)->isHidden() == shown)
                    return false;
            }
            const TagBoxes& boxes = toolbar->tagBoxes();
            for (QComboBox* box : {boxes.headingBox(), boxes.paragraphBox(), boxes.builderBox()}) {
                if (box->isHidden() == shown)
                    return false;
            }
            return !button(frame, "new_button")->isHidden() &&
                   !button(frame, "open_button")->isHidden();
        };
        QVERIFY(toolsShown(true));
        fx.active()->closeDocument();
        QVERIFY(!fx.state().documents().anyDocumentsLeft());
        QVERIFY(toolsShown(false));

        QTest::mouseClick(button(frame, "new_button"), Qt::LeftButton);
        QVERIFY(toolsShown(true));
        fx.active()->closeDocument();
        QVERIFY(toolsShown(false));

        const QString file = fx.writeFile("a.txt", "a");
        fx.dialogs().answerFile(FileDialogResult{file, 1});
        frame.action(Command::FileOpen)->trigger();
        QCOMPARE(fx.active()->caption(), file);
        QVERIFY(toolsShown(true));
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
