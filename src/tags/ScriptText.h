#pragma once

#include <QString>

// A keystroke script that types `text` exactly as it stands: the script characters
// + ^ % ~ ( ) { } are escaped as {c}, and each line break (CR LF, LF or CR) becomes `~`.
QString scriptForLiteralText(const QString& text);
