#include "tools/PageTextReader.h"

#include <QTextBlock>

PageTextReader::PageTextReader(const QTextDocument& document, std::function<void()> onChange)
    : m_document(&document), m_onChange(std::move(onChange)) {
    m_editWatch = QObject::connect(&document, &QTextDocument::contentsChange,
                                   [this](int, int removed, int added) {
                                       if (m_nextLine > 0 && (removed > 0 || added > 0))
                                           m_onChange();
                                   });
    m_endWatch = QObject::connect(&document, &QObject::destroyed, [this] { m_onChange(); });
}

PageTextReader::~PageTextReader() {
    QObject::disconnect(m_editWatch);
    QObject::disconnect(m_endWatch);
}

QString PageTextReader::read(qsizetype characters) {
    QString lines;
    if (!m_document)
        return lines;
    for (QTextBlock line = m_document->findBlockByNumber(m_nextLine);
         line.isValid() && lines.size() < characters; line = line.next()) {
        lines += line.text();
        if (line.next().isValid())
            lines += u'\n';
        ++m_nextLine;
    }
    return lines;
}

bool PageTextReader::atEnd() const {
    return !m_document || m_nextLine >= m_document->blockCount();
}
