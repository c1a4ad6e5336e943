#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <functional>

// Reads a document's text a slice of whole lines at a time, line feeds for line breaks, so that
// handing a 20 MB page to the checker never holds up the user-interface thread for long (a
// copy of the whole text at once takes over 100 ms). Between reads it keeps a line number,
// never a line handle. An edit after reading began, or the document's end, calls `onChange`:
// the lines read so far are then no longer one page.
class PageTextReader {
public:
    PageTextReader(const QTextDocument& document, std::function<void()> onChange);
    ~PageTextReader();
    PageTextReader(const PageTextReader&) = delete;
    PageTextReader& operator=(const PageTextReader&) = delete;

    // The lines that follow, `characters` or a few more (a longer line whole); empty at the end.
    QString read(qsizetype characters);
    bool atEnd() const;
    // Reading begins again from the first line.
    void rewind() { m_nextLine = 0; }
    bool hasDocument() const { return m_document != nullptr; }

private:
    QPointer<const QTextDocument> m_document;
    std::function<void()> m_onChange;
    QMetaObject::Connection m_editWatch;
    QMetaObject::Connection m_endWatch;
    int m_nextLine = 0;
};
