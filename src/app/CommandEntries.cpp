#include "app/CommandIds.h"
#include "app/CommandTable.h"

#include <QtGlobal>

namespace app {

const QList<CommandEntry>& CommandEntries()
{
    static const QList<CommandEntry> specs{
        {ID_FILE_NEW, QT_TRANSLATE_NOOP("app::CommandTable", "&New"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Create new file\nNew"), "Ctrl+N", "file-new", false},
        {ID_FILE_OPEN, QT_TRANSLATE_NOOP("app::CommandTable", "&Open..."),
         QT_TRANSLATE_NOOP("app::CommandTable", "Open file\nOpen"), "Ctrl+O", "file-open", false},
        {ID_FILE_SAVE, QT_TRANSLATE_NOOP("app::CommandTable", "&Save"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Save active document\nSave"), "Ctrl+S", "file-save", false},
        {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("app::CommandTable", "S&ave As..."),
         QT_TRANSLATE_NOOP("app::CommandTable", "Save the active document with a new name\nSave as"), nullptr,
         nullptr, false},
        {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("app::CommandTable", "Print Pre&view"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Show full page\nPrint preview"), nullptr, nullptr, false},
        {ID_CHECK_TEMPLATE, QT_TRANSLATE_NOOP("app::CommandTable", "Chec&k Template"),
         QT_TRANSLATE_NOOP("app::CommandTable",
                           "Find what would print differently from the design before it is printed\nCheck template"),
         "F7", nullptr, false},
        // The menu names Ctrl+P, but the key belongs to Print, which does the same.
        {ID_UPLOAD_TEST_PAGE, QT_TRANSLATE_NOOP("app::CommandTable", "Send To COM &Port...\tCtrl+P"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Upload the test page to the printer\nUpload test page"),
         nullptr, "test-page", false},
        {ID_APP_EXIT, QT_TRANSLATE_NOOP("app::CommandTable", "E&xit"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Exit the application; prompt to save the document\nExit"),
         nullptr, nullptr, false},
        {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("app::CommandTable", "&Undo"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Undo the last action\nUndo"), "Ctrl+Z; Alt+Backspace",
         "edit-undo", false},
        {ID_EDIT_CUT, QT_TRANSLATE_NOOP("app::CommandTable", "Cu&t"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Cut the selection and put it into the clipboard\nCut"),
         "Ctrl+X; Shift+Del", nullptr, false},
        {ID_EDIT_COPY, QT_TRANSLATE_NOOP("app::CommandTable", "&Copy"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Copy the selection and put it in the clipboard\nCopy"),
         "Ctrl+C; Ctrl+Ins", "edit-copy", false},
        {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("app::CommandTable", "&Paste"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Insert clipboard content\nPaste"), "Ctrl+V; Shift+Ins",
         "edit-paste", false},
        {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("app::CommandTable", "Standard"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Show or hide the standard toolbar\nStandard toolbar"),
         nullptr, nullptr, true},
        {ID_VIEW_FORM_EDIT_TOOLBAR, QT_TRANSLATE_NOOP("app::CommandTable", "Form Edit"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Form format editing\nForm edit"), nullptr, nullptr, true},
        {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("app::CommandTable", "&Status Bar"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Show or hide the status bar\nSwitch status bar"), nullptr,
         nullptr, true},
        {ID_VIEW_APPLOOK_WIN_2000, QT_TRANSLATE_NOOP("app::CommandTable", "Windows &2000"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_XP, QT_TRANSLATE_NOOP("app::CommandTable", "Office &XP"), nullptr, nullptr,
         nullptr, true},
        {ID_VIEW_APPLOOK_WIN_XP, QT_TRANSLATE_NOOP("app::CommandTable", "&Windows XP"), nullptr, nullptr,
         nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2003, QT_TRANSLATE_NOOP("app::CommandTable", "Office 200&3"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_VS_2005, QT_TRANSLATE_NOOP("app::CommandTable", "Visual Studio 200&5"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_VS_2008, QT_TRANSLATE_NOOP("app::CommandTable", "Visual Studio 200&8"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, QT_TRANSLATE_NOOP("app::CommandTable", "&Blue style"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_BLACK, QT_TRANSLATE_NOOP("app::CommandTable", "B&lack style"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_SILVER, QT_TRANSLATE_NOOP("app::CommandTable", "&Silver style"), nullptr,
         nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_AQUA, QT_TRANSLATE_NOOP("app::CommandTable", "&Aqua style"), nullptr,
         nullptr, nullptr, true},
        // Reachable only through a stored setting; it has no menu item.
        {ID_VIEW_APPLOOK_WINDOWS_7, QT_TRANSLATE_NOOP("app::CommandTable", "Windows 7"), nullptr, nullptr,
         nullptr, true},
        {ID_WINDOW_TOOLBOX, QT_TRANSLATE_NOOP("app::CommandTable", "Toolbox"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Show the toolbox\nToolbox"), nullptr, nullptr, false},
        {ID_WINDOW_PROPERTIES, QT_TRANSLATE_NOOP("app::CommandTable", "Property Window"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Show the properties window\nProperties"), nullptr, nullptr,
         false},
        {ID_WINDOW_CHECK_RESULTS, QT_TRANSLATE_NOOP("app::CommandTable", "Check Results"),
         QT_TRANSLATE_NOOP("app::CommandTable", "Show the findings of the template check\nCheck results"),
         nullptr, nullptr, false},
        {ID_APP_ABOUT, QT_TRANSLATE_NOOP("app::CommandTable", "&About Designer..."),
         QT_TRANSLATE_NOOP("app::CommandTable",
                           "Display program information, version number and copyright\nAbout"),
         nullptr, "help-about", false},
        {ID_FILE_PRINT, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "Print active document\nPrint"),
         "Ctrl+P", nullptr, false},
        // Not in a menu; the keys are the ones desktop programs use for it.
        {ID_EDIT_REDO, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "Redo the last undo operation\nRedo"),
         "Ctrl+Y; Ctrl+Shift+Z", "edit-redo", false},
        {ID_DELETE_CONTROLS, nullptr,
         QT_TRANSLATE_NOOP("app::CommandTable", "Delete selected controls\nDelete"), nullptr, "edit-delete",
         false},
        {ID_SET_DEVICE_TIME, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "Set device time"), nullptr,
         "device-time", false},
        {ID_UPLOAD_DATA, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "Upload data to the device"),
         nullptr, "device-upload", false},
        {ID_NEXT_PANE, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "Switch to the next pane\nNext pane"),
         "F6", nullptr, false},
        {ID_PREV_PANE, nullptr,
         QT_TRANSLATE_NOOP("app::CommandTable", "Switch back to the previous pane\nPrevious pane"),
         "Shift+F6", nullptr, false},
        {ID_ALIGN_LEFT, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nLeft align"), nullptr,
         "align-left", false},
        {ID_ALIGN_RIGHT, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nRight align"), nullptr,
         "align-right", false},
        {ID_ALIGN_TOP, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nTop align"), nullptr, "align-top",
         false},
        {ID_ALIGN_BOTTOM, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nBottom align"), nullptr,
         "align-bottom", false},
        // Centring has no button; the Edit menu offers it.
        {ID_CENTRE_VERTICAL, QT_TRANSLATE_NOOP("app::CommandTable", "Vertical alignment"), nullptr, nullptr,
         nullptr, false},
        {ID_CENTRE_HORIZONTAL, QT_TRANSLATE_NOOP("app::CommandTable", "HorizontalAlignment"), nullptr, nullptr,
         nullptr, false},
        {ID_SPACE_ACROSS, nullptr,
         QT_TRANSLATE_NOOP("app::CommandTable", "\nMake the horizontal spacing consistent"), nullptr,
         "space-across", false},
        {ID_SPACE_DOWN, nullptr,
         QT_TRANSLATE_NOOP("app::CommandTable", "\nMake the longitudinal spacing consistent"), nullptr,
         "space-down", false},
        {ID_SAME_WIDTH, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nMake the width the same"), nullptr,
         "same-width", false},
        {ID_SAME_HEIGHT, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nMake the height the same"),
         nullptr, "same-height", false},
        {ID_SAME_SIZE, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nMake the same size"), nullptr,
         "same-size", false},
        {ID_SHOW_GRID, nullptr, QT_TRANSLATE_NOOP("app::CommandTable", "\nDisplay grid"), nullptr,
         "show-grid", true},
    };
    return specs;
}

const CommandEntry* FindCommandEntry(int id)
{
    for (const CommandEntry& entry : CommandEntries()) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace app
