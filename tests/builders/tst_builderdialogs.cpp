#include "builders/BuilderRegistry.h"
#include "document/DialogService.h"
#include "tags/InsertionTarget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(BuilderKind)

namespace {

// Records what the builders type and note, with or without an open document.
class FakeTarget : public InsertionTarget {
public:
    bool hasActiveDocument() const override { return documentOpen; }
    void typeKeystrokeScript(const QString& script) override { scripts << script; }
    void showStatusNote(const QString& note) override { notes << note; }

    bool documentOpen = true;
    QStringList scripts;
    QStringList notes;
};

// Answers colour and open dialogs from lists (an invalid colour or an empty path is a cancel) and
// records what each was shown with.
class ScriptedDialogs : public DialogService {
public:
    MessageAnswer showMessage(QWidget*, const MessageRequest&) override {
        return MessageAnswer::Ok;
    }
    std::optional<FileDialogResult> showOpen(QWidget*, const FileDialogRequest& request) override {
        openRequests.push_back(request);
        const QString path = openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        if (path.isEmpty())
            return std::nullopt;
        return FileDialogResult{path, request.filterIndex};
    }
    std::optional<FileDialogResult> showSave(QWidget*, const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QColor> showColor(QWidget*, const QColor& initial) override {
        colorRequests.push_back(initial);
        const QColor answer = colorAnswers.isEmpty() ? QColor() : colorAnswers.takeFirst();
        if (!answer.isValid())
            return std::nullopt;
        return answer;
    }
    std::optional<FontChoice> showFont(QWidget*, const FontChoice&) override {
        return std::nullopt;
    }
    RecoveryAnswer showRecovery(QWidget*, const RecoveryRequest&) override {
        return RecoveryAnswer::Later;
    }

    QList<QColor> colorAnswers;
    QStringList openAnswers;
    QList<QColor> colorRequests;
    QList<FileDialogRequest> openRequests;
};

const QColor kGrey(0xC0, 0xC0, 0xC0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

}  // namespace

class BuilderDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namesCaptionsAndButtons_data();
    void namesCaptionsAndButtons();
    void centredOnTheScreenWhenShown();
    void okWithoutDocumentKeepsTheDialog();
    void escapeTypesNothingAndDiscards();
    void anchorLabelFollowsTheKind();
    void anchorEnterActsAsOk();
    void horizontalRuleThroughTheWidgets();
    void horizontalRuleTypedAlignGivesNothing();
    void horizontalRuleUnitButtonsConvert();
    void listBuilderKindsGreyTheirBoxes();
    void listBuilderOkThroughTheWidgets();
    void listItemBuilderKinds();
    void listItemBuilderOkThroughTheWidgets();
    void tableInitialStateAndOk();
    void tableWidthConvertsBetweenUnits();
    void tableRowReadsTheListTexts();
    void tableDataThroughTheWidgets();
    void imageThroughTheWidgets();
    void quickPagePalettePicksColours();
    void quickPageBrowsePicksTheBareName();
    void quickPageOkSendsTheSkeleton();

private:
    QDialog* open(BuilderKind kind);
    template <typename T>
    T* child(const char* name) const;
    void pressOk(const char* name = "Command1");

