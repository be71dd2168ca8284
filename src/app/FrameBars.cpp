#include "app/FrameBars.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <iterator>

namespace app {

namespace {

constexpr int kStandardBar[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    ID_DELETE_CONTROLS,
    0,
    ID_EDIT_UNDO,
    ID_EDIT_REDO,
    0,
    ID_UPLOAD_TEST_PAGE,
    ID_SET_DEVICE_TIME,
    ID_APP_ABOUT,
    ID_UPLOAD_DATA,
};

constexpr int kFormEditBar[] = {
    ID_ALIGN_LEFT,
    ID_ALIGN_RIGHT,
    ID_ALIGN_TOP,
    ID_ALIGN_BOTTOM,
    0,
    ID_SPACE_ACROSS,
    ID_SPACE_DOWN,
    0,
    ID_SAME_WIDTH,
    ID_SAME_HEIGHT,
    ID_SAME_SIZE,
    0,
    ID_SHOW_GRID,
};

void AddCommands(QWidget& target, CommandTable& commands, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == 0) {
            if (auto* menu = qobject_cast<QMenu*>(&target)) {
                menu->addSeparator();
            }
            continue;
        }
        target.addAction(commands.Action(id));
    }
}

QToolBar* BuildToolBar(QMainWindow& window, CommandTable& commands, const QString& title, const char* name,
                       const int* ids, int count)
{
    auto* bar = new QToolBar(title, &window);
    bar->setObjectName(QLatin1String(name));
    bar->setIconSize(QSize(16, 16));
    for (int i = 0; i < count; ++i) {
        if (ids[i] == 0) {
            bar->addSeparator();
        } else {
            bar->addAction(commands.Action(ids[i]));
        }
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

} // namespace

const int* StandardToolBarLayout(int* count)
{
    *count = static_cast<int>(std::size(kStandardBar));
    return kStandardBar;
}

const int* FormEditToolBarLayout(int* count)
{
    *count = static_cast<int>(std::size(kFormEditBar));
    return kFormEditBar;
}

FrameBars BuildFrameBars(QMainWindow& window, CommandTable& commands)
{
    FrameBars bars;
    QMenuBar* menuBar = window.menuBar();

    bars.fileMenu = menuBar->addMenu(QCoreApplication::translate("app::FrameBars", "&File"));
    AddCommands(*bars.fileMenu, commands, {ID_FILE_NEW, ID_FILE_OPEN});
    bars.sampleMenu = bars.fileMenu->addMenu(QCoreApplication::translate("app::FrameBars", "Open Sa&mple"));
    bars.sampleMenu->setObjectName(QStringLiteral("sampleMenu"));
    AddCommands(*bars.fileMenu, commands,
                {ID_FILE_SAVE, ID_FILE_SAVE_AS, 0, ID_FILE_PRINT_PREVIEW, ID_CHECK_TEMPLATE, ID_UPLOAD_TEST_PAGE, 0,
                 ID_APP_EXIT});

    QMenu* edit = menuBar->addMenu(QCoreApplication::translate("app::FrameBars", "&Edit"));
    AddCommands(*edit, commands,
                {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_CENTRE_VERTICAL,
                 ID_CENTRE_HORIZONTAL});

    QMenu* view = menuBar->addMenu(QCoreApplication::translate("app::FrameBars", "&View"));
    QMenu* toolbars = view->addMenu(QCoreApplication::translate("app::FrameBars", "&Toolbar"));
    AddCommands(*toolbars, commands, {ID_VIEW_TOOLBAR, ID_VIEW_FORM_EDIT_TOOLBAR});
    AddCommands(*view, commands, {ID_VIEW_STATUS_BAR});
    QMenu* looks = view->addMenu(QCoreApplication::translate("app::FrameBars", "&Application Look"));
    AddCommands(*looks, commands,
                {ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_OFF_XP, ID_VIEW_APPLOOK_WIN_XP,
                 ID_VIEW_APPLOOK_OFF_2003, ID_VIEW_APPLOOK_VS_2005, ID_VIEW_APPLOOK_VS_2008});
    QMenu* office = looks->addMenu(QCoreApplication::translate("app::FrameBars", "Office 200&7"));
    AddCommands(*office, commands,
                {ID_VIEW_APPLOOK_OFF_2007_BLUE, ID_VIEW_APPLOOK_OFF_2007_BLACK,
                 ID_VIEW_APPLOOK_OFF_2007_SILVER, ID_VIEW_APPLOOK_OFF_2007_AQUA});
    QMenu* windows = view->addMenu(QCoreApplication::translate("app::FrameBars", "Window"));
    AddCommands(*windows, commands, {ID_WINDOW_TOOLBOX, ID_WINDOW_PROPERTIES, ID_WINDOW_CHECK_RESULTS});

    QMenu* help = menuBar->addMenu(QCoreApplication::translate("app::FrameBars", "&Help"));
    AddCommands(*help, commands, {ID_APP_ABOUT});

    int count = 0;
    const int* ids = StandardToolBarLayout(&count);
    bars.standard = BuildToolBar(window, commands, QCoreApplication::translate("app::FrameBars", "Standard"),
                                 "standardToolBar", ids, count);
    ids = FormEditToolBarLayout(&count);
    bars.formEdit = BuildToolBar(window, commands, QCoreApplication::translate("app::FrameBars", "Form edit"),
                                 "formEditToolBar", ids, count);

    // Commands reached by keys alone still need a widget that hears them.
    AddCommands(window, commands, {ID_FILE_PRINT, ID_EDIT_REDO, ID_NEXT_PANE, ID_PREV_PANE});

    // The radio marks of the looks.
    auto* group = new QActionGroup(&window);
    group->setExclusive(true);
    for (int id = kFirstLook; id <= kLastLook; ++id) {
        if (QAction* action = commands.Action(id)) {
            group->addAction(action);
        }
    }
    return bars;
}

} // namespace app
