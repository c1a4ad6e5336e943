#include "app/WindowMenu.h"

#include "app/DocumentArea.h"
#include "document/CommandHandlers.h"
#include "state/ProgramState.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

#include <algorithm>

namespace {

QList<QMdiSubWindow*> minimizedWindows(const QMdiArea& area) {
    QList<QMdiSubWindow*> found;
    for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && sub->isMinimized())
            found.append(sub);
    }
    return found;
}

// Where the icons of minimized windows begin at the bottom of the area (its height without any).
int iconRowsTop(const QMdiArea& area) {
    int top = area.viewport()->height();
    for (const QMdiSubWindow* sub : minimizedWindows(area))
        top = std::min(top, sub->y());
    return top;
}

// A window list entry's text: a number to pick it by, then its caption.
QString listEntryText(int number, const QString& caption) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    return number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(text)
                       : QStringLiteral("%1 %2").arg(number).arg(text);
}

}  // namespace

WindowMenu::WindowMenu(QMenu& menu, DocumentArea& windows, QMdiArea& area)
    : QObject(&menu), m_menu(menu), m_windows(windows), m_area(area) {
    connect(&m_menu, &QMenu::aboutToShow, this, &WindowMenu::rebuildList);
}

void WindowMenu::bindCommands(CommandHandlers& commands, QMdiArea& area, ProgramState& state) {
    // Tabs show one window at a time, filling the area: there is nothing to arrange.
    const CommandHandlers::Rule arranges = [](const CommandStatus& status) {
        return !status.tabbedWindows;
    };
    commands.bind(
        Command::WindowCascade, [&area](DocumentWindow*) { area.cascadeSubWindows(); }, nullptr,
        arranges);
    commands.bind(
        Command::WindowTile, [&area](DocumentWindow*) { tile(area); }, nullptr, arranges);
    commands.bind(
        Command::WindowArrangeIcons, [&area](DocumentWindow*) { arrangeIcons(area); }, nullptr,
        arranges);
    commands.bind(Command::WindowNext, [&area](DocumentWindow*) { area.activateNextSubWindow(); });
    commands.bind(Command::WindowPrevious,
                  [&area](DocumentWindow*) { area.activatePreviousSubWindow(); });
    commands.bind(
        Command::WindowTabbed,
        [&area, &state](DocumentWindow*) {
            const bool tabbed = !state.tabbedWindows();
            showTabbed(area, state, tabbed);
            state.preferences().setTabbedWindows(tabbed);
        },
        [](const CommandStatus& status) { return status.tabbedWindows; });
}

void WindowMenu::showTabbed(QMdiArea& area, ProgramState& state, bool tabbed) {
    area.setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (tabbed) {
        area.setDocumentMode(true);
        area.setTabsClosable(true);
        area.setTabsMovable(true);
    }
    state.setTabbedWindows(tabbed);
}

void WindowMenu::attach(QMenu& menu, DocumentArea& windows, QMdiArea& area) {
    new WindowMenu(menu, windows, area);
}

void WindowMenu::rebuildList() {
    qDeleteAll(m_listEntries);
    m_listEntries.clear();
    const QList<DocumentWindow*> windows = m_windows.openWindows();
    if (windows.isEmpty())
        return;
    m_listEntries.append(m_menu.addSeparator());
    const DocumentWindow* active = m_windows.active();
    int number = 0;
    for (DocumentWindow* doc : windows) {
        QAction* entry = m_menu.addAction(listEntryText(++number, doc->caption()));
        entry->setCheckable(true);
        entry->setChecked(doc == active);
        QPointer<QMdiSubWindow> sub = doc->subWindow();
        connect(entry, &QAction::triggered, this, [this, sub] {
            if (!sub)
                return;
            if (sub->isMinimized())
                sub->showNormal();
            m_area.setActiveSubWindow(sub);
        });
        m_listEntries.append(entry);
    }
}

void WindowMenu::tile(QMdiArea& area) {
    QList<QMdiSubWindow*> windows;
    // Topmost first, so the active window ends up on top of the pile.
    const QList<QMdiSubWindow*> stacked = area.subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized())
            windows.append(*it);
    }
    if (windows.isEmpty())
        return;
    arrangeIcons(area);
    const QSize client = area.viewport()->size();
    const int height = std::max(iconRowsTop(area), 1);
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* sub = windows[i];
        if (sub->isMaximized())
            sub->showNormal();
        // Rounding each edge on its own spreads the odd pixels, so the windows fill the height.
        const int top = height * i / count;
        const int bottom = height * (i + 1) / count;
        sub->setGeometry(0, top, client.width(), bottom - top);
    }
}

void WindowMenu::arrangeIcons(QMdiArea& area) {
    const QSize client = area.viewport()->size();
    int left = 0;
    int rowBottom = client.height();
    int rowHeight = 0;
    for (QMdiSubWindow* sub : minimizedWindows(area)) {
        const QSize icon = sub->size();
        // A full row goes on; the next one lies just above it.
        if (left > 0 && left + icon.width() > client.width()) {
            left = 0;
            rowBottom -= rowHeight;
            rowHeight = 0;
        }
        sub->move(left, rowBottom - icon.height());
        left += icon.width();
        rowHeight = std::max(rowHeight, icon.height());
    }
}
