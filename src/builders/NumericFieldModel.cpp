#include "builders/NumericFieldModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kPercentMaximum = 100;
constexpr int kPercentLargeStep = 10;
constexpr int kPixelMaximum = 10000;
constexpr int kPixelLargeStep = 100;
constexpr double kPixelsPerHundredPercent = 640.0;

// Readings are capped so that unit conversions of absurdly long digit strings stay finite.
constexpr double kLargestReading = 1e300;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

NumericFieldModel::NumericFieldModel(int maximum, int largeStep, bool typingMovesBar)
    : NumericFieldModel(maximum, largeStep, typingMovesBar, NumericUnit::None) {}

NumericFieldModel::NumericFieldModel(int maximum, int largeStep, bool typingMovesBar,
                                     NumericUnit unit)
    : m_setUpMaximum(maximum),
      m_setUpLargeStep(largeStep),
      m_typingMovesBar(typingMovesBar),
      m_unit(unit) {
    setUp();
}

NumericFieldModel NumericFieldModel::unitField() {
    return NumericFieldModel(kPercentMaximum, kPercentLargeStep, false, NumericUnit::Percent);
}

void NumericFieldModel::setUp() {
    if (m_unit != NumericUnit::None)
        m_unit = NumericUnit::Percent;
    m_smallStep = 1;
    m_largeStep = m_setUpLargeStep;
    assignMaximum(m_setUpMaximum);
    assignPosition(m_setUpMaximum);
    assignText(QString());
}

void NumericFieldModel::setPosition(int position) {
    assignPosition(position);
}

void NumericFieldModel::setText(const QString& text) {
    assignText(text);
}

void NumericFieldModel::choosePercent() {
    m_unit = NumericUnit::Percent;
    const double pixels = readNumber(m_text);
    const double percent = pixels * 100.0 / kPixelsPerHundredPercent;
    assignMaximum(kPercentMaximum);
    assignPosition(positionFor(percent));
    // Set last, so the converted value with its fraction wins over the bar's rounded rewrite.
    assignText(decimalText(percent));
}

void NumericFieldModel::choosePixels() {
    m_unit = NumericUnit::Pixels;
    assignMaximum(kPixelMaximum);
    const double percent = readNumber(m_text);
    const double pixels = percent * kPixelsPerHundredPercent / 100.0;
    assignPosition(positionFor(pixels));
    assignText(decimalText(pixels));
}

void NumericFieldModel::assignPosition(int position) {
    position = std::clamp(position, 0, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    barChanged();
}

void NumericFieldModel::assignText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    textChanged();
}

void NumericFieldModel::assignMaximum(int maximum) {
    if (maximum == m_maximum)
        return;
    m_maximum = maximum;
    // A bar whose maximum drops below its position follows it down, which is a position change.
    if (m_position > m_maximum)
        assignPosition(m_maximum);
}

void NumericFieldModel::barChanged() {
    if (m_unit != NumericUnit::None)
        applyUnitRange();
    assignText(QString::number(m_maximum - m_position));
    if (readNumber(m_text) == 0)
        assignText(QString());
}

void NumericFieldModel::textChanged() {
    if (!m_typingMovesBar)
        return;
    // Each step reads the text afresh: an earlier step's assignment may have rewritten it.
    if (readNumber(m_text) > m_maximum)
        assignText(QString::number(m_maximum));
    if (readNumber(m_text) < 0)
        assignText(QStringLiteral("0"));
    assignPosition(positionFor(readNumber(m_text)));
}

void NumericFieldModel::applyUnitRange() {
    const bool percent = m_unit == NumericUnit::Percent;
    m_smallStep = 1;
    m_largeStep = percent ? kPercentLargeStep : kPixelLargeStep;
    assignMaximum(percent ? kPercentMaximum : kPixelMaximum);
}

// The bar position that shows a number. A converted unit value or a typed negative number can ask
// for a position outside the bar; it is clamped to 0..maximum so the bar stays within its range.
int NumericFieldModel::positionFor(double number) const {
    const double wanted = roundHalfEven(m_maximum - number);
    return static_cast<int>(std::clamp(wanted, 0.0, static_cast<double>(m_maximum)));
}

double NumericFieldModel::readNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::string digits;
    bool wholeNonZero = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        digits += static_cast<char>(text[i].unicode());
        wholeNonZero = wholeNonZero || text[i] != u'0';
    }
    if (digits.empty())
        digits.push_back('0');  // (not an assignment: GCC 12 warns falsely on it at -O3)
    if (i < text.size() && text[i] == u'.') {
        digits += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            digits += static_cast<char>(text[i].unicode());
        digits += '0';  // "12." still parses
    }
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        value = wholeNonZero ? kLargestReading : 0.0;
    value = std::min(value, kLargestReading);
    return negative ? -value : value;
}

double NumericFieldModel::roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

QString NumericFieldModel::decimalText(double value) {
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Fifteen significant digits in scientific form, then the point is placed by hand so that
    // large and small values never show an exponent.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    const std::string scientific(buffer, end);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const int pointAt = exponent + 1;  // digits before the decimal point
    std::string out;
    if (pointAt <= 0)
        out = "0." + std::string(-pointAt, '0') + digits;
    else if (pointAt >= static_cast<int>(digits.size()))
        out = digits + std::string(pointAt - digits.size(), '0');
    else
        out = digits.substr(0, pointAt) + '.' + digits.substr(pointAt);
    return QString::fromLatin1((value < 0 ? "-" : "") + out);
}