    FakeTarget m_target;
    ScriptedDialogs m_dialogs;
    QPointer<QDialog> m_dialog;
};

QDialog* BuilderDialogsTest::open(BuilderKind kind) {
    m_dialog = createBuilder(kind, m_target, m_dialogs, nullptr);
    return m_dialog;
}

template <typename T>
T* BuilderDialogsTest::child(const char* name) const {
    T* found = m_dialog ? m_dialog->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

void BuilderDialogsTest::pressOk(const char* name) {
    QPushButton* ok = child<QPushButton>(name);
    QVERIFY(ok);
    ok->click();
}

void BuilderDialogsTest::init() {
    m_target = FakeTarget();
    m_dialogs = ScriptedDialogs();
}

void BuilderDialogsTest::cleanup() {
    delete m_dialog;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BuilderDialogsTest::namesCaptionsAndButtons_data() {
    QTest::addColumn<BuilderKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");

    QTest::newRow("anchor") << BuilderKind::Anchor << "Form1"
                            << "Anchor"
                            << QStringList{"Label1", "Text1", "Option1", "Option2", "Option3"}
                            << "Command1"
                            << "Command2";
    QTest::newRow("horizontal rule")
        << BuilderKind::HorizontalRule << "Form9"
        << "Horizontal Rule" << QStringList{"Combo1",  "Check1", "Text1",    "VScroll1", "Option1",
                                            "Option2", "Text4",  "VScroll4", "Option3",  "Option4"}
        << "Command1"
        << "Command2";
    QTest::newRow("table") << BuilderKind::TableStart << "Form2"
                           << "Table"
                           << QStringList{"Text1",    "VScroll1", "Text2",   "VScroll2", "Text3",
                                          "VScroll3", "Text5",    "Combo1",  "Combo2",   "Frame1",
                                          "Text4",    "VScroll4", "Option1", "Option2"}
                           << "Command1"
                           << "Command2";
    QTest::newRow("table row") << BuilderKind::TableRow << "Form5"
                               << "Table Row" << QStringList{"Combo1", "Combo2"} << "Command1"
                               << "Command2";
    QTest::newRow("table data") << BuilderKind::TableData << "Form3"
                                << "Table data"
                                << QStringList{"Option1", "Option2",  "Text1",  "VScroll1",
                                               "Text2",   "VScroll2", "Combo1", "Combo2",
                                               "Text3",   "VScroll3", "Text4",  "VScroll4",
                                               "Check1",  "Text5"}
                                << "Command1"
                                << "Command2";
    QTest::newRow("list") << BuilderKind::List << "Form7"
                          << "List Builder"
                          << QStringList{"Option1", "Option2", "Option3", "Combo1",
                                         "Text1",   "Combo2",  "Check1"}
                          << "Command1"
                          << "Command2";
    QTest::newRow("list item") << BuilderKind::ListItem << "Form8"
                               << "List Item Builder"
                               << QStringList{"Option1", "Option2", "Option3", "Option4",
                                              "Combo1",  "Text1",   "Combo2",  "Text2"}
                               << "Command1"
                               << "Command2";
    QTest::newRow("image") << BuilderKind::Image << "Form14"
                           << "Images" << QStringList{"Text8",    "Text1", "Combo1",   "Text3",
                                                      "VScroll3", "Text4", "VScroll4", "Text6",
                                                      "VScroll5", "Text5", "VScroll1", "Text2",
                                                      "VScroll2", "Check1"}
                           << "Command1"
                           << "Command2";
    QTest::newRow("quick page") << BuilderKind::QuickPage << "Form4"
                                << "HTML Page Template"
                                << QStringList{"Text1",    "Text2",    "Text3",    "Text4",
                                               "Text5",    "Text6",    "Text7",    "Text8",
                                               "Text9",    "Command1", "Command2", "Command3",
                                               "Command4", "Command5", "Command6"}
                                << "Command8"
                                << "Command7";
}

void BuilderDialogsTest::namesCaptionsAndButtons() {
    QFETCH(BuilderKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QStringList, controls);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);

    QDialog* dialog = open(kind);
    QCOMPARE(dialog->objectName(), name);
    QCOMPARE(dialog->windowTitle(), caption);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    for (const QString& control : controls)
        QVERIFY2(dialog->findChild<QWidget*>(control), qPrintable(control));

    auto* okButton = dialog->findChild<QPushButton*>(ok);
    auto* cancelButton = dialog->findChild<QPushButton*>(cancel);
    QVERIFY(okButton && cancelButton);
    QCOMPARE(okButton->text(), QStringLiteral("OK"));
    QVERIFY(okButton->isDefault());
    QCOMPARE(cancelButton->text(), QStringLiteral("Cancel"));

    // Every numeric field starts empty with its bar's thumb at the bottom end.
    for (QScrollBar* bar :
         dialog->findChildren<QScrollBar*>(QRegularExpression(QStringLiteral("^VScroll\\d$")))) {
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->value(), bar->maximum());
    }
    // Every label that introduces a box has it as its buddy.
    for (QLabel* label : dialog->findChildren<QLabel*>())
        QVERIFY2(label->buddy(), qPrintable(label->text()));
}

void BuilderDialogsTest::centredOnTheScreenWhenShown() {
    QDialog* dialog = open(BuilderKind::Anchor);
    dialog->show();
    const QRect screen = dialog->screen()->geometry();
    QVERIFY(qAbs(dialog->x() - (screen.width() - dialog->width()) / 2) <= 1);
    QVERIFY(qAbs(dialog->y() - (screen.height() - dialog->height()) / 2) <= 1);
}

void BuilderDialogsTest::okWithoutDocumentKeepsTheDialog() {
    open(BuilderKind::Anchor)->show();
    child<QLineEdit>("Text1")->setText(QStringLiteral("index.html"));
    m_target.documentOpen = false;
    pressOk();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_target.scripts, QStringList());
    QCOMPARE(m_target.notes.size(), 1);
    QVERIFY(m_target.notes.first().startsWith(u' '));
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("index.html"));

    m_target.documentOpen = true;
    pressOk();
    QCOMPARE(m_target.scripts, QStringList{"<a href=+'index.html+'></a>{left 4}"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
}

void BuilderDialogsTest::escapeTypesNothingAndDiscards() {
    open(BuilderKind::TableStart)->show();
    child<QLineEdit>("Text5")->setText(QStringLiteral("Prices"));
    QTest::keyClick(m_dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
    QCOMPARE(m_target.scripts, QStringList());

    open(BuilderKind::TableRow)->show();
    child<QPushButton>("Command2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_dialog);
    QCOMPARE(m_target.scripts, QStringList());
}

void BuilderDialogsTest::anchorLabelFollowsTheKind() {
    open(BuilderKind::Anchor);
    auto* label = child<QLabel>("Label1");
    auto* text = child<QLineEdit>("Text1");
    QCOMPARE(label->text(), QStringLiteral("Href="));
    QCOMPARE(label->buddy(), text);
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QCOMPARE(child<QRadioButton>("Option1")->text(), QStringLiteral("&Href="));
    QCOMPARE(child<QRadioButton>("Option2")->text(), QStringLiteral("&Name="));
    QCOMPARE(child<QRadioButton>("Option3")->text(), QStringLiteral("&Mailto:"));
    QCOMPARE(text->text(), QString());

    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    QCOMPARE(QApplication::focusWidget(), text);
    QTest::mouseClick(child<QRadioButton>("Option3"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Href=Mailto:"));
    QCOMPARE(QApplication::focusWidget(), child<QRadioButton>("Option3"));
    QTest::mouseClick(child<QRadioButton>("Option2"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Name="));
    QCOMPARE(QApplication::focusWidget(), text);
    QTest::mouseClick(child<QRadioButton>("Option3"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Href="));
    QCOMPARE(QApplication::focusWidget(), text);
}

void BuilderDialogsTest::anchorEnterActsAsOk() {
    open(BuilderKind::Anchor)->show();
    child<QRadioButton>("Option3")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>("Text1"), QStringLiteral("webmaster"));
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Return);
    QCOMPARE(m_target.scripts, QStringList{"<a href=+'Mailto:webmaster+'></a>{left 4}"});
}

void BuilderDialogsTest::horizontalRuleThroughTheWidgets() {
    open(BuilderKind::HorizontalRule);
    auto* align = child<QComboBox>("Combo1");
    QCOMPARE(align->currentText(), QString());
    QCOMPARE(align->count(), 4);
    QCOMPARE(align->itemText(2), QStringLiteral("center"));
    QVERIFY(align->isEditable());
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QVERIFY(child<QRadioButton>("Option3")->isChecked());
    QCOMPARE(child<QRadioButton>("Option2")->text(), QStringLiteral("Pi&xels"));
    QCOMPARE(child<QRadioButton>("Option4")->text(), QStringLiteral("Pixe&ls"));

    align->setCurrentIndex(2);
    child<QCheckBox>("Check1")->setChecked(true);
    child<QRadioButton>("Option2")->setChecked(true);
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("0"));
    child<QLineEdit>("Text1")->setText(QStringLiteral("5"));
    QTest::keyClicks(child<QLineEdit>("Text4"), QStringLiteral("50"));
    QCOMPARE(child<QScrollBar>("VScroll4")->value(), 100);  // typing leaves the bar
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<hr", " align=+'center+'", " noshade", " size=+'5+'",
                                            " width=+'50{%}+'", ">"}));
}

void BuilderDialogsTest::horizontalRuleTypedAlignGivesNothing() {
    open(BuilderKind::HorizontalRule);
    auto* align = child<QComboBox>("Combo1");
    align->setCurrentIndex(1);
    // The user then types over the picked item: a typed word is not a choice, even "center".
    align->lineEdit()->selectAll();
    QTest::keyClicks(align->lineEdit(), QStringLiteral("center"));
    QCOMPARE(align->currentText(), QStringLiteral("center"));
    // Leaving the box makes Qt look the typed text up among the items; that is no choice either.
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(align, &leave);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<hr", ">"}));
}

void BuilderDialogsTest::horizontalRuleUnitButtonsConvert() {
    open(BuilderKind::HorizontalRule);
    QTest::keyClicks(child<QLineEdit>("Text4"), QStringLiteral("33"));
    child<QRadioButton>("Option4")->setChecked(true);
    QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("211.2"));
    QCOMPARE(child<QScrollBar>("VScroll4")->maximum(), 10000);
    QCOMPARE(child<QLineEdit>("Text1")->text(), QString());  // the other field is untouched
    child<QRadioButton>("Option3")->setChecked(true);
    QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("33"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<hr", " width=+'33{%}+'", ">"}));
}

void BuilderDialogsTest::listBuilderKindsGreyTheirBoxes() {
    open(BuilderKind::List);
    auto* numbering = child<QComboBox>("Combo1");
    auto* start = child<QLineEdit>("Text1");
    auto* bullet = child<QComboBox>("Combo2");
    auto* compact = child<QCheckBox>("Check1");
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QCOMPARE(start->text(), QStringLiteral("1"));
    QCOMPARE(numbering->itemText(0), QStringLiteral("None"));
    QCOMPARE(numbering->itemText(4), QStringLiteral("i - Lower case Roman Numerals  i,ii,iii,..."));
    QCOMPARE(bullet->itemText(0), QStringLiteral("disc"));
    QVERIFY(numbering->isEnabled() && start->isEnabled() && compact->isEnabled());
    QCOMPARE(numbering->palette().color(QPalette::Base), kWhite);
    QVERIFY(!bullet->isEnabled());
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);

    numbering->setCurrentIndex(2);
    child<QRadioButton>("Option2")->setChecked(true);
    QCOMPARE(numbering->currentText(), QString());
    QVERIFY(!numbering->isEnabled());
    QCOMPARE(numbering->palette().color(QPalette::Base), kGrey);
    QCOMPARE(start->text(), QString());
    QCOMPARE(start->palette().color(QPalette::Base), kGrey);
    QVERIFY(bullet->isEnabled());
    QCOMPARE(bullet->palette().color(QPalette::Base), kWhite);

    bullet->setCurrentIndex(1);
    compact->setChecked(true);
    child<QRadioButton>("Option3")->setChecked(true);
    QVERIFY(!compact->isChecked() && !compact->isEnabled());
    QCOMPARE(bullet->currentText(), QString());
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);

    child<QRadioButton>("Option1")->setChecked(true);
    QCOMPARE(start->text(), QString());  // not refilled
    QVERIFY(start->isEnabled() && compact->isEnabled());
    QCOMPARE(start->palette().color(QPalette::Base), kWhite);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<ol", "></ol>{left 5}"}));
}

void BuilderDialogsTest::listBuilderOkThroughTheWidgets() {
    open(BuilderKind::List);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<ol", " start=+'1+'", "></ol>{left 5}"}));

    m_target.scripts.clear();
    open(BuilderKind::List);
    child<QRadioButton>("Option2")->setChecked(true);
    child<QComboBox>("Combo2")->setCurrentIndex(1);
    child<QCheckBox>("Check1")->setChecked(true);
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<ul", " type=square", " compact", "></ul>{left 5}"}));
}

void BuilderDialogsTest::listItemBuilderKinds() {
    open(BuilderKind::ListItem);
    auto* numbering = child<QComboBox>("Combo1");
    auto* value = child<QLineEdit>("Text1");
    auto* bullet = child<QComboBox>("Combo2");
    auto* text = child<QPlainTextEdit>("Text2");
    QCOMPARE(numbering->itemText(0), QStringLiteral("none"));
    QCOMPARE(bullet->itemText(0), QStringLiteral("none"));
    QCOMPARE(bullet->itemText(3), QStringLiteral("circle"));
    QCOMPARE(value->text(), QStringLiteral("1"));
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);
    QCOMPARE(text->palette().color(QPalette::Base), kWhite);

    child<QRadioButton>("Option2")->setChecked(true);
    QVERIFY(bullet->isEnabled() && !numbering->isEnabled() && !value->isEnabled());
    QCOMPARE(value->text(), QString());
    bullet->setCurrentIndex(3);
    child<QRadioButton>("Option4")->setChecked(true);
    QVERIFY(!bullet->isEnabled());
    QCOMPARE(bullet->currentText(), QString());
    QCOMPARE(bullet->palette().color(QPalette::Base), kGrey);
    QVERIFY(text->isEnabled());
    QCOMPARE(text->palette().color(QPalette::Base), kWhite);
}

