#include "app/PictureButton.h"

#include "app/Twips.h"

#include <QMouseEvent>
#include <QPainter>

// The pictures are compiled into the static core library, whose resource table a program only
// picks up when something names it. (Outside any namespace, as the registration macro needs.)
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

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

PictureButton::PictureButton(const QString& name, PressStyle style, const QRect& placeTwips,
                             const QString& images, QWidget* parent)
    : QWidget(parent), m_logic(style, placeTwips.size()) {
    registerPictures();
    setObjectName(name);
    setGeometry(Twips::toPixels(placeTwips.left()), Twips::toPixels(placeTwips.top()),
                Twips::toPixels(placeTwips.width()), Twips::toPixels(placeTwips.height()));
    // Hints follow the pointer even when no mouse button is held.
    setMouseTracking(true);
    m_released.load(QStringLiteral(":/toolbar/%1-up.png").arg(images));
    m_pressed.load(QStringLiteral(":/toolbar/%1-down.png").arg(images));
}

QPixmap PictureButton::pixmap(Picture picture) const {
    return picture == Picture::Pressed ? m_pressed : m_released;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap(picture()));
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
