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
                                  {"status_caret_place", 12000, 1800},
                                  {"status_modified", 13785, 1200}};
constexpr int kHeightTwips = 345;
constexpr int kTimerMs = 3000;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
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
