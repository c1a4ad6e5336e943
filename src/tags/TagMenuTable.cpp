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
    {"insert_html", "<html>", "<html>", T},
    {"insert_head", "<head>", "<head>", T},
    {"insert_title", "<title>", "<title>", T},
    {"insert_base", "<base href=\"\">", "<base href=+'+'>{left 2}", T},
    {"insert_isindex", "<isindex prompt=\"\">", "<isindex prompt=+'+'>{left 2}", T},
    {"insert_meta", "<meta", "<meta ", T},
    {"insert_name_attribute", "name=\"\"", "name=+'+'{left}", T},
    {"insert_content_attribute", "content=\"\"", "content=+'+'{left}", T},
    {"insert_http_equiv_attribute", "http-equiv=\"\"", "http-equiv=+'+'{left}", T},
    {"insert_body", "<body>", "<body>", T},
    {"insert_link", "<a href=\"\">", "<a href=+'+'>{left 2}", T},
    {"insert_image", "<img src=\"\">", "<img src=+'+'>{left 2}", T},
    {"insert_horizontal_rule", "<hr>", "<hr>", T},
    {"insert_mailto", "mailto:", "mailto:", T},
    separator("document_tags_end_separator"),
    {"insert_html_end", "</html>", "</html>", T},
    {"insert_head_end", "</head>", "</head>", T},
    {"insert_title_end", "</title>", "</title>", T},
    {"insert_body_end", "</body>", "</body>", T},
    {"insert_link_end", "</a>", "</a>", T},
};

constexpr TagMenuEntry kColorTags[] = {
    {"insert_palette_color", "&Palette", "", TagEntryKind::Palette},
    {"insert_alink_attribute", "alink=\"\"", "alink=+'+'{left}", T},
    {"insert_bgcolor_attribute", "bgcolor=\"\"", "bgcolor=+'+'{left}", T},
    {"insert_link_attribute", "link=\"\"", "link=+'+'{left}", T},
    {"insert_text_attribute", "text=\"\"", "text=+'+'{left}", T},
    {"insert_vlink_attribute", "vlink=\"\"", "vlink=+'+'{left}", T},
};

constexpr TagMenuEntry kHeadingTags[] = {
    {"insert_h1", "<h1>", "<h1>", T},        {"insert_h2", "<h2>", "<h2>", T},
    {"insert_h3", "<h3>", "<h3>", T},        {"insert_h4", "<h4>", "<h4>", T},
    {"insert_h5", "<h5>", "<h5>", T},        {"insert_h6", "<h6>", "<h6>", T},
    separator("heading_tags_end_separator"), {"insert_h1_end", "</h1>", "</h1>", T},
    {"insert_h2_end", "</h2>", "</h2>", T},  {"insert_h3_end", "</h3>", "</h3>", T},
    {"insert_h4_end", "</h4>", "</h4>", T},  {"insert_h5_end", "</h5>", "</h5>", T},
    {"insert_h6_end", "</h6>", "</h6>", T},
};

constexpr TagMenuEntry kListTags[] = {
    {"insert_ordered_list", "<ol>", "<ol>", T},
    {"insert_unordered_list", "<ul>", "<ul>", T},
    {"insert_definition_list", "<dl>", "<dl>", T},
    {"insert_list_item", "<li>", "<li>", T},
    {"insert_definition_term", "<dt>", "<dt>", T},
    {"insert_definition", "<dd>", "<dd>", T},
    {"insert_type_circle", "type=\"circle\"", "type=+'circle+'", T},
    {"insert_type_disc", "type=\"disc\"", "type=+'disc+'", T},
    {"insert_type_square", "type=\"square\"", "type=+'square+'", T},
    separator("list_tags_end_separator"),
    {"insert_ordered_list_end", "</ol>", "</ol>", T},
    {"insert_unordered_list_end", "</ul>", "</ul>", T},
    {"insert_definition_list_end", "</dl>", "</dl>", T},
    {"insert_list_item_end", "</li>", "</li>", T},
    {"insert_definition_term_end", "</dt>", "</dt>", T},
    {"insert_definition_end", "</dd>", "</dd>", T},
};

