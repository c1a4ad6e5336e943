#include "app/StatusLine.h"

#include "app/Twips.h"

#include <QLabel>
#include <QTimer>
#include <iterator>

namespace {

struct LabelPlace {
    const char* name;
    int left;   // twips
    int width;  // twips
};
constexpr LabelPlace kLabels[] = {{"status_message", 0, 2775},
                                  {"status_font", 2760, 3135},
                                  {"status_template", 5880, 6135},
                                  {"status_caret_place", 12000, 1800}};
constexpr int kHeightTwips = 345;
constexpr int kTimerMs = 3000;

}  // namespace

StatusLine::StatusLine(QWidget* parent)
    : QWidget(parent), m_timer(new QTimer(this)), m_recoveryMark(new QLabel(this)) {
    setObjectName(QStringLiteral("status_line"));
    const int height = Twips::toPixels(kHeightTwips);
    setFixedHeight(height);
    // The caret's place and the sizes change with every key; their labels are drawn again each
    // time, and their Latin text needs no shaping.
    QFont plainFont = QWidget::font();
    plainFont.setStyleStrategy(QFont::PreferNoShaping);
    setFont(plainFont);
    for (int i = 0; i < int(std::size(kLabels)); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(kLabels[i].name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setGeometry(Twips::toPixels(kLabels[i].left), 0, Twips::toPixels(kLabels[i].width),
                           height);
        m_labels[i] = label;
    }
    m_recoveryMark->setObjectName(QStringLiteral("status_recovery"));
    m_recoveryMark->setFrameShape(QFrame::Panel);
    m_recoveryMark->setFrameShadow(QFrame::Sunken);
    m_recoveryMark->setFixedHeight(height);
    m_recoveryMark->hide();
    m_timer->setObjectName(QStringLiteral("status_hint_timer"));
    m_timer->setInterval(kTimerMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_labels[0]->clear();
        m_timer->stop();
    });
    m_timer->start();
}

void StatusLine::restartTimer() {
    m_timer->start();
}

void StatusLine::showRecoveryTrouble(const QString& reason) {
    m_recoveryReason = reason;
    m_recoveryMark->setToolTip(reason);
    m_recoveryMark->setAccessibleDescription(reason);
    m_recoveryMark->setVisible(!reason.isEmpty());
    placeRecoveryMark();
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeRecoveryMark();
}

void StatusLine::placeRecoveryMark() {
    if (m_recoveryReason.isEmpty())
        return;
    // As much of the reason as half the line holds; the tooltip has all of it.
    const QString full = tr(" No recovery copy: %1 ").arg(m_recoveryReason);
    const int room = std::max(Twips::toPixels(3000), width() / 2);
    m_recoveryMark->setText(m_recoveryMark->fontMetrics().elidedText(full, Qt::ElideRight, room));
    m_recoveryMark->adjustSize();
    // At the right end, where it stays in sight however narrow the frame, over the other labels.
    m_recoveryMark->move(std::max(0, width() - m_recoveryMark->width()), 0);
    m_recoveryMark->raise();
}
