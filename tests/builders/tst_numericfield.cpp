#include "builders/NumericField.h"
#include "builders/NumericFieldModel.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

namespace {

// Types a text one character at a time, as a user would, into a field.
void typeInto(NumericFieldModel& model, const QString& text) {
    for (qsizetype i = 1; i <= text.size(); ++i)
        model.setText(text.left(i));
}

}  // namespace

class NumericFieldTest : public QObject {
    Q_OBJECT

private slots:
    void setUpLeavesAnEmptyFieldWithTheBarAtTheBottom();
    void typingIntoAnEmptyFieldSettlesOnTheBarsForm_data();
    void typingIntoAnEmptyFieldSettlesOnTheBarsForm();
    void editingAShownNumber_data();
    void editingAShownNumber();
    void barSettingsChangeTheNumber_data();
    void barSettingsChangeTheNumber();
    void settingTheSamePositionKeepsATypedText();
    void unitFieldTypingLeavesTheBar();
    void unitConversions_data();
    void unitConversions();
    void unitRangesFollowTheUnit();
    void readNumber_data();
    void readNumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void decimalText_data();
    void decimalText();
    void widgetUpArrowShowsOne();
    void widgetTypingIsRewrittenAndMovesTheBar();
    void widgetUnitChangeResizesTheBar();
};

void NumericFieldTest::setUpLeavesAnEmptyFieldWithTheBarAtTheBottom() {
    NumericFieldModel model(100, 10);
    QCOMPARE(model.text(), QString());
    QCOMPARE(model.position(), 100);
    QCOMPARE(model.maximum(), 100);
    QCOMPARE(model.largeStep(), 10);
    QCOMPARE(model.smallStep(), 1);

    model.setText(QStringLiteral("42"));
    model.setUp();
    QCOMPARE(model.text(), QString());
    QCOMPARE(model.position(), 100);

    const NumericFieldModel unit = NumericFieldModel::unitField();
    QCOMPARE(unit.unit(), NumericUnit::Percent);
    QCOMPARE(unit.maximum(), 100);
    QCOMPARE(unit.position(), 100);
    QCOMPARE(unit.text(), QString());
    QVERIFY(!unit.typingMovesBar());
}

void NumericFieldTest::typingIntoAnEmptyFieldSettlesOnTheBarsForm_data() {
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");

    QTest::newRow("leading zeros pasted") << 100 << "007"
                                          << "7" << 93;
    QTest::newRow("trailing letters pasted") << 100 << "12abc"
                                             << "12" << 88;
    QTest::newRow("above the maximum") << 100 << "150"
                                       << "100" << 0;
    QTest::newRow("above the image maximum") << 1200 << "5000"
                                             << "1200" << 0;
    QTest::newRow("above the cell width maximum") << 10000 << "20000"
                                                  << "10000" << 0;
    QTest::newRow("negative becomes zero") << 100 << "-3"
                                           << "0" << 100;
    QTest::newRow("a typed zero stays") << 100 << "0"
                                        << "0" << 100;
    QTest::newRow("no leading number stays") << 100 << "abc"
                                             << "abc" << 100;
    QTest::newRow("leading blanks rewritten") << 100 << "  42"
                                              << "42" << 58;
    QTest::newRow("a half that rounds to the bar stays") << 100 << "0.5"
                                                         << "0.5" << 100;
    QTest::newRow("a half that rounds away is rewritten") << 100 << "1.5"
                                                          << "2" << 98;
}

void NumericFieldTest::typingIntoAnEmptyFieldSettlesOnTheBarsForm() {
    QFETCH(int, maximum);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, position);

    NumericFieldModel pasted(maximum, 10);
    pasted.setText(typed);
    QCOMPARE(pasted.text(), text);
    QCOMPARE(pasted.position(), position);
}

void NumericFieldTest::editingAShownNumber_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");

    QTest::newRow("13.5 typed over 13 rounds to 14") << "13"
                                                     << "13.5"
                                                     << "14" << 86;
    QTest::newRow("12.4 after 12 stays") << "12"
                                         << "12.4"
                                         << "12.4" << 88;
    QTest::newRow("12.5 after 12 stays") << "12"
                                         << "12.5"
                                         << "12.5" << 88;
    QTest::newRow("letters after a number stay") << "12"
                                                 << "12x"
                                                 << "12x" << 88;
    QTest::newRow("a minus in front of 5 empties the box") << "5"
                                                           << "-5"
                                                           << "" << 100;
    QTest::newRow("deleting the digits empties the box") << "5"
                                                         << ""
                                                         << "" << 100;
}