constexpr TagMenuEntry kTableTags[] = {
    {"insert_table", "<table>", "<table>", T},       {"insert_table_row", "<tr>", "<tr>", T},
    {"insert_table_data", "<td>", "<td>", T},        separator("table_tags_end_separator"),
    {"insert_table_end", "</table>", "</table>", T}, {"insert_table_row_end", "</tr>", "</tr>", T},
    {"insert_table_data_end", "</td>", "</td>", T},
};

constexpr TagMenuEntry kFormattingTags[] = {
    {"insert_align_center", "align=\"center\"", "align=+'center+'", T},
    {"insert_align_left", "align=\"left\"", "align=+'left+'", T},
    {"insert_align_right", "align=\"right\"", "align=+'right+'", T},
    {"insert_align_top", "align=\"top\"", "align=+'top+'", T},
    {"insert_align_middle", "align=\"middle\"", "align=+'middle+'", T},
    {"insert_align_bottom", "align=\"bottom\"", "align=+'bottom+'", T},
    {"insert_address", "<address>", "<address>", T},
    {"insert_big", "<big>", "<big>", T},
    {"insert_blockquote", "<blockquote>", "<blockquote>", T},
    {"insert_line_break", "<br>", "<br>", T},
    {"insert_font", "<font", "<font", T},
    {"insert_paragraph", "<p>", "<p>", T},
    {"insert_preformatted", "<pre>", "<pre>", T},
    {"insert_size_attribute", "size=\"\"", "size=+'+'{left}", T},
    {"insert_small", "<small>", "<small>", T},
    {"insert_strike", "<strike>", "<strike>", T},
    {"insert_subscript", "<sub>", "<sub>", T},
    {"insert_superscript", "<sup>", "<sup>", T},
    {"insert_teletype", "<tt>", "<tt>", T},
    separator("formatting_tags_end_separator"),
    {"insert_address_end", "</address>", "</address>", T},
    {"insert_big_end", "</big>", "</big>", T},
    {"insert_blockquote_end", "</blockquote>", "</blockquote>", T},
    {"insert_font_end", "</font>", "</font>", T},
    {"insert_paragraph_end", "</p>", "</p>", T},
    {"insert_preformatted_end", "</pre>", "</pre>", T},
    {"insert_small_end", "</small>", "</small>", T},
    {"insert_strike_end", "</strike>", "</strike>", T},
    {"insert_subscript_end", "</sub>", "</sub>", T},
    {"insert_superscript_end", "</sup>", "</sup>", T},
    {"insert_teletype_end", "</tt>", "</tt>", T},
};

constexpr TagMenuEntry kFormTags[] = {
    {"insert_form", "<form", "<form ", T},
    {"insert_action_attribute", "action=\"\"", "action=+'+'{left}", T},
    {"insert_enctype_attribute", "enctype=\"\"", "enctype=+'+'{left}", T},
    {"insert_method_attribute", "method=\"\"", "method=+'+'{left}", T},
    {"insert_script_attribute", "script=\"\"", "script=+'+'{left}", T},
    {"insert_input", "<input ", "<input ", T},
    {"insert_accept_attribute", "accept=\"\"", "accept=+'+'{left}", T},
    {"insert_select", "<select ", "<select ", T},
    {"insert_form_name_attribute", "name=\"\"", "name=+'+'{left}", T},
    {"insert_option", "<option ", "<option ", T},
    {"insert_class_attribute", "class=\"\"", "class=+'+'{left}", T},
    {"insert_shape_attribute", "shape=\"\"", "shape=+'+'{left}", T},
    separator("form_tags_end_separator"),
    {"insert_option_end", "</option>", "</option>", T},
    {"insert_select_end", "</select>", "</select>", T},
    {"insert_form_end", "</form>", "</form>", T},
};

constexpr TagMenu kMenus[] = {
    {"document_tags_menu", "&Document Tags", kDocumentTags},
    {"color_tags_menu", "&Color Tags", kColorTags},
    {"heading_tags_menu", "&Heading Tags", kHeadingTags},
    {"list_tags_menu", "&List tags", kListTags},
    {"table_tags_menu", "&Table tags", kTableTags},
    {"formatting_tags_menu", "Text &Formatting", kFormattingTags},
    {"form_tags_menu", "Fo&rm Tags", kFormTags},
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
