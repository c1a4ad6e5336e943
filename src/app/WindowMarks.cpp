#include "app/WindowMarks.h"

#include "app/DocumentArea.h"
#include "state/ProgramState.h"

#include <QEvent>
#include <QFileInfo>
#include <QIconEngine>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTabBar>

namespace {

// Paints the plain icon and the dot over it, so the mark is as sharp as the icon at any scale.
class MarkedIconEngine : public QIconEngine {
public:
    explicit MarkedIconEngine(const QIcon& plain) : m_plain(plain) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        m_plain.paint(painter, rect, Qt::AlignCenter, mode, state);
        const qreal side = rect.width() * 0.55;
        const QRectF dot(rect.right() + 1 - side, rect.bottom() + 1 - side, side, side);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // A light ring keeps the dot apart from dark icons and dark title bars alike.
        painter->setPen(QPen(QColor(255, 255, 255, 220), qMax(1.0, side / 8)));
        painter->setBrush(mode == QIcon::Disabled ? QColor(150, 150, 150) : QColor(230, 120, 20));
        painter->drawEllipse(dot.adjusted(side / 16, side / 16, -side / 16, -side / 16));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return drawn;
    }

    QIconEngine* clone() const override { return new MarkedIconEngine(m_plain); }

private:
    QIcon m_plain;
};

}  // namespace

WindowMarks::WindowMarks(DocumentArea& documents, QMdiArea& area, ProgramState& state,
                         QLabel& panel)
    : m_documents(documents), m_area(area), m_table(state.documents()), m_panel(&panel) {
    connect(&documents, &DocumentArea::created, this, &WindowMarks::follow);
    connect(&m_table, &DocumentTable::changedMarkChanged, this, [this](int slot) {
        if (DocumentWindow* doc = m_documents.window(slot))
            markWindow(*doc);
        showActive();
    });
    connect(&area, &QMdiArea::subWindowActivated, this, &WindowMarks::showActive);
    // Switching to tabs makes them afresh from the windows' titles.
    connect(&state, &ProgramState::marksChanged, this, &WindowMarks::labelTabs);
    // The program's picture may come after the first window: each window's icon follows it.
    area.window()->installEventFilter(this);
}

bool WindowMarks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowIconChange && watched == m_area.window()) {
        for (DocumentWindow* doc : m_documents.openWindows())
            markWindow(*doc);
    }
    return QObject::eventFilter(watched, event);
}

QIcon WindowMarks::markedIcon(const QIcon& plain) {
    return QIcon(new MarkedIconEngine(plain));
}

void WindowMarks::follow(DocumentWindow& doc) {
    // After the window's own handler, which sets its title and with it the tab's text.
    connect(&m_table, &DocumentTable::captionChanged, &doc, [this, &doc](int slot) {
        if (slot == doc.slot())
            labelTab(doc);
    });
    markWindow(doc);
    labelTab(doc);
}

void WindowMarks::markWindow(DocumentWindow& doc) {
    QMdiSubWindow* sub = doc.subWindow();
    if (!sub)
        return;
    const QIcon plain = m_area.window()->windowIcon();
    sub->setWindowIcon(doc.isChanged() ? markedIcon(plain) : plain);
}

void WindowMarks::showActive() {
    const DocumentWindow* doc = m_documents.active();
    if (m_panel)
        m_panel->setText(doc && doc->isChanged() ? QStringLiteral("Modified") : QString());
}

void WindowMarks::labelTabs() {
    for (DocumentWindow* doc : m_documents.openWindows())
        labelTab(*doc);
}

void WindowMarks::labelTab(DocumentWindow& doc) {
    auto* tabs = m_area.findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs || m_area.viewMode() != QMdiArea::TabbedView)
        return;
    // The area keeps its windows in the order of the tabs, moved ones included.
    const int index = int(m_area.subWindowList(QMdiArea::CreationOrder).indexOf(doc.subWindow()));
    if (index < 0 || index >= tabs->count())
        return;
    const QString caption = doc.caption();
    QString text = doc.isUntitled() ? caption : QFileInfo(caption).fileName();
    tabs->setTabText(index, text.replace(QLatin1Char('&'), QLatin1String("&&")));
    tabs->setTabToolTip(index,
                        doc.isUntitled() ? QString() : QFileInfo(caption).absoluteFilePath());
}
