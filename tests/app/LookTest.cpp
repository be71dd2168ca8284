#include "FrameTestSupport.h"
#include "app/ApplicationLook.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QSettings>
#include <QStyle>
#include <gtest/gtest.h>

namespace app::test {
namespace {

int StoredLook()
{
    return QSettings().value(QStringLiteral("ApplicationLook"), -1).toInt();
}

QList<int> CheckedLooks(CMainFrame& frame)
{
    QList<int> checked;
    for (int id = kFirstLook; id <= kLastLook; ++id) {
        if (QAction* action = frame.Commands().Action(id); action != nullptr && action->isChecked()) {
            checked << id;
        }
    }
    return checked;
}

TEST(ApplicationLook, DefaultsToVisualStudio2008WithItsRadioMark)
{
    FrameFixture f;
    EXPECT_EQ(f.frame->ApplicationLook(), 210);
    EXPECT_EQ(CheckedLooks(*f.frame), QList<int>{210});
    EXPECT_TRUE(f.frame->Commands().Action(210)->actionGroup()->isExclusive());
}

TEST(ApplicationLook, ChoosingALookSwitchesAtOnceAndLastsToTheNextStart)
{
    {
        FrameFixture f;
        const QColor before = QApplication::palette().color(QPalette::Window);
        f.frame->Commands().Action(ID_VIEW_APPLOOK_OFF_2007_BLACK)->trigger();
        EXPECT_EQ(CheckedLooks(*f.frame), QList<int>{216});
        EXPECT_EQ(StoredLook(), 216);
        const QColor after = QApplication::palette().color(QPalette::Window);
        EXPECT_NE(after, before);
        EXPECT_LT(after.lightness(), 100);
        EXPECT_GT(QApplication::palette().color(QPalette::WindowText).lightness(), 200);

        f.frame->Commands().Action(ID_VIEW_APPLOOK_WIN_2000)->trigger();
        EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
        f.frame->Commands().Action(ID_VIEW_APPLOOK_OFF_2007_SILVER)->trigger();
        EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    }
    FrameFixture next(/*keepSettings=*/true);
    EXPECT_EQ(next.frame->ApplicationLook(), 217);
    EXPECT_EQ(CheckedLooks(*next.frame), QList<int>{217});
}

TEST(ApplicationLook, DamagedSettingFallsBackToTheDefault)
{
    for (int stored : {211, 214, 0, 220, -5}) {
        QSettings().setValue(QStringLiteral("ApplicationLook"), stored);
        FrameFixture f(/*keepSettings=*/true);
        EXPECT_EQ(f.frame->ApplicationLook(), 210) << stored;
    }
    FrameFixture f;
    f.frame->SetApplicationLook(212);
    EXPECT_EQ(f.frame->ApplicationLook(), 210);
}

TEST(ApplicationLook, EveryLookHasItsOwnPalette)
{
    FrameFixture f;
    QList<QRgb> seen;
    for (int id : {206, 208, 209, 210, 215, 216, 217, 218}) {
        f.frame->SetApplicationLook(id);
        const QRgb window = QApplication::palette().color(QPalette::Window).rgb();
        EXPECT_FALSE(seen.contains(window)) << id;
        seen << window;
    }
}

} // namespace
} // namespace app::test