void NumericFieldTest::editingAShownNumber() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, text);
    QFETCH(int, position);

    NumericFieldModel model(100, 10);
    typeInto(model, before);
    QCOMPARE(model.text(), before);
    model.setText(after);
    QCOMPARE(model.text(), text);
    QCOMPARE(model.position(), position);
}

void NumericFieldTest::barSettingsChangeTheNumber_data() {
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("largeStep");
    QTest::addColumn<QString>("clicks");  // u/d arrows, U/D trough
    QTest::addColumn<QString>("text");

    QTest::newRow("one up arrow click") << 100 << 10 << "u"
                                        << "1";
    QTest::newRow("one trough click") << 100 << 10 << "U"
                                      << "10";
    QTest::newRow("one trough click in a wide field") << 10000 << 100 << "U"
                                                      << "100";
    QTest::newRow("down arrow from 1 empties") << 100 << 10 << "ud"
                                               << "";
    QTest::newRow("down arrow at the bottom stays empty") << 100 << 10 << "d"
                                                          << "";
    QTest::newRow("trough past the top stops at the maximum") << 100 << 10 << "UUUUUUUUUUUU"
                                                              << "100";
    QTest::newRow("trough down from 15") << 100 << 10 << "UuuuuuD"
                                         << "5";
}

void NumericFieldTest::barSettingsChangeTheNumber() {
    QFETCH(int, maximum);
    QFETCH(int, largeStep);
    QFETCH(QString, clicks);
    QFETCH(QString, text);

    NumericFieldModel model(maximum, largeStep);
    for (QChar click : clicks) {
        if (click == u'u')
            model.arrowUp();
        else if (click == u'd')
            model.arrowDown();
        else if (click == u'U')
            model.troughUp();
        else
            model.troughDown();
    }
    QCOMPARE(model.text(), text);
    QCOMPARE(model.position(), maximum - text.toInt());
}

void NumericFieldTest::settingTheSamePositionKeepsATypedText() {
    NumericFieldModel model(100, 10);
    typeInto(model, QStringLiteral("12.4"));
    QCOMPARE(model.text(), QStringLiteral("12.4"));
    QCOMPARE(model.position(), 88);
    model.setPosition(88);  // no change of position, so no rewrite
    QCOMPARE(model.text(), QStringLiteral("12.4"));
    model.setPosition(-7);  // clamped to the top
    QCOMPARE(model.position(), 0);
    QCOMPARE(model.text(), QStringLiteral("100"));
}

void NumericFieldTest::unitFieldTypingLeavesTheBar() {
    NumericFieldModel model = NumericFieldModel::unitField();
    model.setText(QStringLiteral("70"));
    QCOMPARE(model.position(), 100);
    model.setText(QStringLiteral("500"));
    QCOMPARE(model.text(), QStringLiteral("500"));
    // The next arrow click starts from where the bar was, not from the typed number.
    model.arrowUp();
    QCOMPARE(model.text(), QStringLiteral("1"));
}

void NumericFieldTest::unitConversions_data() {
    QTest::addColumn<bool>("typedInPixels");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("units");  // chosen after typing: % percent, p pixels
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");

    QTest::newRow("50 percent to pixels") << false << "50"
                                          << "p"
                                          << "320" << 9680;
    QTest::newRow("50 percent to pixels and back") << false << "50"
                                                   << "p%"
                                                   << "50" << 50;
    QTest::newRow("5 percent to pixels") << false << "5"
                                         << "p"
                                         << "32" << 9968;
    QTest::newRow("empty to pixels shows 0") << false << ""
                                             << "p"
                                             << "0" << 10000;
    QTest::newRow("empty to pixels and back shows 0") << false << ""
                                                      << "p%"
                                                      << "0" << 100;
    QTest::newRow("33 pixels to percent") << true << "33"
                                          << "%"
                                          << "5.15625" << 95;
    QTest::newRow("33 percent to pixels") << false << "33"
                                          << "p"
                                          << "211.2" << 9789;
    QTest::newRow("over 640 pixels clamps the bar") << true << "1000"
                                                    << "%"
                                                    << "156.25" << 0;
    QTest::newRow("a negative percent clamps the bar") << false << "-5"
                                                       << "p"
                                                       << "-32" << 10000;
}

void NumericFieldTest::unitConversions() {
    QFETCH(bool, typedInPixels);
    QFETCH(QString, typed);
    QFETCH(QString, units);
    QFETCH(QString, text);
    QFETCH(int, position);

    NumericFieldModel model = NumericFieldModel::unitField();
    if (typedInPixels)
        model.choosePixels();
    typeInto(model, typed);
    QCOMPARE(model.text(), typed);
    for (QChar unit : units) {
        if (unit == u'p')
            model.choosePixels();
        else
            model.choosePercent();
    }
    QCOMPARE(model.text(), text);
    QCOMPARE(model.position(), position);
}

