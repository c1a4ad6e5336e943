#include "text/TextDirection.h"

#include <QChar>

namespace {

bool isRightToLeft(char32_t codePoint) {
    switch (QChar::direction(codePoint)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool TextDirection::hasRightToLeft(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        // Only characters from the Hebrew block on can run right to left.
        if (codePoint < 0x0590)
            continue;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (isRightToLeft(codePoint))
            return true;
    }
    return false;
}
