#include "tags/HtmlElementNames.h"

const QStringList& htmlElementNames() {
    static const QStringList names = {
        "a",        "abbr",    "address",  "applet",   "article",    "aside",      "audio",
        "b",        "bdi",     "bdo",      "big",      "blockquote", "body",       "button",
        "canvas",   "caption", "center",   "cite",     "code",       "colgroup",   "data",
        "datalist", "dd",      "del",      "details",  "dfn",        "dialog",     "dir",
        "div",      "dl",      "dt",       "em",       "fieldset",   "figcaption", "figure",
        "font",     "footer",  "form",     "frameset", "h1",         "h2",         "h3",
        "h4",       "h5",      "h6",       "head",     "header",     "hgroup",     "html",
        "i",        "iframe",  "ins",      "kbd",      "label",      "legend",     "li",
        "main",     "map",     "mark",     "menu",     "meter",      "nav",        "noframes",
        "noscript", "object",  "ol",       "optgroup", "option",     "output",     "p",
        "picture",  "pre",     "progress", "q",        "rp",         "rt",         "ruby",
        "s",        "samp",    "script",   "search",   "section",    "select",     "slot",
        "small",    "span",    "strike",   "strong",   "style",      "sub",        "summary",
        "sup",      "table",   "tbody",    "td",       "template",   "textarea",   "tfoot",
        "th",       "thead",   "time",     "title",    "tr",         "tt",         "u",
        "ul",       "var",     "video",
    };
    return names;
}
