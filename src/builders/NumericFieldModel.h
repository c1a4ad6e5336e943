#pragma once

#include <QString>

// The unit of a numeric field: plain number, or a width that can be given in percent or pixels.
enum class NumericUnit { None, Percent, Pixels };

// State and rules of a numeric field: a text box paired with an upside-down scroll bar. The
// number shown is maximum - position, so position 0 stands for the largest number.
//
// The model reproduces the pairing as two event handlers: a change of the bar's position rewrites
// the text, and (for fields where typing moves the bar) a change of the text moves the bar. Each
// handler runs only when its value really changes, which is what ends the cascade; the visible
// quirks (12.4 typed after 12 stays, "-3" becomes "0", a typed 0 empties the box only when it
// moves the bar) all follow from that rule rather than being coded one by one.
class NumericFieldModel {
public:
    // A plain field from 0 to maximum; set up as on load (empty text, bar at the bottom).
    NumericFieldModel(int maximum, int largeStep, bool typingMovesBar = true);

    // A percent / pixels field, starting in percent (0 to 100, large step 10). Typing into it
    // leaves its bar where it is.
    static NumericFieldModel unitField();

    // Load-time set-up: minimum 0, small step 1, the field's maximum and large step, position at
    // the maximum (number 0) and the text emptied.
    void setUp();

    const QString& text() const { return m_text; }
    int position() const { return m_position; }
    int minimum() const { return 0; }
    int maximum() const { return m_maximum; }
    int smallStep() const { return m_smallStep; }
    int largeStep() const { return m_largeStep; }
    NumericUnit unit() const { return m_unit; }
    bool typingMovesBar() const { return m_typingMovesBar; }

    // The bar was moved to this position (clamped to 0..maximum).
    void setPosition(int position);
    // The box's text was changed (typed, pasted or assigned).
    void setText(const QString& text);

    // Arrow clicks move by the small step, trough clicks by the large step; "up" raises the number.
    void arrowUp() { setPosition(m_position - m_smallStep); }
    void arrowDown() { setPosition(m_position + m_smallStep); }
    void troughUp() { setPosition(m_position - m_largeStep); }
    void troughDown() { setPosition(m_position + m_largeStep); }

    // Unit fields only: the percent or pixels button was selected; converts the box's number at
    // 640 pixels = 100 percent.
    void choosePercent();
    void choosePixels();

    // The number at the start of a text: leading blanks, an optional sign, digits, an optional
    // point and fraction; the rest is ignored. A text without a leading number reads 0.
    static double readNumber(const QString& text);
    // Rounds to the nearest whole number; a half goes to the even neighbour.
    static double roundHalfEven(double value);
    // Decimal text with '.' as separator, at most 15 significant digits, no exponent and no
    // trailing zeros.
    static QString decimalText(double value);

private:
    NumericFieldModel(int maximum, int largeStep, bool typingMovesBar, NumericUnit unit);

    // Change-detecting setters: each raises its change handler only when the value differs.
    void assignPosition(int position);
    void assignText(const QString& text);
    void assignMaximum(int maximum);

    void barChanged();
    void textChanged();
    void applyUnitRange();
    int positionFor(double number) const;

    QString m_text;
    int m_setUpMaximum;
    int m_setUpLargeStep;
    int m_maximum = 0;
    int m_smallStep = 1;
    int m_largeStep = 1;
    int m_position = 0;
    bool m_typingMovesBar;
    NumericUnit m_unit;
};
