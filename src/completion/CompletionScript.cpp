#include "completion/CompletionScript.h"

#include "html/CompletionContext.h"
#include "html/HtmlData.h"
#include "tags/ScriptText.h"

namespace {

using Kind = CompletionContext::Kind;

// Types `text` and moves the caret back `back` characters.
QString typeThenBack(const QString& text, qsizetype back) {
    const QString script = scriptForLiteralText(text);
    return back > 0 ? script + QStringLiteral("{left %1}").arg(back) : script;
}

}  // namespace

QString completionScript(const CompletionContext& context, const HtmlEntry& entry) {
    const QString& name = entry.name;
    switch (context.kind) {
        case Kind::Element: {
            if (context.tagGoesOn)
                return scriptForLiteralText(name);
            if (entry.empty)
                return scriptForLiteralText(name + u'>');
            const QString endTag = QLatin1StringView("</") + name + u'>';
            return typeThenBack(name + u'>' + endTag, endTag.size());
        }
        case Kind::Attribute:
            if (context.tagGoesOn || entry.empty)
                return scriptForLiteralText(name);
            return typeThenBack(name + QLatin1StringView("=\"\""), 1);
        case Kind::EndTag:
            return scriptForLiteralText(context.tagGoesOn ? name : name + u'>');
        case Kind::Value:
            return scriptForLiteralText(name);
        case Kind::None:
            break;
    }
    return {};
}
