#pragma once

#include <QtGlobal>

class QPlainTextEdit;

// Resident memory of this process in kilobytes (VmRSS), or 0 where it cannot be read.
qint64 residentKilobytes();

// Proportional memory (each shared page shared out) of this process's children and their children:
// the browser engine's processes, for the live preview.
qint64 childrenResidentKilobytes();

// Opens the live preview on `editor`'s document and returns this process's resident memory once
// the pane shows it; the engine's processes go to *engines. 0 without the preview's module.
// (With the live preview's benchmarks.)
qint64 previewProcessesKilobytes(QPlainTextEdit& editor, qint64* engines);

// Runs this program again as `--memory-probe=<kind>` and returns the resident memory that the
// child reports after opening a document of `bytes` bytes; kind is "pagelark" (as it ships, every
// line lexed for colouring), "plain" (colouring and line numbers off), "bare" or "preview" (as
// "pagelark", with the live preview open on the document; the engine's processes, from
// childrenResidentKilobytes, go to *engines).
qint64 probeMemory(const char* program, const char* kind, qint64 bytes, qint64* engines = nullptr);

// The child's side: opens the document in the real frame or in a bare editor and prints its
// resident memory. Returns the exit code.
int runMemoryProbe(const QString& kind, qint64 bytes);

// Wall time in milliseconds of a whole run of this program as `--startup-probe=<kind>`: process
// start, Qt's start, the frame (kind "pagelark", or "plain" with colouring and line numbers
// switched off) or an empty main window with an MDI area
// ("floor") shown and idle, and exit. The average of `runs` runs.
double probeStartup(const char* program, const char* kind, int runs);
int runStartupProbe(const QString& kind);
