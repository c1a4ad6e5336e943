#include "html/TableMarkup.h"

namespace {

MarkupNode named(const QString& name) {
    MarkupNode node;
    node.name = name;
    return node;
}

MarkupNode row(int columns, const MarkupNode& cell) {
    MarkupNode tr = named(QStringLiteral("tr"));
    tr.children.assign(size_t(columns), cell);
    return tr;
}

}  // namespace

std::vector<MarkupNode> tableMarkup(const TableShape& shape) {
    MarkupNode table = named(QStringLiteral("table"));
    if (!shape.caption.isEmpty()) {
        MarkupNode caption = named(QStringLiteral("caption"));
        caption.text = shape.caption;
        table.children.push_back(caption);
    }
    if (shape.headerRow) {
        MarkupNode header = named(QStringLiteral("th"));
        header.attributes << MarkupAttribute{QStringLiteral("scope"), QStringLiteral("col")};
        MarkupNode thead = named(QStringLiteral("thead"));
        thead.children.push_back(row(shape.columns, header));
        table.children.push_back(thead);
    }
    MarkupNode tbody = named(QStringLiteral("tbody"));
    tbody.children.assign(size_t(shape.rows), row(shape.columns, named(QStringLiteral("td"))));
    table.children.push_back(tbody);
    return {table};
}
