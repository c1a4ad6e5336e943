#include "templates/Templates.h"

#include "state/TemplateOptions.h"

#include <QFile>
#include <QFileInfo>

Templates::Outcome Templates::read(const TemplateOptions& options, QByteArray* bytes) {
    if (!options.inForce())
        return Outcome::NotInForce;
    QFile file(options.file);
    // A folder opens on this platform but holds no text: it is refused like a missing file.
    if (!QFileInfo(options.file).isFile() || !file.open(QIODevice::ReadOnly))
        return Outcome::Unreadable;
    *bytes = file.readAll();
    return Outcome::Loaded;
}