void NumericFieldTest::unitRangesFollowTheUnit() {
    NumericFieldModel model = NumericFieldModel::unitField();
    model.choosePixels();
    QCOMPARE(model.unit(), NumericUnit::Pixels);
    QCOMPARE(model.maximum(), 10000);
    QCOMPARE(model.largeStep(), 100);
    model.troughUp();
    QCOMPARE(model.text(), QStringLiteral("100"));
    model.choosePercent();
    QCOMPARE(model.maximum(), 100);
    QCOMPARE(model.largeStep(), 10);
    QCOMPARE(model.text(), QStringLiteral("15.625"));
    QCOMPARE(model.position(), 84);
}

void NumericFieldTest::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blanks") << "  12" << 12.0;
    QTest::newRow("sign, fraction and rest") << "-3.5x" << -3.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("fraction only") << ".5" << 0.5;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("no exponent") << "1e3" << 1.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("blank after the sign ends the number") << "- 5" << 0.0;
    QTest::newRow("comma is not a decimal point") << "2,5" << 2.0;
}

void NumericFieldTest::readNumber() {
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(NumericFieldModel::readNumber(text), number);
}

void NumericFieldTest::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("half down to even") << 86.5 << 86.0;
    QTest::newRow("half up to even") << 87.5 << 88.0;
    QTest::newRow("zero and a half") << 0.5 << 0.0;
    QTest::newRow("below a half") << 2.4 << 2.0;
    QTest::newRow("above a half") << 2.6 << 3.0;
    QTest::newRow("negative half") << -1.5 << -2.0;
}

void NumericFieldTest::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(NumericFieldModel::roundHalfEven(value), rounded);
}

void NumericFieldTest::decimalText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("fraction kept") << 5.15625 << "5.15625";
    QTest::newRow("float noise dropped") << 33 * 6.4 << "211.2";
    QTest::newRow("whole number") << 320.0 << "320";
    QTest::newRow("fifteen significant digits") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("large without exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("small without exponent") << 1.5e-7 << "0.00000015";
    QTest::newRow("negative") << -32.0 << "-32";
    QTest::newRow("negative zero") << -0.0 << "0";
}

void NumericFieldTest::decimalText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumericFieldModel::decimalText(value), text);
}

void NumericFieldTest::widgetUpArrowShowsOne() {
    NumericField field(NumericFieldModel(100, 10), QStringLiteral("border"));
    QScrollBar* bar = field.findChild<QScrollBar*>(QStringLiteral("border_scroll"));
    QLineEdit* edit = field.findChild<QLineEdit*>(QStringLiteral("border_field"));
    QVERIFY(bar && edit);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->pageStep(), 10);
    QCOMPARE(bar->value(), 100);
    QCOMPARE(edit->text(), QString());

    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(edit->text(), QStringLiteral("11"));
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(edit->text(), QString());
}

void NumericFieldTest::widgetTypingIsRewrittenAndMovesTheBar() {
    NumericField field(NumericFieldModel(100, 10), QStringLiteral("border"));
    QTest::keyClicks(field.lineEdit(), QStringLiteral("150"));
    QCOMPARE(field.lineEdit()->text(), QStringLiteral("100"));
    QCOMPARE(field.scrollBar()->value(), 0);

    field.lineEdit()->clear();
    QTest::keyClicks(field.lineEdit(), QStringLiteral("12.4"));
    QCOMPARE(field.lineEdit()->text(), QStringLiteral("12.4"));
    QCOMPARE(field.scrollBar()->value(), 88);

    QTest::keyClick(field.lineEdit(), Qt::Key_Home);
    QTest::keyClicks(field.lineEdit(), QStringLiteral("-"));
    QCOMPARE(field.lineEdit()->text(), QString());
    QCOMPARE(field.scrollBar()->value(), 100);
}

void NumericFieldTest::widgetUnitChangeResizesTheBar() {
    NumericField field(NumericFieldModel::unitField(), QStringLiteral("width"));
    QTest::keyClicks(field.lineEdit(), QStringLiteral("50"));
    QCOMPARE(field.scrollBar()->value(), 100);
    field.choosePixels();
    QCOMPARE(field.lineEdit()->text(), QStringLiteral("320"));
    QCOMPARE(field.scrollBar()->maximum(), 10000);
    QCOMPARE(field.scrollBar()->pageStep(), 100);
    QCOMPARE(field.scrollBar()->value(), 9680);
    field.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(field.text(), QStringLiteral("321"));
}

QTEST_MAIN(NumericFieldTest)
#include "tst_numericfield.moc"
