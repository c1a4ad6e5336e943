#pragma once

class DialogService;
class InsertionTarget;
class QDialog;
class QWidget;

// The tag builders in the order of the frame's builder box.
enum class BuilderKind {
    Anchor,
    HorizontalRule,
    Image,
    List,
    ListItem,
    QuickPage,
    TableStart,
    TableRow,
    TableData
};

// Makes a fresh builder dialog of that kind (not shown). It deletes itself when closed; the
// frame keeps at most one of each and brings an open one forward instead of making another.
QDialog* createBuilder(BuilderKind kind, InsertionTarget& target, DialogService& dialogs,
                       QWidget* parent);
