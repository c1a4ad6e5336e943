#include "ui/ReadableOutlineStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOption>

namespace {

// How far the outline lies from the window's colour towards its text's, in per cent.
constexpr int kOutlineShare = 40;
// Fusion takes its outlines from the window's colour made darker by this factor.
constexpr int kFusionOutlineDarkening = 140;

QColor mixed(const QColor& from, const QColor& to, int percent) {
    const auto part = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return QColor(part(from.red(), to.red()), part(from.green(), to.green()),
                  part(from.blue(), to.blue()));
}

}  // namespace

ReadableOutlineStyle::ReadableOutlineStyle() : QProxyStyle(QStringLiteral("fusion")) {}

void ReadableOutlineStyle::install() {
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new ReadableOutlineStyle);
}

bool ReadableOutlineStyle::isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

QColor ReadableOutlineStyle::outline(const QPalette& palette) {
    return mixed(palette.color(QPalette::Window), palette.color(QPalette::WindowText),
                 kOutlineShare);
}

void ReadableOutlineStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                         QPainter* painter, const QWidget* widget) const {
    if (!option || !painter || !isDark(option->palette))
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    switch (element) {
        case PE_IndicatorCheckBox:
        case PE_IndicatorRadioButton:
        case PE_Frame:
        case PE_FrameLineEdit: {
            // These take their outline from the window's colour alone: hand Fusion a window
            // colour whose darker shade is the readable outline. Nothing else in them uses it.
            QStyleOptionButton button;
            if (const auto* given = qstyleoption_cast<const QStyleOptionButton*>(option))
                button = *given;
            else
                button.QStyleOption::operator=(*option);
            button.palette.setColor(QPalette::Window,
                                    outline(option->palette).lighter(kFusionOutlineDarkening));
            return QProxyStyle::drawPrimitive(element, &button, painter, widget);
        }
        case PE_FrameGroupBox:
            return drawGroupBoxFrame(*option, *painter, widget);
        default:
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ReadableOutlineStyle::drawGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                                             const QWidget* widget) const {
    // Fusion draws this frame from a picture of faint dark lines, which vanish on a dark window,
    // below the title at a height that differs between versions: find that height in a narrow
    // drawing of it, then draw the same rounded frame in the readable colour.
    QStyleOption probe = option;
    probe.rect = QRect(0, 0, 16, option.rect.height());
    QImage drawn(probe.rect.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter probePainter(&drawn);
        QProxyStyle::drawPrimitive(PE_FrameGroupBox, &probe, &probePainter, widget);
    }
    int top = 0;
    while (top < drawn.height() && qAlpha(drawn.pixel(probe.rect.center().x(), top)) < 0x20)
        ++top;
    if (top == drawn.height())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(outline(option.palette));
    painter.setBrush(Qt::NoBrush);
    const QRectF frame = QRectF(option.rect.adjusted(0, top, -1, -1)).translated(0.5, 0.5);
    painter.drawRoundedRect(frame, 2, 2);
    painter.restore();
}
