#include "app/FrameBars.h"
#include "FrameTestSupport.h"
#include "app/AboutDialog.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "elements/TimeFormatList.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QTranslator>
#include <gtest/gtest.h>

namespace app::test {
namespace {

// A menu's items: command ids, -1 for a submenu, separators and unnamed items left out.
QList<int> Items(const QMenu* menu)
{
    QList<int> ids;
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            ids << -1;
        } else if (!action->isSeparator() && action->data().isValid()) {
            ids << action->data().toInt();
        }
    }
    return ids;
}

QMenu* Submenu(const QMenu* menu, int index)
{
    int seen = 0;
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr && seen++ == index) {
            return action->menu();
        }
    }
    return nullptr;
}

QList<QMenu*> TopMenus(CMainFrame& frame)
{
    QList<QMenu*> menus;
    for (QAction* action : frame.menuBar()->actions()) {
        menus << action->menu();
    }
    return menus;
}

QList<int> ToolBarIds(const QToolBar* bar)
{
    QList<int> ids;
    for (QAction* action : bar->actions()) {
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    }
    return ids;
}

// Installs the designer's Chinese translation for the life of the object.
class ChineseTexts
{
public:
    ChineseTexts()
    {
        loaded = translator.load(QStringLiteral(":/i18n/ticket_zh_CN.qm"));
        QCoreApplication::installTranslator(&translator);
    }
    ~ChineseTexts()
    {
        QCoreApplication::removeTranslator(&translator);
        MarkupUI::TimeFormatList::SetUnitWords({"Year", "Month", "Day", "Hour", "Minute", "Second"});
    }
    QTranslator translator;
    bool loaded = false;
};

TEST(FrameBars, MenusHoldTheCommandsInOrder)
{
    FrameFixture f;
    const QList<QMenu*> menus = TopMenus(*f.frame);
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->title(), "&File");
    EXPECT_EQ(menus[1]->title(), "&Edit");
    EXPECT_EQ(menus[2]->title(), "&View");
    EXPECT_EQ(menus[3]->title(), "&Help");

    EXPECT_EQ(Items(menus[0]), (QList<int>{ID_FILE_NEW, ID_FILE_OPEN, -1, ID_FILE_SAVE, ID_FILE_SAVE_AS,
                                           ID_FILE_PRINT_PREVIEW, ID_CHECK_TEMPLATE, ID_UPLOAD_TEST_PAGE,
                                           ID_APP_EXIT}));
    EXPECT_EQ(Submenu(menus[0], 0)->title(), "Open Sa&mple");
    EXPECT_EQ(Items(menus[1]), (QList<int>{ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                                           ID_CENTRE_VERTICAL, ID_CENTRE_HORIZONTAL}));
    // Centring has no button: the menu names it as the string table does.
    EXPECT_EQ(f.frame->Commands().Action(ID_CENTRE_VERTICAL)->text(), "Vertical alignment");
    EXPECT_EQ(f.frame->Commands().Action(ID_CENTRE_HORIZONTAL)->text(), "HorizontalAlignment");
    EXPECT_EQ(Items(menus[2]), (QList<int>{-1, ID_VIEW_STATUS_BAR, -1, -1}));
    EXPECT_EQ(Items(Submenu(menus[2], 0)), (QList<int>{ID_VIEW_TOOLBAR, ID_VIEW_FORM_EDIT_TOOLBAR}));
    QMenu* looks = Submenu(menus[2], 1);
    EXPECT_EQ(looks->title(), "&Application Look");
    EXPECT_EQ(Items(looks), (QList<int>{205, 206, 207, 208, 209, 210, -1}));
    EXPECT_EQ(Submenu(looks, 0)->title(), "Office 200&7");
    EXPECT_EQ(Items(Submenu(looks, 0)), (QList<int>{215, 216, 217, 218}));
    EXPECT_EQ(Submenu(menus[2], 2)->title(), "Window");
    EXPECT_EQ(Items(Submenu(menus[2], 2)), (QList<int>{ID_WINDOW_TOOLBOX, ID_WINDOW_PROPERTIES, ID_WINDOW_CHECK_RESULTS}));
    EXPECT_EQ(Items(menus[3]), (QList<int>{ID_APP_ABOUT}));
}

