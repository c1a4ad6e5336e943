#include "templates/Templates.h"

#include "app/BusyCursor.h"
#include "app/MainFrame.h"
#include "app/PictureButton.h"
#include "app/PreferencesStore.h"
#include "app/StatusLine.h"
#include "app/Toolbar.h"
#include "document/DocumentWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace {

// The stored number as the program reads it; text that is no number reads as 0.
double numberOf(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0;
}

}  // namespace

bool Templates::Options::inForce() const {
    return !checked.isEmpty() && numberOf(checked) != 0 && !file.isEmpty();
}

bool Templates::Options::isChecked() const {
    return numberOf(checked) != 0;
}

Templates::Options Templates::stored(const PreferencesStore& prefs) {
    return {prefs.get(Pref::Template, Pref::Checked), prefs.get(Pref::Template, Pref::File)};
}

void Templates::store(PreferencesStore& prefs, const Options& options) {
    prefs.save(Pref::Template, Pref::Checked, options.checked);
    prefs.save(Pref::Template, Pref::File, options.file);
}

bool Templates::applyTo(MainFrame& frame, DocumentWindow& doc, Occasion occasion) {
    const Options options = stored(frame.prefs());
    if (!options.inForce())
        return false;
    QFile file(options.file);
    // A folder opens on this platform but holds no text: it is refused like a missing file.
    if (!QFileInfo(options.file).isFile() || !file.open(QIODevice::ReadOnly)) {
        frame.showMessage(QStringLiteral("Can't open template file: ") + options.file);
        // New may have been pressed on the toolbar: the message took the button's release.
        if (frame.toolbarShown())
            frame.toolbar()->button(ToolbarButton::New)->showReleased();
        return false;
    }
    {
        BusyCursor busy;
        doc.loadBytes(file.readAll());
        doc.setChanged(false);
    }
    if (occasion == Occasion::StartUp)
        frame.statusLine()->templateFile()->setText(statusText(options.file));
    return true;
}