void BuilderDialogsTest::listItemBuilderOkThroughTheWidgets() {
    open(BuilderKind::ListItem);
    QTest::keyClicks(child<QPlainTextEdit>("Text2"), QStringLiteral("Apple"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<li", " value=+'1+'", ">Apple</li>{left 5}"}));

    m_target.scripts.clear();
    open(BuilderKind::ListItem);
    child<QRadioButton>("Option3")->setChecked(true);
    auto* text = child<QPlainTextEdit>("Text2");
    QTest::keyClicks(text, QStringLiteral("Pear"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("(ripe)"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<dt", ">Pear~{(}ripe{)}</dt>{left 5}"}));
}

void BuilderDialogsTest::tableInitialStateAndOk() {
    open(BuilderKind::TableStart);
    QCOMPARE(child<QComboBox>("Combo1")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>("Combo2")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>("Combo2")->itemText(2), QStringLiteral("bottom"));
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("Width="));
    QCOMPARE(child<QScrollBar>("VScroll4")->maximum(), 100);

    child<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("1"));
    child<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("10"));
    QTest::keyClicks(child<QLineEdit>("Text3"), QStringLiteral("150"));
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("100"));
    QTest::keyClicks(child<QLineEdit>("Text4"), QStringLiteral("50"));
    child<QComboBox>("Combo1")->setCurrentIndex(2);
    child<QComboBox>("Combo2")->setCurrentIndex(2);
    child<QLineEdit>("Text5")->setText(QStringLiteral("Prices"));
    pressOk();
    QCOMPARE(
        m_target.scripts,
        (QStringList{"<table", " align=+'center+'", " border=\"1\"", " cellspacing=\"10\"",
                     " cellpadding=\"100\"", " width=\"50{%}\"", ">~",
                     "<caption align=+'bottom+'>Prices</caption>~~", "</table>{home}{up}{end}"}));
}

void BuilderDialogsTest::tableWidthConvertsBetweenUnits() {
    open(BuilderKind::TableStart);
    auto* width = child<QLineEdit>("Text4");
    child<QRadioButton>("Option2")->setChecked(true);
    QCOMPARE(width->text(), QStringLiteral("0"));
    width->clear();
    QTest::keyClicks(width, QStringLiteral("320"));
    child<QRadioButton>("Option1")->setChecked(true);
    QCOMPARE(width->text(), QStringLiteral("50"));
    child<QRadioButton>("Option2")->setChecked(true);
    QCOMPARE(width->text(), QStringLiteral("320"));
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<table", " width=\"320\"", ">~", "~", "</table>{home}{up}{end}"}));
}

