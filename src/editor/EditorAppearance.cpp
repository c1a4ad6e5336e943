#include "editor/EditorAppearance.h"

#include "editor/EditorBox.h"

namespace EA = EditorAppearance;

QFont EA::toQFont(const FontChoice& choice) {
    QFont font(choice.name);
    font.setPointSizeF(choice.pointSize);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeout);
    // Source text is set in a fixed-pitch font that needs no ligatures or kerning. Skipping
    // shaping where a script does not need it makes each key's layout of its line cheaper, and
    // the coloured drawing can then match glyphs to characters one to one. Scripts that need
    // shaping keep it.
    font.setStyleStrategy(QFont::PreferNoShaping);
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

EditorColors EA::colorsOf(const EditorBox& box) {
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

QColor EA::blend(const QColor& from, const QColor& to, double part) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * part,
                            a.greenF() + (b.greenF() - a.greenF()) * part,
                            a.blueF() + (b.blueF() - a.blueF()) * part);
}
