#include "FrameTestSupport.h"
#include "app/ApplicationLook.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "panes/ToolBoxCtrl.h"
#include "panes/ToolBoxWnd.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QSettings>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// The contrast ratio accessibility guidelines use, from the pixels shown.
double Contrast(QColor a, QColor b)
{
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast of any pixel of the area against the ground.
double BestContrast(const QImage& shot, const QRect& area, const QColor& ground)
{
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max(best, Contrast(shot.pixelColor(x, y), ground));
        }
    }
    return best;
}

// In every look each toolbox row, picked, under the mouse or neither, shows
// its icon and its caption against its own fill.
TEST(ApplicationLook, EveryToolboxRowReadsInEveryLook)
{
    FrameFixture f;
    f.frame->resize(900, 700);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    auto& list = *static_cast<panes::CToolBoxWnd*>(f.frame->ToolboxDock())->ToolBox();
    for (int id = kFirstLook; id <= kLastLook; ++id) {
        if (!IsApplicationLook(id)) {
            continue;
        }
        f.frame->SetApplicationLook(id);
        QCoreApplication::processEvents();
        QTest::mouseClick(&list, Qt::LeftButton, {}, list.Element(2).rect.center()); // Text: picked
        QTest::mouseMove(&list, list.Element(4).rect.center());                        // under the mouse
        ASSERT_EQ(list.HotIndex(), 4);
        const QImage shot = list.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = shot.devicePixelRatio();
        for (const int row : {1, 2, 4}) {
            const QRect r = list.Element(row).rect;
            const QRect rect(QPoint(int(r.left() * ratio), int(r.top() * ratio)), r.size() * ratio);
            const QColor ground = shot.pixelColor(rect.right() - 2, rect.top() + 2);
            const QRect icon(rect.left() + int(3 * ratio), rect.top() + int(2 * ratio), int(16 * ratio),
                             int(16 * ratio));
            const QRect caption = rect.adjusted(int(23 * ratio), int(1 * ratio), int(-3 * ratio), int(-1 * ratio));
            EXPECT_GE(BestContrast(shot, icon, ground), 3.0) << "look " << id << ", row " << row;
            EXPECT_GE(BestContrast(shot, caption, ground), 4.5) << "look " << id << ", row " << row;
        }
    }
}

} // namespace
} // namespace app::test