void BuilderDialogsTest::tableRowReadsTheListTexts() {
    open(BuilderKind::TableRow);
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString());
    child<QComboBox>("Combo1")->setCurrentIndex(1);
    child<QComboBox>("Combo2")->setCurrentIndex(0);
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<tr", " align=\"center\"", " valign=\"top\"", "></tr>{left 5}"}));

    m_target.scripts.clear();
    open(BuilderKind::TableRow);
    QTest::keyClicks(child<QComboBox>("Combo1")->lineEdit(), QStringLiteral("justify"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<tr", " align=\"justify\"", "></tr>{left 5}"}));
}

void BuilderDialogsTest::tableDataThroughTheWidgets() {
    open(BuilderKind::TableData);
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QCOMPARE(child<QRadioButton>("Option2")->text(), QStringLiteral("Table &header"));
    QCOMPARE(child<QScrollBar>("VScroll3")->maximum(), 10000);
    QCOMPARE(child<QScrollBar>("VScroll3")->pageStep(), 100);
    child<QScrollBar>("VScroll3")->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("100"));
    QTest::keyClicks(child<QLineEdit>("Text4"), QStringLiteral("20000"));
    QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("10000"));

    child<QRadioButton>("Option2")->setChecked(true);
    child<QCheckBox>("Check1")->setChecked(true);
    child<QComboBox>("Combo2")->setCurrentIndex(1);
    child<QLineEdit>("Text5")->setText(QStringLiteral("Name"));
    pressOk();
    QCOMPARE(m_target.scripts, (QStringList{"<th", " valign=\"middle\"", " width=\"100\"",
                                            " height=\"10000\"", " nowrap", ">Name</th>{left 5}"}));
}

