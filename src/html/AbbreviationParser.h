#pragma once

#include "html/MarkupTree.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

// One item of an abbreviation as written, before multiplying and numbering.
struct AbbreviationItem {
    enum class Kind { Element, Text, Group };
    Kind kind = Kind::Element;
    QString name;  // empty: implied by the parent
    QString id;
    bool hasId = false;
    QStringList classes;
    QList<MarkupAttribute> attributes;  // a bare one had no `=`
    QString text;
    int count = 1;
    bool multiplied = false;
    std::vector<AbbreviationItem> children;  // a group's content or an element's children
};

// Reads an abbreviation (`ul>li.item$*3>a[href]`) into its items, or says why it cannot.
// Multipliers and nesting are bounded, so no input makes the reader or its users run away.
class AbbreviationParser {
public:
    static constexpr int kMaxCount = 1000;
    static constexpr int kMaxDepth = 50;

    explicit AbbreviationParser(QStringView text) : m_text(text) {}

    std::optional<std::vector<AbbreviationItem>> parse();
    // Why parse() gave nothing.
    QString error() const { return m_error; }

private:
    bool parseSequence(std::vector<AbbreviationItem>& out, int depth);
    bool parseItem(AbbreviationItem& item, int depth);
    bool parseGroup(AbbreviationItem& item, int depth);
    bool parseElement(AbbreviationItem& item);
    bool parseAttributes(AbbreviationItem& item);
    bool parseAttribute(AbbreviationItem& item);
    bool parseText(QString& text);
    bool parseMultiplier(AbbreviationItem& item);
    QString readWord();
    QString readUntil(QChar end);
    void skipBlanks();
    bool at(QChar c) const { return m_at < m_text.size() && m_text[m_at] == c; }
    bool atEnd() const { return m_at >= m_text.size(); }
    bool fail(const QString& why);

    QStringView m_text;
    qsizetype m_at = 0;
    QString m_error;
};
