#pragma once

#include <QString>

// The template that new documents start from, as the "Template" preferences keep it: both
// values as stored text ("Checked" is "0" or "1" when the program wrote it).
struct TemplateOptions {
    QString checked;
    QString file;

    // In force: "Checked" present with a number other than 0 (text that is no number counts as
    // 0), and a file named.
    bool inForce() const;
    // The Template Options check box reads "on" from any number other than 0.
    bool isChecked() const;
    // A document window's Template entry is checked when it is made if the number is 1.
    bool marksNewDocument() const;
    // The frame's entry is checked at start-up only for the exact text "1".
    bool marksFrameAtStartUp() const { return checked == QLatin1String("1"); }

    bool operator==(const TemplateOptions&) const = default;
};
