#include "document/EditorAppearance.h"

#include "app/PreferencesStore.h"
#include "document/EditorBox.h"
#include "tags/ColorText.h"

#include <QFontDatabase>

namespace EA = EditorAppearance;

FontChoice EA::designFont() {
    return fromQFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

std::optional<FontChoice> EA::storedFont(const PreferencesStore& prefs) {
    FontChoice font;
    font.name = prefs.get(Pref::Font, Pref::Name);
    if (font.name.isEmpty())
        return std::nullopt;
    bool isNumber = false;
    const double size = prefs.get(Pref::Font, Pref::FontSize).toDouble(&isNumber);
    font.pointSize = isNumber && size > 0 && size < 1000 ? size : designFont().pointSize;
    font.bold = Pref::isTrue(prefs.get(Pref::Font, Pref::Bold));
    font.italic = Pref::isTrue(prefs.get(Pref::Font, Pref::Italic));
    font.strikeout = Pref::isTrue(prefs.get(Pref::Font, Pref::Strikethru));
    font.underline = Pref::isTrue(prefs.get(Pref::Font, Pref::Underline));
    return font;
}

void EA::storeFont(PreferencesStore& prefs, const FontChoice& font) {
    prefs.save(Pref::Font, Pref::Bold, Pref::boolText(font.bold));
    prefs.save(Pref::Font, Pref::Italic, Pref::boolText(font.italic));
    prefs.save(Pref::Font, Pref::Name, font.name);
    prefs.save(Pref::Font, Pref::FontSize, QString::number(font.pointSize));
    prefs.save(Pref::Font, Pref::Strikethru, Pref::boolText(font.strikeout));
    prefs.save(Pref::Font, Pref::Underline, Pref::boolText(font.underline));
}

std::optional<EA::Colors> EA::storedColors(const PreferencesStore& prefs) {
    const QString back = prefs.get(Pref::Color, Pref::BackColor);
    if (back.isEmpty())
        return std::nullopt;
    Colors colors{colorFromStoredValue(back),
                  colorFromStoredValue(prefs.get(Pref::Color, Pref::ForeColor))};
    if (!colors.back.isValid())
        return std::nullopt;
    return colors;
}

QString EA::fontStatusText(const PreferencesStore& prefs) {
    QString text = QStringLiteral(" Font:  ") + prefs.get(Pref::Font, Pref::Name);
    if (Pref::isTrue(prefs.get(Pref::Font, Pref::Bold)))
        text += QStringLiteral(" Bold");
    if (Pref::isTrue(prefs.get(Pref::Font, Pref::Italic)))
        text += QStringLiteral(" Italic");
    return text + QLatin1Char(' ') + prefs.get(Pref::Font, Pref::FontSize) + QStringLiteral(" pt");
}

QFont EA::toQFont(const FontChoice& choice) {
    QFont font(choice.name);
    font.setPointSizeF(choice.pointSize);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeout);
    return font;
}

FontChoice EA::fromQFont(const QFont& font) {
    return {font.family(), font.pointSizeF(), font.bold(),
            font.italic(), font.underline(),  font.strikeOut()};
}

FontChoice EA::fontOf(const EditorBox& box) {
    return fromQFont(box.font());
}

void EA::setFont(EditorBox& box, const FontChoice& font) {
    box.setFont(toQFont(font));
}

EA::Colors EA::colorsOf(const EditorBox& box) {
    const QPalette palette = box.palette();
    return {palette.color(QPalette::Base), palette.color(QPalette::Text)};
}

void EA::setBackColor(EditorBox& box, const QColor& color) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, color);
    box.setPalette(palette);
}

void EA::setForeColor(EditorBox& box, const QColor& color) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, color);
    box.setPalette(palette);
}
