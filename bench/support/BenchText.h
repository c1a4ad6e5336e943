#pragma once

#include <QByteArray>

// Realistic HTML of about `bytes` bytes: short markup lines, long paragraphs and a table, with LF
// line ends. The same size gives the same text.
QByteArray benchHtml(qint64 bytes);
