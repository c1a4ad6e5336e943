#include "PagePeek.h"

#include <QObject>
#include <QWebEngineView>
#include <QWidget>

class WebEnginePagePeek : public QObject, public PagePeek {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PAGELARK_PAGE_PEEK_IID)
    Q_INTERFACES(PagePeek)
public:
    void evaluate(QWidget* pane, const QString& script,
                  std::function<void(const QVariant&)> done) override {
        auto* view = pane->findChild<QWebEngineView*>();
        if (!view) {
            done(QVariant());
            return;
        }
        view->page()->runJavaScript(script, std::move(done));
    }
};

#include "PagePeek.moc"
