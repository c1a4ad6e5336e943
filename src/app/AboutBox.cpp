#include "app/AboutBox.h"

#include "ui/TitleWidth.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A lark in flight over an angle bracket: the program sings tags.
void paintLark(QPainter& painter, const QRectF& area) {
    const qreal w = area.width();
    const qreal h = area.height();
    QPainterPath bird;
    bird.moveTo(area.left() + w * 0.18, area.top() + h * 0.55);
    bird.quadTo(area.left() + w * 0.35, area.top() + h * 0.20, area.left() + w * 0.50,
                area.top() + h * 0.45);
    bird.quadTo(area.left() + w * 0.65, area.top() + h * 0.20, area.left() + w * 0.82,
                area.top() + h * 0.50);
    bird.quadTo(area.left() + w * 0.62, area.top() + h * 0.38, area.left() + w * 0.50,
                area.top() + h * 0.62);
    bird.quadTo(area.left() + w * 0.38, area.top() + h * 0.38, area.left() + w * 0.18,
                area.top() + h * 0.55);
    painter.fillPath(bird, QColor(250, 244, 225));
}

}  // namespace

QPixmap AboutBox::artwork(const QSize& size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(28, 64, 120));
    sky.setColorAt(1, QColor(220, 120, 60));
    painter.fillRect(pixmap.rect(), sky);
    const QRectF top(0, 0, size.width(), size.height() * 0.6);
    paintLark(painter, top);
    QFont font = painter.font();
    font.setPixelSize(size.height() / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(250, 244, 225));
    painter.drawText(QRectF(0, size.height() * 0.55, size.width(), size.height() * 0.4),
                     Qt::AlignCenter, QStringLiteral("<Pagelark/>"));
    return pixmap;
}

AboutBox::AboutBox(const QString& userMenuFile, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about_box"));
    setWindowTitle(QStringLiteral("About Pagelark"));
    TitleWidth::keep(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("about_artwork"));
    picture->setPixmap(artwork(QSize(320, 200)));
    auto* release = new QLabel(QStringLiteral("Release Version 1.03"));
    release->setObjectName(QStringLiteral("release_label"));
    release->setAlignment(Qt::AlignCenter);
    auto* blurb = new QLabel(QStringLiteral("An editor for writing HTML pages by hand."));
    blurb->setAlignment(Qt::AlignCenter);
    auto* userMenus = new QLabel(QStringLiteral("Your user-defined menus: ") + userMenuFile);
    userMenus->setObjectName(QStringLiteral("user_menu_file_label"));
    userMenus->setAlignment(Qt::AlignCenter);
    userMenus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancel_button"));
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignCenter);
    layout->addWidget(release);
    layout->addWidget(blurb);
    layout->addWidget(userMenus);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.center() - rect().center());
    }
}

bool AboutBox::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate)
        close();
    return QDialog::event(event);
}
