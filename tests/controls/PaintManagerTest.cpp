#include "controls/ControlUI.h"
#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"

#include <gtest/gtest.h>

#include <vector>

using namespace MarkupUI;
using platform::Rect;

namespace {
class RecordingSurface : public PaintSurfaceObserver
{
public:
    void SurfaceResized(platform::Size size) override { sizes.push_back(size); }
    void SurfaceInvalidated(const Rect& rect) override { rects.push_back(rect); }
    std::vector<platform::Size> sizes;
    std::vector<Rect> rects;
};

class OneEntryArchive : public ResourceArchive
{
public:
    std::optional<QByteArray> ReadEntry(const QString& name) const override
    {
        if (name.compare("skin.xml", Qt::CaseInsensitive) == 0) {
            return QByteArray("<Form />");
        }
        return std::nullopt;
    }
};
} // namespace

TEST(PaintManager, MovingAControlInvalidatesOldAndNewPlacesClippedByItsParent)
{
    CPaintManagerUI manager;
    RecordingSurface surface;
    manager.SetSurfaceObserver(&surface);
    CControlUI parent;
    parent.SetPos({0, 0, 100, 100});
    CControlUI child;
    manager.InitControls(&child, &parent);
    child.SetPos({10, 10, 20, 20});
    ASSERT_FALSE(surface.rects.empty());
    EXPECT_EQ(surface.rects.back(), (Rect{10, 10, 20, 20}));

    child.SetPos({90, 90, 130, 130});
    EXPECT_EQ(surface.rects.back(), (Rect{10, 10, 100, 100}));

    surface.rects.clear();
    child.SetPos({200, 200, 220, 220});
    child.SetPos({300, 300, 320, 320}); // wholly outside the parent: nothing to repaint
    EXPECT_EQ(surface.rects.size(), 1u);

    child.SetPos({10, 10, 20, 20});
    child.SetVisible(false);
    surface.rects.clear();
    child.Invalidate(); // hidden controls never ask for a repaint
    EXPECT_TRUE(surface.rects.empty());
}

TEST(PaintManager, AFloatingControlKeepsItsOffsetFromTheParent)
{
    CPaintManagerUI manager;
    CControlUI parent;
    parent.SetPos({100, 50, 400, 400});
    CControlUI child;
    child.SetFloat(true);
    manager.InitControls(&child, &parent);
    child.SetPos({130, 70, 180, 90});
    EXPECT_EQ(child.GetFixedXY(), (platform::Size{30, 20}));
    EXPECT_EQ(child.GetFixedWidth(), 50);
    EXPECT_EQ(child.GetFixedHeight(), 20);

    // A control without a manager only stores its position.
    CControlUI detached;
    detached.SetFloat(true);
    detached.SetPos({5, 5, 1, 1});
    EXPECT_EQ(detached.GetPos(), (Rect{5, 5, 5, 5}));
    EXPECT_EQ(detached.GetFixedWidth(), 0);
}

TEST(PaintManager, SurfaceSizeReachesTheObserver)
{
    CPaintManagerUI manager;
    RecordingSurface surface;
    manager.SetSurfaceObserver(&surface);
    manager.SetInitSize(464, 580);
    EXPECT_EQ(manager.GetInitSize(), (platform::Size{464, 580}));
    ASSERT_EQ(surface.sizes.size(), 1u);
    EXPECT_EQ(surface.sizes[0], (platform::Size{464, 580}));
}

TEST(PaintManager, FontTableAndDefaultAttributeLists)
{
    CPaintManagerUI manager;
    EXPECT_EQ(manager.GetCustomFontCount(), 0);
    EXPECT_EQ(manager.AddFont("Arial", 20, true, false, false), 0);
    EXPECT_EQ(manager.AddFont(QString::fromUtf8("宋体"), 16, false, true, true), 1);
    EXPECT_EQ(manager.GetFont(1).faceName, QString::fromUtf8("宋体"));
    EXPECT_TRUE(manager.GetFont(0).bold);
    EXPECT_EQ(manager.GetFont(7), manager.GetDefaultFontInfo());
    manager.SetDefaultFont("Times New Roman", 18, false, false, true);
    EXPECT_EQ(manager.GetDefaultFontInfo().size, 18);
    EXPECT_TRUE(manager.GetDefaultFontInfo().ToQFont().italic());

    manager.AddDefaultAttributeList("TextEdit", R"(align="center")");
    manager.AddDefaultAttributeList("TextEdit", R"(align="right")");
    EXPECT_EQ(manager.GetDefaultAttributeList("TextEdit"), QStringLiteral(R"(align="right")"));
    EXPECT_TRUE(manager.GetDefaultAttributeList("Time").isEmpty());
    EXPECT_EQ(manager.GetDefaultAttributeLists().size(), 1u);
}

TEST(PaintManager, TheResourceArchiveIsProcessWide)
{
    CPaintManagerUI::SetResourceZip(std::make_shared<OneEntryArchive>(), "membuffer");
    EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), QStringLiteral("membuffer"));
    ASSERT_NE(CPaintManagerUI::GetResourceZip(), nullptr);
    EXPECT_EQ(*CPaintManagerUI::GetResourceZip()->ReadEntry("SKIN.XML"), QByteArray("<Form />"));
    CPaintManagerUI::SetResourceZip("/tmp/template.vt", false);
    EXPECT_EQ(CPaintManagerUI::GetResourceZip(), nullptr);
    EXPECT_FALSE(CPaintManagerUI::IsResourceZipKeptOpen());
}

TEST(PaintManager, TimerAndContextMenuEventsBecomeNotifications)
{
    CPaintManagerUI manager;
    CControlUI parent;
    CControlUI control;
    manager.InitControls(&control, &parent);
    std::vector<QString> seen;
    manager.AddNotifier([&](const CPaintManagerUI::Notification& n) { seen.push_back(n.type); });
    TEventUI timer;
    timer.type = EventType::Timer;
    control.Event(timer);
    TEventUI menu;
    menu.type = EventType::ContextMenu;
    control.Event(menu); // context menu not used: passed to the parent, no notification
    control.SetContextMenuUsed(true);
    control.Event(menu);
    EXPECT_EQ(seen, (std::vector<QString>{"timer", "menu"}));
}
