#include "html/HtmlData.h"

#include <QFile>
#include <algorithm>

namespace {

// An entry written as name[=set][/][!] (see the generated file's header).
HtmlEntry readEntry(QStringView spec, QStringView link) {
    HtmlEntry entry;
    entry.link = link.toString();
    if (spec.endsWith(u'!')) {
        entry.deprecated = true;
        spec.chop(1);
    }
    if (spec.endsWith(u'/')) {
        entry.empty = true;
        spec.chop(1);
    }
    const qsizetype equals = spec.indexOf(u'=');
    if (equals >= 0) {
        entry.valueSet = spec.sliced(equals + 1).toString();
        spec.truncate(equals);
    }
    entry.name = spec.toString();
    return entry;
}

// Alphabetical, the deprecated entries last.
void sortEntries(QList<HtmlEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const HtmlEntry& a, const HtmlEntry& b) {
        if (a.deprecated != b.deprecated)
            return b.deprecated;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
}

const HtmlEntry* findEntry(const QList<HtmlEntry>& entries, QStringView name) {
    for (const HtmlEntry& entry : entries) {
        if (name.compare(entry.name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

}  // namespace

// Outside any namespace, as the resource's initialiser is.
static QString loadBuiltInText() {
    Q_INIT_RESOURCE(htmldata);
    QFile file(QStringLiteral(":/html-data/html5-elements.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

const HtmlData& HtmlData::builtIn() {
    static const HtmlData data = parse(loadBuiltInText());
    return data;
}

HtmlData HtmlData::parse(QStringView text) {
    HtmlData data;
    for (const QStringView line : text.tokenize(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            data.readLine(line.split(u'\t'));
    }
    data.finish();
    return data;
}

void HtmlData::readLine(const QList<QStringView>& fields) {
    if (fields.size() < 2 || fields[1].isEmpty())
        return;
    const QStringView kind = fields[0];
    const QStringView link = fields.size() > 2 ? fields[2] : QStringView();
    if (kind == u"values") {
        QStringList& values = m_valueSets[fields[1].toString()];
        for (qsizetype i = 2; i < fields.size(); ++i)
            values << fields[i].toString();
    } else if (kind == u"global") {
        m_globals << readEntry(fields[1], link);
    } else if (kind == u"element") {
        HtmlElement element{readEntry(fields[1], link), {}};
        for (qsizetype i = 3; i < fields.size(); ++i)
            element.attributes << readEntry(fields[i], {});
        m_elementIndex.insert(element.entry.name.toLower(), m_elements.size());
        m_elements << element;
    }
}

void HtmlData::finish() {
    for (HtmlElement& element : m_elements) {
        sortEntries(element.attributes);
        m_elementEntries << element.entry;
    }
    sortEntries(m_elementEntries);
    sortEntries(m_globals);
}

const HtmlElement* HtmlData::element(QStringView name) const {
    const auto found = m_elementIndex.constFind(name.toString().toLower());
    return found == m_elementIndex.cend() ? nullptr : &m_elements[*found];
}

QList<HtmlEntry> HtmlData::attributesOf(QStringView element) const {
    const HtmlElement* known = this->element(element);
    QList<HtmlEntry> attributes = known ? known->attributes : QList<HtmlEntry>();
    attributes.reserve(attributes.size() + m_globals.size());
    // The globals differ from each other: only the element's own attributes can repeat one.
    for (const HtmlEntry& global : m_globals) {
        if (!known || !findEntry(known->attributes, global.name))
            attributes << global;
    }
    std::stable_partition(attributes.begin(), attributes.end(),
                          [](const HtmlEntry& entry) { return !entry.deprecated; });
    return attributes;
}

QStringList HtmlData::valuesOf(QStringView element, QStringView attribute) const {
    const HtmlElement* known = this->element(element);
    const HtmlEntry* entry = known ? findEntry(known->attributes, attribute) : nullptr;
    if (!entry)
        entry = findEntry(m_globals, attribute);
    return entry ? m_valueSets.value(entry->valueSet) : QStringList();
}

bool HtmlData::isVoid(QStringView element) const {
    const HtmlElement* known = this->element(element);
    return known && known->entry.empty;
}
