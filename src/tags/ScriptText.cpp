#include "tags/ScriptText.h"

#include "tags/KeystrokeScript.h"

QString scriptForLiteralText(const QString& text) {
    QString script;
    script.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            script += u'~';
        } else if (KeystrokeScript::isSpecialCharacter(c)) {
            script += u'{';
            script += c;
            script += u'}';
        } else {
            script += c;
        }
    }
    return script;
}
