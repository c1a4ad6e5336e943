#pragma once

#include <QByteArray>
#include <QString>

struct TemplateOptions;

// The template that new documents start from.
namespace Templates {

enum class Outcome { NotInForce, Loaded, Unreadable };

// Reads the template file into `bytes` when templates are in force. A file that cannot be read
// (missing, a folder, no permission) is Unreadable and leaves `bytes` alone.
Outcome read(const TemplateOptions& options, QByteArray* bytes);

// The message for a template that cannot be read.
inline QString unreadableMessage(const QString& file) {
    return QStringLiteral("Can't open template file: ") + file;
}
// The status line's template text.
inline QString statusText(const QString& file) {
    return QStringLiteral(" Template: ") + file;
}

}  // namespace Templates
