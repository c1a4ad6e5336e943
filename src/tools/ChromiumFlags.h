#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The browser engine of the live preview reads its command-line flags from the environment
// variable QTWEBENGINE_CHROMIUM_FLAGS when it starts. Assistive tools, tests and users set their
// own flags there, so the program only ever adds to them.
namespace ChromiumFlags {

// `flags` with each of `needed` appended that it does not hold already (by the name before "=").
QByteArray withFlags(const QByteArray& flags, const QByteArrayList& needed);

// Whether the engine's sandbox can work here: it needs a user that is not root and the right to
// make user namespaces. Where it cannot, the engine would end the whole program at its start.
bool sandboxCanWork();

// The flags the preview needs on this system: --no-sandbox where the sandbox cannot work, and
// nothing else.
QByteArrayList needed();

// Adds the needed flags to the environment; called before the engine is loaded.
void addNeededToEnvironment();

}  // namespace ChromiumFlags
