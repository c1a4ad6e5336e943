#pragma once

#include <QString>
#include <optional>

// The short size text that the editor boxes write to the status line: bytes below 1000, else
// kilobytes of 1000 bytes with three decimals. Lengths count a line break as the file's line end.
namespace SizeReport {

// After a key or mouse button is released: the selection's size, or the document's when
// nothing is selected.
QString afterRelease(qint64 selectedLength, qint64 documentLength);

// While the mouse moves over a box: the document's size when nothing is selected; with a
// selection the status line is left alone.
std::optional<QString> afterMouseMove(qint64 selectedLength, qint64 documentLength);

// "0.000" form of n / 1000 with the system's decimal separator and no digit grouping.
QString kilobytes(qint64 n);

}  // namespace SizeReport
