#pragma once

#include <QProxyStyle>

// Fusion (Qt's own style, and the one the gtk3 platform theme picks) draws the outlines of check
// boxes, radio buttons, frames and fields a shade darker than the window. On a dark palette that
// shade is all but black on near-black, and an unchecked box disappears. On a dark palette this
// style draws those outlines between the window's colour and its text's instead; a light
// palette is drawn exactly as Fusion draws it.
class ReadableOutlineStyle : public QProxyStyle {
    Q_OBJECT
public:
    ReadableOutlineStyle();

    // Puts the style in place when the application uses Fusion; another style is left alone.
    static void install();
    // Light text on a dark window.
    static bool isDark(const QPalette& palette);
    // The outline colour on a dark palette.
    static QColor outline(const QPalette& palette);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    void drawGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                           const QWidget* widget) const;
};
