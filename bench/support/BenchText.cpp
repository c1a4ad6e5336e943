#include "support/BenchText.h"

namespace {

const char* const kWords[] = {"lark",  "page",   "editor", "markup", "caret", "anchor",
                              "table", "source", "header", "sings",  "above", "meadow"};

QByteArray paragraph(int index, int words) {
    QByteArray text = "<p class=\"body\">";
    for (int w = 0; w < words; ++w) {
        text += kWords[(index * 7 + w * 3) % 12];
        text += w % 17 == 16 ? ".\n" : " ";
    }
    return text + "</p>\n";
}

QByteArray section(int index) {
    QByteArray text = "<h2 id=\"s" + QByteArray::number(index) + "\">Section " +
                      QByteArray::number(index) + "</h2>\n";
    text += paragraph(index, 40 + index % 60);
    text += "<table border=\"1\" cellpadding=\"4\">\n";
    for (int row = 0; row < 3; ++row) {
        text += "  <tr><td>" + QByteArray::number(row) + "</td><td><a href=\"page" +
                QByteArray::number(index) + ".html\">link</a></td></tr>\n";
    }
    text += "</table>\n";
    // Now and then one very long line, as minified markup has.
    if (index % 25 == 0)
        text += paragraph(index + 1, 600).replace('\n', ' ') + "\n";
    return text;
}

}  // namespace

QByteArray benchHtml(qint64 bytes) {
    QByteArray html = "<!DOCTYPE html>\n<html>\n<head>\n<title>Bench</title>\n</head>\n<body>\n";
    for (int index = 0; html.size() < bytes - 20; ++index)
        html += section(index);
    html.truncate(std::max<qint64>(0, bytes - 16));
    return html + "\n</body></html>\n";
}
