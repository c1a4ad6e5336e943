#pragma once

#include <QList>
#include <QString>
#include <functional>

class CommandHandlers;
class DocumentWindow;
class Preferences;

// The colours and the font of a document window's Options menu, and the refreshes that carry a
// stored choice to every open document window. Fonts and colours only change how the editors
// show the text: none of this counts as an edit.
class AppearanceOptions {
public:
    using WindowList = std::function<QList<DocumentWindow*>()>;
    // Shows the status line's font text.
    using FontNote = std::function<void(const QString& text)>;

    AppearanceOptions(Preferences& prefs, WindowList openWindows)
        : m_prefs(prefs), m_openWindows(std::move(openWindows)) {}

    // Binds Background color, Foreground color and Font; a chosen font's text goes to `showFont`.
    void bindCommands(CommandHandlers& commands, FontNote showFont);

    // Background colour: the window's colour dialog, preset from the editor; both colours stored
    // and the background given to every window.
    void chooseBackColor(DocumentWindow& doc);
    // Foreground colour: likewise, the colour itself reaching only this window at once.
    void chooseForeColor(DocumentWindow& doc);
    // Font: the window's font dialog, preset from the editor; the font stored and given to every
    // window. Returns the status line's font text (empty when nothing could be stored).
    QString chooseFont(DocumentWindow& doc);

    // Gives a new window the stored font (else the default one) and the stored colours.
    void applyStored(DocumentWindow& doc) const;

private:
    enum class Layer { Back, Fore };
    void chooseColor(DocumentWindow& doc, Layer layer);
    void refreshBackgrounds();
    void refreshFonts();

    Preferences& m_prefs;
    WindowList m_openWindows;
};
