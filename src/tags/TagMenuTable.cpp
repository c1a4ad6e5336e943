#include "tags/TagMenuTable.h"

#include <QLatin1StringView>

namespace {

constexpr TagEntryKind T = TagEntryKind::Tag;
constexpr TagMenuEntry separator(const char* name) {
    return {name, "-", "", TagEntryKind::Separator};
}

// Captions show what is typed, with the cursor moves left out; `<meta` and `<form` show no
// trailing blank although their scripts type one.
constexpr TagMenuEntry kDocumentTags[] = {
    {"html", "<html>", "<html>", T},
    {"head", "<head>", "<head>", T},
    {"title", "<title>", "<title>", T},
    {"base", "<base href=\"\">", "<base href=+'+'>{left 2}", T},
    {"isindx", "<isindex prompt=\"\">", "<isindex prompt=+'+'>{left 2}", T},
    {"meta", "<meta", "<meta ", T},
    {"nme", "name=\"\"", "name=+'+'{left}", T},
    {"content", "content=\"\"", "content=+'+'{left}", T},
    {"ettpeqv", "http-equiv=\"\"", "http-equiv=+'+'{left}", T},
    {"body", "<body>", "<body>", T},
    {"anchor", "<a href=\"\">", "<a href=+'+'>{left 2}", T},
    {"img", "<img src=\"\">", "<img src=+'+'>{left 2}", T},
    {"hr", "<hr>", "<hr>", T},
    {"mialto", "mailto:", "mailto:", T},
    separator("p99"),
    {"htmlend", "</html>", "</html>", T},
    {"headend", "</head>", "</head>", T},
    {"titleend", "</title>", "</title>", T},
    {"bodyend", "</body>", "</body>", T},
    {"anchend", "</a>", "</a>", T},
};

constexpr TagMenuEntry kColorTags[] = {
    {"palette", "&Palette", "", TagEntryKind::Palette},
    {"alink", "alink=\"\"", "alink=+'+'{left}", T},
    {"bgcolor", "bgcolor=\"\"", "bgcolor=+'+'{left}", T},
    {"link", "link=\"\"", "link=+'+'{left}", T},
    {"text", "text=\"\"", "text=+'+'{left}", T},
    {"vlink", "vlink=\"\"", "vlink=+'+'{left}", T},
};

constexpr TagMenuEntry kHeadingTags[] = {
    {"h1", "<h1>", "<h1>", T},
    {"h2", "<h2>", "<h2>", T},
    {"h3", "<h3>", "<h3>", T},
    {"h4", "<h4>", "<h4>", T},
    {"h5", "<h5>", "<h5>", T},
    {"h6", "<h6>", "<h6>", T},
    separator("o88"),
    {"h1e", "</h1>", "</h1>", T},
    {"h2e", "</h2>", "</h2>", T},
    {"h3e", "</h3>", "</h3>", T},
    {"h4e", "</h4>", "</h4>", T},
    {"h5e", "</h5>", "</h5>", T},
    {"h6e", "</h6>", "</h6>", T},
};

constexpr TagMenuEntry kListTags[] = {
    {"ol", "<ol>", "<ol>", T},
    {"ul", "<ul>", "<ul>", T},
    {"dl", "<dl>", "<dl>", T},
    {"li", "<li>", "<li>", T},
    {"dt", "<dt>", "<dt>", T},
    {"dd", "<dd>", "<dd>", T},
    {"typc", "type=\"circle\"", "type=+'circle+'", T},
    {"typd", "type=\"disc\"", "type=+'disc+'", T},
    {"typs", "type=\"square\"", "type=+'square+'", T},
    separator("t24"),
    {"olend", "</ol>", "</ol>", T},
    {"ulend", "</ul>", "</ul>", T},
    {"dlend", "</dl>", "</dl>", T},
    {"liend", "</li>", "</li>", T},
    {"dtend", "</dt>", "</dt>", T},
    {"ddend", "</dd>", "</dd>", T},
};

constexpr TagMenuEntry kTableTags[] = {
    {"table", "<table>", "<table>", T},
    {"row", "<tr>", "<tr>", T},
    {"data", "<td>", "<td>", T},
    separator("t25"),
    {"tableend", "</table>", "</table>", T},
    {"rowend", "</tr>", "</tr>", T},
    {"dataend", "</td>", "</td>", T},
};

constexpr TagMenuEntry kFormattingTags[] = {
    {"alignc", "align=\"center\"", "align=+'center+'", T},
    {"alignl", "align=\"left\"", "align=+'left+'", T},
    {"alignr", "align=\"right\"", "align=+'right+'", T},
    {"alignt", "align=\"top\"", "align=+'top+'", T},
    {"alignm", "align=\"middle\"", "align=+'middle+'", T},
    {"alignb", "align=\"bottom\"", "align=+'bottom+'", T},
    {"addr", "<address>", "<address>", T},
    {"big", "<big>", "<big>", T},
    {"bq", "<blockquote>", "<blockquote>", T},
    {"lbreak", "<br>", "<br>", T},
    {"font", "<font", "<font", T},
    {"para", "<p>", "<p>", T},
    {"pre", "<pre>", "<pre>", T},
    {"size", "size=\"\"", "size=+'+'{left}", T},
    {"small", "<small>", "<small>", T},
    {"strike", "<strike>", "<strike>", T},
    {"subb", "<sub>", "<sub>", T},
    {"super", "<sup>", "<sup>", T},
    {"ttee", "<tt>", "<tt>", T},
    separator("t22"),
    {"addrend", "</address>", "</address>", T},
    {"bigend", "</big>", "</big>", T},
    {"bqend", "</blockquote>", "</blockquote>", T},
    {"fontend", "</font>", "</font>", T},
    {"paraend", "</p>", "</p>", T},
    {"preend", "</pre>", "</pre>", T},
    {"smallend", "</small>", "</small>", T},
    {"strkend", "</strike>", "</strike>", T},
    {"subend", "</sub>", "</sub>", T},
    {"supend", "</sup>", "</sup>", T},
    {"tteend", "</tt>", "</tt>", T},
};

constexpr TagMenuEntry kFormTags[] = {
    {"frm", "<form", "<form ", T},
    {"action", "action=\"\"", "action=+'+'{left}", T},
    {"enctype", "enctype=\"\"", "enctype=+'+'{left}", T},
    {"method", "method=\"\"", "method=+'+'{left}", T},
    {"script", "script=\"\"", "script=+'+'{left}", T},
    {"inpt", "<input ", "<input ", T},
    {"accept", "accept=\"\"", "accept=+'+'{left}", T},
    {"select", "<select ", "<select ", T},
    {"name2", "name=\"\"", "name=+'+'{left}", T},
    {"option", "<option ", "<option ", T},
    {"class", "class=\"\"", "class=+'+'{left}", T},
    {"shape", "shape=\"\"", "shape=+'+'{left}", T},
    separator("sdf34"),
    {"optnend", "</option>", "</option>", T},
    {"selend", "</select>", "</select>", T},
    {"frmend", "</form>", "</form>", T},
};

constexpr TagMenu kMenus[] = {
    {"tags", "&Document Tags", kDocumentTags},   {"color", "&Color Tags", kColorTags},
    {"headings", "&Heading Tags", kHeadingTags}, {"listt", "&List tags", kListTags},
    {"tt", "&Table tags", kTableTags},           {"formats", "Text &Formatting", kFormattingTags},
    {"forms", "Fo&rm Tags", kFormTags},
};

}  // namespace

std::span<const TagMenu> tagMenuTable() {
    return kMenus;
}

const TagMenuEntry* findTagMenuEntry(QStringView name) {
    for (const TagMenu& menu : kMenus) {
        for (const TagMenuEntry& entry : menu.entries) {
            if (name == QLatin1StringView(entry.name))
                return &entry;
        }
    }
    return nullptr;
}
