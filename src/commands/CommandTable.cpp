#include "commands/CommandTable.h"

#include <array>

namespace {

using C = Command;

constexpr CommandRow kRows[] = {
    {C::FileNew, "file_new", "&New", "Ctrl+N"},
    {C::FileOpen, "file_open", "&Open", "Ctrl+O"},
    {C::FileClose, "file_close", "&Close", "Ctrl+W; Ctrl+F4"},
    {C::FileSave, "file_save", "&Save", "Ctrl+S"},
    {C::FileSaveAs, "file_save_as", "Save &As...", "Ctrl+Shift+S"},
    {C::FileExit, "file_exit", "E&xit", "Ctrl+Q"},
    {C::EditUndo, "edit_undo", "&Undo", "Ctrl+Z"},
    {C::EditRedo, "edit_redo", "&Redo", "Ctrl+Shift+Z; Ctrl+Y"},
    {C::EditCut, "edit_cut", "Cu&t", "Ctrl+X"},
    {C::EditCopy, "edit_copy", "&Copy", "Ctrl+C"},
    {C::EditPaste, "edit_paste", "&Paste", "Ctrl+V"},
    {C::EditDelete, "edit_delete", "De&lete", "Del"},
    {C::EditSelectAll, "edit_select_all", "Select &All"},
    {C::EditSurroundWithTag, "edit_surround_with_tag", "&Surround With Tag...", "Ctrl+Shift+T"},
    {C::EditExpandAbbreviation, "edit_expand_abbreviation", "E&xpand Abbreviation", "Ctrl+E"},
    {C::EditFind, "edit_find", "&Find", "Ctrl+F"},
    {C::EditFindNext, "edit_find_next", "Find &Next", "F3"},
    {C::EditReplace, "edit_replace", "R&eplace...", "Ctrl+H"},
    {C::EditGoToLine, "edit_go_to_line", "&Go to Line...", "Ctrl+G"},
    {C::EditGoToMatchingTag, "edit_go_to_matching_tag", "Go to &Matching Tag", "Ctrl+M"},
    {C::EditWrapText, "edit_wrap_text", "&Wrap Text", "", true},
    {C::InsertTimeDate, "insert_time_date", "Ti&me/Date"},
    {C::InsertQuickPage, "insert_quick_page", "&Quick Page"},
    {C::InsertTable, "insert_table_builder", "Ta&ble..."},
    {C::OptionsTemplate, "options_template", "Te&mplate", "", true},
    {C::OptionsToolbar, "options_toolbar", "&Toolbar", "", true},
    {C::OptionsStartWithoutDocument, "options_cancel_new_form", "&Cancel new form on startup", "",
     true},
    {C::OptionsBackgroundColor, "options_background_color", "&Background color"},
    {C::OptionsForegroundColor, "options_foreground_color", "&Foreground color"},
    {C::OptionsFont, "options_font", "&Font"},
    {C::OptionsEditUserMenus, "options_edit_user_menus", "&Edit Userdef.dat File"},
    {C::OptionsUpdateUserMenus, "options_update_user_menus", "&Update User Defined Menus"},
    {C::OptionsBackupUserMenus, "options_backup_user_menus", "&Backup Userdef.dat now"},
    {C::OptionsClearPreferences, "options_clear_preferences", "Clear &Preferences", "", true},
    {C::ToolsPreviewInBrowser, "tools_preview_in_browser", "&Preview in Browser", "F12"},
    {C::ToolsCheckPage, "tools_check_page", "&Check Page", "F7"},
    {C::ToolsStopCheck, "tools_stop_check", "&Stop Check", "Shift+F7"},
    {C::ToolsRecordKeystrokes, "tools_record_keystrokes", "&Record Keystrokes"},
    {C::ToolsStopRecording, "tools_stop_recording", "&Stop Recording"},
    {C::ViewFold, "view_fold", "&Fold", "Ctrl+Alt+F"},
    {C::ViewUnfold, "view_unfold", "&Unfold", "Ctrl+Alt+U"},
    {C::ViewUnfoldAll, "view_unfold_all", "Unfold &All", "Ctrl+Alt+Shift+U"},
    {C::OptionsOpenLargeFiles, "options_open_large_files", "Open &Large Files", "", true},
    {C::ViewSyntaxColouring, "view_syntax_colouring", "&Syntax Colouring", "", true},
    {C::ViewLineNumbers, "view_line_numbers", "&Line Numbers", "", true},
    {C::ViewTagCompletion, "view_tag_completion", "&Tag Completion", "", true},
    {C::ViewAutoCloseTags, "view_auto_close_tags", "&Auto-close Tags", "", true},
    {C::ViewHighlightCurrentLine, "view_highlight_current_line", "&Highlight Current Line", "",
     true},
    {C::ViewAutoIndent, "view_auto_indent", "Auto &Indent", "", true},
    {C::ViewLivePreview, "view_live_preview", "Live &Preview", "Ctrl+Shift+P", true},
    {C::WindowCascade, "window_cascade", "&Cascade"},
    {C::WindowTile, "window_tile", "&Tile"},
    {C::WindowArrangeIcons, "window_arrange_icons", "&Arrange Icons"},
    {C::WindowNext, "window_next", "&Next Window", "Ctrl+Tab"},
    {C::WindowPrevious, "window_previous", "&Previous Window", "Ctrl+Shift+Tab"},
    {C::WindowTabbed, "window_tabbed", "Ta&bbed Windows", "", true},
    {C::HelpReadme, "help_readme", "&View the ReadMe file"},
    {C::HelpAbout, "help_about", "&About Pagelark"},
};
static_assert(std::size(kRows) == kCommandCount);

constexpr bool rowsFollowTheEnum() {
    for (int i = 0; i < kCommandCount; ++i) {
        if (static_cast<int>(kRows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsFollowTheEnum(), "one row per command, in the enum's order");

const MenuItem kFileItems[] = {C::FileNew, C::FileOpen, C::FileExit, "file_separator"};
const MenuItem kFrameOptionItems[] = {C::OptionsTemplate, C::OptionsToolbar,
                                      C::OptionsStartWithoutDocument, "clear_separator",
                                      C::OptionsClearPreferences};
const MenuItem kHelpItems[] = {C::HelpReadme, C::HelpAbout};
const MenuLayout kFrameMenus[] = {
    {"file_menu", "&File", kFileItems},
    {"options_menu", "&Options", kFrameOptionItems},
    {"help_menu", "&Help", kHelpItems},
};

const MenuItem kDocumentFileItems[] = {C::FileNew,  C::FileOpen,   C::FileClose,
                                       C::FileSave, C::FileSaveAs, C::FileExit};
const MenuItem kEditItems[] = {C::EditUndo,
                               C::EditRedo,
                               "undo_separator",
                               C::EditCut,
                               C::EditCopy,
                               C::EditPaste,
                               C::EditDelete,
                               "clipboard_separator",
                               C::EditSelectAll,
                               C::EditSurroundWithTag,
                               C::EditExpandAbbreviation,
                               "select_separator",
                               C::EditFind,
                               C::EditFindNext,
                               C::EditReplace,
                               C::EditGoToLine,
                               C::EditGoToMatchingTag,
                               "find_separator",
                               C::EditWrapText};
const MenuItem kInsertItems[] = {C::InsertTimeDate, C::InsertQuickPage, C::InsertTable};
const MenuItem kColorItems[] = {C::OptionsBackgroundColor, C::OptionsForegroundColor};
const MenuLayout kColors{"colors_menu", "&Colors", kColorItems};
const MenuItem kDocumentOptionItems[] = {C::OptionsTemplate,
                                         C::OptionsToolbar,
                                         C::OptionsStartWithoutDocument,
                                         kColors,
                                         C::OptionsFont,
                                         "user_menus_separator",
                                         C::OptionsEditUserMenus,
                                         C::OptionsUpdateUserMenus,
                                         C::OptionsBackupUserMenus,
                                         "clear_separator",
                                         C::OptionsClearPreferences,
                                         "large_files_separator",
                                         C::OptionsOpenLargeFiles};
const MenuItem kViewItems[] = {
    C::ViewSyntaxColouring,  C::ViewLineNumbers,   C::ViewHighlightCurrentLine,
    "typing_aids_separator", C::ViewTagCompletion, C::ViewAutoCloseTags,
    C::ViewAutoIndent,       "fold_separator",     C::ViewFold,
    C::ViewUnfold,           C::ViewUnfoldAll,     "live_preview_separator",
    C::ViewLivePreview};
const MenuItem kToolItems[] = {C::ToolsPreviewInBrowser, C::ToolsCheckPage,
                               C::ToolsStopCheck,        "record_separator",
                               C::ToolsRecordKeystrokes, C::ToolsStopRecording};
const MenuItem kWindowItems[] = {C::WindowCascade, C::WindowTile,           C::WindowArrangeIcons,
                                 C::WindowTabbed,  "next_window_separator", C::WindowNext,
                                 C::WindowPrevious};
const MenuLayout kDocumentMenus[] = {
    {"file_menu", "&File", kDocumentFileItems}, {"edit_menu", "&Edit", kEditItems},
    {"insert_menu", "&Insert", kInsertItems},   {"options_menu", "&Options", kDocumentOptionItems},
    {"view_menu", "&View", kViewItems},         {"tools_menu", "&Tools", kToolItems},
    {"window_menu", "&Window", kWindowItems},   {"help_menu", "&Help", kHelpItems},
};

}  // namespace

const CommandRow& commandRow(Command id) {
    return kRows[static_cast<int>(id)];
}

std::span<const MenuLayout> frameMenuLayout() {
    return kFrameMenus;
}

std::span<const MenuLayout> documentMenuLayout() {
    return kDocumentMenus;
}
