#pragma once

#include <QString>
#include <QStringList>

class MarkupText;
class OpenElementsMemo;

// What the caret stands in, for offering names as the user types.
struct CompletionContext {
    enum class Kind {
        None,
        Element,    // in an element's name after "<" (nothing typed yet right after it)
        Attribute,  // in a start tag after a blank, or in an attribute's name
        Value,      // in a quoted attribute value
        EndTag,     // after "</", in the name
    };
    Kind kind = Kind::None;
    int tagStart = 0;  // the tag's "<"
    // What accepting an entry replaces: the name (or the value's word) around the caret.
    int replaceStart = 0;
    int replaceEnd = 0;
    QString typed;             // its part before the caret, which the entries must match
    QString element;           // Attribute, Value: the tag's element
    QString attribute;         // Value: the attribute
    QStringList present;       // Attribute: the attributes the tag has already
    QStringList openElements;  // EndTag: the elements open before the tag, innermost first
    // Element and EndTag: the rest of the tag follows the name; Attribute: an "=" follows it.
    // Then an accepted entry replaces the name alone.
    bool tagGoesOn = false;
};

// The context at `caret`, read from the text around it. None in comments, declarations, scripts
// and styles, and where no tag starts within a short distance before the caret. An end tag's open
// elements come from `memo` when one is given.
CompletionContext completionContextAt(const MarkupText& text, int caret,
                                      OpenElementsMemo* memo = nullptr);
