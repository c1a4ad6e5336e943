#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// One name the data knows: an element, an attribute or a value.
struct HtmlEntry {
    QString name;
    QString link;             // its reference page, when the data gives one
    bool deprecated = false;  // deprecated or obsolete: offered last
    // A void element (no content, no end tag) or an attribute that takes no value.
    bool empty = false;
    QString valueSet;  // an attribute's enumerated values, by the name of their set
};

struct HtmlElement {
    HtmlEntry entry;
    QList<HtmlEntry> attributes;  // its own attributes, in the data's order
};

// The web platform's HTML elements, attributes and values, from the generated data file that
// the build embeds (resources/html-data). Parsed on first use, never at start-up. Names are
// looked up without regard to case.
class HtmlData {
public:
    // The program's data, parsed the first time it is asked for.
    static const HtmlData& builtIn();
    // Data from text in the generated file's format; lines it cannot read are skipped.
    static HtmlData parse(QStringView text);

    // Every element, alphabetical, the deprecated ones last.
    const QList<HtmlEntry>& elements() const { return m_elementEntries; }
    const HtmlElement* element(QStringView name) const;
    // The element's own attributes, then the global ones, each part alphabetical; the deprecated
    // ones last of all. An unknown element has the global ones.
    QList<HtmlEntry> attributesOf(QStringView element) const;
    // The enumerated values of the element's attribute (its own, else the global one), or none.
    QStringList valuesOf(QStringView element, QStringView attribute) const;
    // Void per the data; unknown (custom) elements are not.
    bool isVoid(QStringView element) const;

private:
    void readLine(const QList<QStringView>& fields);
    void finish();

    QList<HtmlElement> m_elements;
    QList<HtmlEntry> m_elementEntries;
    QList<HtmlEntry> m_globals;
    QHash<QString, qsizetype> m_elementIndex;  // lower-case name -> index in m_elements
    QHash<QString, QStringList> m_valueSets;
};
