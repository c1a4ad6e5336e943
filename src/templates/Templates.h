#pragma once

#include <QString>

class DocumentWindow;
class MainFrame;
class PreferencesStore;

// The template that new documents start from, as kept in the "Template" preferences.
class Templates {
public:
    // The two stored values, as text: "Checked" is "0" or "1" when the program wrote it.
    struct Options {
        QString checked;
        QString file;

        // In force: "Checked" present with a number other than 0 (text that is no number counts
        // as 0), and a file named.
        bool inForce() const;
        // Whether the check box and the menu marks read "on" from the stored number.
        bool isChecked() const;
        bool operator==(const Options&) const = default;
    };

    static Options stored(const PreferencesStore& prefs);
    static void store(PreferencesStore& prefs, const Options& options);

    enum class Occasion { StartUp, NewDocument };

    // Loads the template into `doc` when templates are in force, leaving the document clean.
    // A file that cannot be read is reported and leaves the document as it was. At start-up a
    // loaded template is also named in the status line. True when the template was loaded.
    static bool applyTo(MainFrame& frame, DocumentWindow& doc, Occasion occasion);

    // The status line's template text.
    static QString statusText(const QString& file) { return QStringLiteral(" Template: ") + file; }
};