void BuilderDialogsTest::imageThroughTheWidgets() {
    open(BuilderKind::Image);
    QCOMPARE(child<QComboBox>("Combo1")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>("Combo1")->itemText(5), QStringLiteral("right"));
    QTest::keyClicks(child<QLineEdit>("Text3"), QStringLiteral("5000"));
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("1200"));
    QTest::keyClicks(child<QLineEdit>("Text4"), QStringLiteral("0"));  // stays "0", no attribute
    QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("0"));
    child<QScrollBar>("VScroll5")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    child<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderPageStepSub);
    child<QLineEdit>("Text8")->setText(QStringLiteral("logo.gif"));
    child<QCheckBox>("Check1")->setChecked(true);
    child<QComboBox>("Combo1")->setCurrentIndex(4);
    pressOk();
    QCOMPARE(m_target.scripts,
             (QStringList{"<img src=+'logo.gif+'", " ismap", " align=+'left+'", " width=+'1200+'",
                          " border=+'1+'", " hspace=+'100+'", ">"}));
}

void BuilderDialogsTest::quickPagePalettePicksColours() {
    open(BuilderKind::QuickPage);
    m_dialogs.colorAnswers = {QColor(), QColor(255, 255, 255), QColor(1, 2, 3), QColor()};
    child<QPushButton>("Command1")->click();  // cancelled before any pick: black
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("000000"));
    child<QPushButton>("Command1")->click();
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("FFFFFF"));
    child<QPushButton>("Command2")->click();
    QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("010203"));
    child<QPushButton>("Command5")->click();  // cancelled: the colour the dialog still holds
    QCOMPARE(child<QLineEdit>("Text7")->text(), QStringLiteral("010203"));
    QCOMPARE(child<QPushButton>("Command5")->text(), QStringLiteral("Palette"));
    // One dialog object serves every button, so each starts from the last colour returned.
    QCOMPARE(m_dialogs.colorRequests.back(), QColor(1, 2, 3));
}

