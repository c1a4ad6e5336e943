#pragma once

#include <QString>
#include <QVariant>
#include <QtPlugin>
#include <functional>

class QWidget;

// What the live preview's tests read of a pane's page. It lives in a module of its own, loaded
// after the preview's module, so that the tests start the browser engine late, as the program
// does (an executable linked to the engine would start it before its application object).
class PagePeek {
public:
    virtual ~PagePeek() = default;
    // Runs `script` in the page of `pane` (the page's own script world) and hands over its
    // result.
    virtual void evaluate(QWidget* pane, const QString& script,
                          std::function<void(const QVariant&)> done) = 0;
};

#define PAGELARK_PAGE_PEEK_IID "org.pagelark.test.PagePeek/1"
Q_DECLARE_INTERFACE(PagePeek, PAGELARK_PAGE_PEEK_IID)
