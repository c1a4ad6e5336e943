#pragma once

// Every fixed command of the frame's and the document windows' menus. The recent files, the tag
// and user menus and the window list are entries drawn from data, not commands of their own.
enum class Command {
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    FileExit,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditSelectAll,
    EditFind,
    EditFindNext,
    EditWrapText,
    InsertTimeDate,
    InsertQuickPage,
    OptionsTemplate,
    OptionsToolbar,
    OptionsCancelNewForm,
    OptionsBackgroundColor,
    OptionsForegroundColor,
    OptionsFont,
    OptionsEditUserMenus,
    OptionsUpdateUserMenus,
    OptionsBackupUserMenus,
    OptionsClearPreferences,
    WindowCascade,
    WindowTile,
    WindowArrangeIcons,
    WindowTabbed,
    HelpReadme,
    HelpAbout,
};

constexpr int kCommandCount = static_cast<int>(Command::HelpAbout) + 1;
