#include "html/MarkupTree.h"

#include "html/HtmlData.h"

namespace {

QString openingTag(const MarkupNode& node) {
    QString tag = u'<' + node.name;
    for (const MarkupAttribute& attribute : node.attributes) {
        tag += u' ' + attribute.name;
        if (!attribute.bare) {
            QString value = attribute.value;
            tag += QStringLiteral("=\"%1\"").arg(value.replace(u'"', QStringLiteral("&quot;")));
        }
    }
    return tag + u'>';
}

class MarkupWriter {
public:
    explicit MarkupWriter(const MarkupLayout& layout) : m_layout(layout) {}

    void write(const MarkupNode& node, int depth) {
        if (node.name.isEmpty()) {
            line(depth, node.text);
            return;
        }
        const QString opening = openingTag(node);
        if (HtmlData::builtIn().isVoid(node.name)) {
            line(depth, opening);
            return;
        }
        const QString closing = QStringLiteral("</%1>").arg(node.name);
        if (node.children.empty()) {
            line(depth, opening + node.text + closing);
            return;
        }
        line(depth, opening);
        if (!node.text.isEmpty())
            line(depth + 1, node.text);
        for (const MarkupNode& child : node.children)
            write(child, depth + 1);
        line(depth, closing);
    }

    QString text() const { return m_text; }

private:
    void line(int depth, const QString& content) {
        if (m_started)
            m_text += u'\n' + m_layout.baseIndent;
        m_started = true;
        m_text += m_layout.indentUnit.repeated(depth) + content;
    }

    const MarkupLayout& m_layout;
    QString m_text;
    bool m_started = false;
};

int leadingBlanks(const QString& line) {
    int count = 0;
    while (count < line.size() && line[count] == u' ')
        ++count;
    return count;
}

}  // namespace

QString writeMarkup(const std::vector<MarkupNode>& nodes, const MarkupLayout& layout) {
    MarkupWriter writer(layout);
    for (const MarkupNode& node : nodes)
        writer.write(node, 0);
    return writer.text();
}

QString indentUnitOf(const QStringList& lines) {
    int smallest = 0;
    for (const QString& line : lines) {
        // A line of blanks only says nothing about the indentation.
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'\t'))
            return QStringLiteral("\t");
        const int blanks = leadingBlanks(line);
        if (blanks > 0 && (smallest == 0 || blanks < smallest))
            smallest = blanks;
    }
    return QString(smallest > 0 && smallest <= 8 ? smallest : 2, u' ');
}