TEST(FrameBars, ToolbarsKeepTheirButtonOrderOnOneRow)
{
    FrameFixture f;
    EXPECT_EQ(ToolBarIds(f.frame->StandardToolBar()),
              (QList<int>{57600, 57601, 57603, 0, 57634, 57637, 32823, 0, 57643, 57644, 0, 32815, 32822,
                          57664, 32816}));
    EXPECT_EQ(ToolBarIds(f.frame->FormEditToolBar()),
              (QList<int>{32775, 32776, 32777, 32778, 0, 32781, 32782, 0, 32783, 32784, 32785, 0, 32786}));
    EXPECT_EQ(f.frame->StandardToolBar()->windowTitle(), "Standard");
    EXPECT_EQ(f.frame->FormEditToolBar()->windowTitle(), "Form edit");
    EXPECT_EQ(f.frame->toolBarArea(f.frame->FormEditToolBar()), Qt::TopToolBarArea);
    EXPECT_FALSE(f.frame->toolBarBreak(f.frame->FormEditToolBar()));
    for (QToolBar* bar : {f.frame->StandardToolBar(), f.frame->FormEditToolBar()}) {
        for (QAction* action : bar->actions()) {
            if (!action->isSeparator()) {
                EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->data().toInt();
                EXPECT_FALSE(action->icon().pixmap(32, 32).isNull()) << action->data().toInt();
                EXPECT_FALSE(action->toolTip().isEmpty()) << action->data().toInt();
            }
        }
    }
}

TEST(FrameBars, KeysPromptsAndTooltipsComeFromTheTable)
{
    FrameFixture f;
    CommandTable& c = f.frame->Commands();
    EXPECT_EQ(c.Action(ID_FILE_NEW)->statusTip(), "Create new file");
    EXPECT_EQ(c.Action(ID_FILE_NEW)->toolTip(), "New");
    EXPECT_EQ(c.Action(ID_ALIGN_LEFT)->toolTip(), "Left align");
    EXPECT_EQ(c.Action(ID_ALIGN_LEFT)->statusTip(), "");
    EXPECT_EQ(c.Action(ID_UPLOAD_DATA)->statusTip(), "Upload data to the device");
    EXPECT_EQ(c.Action(ID_EDIT_UNDO)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(c.Action(ID_EDIT_PASTE)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}));
    // The menu names Ctrl+P for the test page, but the key sends Print.
    EXPECT_TRUE(c.Action(ID_UPLOAD_TEST_PAGE)->text().endsWith("\tCtrl+P"));
    EXPECT_TRUE(c.Action(ID_UPLOAD_TEST_PAGE)->shortcut().isEmpty());
    EXPECT_EQ(c.Action(ID_FILE_PRINT)->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(f.frame->actions().contains(c.Action(ID_FILE_PRINT)));
    EXPECT_EQ(c.Action(ID_NEXT_PANE)->shortcut(), QKeySequence("F6"));
}

TEST(FrameBars, StatusBarShowsPromptsReadyTransferAndPrinterPanes)
{
    FrameFixture f;
    StatusPanes& panes = f.frame->Panes();
    EXPECT_EQ(panes.Message(), "Ready");
    EXPECT_EQ(panes.TransferText(), "No transmission started");
    EXPECT_FALSE(panes.IsProgressShown());
    EXPECT_EQ(panes.PrinterText(), "Please connect the printer");
    EXPECT_EQ(panes.MessagePane()->width(), 300);
    EXPECT_EQ(f.frame->findChild<QLabel*>("printerPane")->width(), 150);

    QStatusTipEvent prompt(QStringLiteral("Open file"));
    QCoreApplication::sendEvent(f.frame.get(), &prompt);
    EXPECT_EQ(panes.Message(), "Open file");
    QStatusTipEvent idle{QString()};
    QCoreApplication::sendEvent(f.frame.get(), &idle);
    EXPECT_EQ(panes.Message(), "Ready");
}

TEST(FrameBars, DocksStayOnTheirSideAndComeBackFromTheWindowMenu)
{
    FrameFixture f;
    QDockWidget* toolbox = f.frame->ToolboxDock();
    QDockWidget* properties = f.frame->PropertiesDock();
    EXPECT_EQ(toolbox->windowTitle(), "Tool Box");
    EXPECT_EQ(properties->windowTitle(), "Properties");
    EXPECT_EQ(toolbox->allowedAreas(), Qt::LeftDockWidgetArea);
    EXPECT_EQ(properties->allowedAreas(), Qt::RightDockWidgetArea);
    EXPECT_EQ(f.frame->dockWidgetArea(toolbox), Qt::LeftDockWidgetArea);
    EXPECT_EQ(f.frame->dockWidgetArea(properties), Qt::RightDockWidgetArea);
    EXPECT_TRUE(toolbox->features().testFlag(QDockWidget::DockWidgetFloatable));
    EXPECT_TRUE(toolbox->features().testFlag(QDockWidget::DockWidgetClosable));

    f.frame->show();
    toolbox->close();
    properties->setFloating(true);
    f.frame->Commands().Action(ID_WINDOW_TOOLBOX)->trigger();
    f.frame->Commands().Action(ID_WINDOW_PROPERTIES)->trigger();
    EXPECT_TRUE(toolbox->isVisible());
    EXPECT_FALSE(properties->isFloating());
    EXPECT_EQ(f.frame->dockWidgetArea(properties), Qt::RightDockWidgetArea);
}