void BuilderDialogsTest::quickPageBrowsePicksTheBareName() {
    open(BuilderKind::QuickPage);
    auto* browse = child<QPushButton>("Command6");
    QCOMPARE(browse->text(), QStringLiteral("Browse"));
    browse->click();  // cancelled with nothing chosen yet
    QCOMPARE(child<QLineEdit>("Text8")->text(), QString());

    m_dialogs.openAnswers = {QStringLiteral("/home/ann/site/img/back.gif"), QString()};
    browse->click();
    QCOMPARE(child<QLineEdit>("Text8")->text(), QStringLiteral("back.gif"));
    browse->click();  // cancelled: the name the dialog still holds
    QCOMPARE(child<QLineEdit>("Text8")->text(), QStringLiteral("back.gif"));

    QCOMPARE(m_dialogs.openRequests.size(), 3);
    for (const FileDialogRequest& request : m_dialogs.openRequests) {
        QCOMPARE(request.filter,
                 QStringLiteral("All Files (*.*)|*.*|GIF Files|*.gif|JPEG Files|*.jpg"));
        QCOMPARE(request.filterIndex, 2);
    }
}

void BuilderDialogsTest::quickPageOkSendsTheSkeleton() {
    open(BuilderKind::QuickPage);
    m_dialogs.colorAnswers = {QColor(0, 0, 128)};
    child<QPushButton>("Command1")->click();
    child<QLineEdit>("Text9")->setText(QStringLiteral("Home"));
    child<QLineEdit>("Text2")->setText(QStringLiteral("words"));
    child<QLineEdit>("Text4")->setText(QStringLiteral("#FF0000"));
    pressOk("Command8");
    QCOMPARE(m_target.scripts,
             (QStringList{"<!DOCTYPE HTML PUBLIC +'-//W3C//DTD HTML 3.2 Final//EN+'>~~", "<html>~~",
                          "<head>~~", "<title>Home</title>~~", "<META CONTENT=+'words+'>~~",
                          "</head>~~", "<body", " bgcolor=+'000080+'", " text=+'#FF0000+'",
                          ">~~~~~~~~~~~", "</body>~~", "</html>"}));
}

QTEST_MAIN(BuilderDialogsTest)
#include "tst_builderdialogs.moc"
