#pragma once

class QMainWindow;
class QMenu;
class QToolBar;

namespace app {

class CommandTable;

// The menus and toolbars of the frame, laid out from the command table.
struct FrameBars
{
    QMenu* fileMenu = nullptr;
    // File > Open Sample; the frame lists the samples in it.
    QMenu* sampleMenu = nullptr;
    QToolBar* standard = nullptr;
    QToolBar* formEdit = nullptr;
};

// Builds the menu bar and both toolbars on the window. The recent files go
// into the File menu before Exit, so that is left for the caller to fill.
FrameBars BuildFrameBars(QMainWindow& window, CommandTable& commands);

// The commands of the Standard and Form edit toolbars; 0 marks a separator.
const int* StandardToolBarLayout(int* count);
const int* FormEditToolBarLayout(int* count);

} // namespace app