TEST(FrameBars, EnglishTitleAndTimeWords)
{
    FrameFixture f;
    EXPECT_EQ(f.frame->windowTitle(), "Untitled[*] - Vantro  Number  Print  Software");
    EXPECT_EQ(MarkupUI::TimeFormatList::At(5), "Year");
    EXPECT_EQ(MarkupUI::TimeFormatList::At(10), "Second");
    EXPECT_FALSE(f.frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(FrameBars, ChineseTextsEverywhere)
{
    ChineseTexts chinese;
    ASSERT_TRUE(chinese.loaded);
    FrameFixture f;
    EXPECT_EQ(f.frame->windowTitle(), QString::fromUtf8("无标题[*] - 打印模板设计器"));
    const QList<QMenu*> menus = TopMenus(*f.frame);
    EXPECT_EQ(menus[0]->title(), QString::fromUtf8("文件(&F)"));
    EXPECT_EQ(menus[1]->title(), QString::fromUtf8("编辑(&E)"));
    EXPECT_EQ(menus[2]->title(), QString::fromUtf8("视图(&V)"));
    EXPECT_EQ(menus[3]->title(), QString::fromUtf8("帮助(&H)"));
    EXPECT_EQ(Submenu(menus[2], 1)->title(), QString::fromUtf8("外观(&A)"));
    CommandTable& c = f.frame->Commands();
    EXPECT_EQ(c.Action(ID_FILE_NEW)->text(), QString::fromUtf8("新建(&N)"));
    EXPECT_EQ(c.Action(ID_FILE_NEW)->statusTip(), QString::fromUtf8("创建新文档"));
    EXPECT_EQ(c.Action(ID_ALIGN_LEFT)->toolTip(), QString::fromUtf8("左对齐"));
    EXPECT_EQ(c.Action(ID_VIEW_APPLOOK_OFF_2007_AQUA)->text(), QString::fromUtf8("水绿色样式(&A)"));
    EXPECT_EQ(f.frame->StandardToolBar()->windowTitle(), QString::fromUtf8("标准"));
    EXPECT_EQ(f.frame->FormEditToolBar()->windowTitle(), QString::fromUtf8("窗体编辑"));
    EXPECT_EQ(f.frame->ToolboxDock()->windowTitle(), QString::fromUtf8("工具箱"));
    EXPECT_EQ(f.frame->Panes().Message(), QString::fromUtf8("就绪"));
    EXPECT_EQ(f.frame->Panes().TransferText(), QString::fromUtf8("未开始传输"));
    EXPECT_EQ(f.frame->Panes().PrinterText(), QString::fromUtf8("请连接打印机"));
    EXPECT_EQ(MarkupUI::TimeFormatList::Entries().mid(5),
              QString::fromUtf8("年,月,日,时,分,秒").split(QLatin1Char(',')));

    // Every command's caption and prompt has its Chinese text.
    for (const CommandEntry& entry : CommandEntries()) {
        for (const char* text : {entry.text, entry.prompt}) {
            if (text != nullptr) {
                EXPECT_FALSE(chinese.translator.translate("app::CommandTable", text).isEmpty()) << text;
            }
        }
    }
}

TEST(FrameBars, BarAndPaneLayoutComesBackAtTheNextStart)
{
    {
        FrameFixture f;
        f.frame->show();
        f.frame->Commands().Action(ID_VIEW_FORM_EDIT_TOOLBAR)->trigger();
        f.frame->PropertiesDock()->close();
        ASSERT_TRUE(f.frame->close());
    }
    FrameFixture next(/*keepSettings=*/true);
    next.frame->show();
    EXPECT_FALSE(next.frame->FormEditToolBar()->isVisible());
    EXPECT_FALSE(next.frame->PropertiesDock()->isVisible());
    EXPECT_TRUE(next.frame->StandardToolBar()->isVisible());
    EXPECT_TRUE(next.frame->ToolboxDock()->isVisible());
}

TEST(FrameBars, ClosingDuringThePreviewKeepsTheEditorsLayout)
{
    {
        FrameFixture f;
        f.frame->show();
        f.frame->Commands().Action(ID_FILE_PRINT_PREVIEW)->trigger();
        ASSERT_FALSE(f.frame->ToolboxDock()->isVisible());
        ASSERT_TRUE(f.frame->close());
    }
    FrameFixture next(/*keepSettings=*/true);
    next.frame->show();
    EXPECT_TRUE(next.frame->menuBar()->isVisible());
    EXPECT_TRUE(next.frame->StandardToolBar()->isVisible());
    EXPECT_TRUE(next.frame->FormEditToolBar()->isVisible());
    EXPECT_TRUE(next.frame->ToolboxDock()->isVisible());
    EXPECT_TRUE(next.frame->PropertiesDock()->isVisible());
}

TEST(FrameBars, AboutDialogIsChineseInEitherLanguage)
{
    AboutDialog about;
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.join(' ').contains(QString::fromUtf8("2.0 版")));
    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QString::fromUtf8("确定"));
}

} // namespace
} // namespace app::test
