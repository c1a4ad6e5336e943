#pragma once

#include <QString>

// An editor font as the font dialog returns it and the preferences keep it.
struct FontChoice {
    QString name;
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool operator==(const FontChoice&) const = default;

    // The editor's font while none is stored: the system's fixed-pitch font.
    static FontChoice systemFixed();
};
