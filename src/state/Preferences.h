#pragma once

#include "state/FontChoice.h"
#include "state/TemplateOptions.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <optional>

class PreferencesStore;

// The editor's two colours as stored.
struct EditorColors {
    QColor back;
    QColor fore;
};

// Every stored preference as a typed value, each read by its one rule, over the raw store. In
// preferences-cleared mode the setters store nothing (the store refuses the writes).
class Preferences {
public:
    explicit Preferences(PreferencesStore& store) : m_store(store) {}

    PreferencesStore& store() const { return m_store; }
    bool isCleared() const;
    void setCleared(bool cleared);

    // The frame's position and size in twips. Nothing when "main_top" is absent or any of the
    // four is not a number; a top or left below 0 reads as 0.
    std::optional<QRect> frameGeometry() const;
    // Writes top, height, width and left, in this order.
    void setFrameGeometry(const QRect& twips);

    // Whether the toolbar was on: the exact text "True".
    bool toolbarShown() const;
    void setToolbarShown(bool shown);
    // Document windows as tabs: the exact text "True" under "Window"/"Tabbed".
    bool tabbedWindows() const;
    void setTabbedWindows(bool tabbed);
    // "Cancel new form on startup": the exact text "True".
    bool startWithoutDocument() const;
    void setStartWithoutDocument(bool on);

    TemplateOptions templateOptions() const;
    void setTemplateOptions(const TemplateOptions& options);

    // The stored font when "Name" is present; a size that is not a sensible number reads as the
    // default font's, the four switches as "True" or any non-zero number.
    std::optional<FontChoice> font() const;
    // Writes all six font keys.
    void setFont(const FontChoice& font);
    // " Font:  " name [" Bold"] [" Italic"] " " size " pt", from the stored texts.
    QString fontStatusText() const;

    // Both colours, when "BackColor" is present and readable (an unreadable "ForeColor" comes
    // back invalid).
    std::optional<EditorColors> colors() const;
    void setColors(const EditorColors& colors);

    // "RecentFile1" to "RecentFile4" that hold a value, most recent first.
    QStringList recentFiles() const;
    // Every value of the "Recent Files" section in key order, as the menus show them.
    QStringList recentFileSection() const;
    bool hasRecentFiles() const;
    // Stores the list under "RecentFile1" onwards.
    void setRecentFiles(const QStringList& files);

    // The position (1 to 5) of the file type last used in the Open dialog, else `fallback`.
    int fileType(int fallback) const;
    void setFileType(int position);

    // View > Syntax Colouring, Line Numbers, Highlight Current Line, Tag Completion, Auto-close
    // Tags and Auto Indent: on unless stored as "False" (any case) or a zero.
    bool syntaxColouring() const;
    void setSyntaxColouring(bool on);
    bool lineNumbers() const;
    void setLineNumbers(bool on);
    bool tagCompletion() const;
    void setTagCompletion(bool on);
    bool autoCloseTags() const;
    void setAutoCloseTags(bool on);
    bool highlightCurrentLine() const;
    void setHighlightCurrentLine(bool on);
    bool autoIndent() const;
    void setAutoIndent(bool on);
    // View > Live Preview: off unless stored as "True" or a non-zero number.
    bool livePreview() const;
    void setLivePreview(bool on);
    // Where the live preview's dock was left, as the dock writes it; empty when never stored.
    QString livePreviewPlace() const;
    void setLivePreviewPlace(const QString& place);
    // Options > Open Large Files: off unless stored as "True" or a non-zero number.
    bool openLargeFiles() const;
    void setOpenLargeFiles(bool on);

    // Clear Preferences: deletes each section that holds its probe key, then everything.
    void clearAll();

    // A stored switch: "True" (any case) or a non-zero number.
    static bool isTrue(const QString& text);

private:
    PreferencesStore& m_store;
};
