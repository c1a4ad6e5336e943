#include "app/PictureButton.h"

#include "app/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>

#include <algorithm>

int PictureButton::buttonState(Qt::MouseButtons buttons) {
    int state = 0;
    if (buttons & Qt::LeftButton)
        state += kLeft;
    if (buttons & Qt::RightButton)
        state += kRight;
    if (buttons & Qt::MiddleButton)
        state += kMiddle;
    return state;
}

QList<PictureButton::Step> PictureButton::Logic::press(int button) const {
    if (button == kRight)
        return {Step::ShowHelp};
    if (button != kLeft)
        return {};
    switch (m_style) {
        case PressStyle::PressThenRun:
            return {Step::ShowPressed, Step::Repaint, Step::RunCommand};
        case PressStyle::FlashThenRun:
            return {Step::ShowPressed, Step::Repaint, Step::ShowReleased, Step::RunCommand};
        case PressStyle::PressRunRelease:
            return {Step::ShowPressed, Step::Repaint, Step::RunCommand, Step::ShowReleased};
        case PressStyle::RunThenPress:
            return {Step::Repaint, Step::RunCommand, Step::ShowPressed};
    }
    return {};
}

void PictureButton::Logic::move(int state, QPoint at) {
    if (state != kLeft)
        return;
    const bool off =
        at.x() <= 0 || at.x() > m_size.width() || at.y() < 0 || at.y() > m_size.height();
    m_picture = off ? Picture::Released : Picture::Pressed;
}

void PictureButton::Logic::release(int button) {
    if (button == kLeft)
        m_picture = Picture::Released;
}

PictureButton::PictureButton(const QString& name, PressStyle style, QWidget* parent)
    : QWidget(parent), m_logic(style, QSize()) {
    setObjectName(name);
    // Hints follow the pointer even when no mouse button is held.
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PictureButton::setIcon(const QIcon& icon) {
    m_icon = icon;
    update();
}

QSize PictureButton::iconSize() const {
    const int side = style()->pixelMetric(QStyle::PM_ToolBarIconSize, nullptr, this);
    return QSize(side, side);
}

QSize PictureButton::sizeHint() const {
    QStyleOptionToolButton option;
    option.initFrom(this);
    option.iconSize = iconSize();
    option.toolButtonStyle = Qt::ToolButtonIconOnly;
    return style()->sizeFromContents(QStyle::CT_ToolButton, &option, iconSize(), this);
}

QPixmap PictureButton::pixmap(Picture picture) const {
    const qreal ratio = devicePixelRatioF();
    QPixmap face(size() * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    draw(painter, picture);
    return face;
}

QPixmap PictureButton::iconPixmap(Picture picture) const {
    QPixmap image = m_icon.pixmap(iconSize(), devicePixelRatioF());
    if (picture == Picture::Pressed && !image.isNull()) {
        // Darkens the drawing only, not the transparent room around it.
        QPainter darken(&image);
        darken.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        darken.fillRect(QRectF(QPointF(), image.deviceIndependentSize()), QColor(0, 0, 0, 56));
    }
    return image;
}

void PictureButton::draw(QPainter& painter, Picture picture) const {
    if (picture == Picture::Pressed) {
        QStyleOption panel;
        panel.initFrom(this);
        panel.state |= QStyle::State_Sunken | QStyle::State_On;
        style()->drawPrimitive(QStyle::PE_PanelButtonTool, &panel, &painter, this);
    }
    const QPixmap image = iconPixmap(picture);
    if (image.isNull())
        return;
    // Placed on whole device pixels, so that the picture is copied as drawn, never resampled.
    const qreal ratio = image.devicePixelRatio();
    const QSizeF shown = image.deviceIndependentSize();
    int x = int((width() - shown.width()) / 2 * ratio);
    int y = int((height() - shown.height()) / 2 * ratio);
    if (picture == Picture::Pressed) {
        const int shift = std::max(1, int(ratio));
        x += shift;
        y += shift;
    }
    painter.drawPixmap(QPointF(x / ratio, y / ratio), image);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    draw(painter, picture());
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    for (Step step : m_logic.press(buttonState(event->button())))
        apply(step);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered();
    const Picture before = picture();
    m_logic.setSize(QSize(Twips::fromPixels(width()), Twips::fromPixels(height())));
    m_logic.move(buttonState(event->buttons()), toTwips(event->position().toPoint()));
    if (picture() != before)
        update();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    m_logic.release(buttonState(event->button()));
    update();
}

void PictureButton::apply(Step step) {
    switch (step) {
        case Step::ShowPressed:
            m_logic.show(Picture::Pressed);
            update();
            break;
        case Step::ShowReleased:
            m_logic.show(Picture::Released);
            update();
            break;
        case Step::Repaint:
            repaint();
            break;
        case Step::RunCommand:
            emit commandRequested();
            break;
        case Step::ShowHelp:
            emit helpRequested();
            break;
    }
}

QPoint PictureButton::toTwips(QPoint pixels) {
    return QPoint(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()));
}
