#pragma once

#include <QPointer>

class AboutBox;
class CommandHandlers;
class DocumentFiles;
class ProgramState;
class QWidget;

// The Help menu: the read-me file, opened as a document, and the About box, at most one.
class HelpCommands {
public:
    HelpCommands(ProgramState& state, DocumentFiles& files, QWidget* dialogParent);

    void bindCommands(CommandHandlers& commands);

private:
    void showAbout();

    ProgramState& m_state;
    DocumentFiles& m_files;
    QWidget* m_dialogParent;
    QPointer<AboutBox> m_about;
};
