#pragma once

// What a place in a page is part of, as far as help with typing tags cares: tags are offered and
// closed only where the text is markup (between tags or inside one).
enum class MarkupRegion {
    Text,            // between tags
    Tag,             // inside a tag, outside its attribute values
    AttributeValue,  // inside a quoted attribute value
    Comment,         // inside <!-- ... --> (server-side include directives too)
    Declaration,     // inside <!DOCTYPE ...>, <!...> or <?...?>
    Script,          // the content of a <script> element
    Style,           // the content of a <style> element
};

inline bool isMarkup(MarkupRegion region) {
    return region == MarkupRegion::Text || region == MarkupRegion::Tag;
}
