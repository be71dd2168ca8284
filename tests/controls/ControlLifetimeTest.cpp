#include "controls/ControlUI.h"
#include "controls/PaintManagerUI.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace MarkupUI;

namespace {
// Records its destruction so a test can see exactly when it happened.
class WatchedControl : public CControlUI
{
public:
    explicit WatchedControl(int* destroyed) : m_destroyed(destroyed) {}
    ~WatchedControl() override { ++*m_destroyed; }

private:
    int* m_destroyed;
};
} // namespace

TEST(ControlLifetime, DiesExactlyWithItsLastReference)
{
    int destroyed = 0;
    auto* raw = new WatchedControl(&destroyed);
    EXPECT_EQ(raw->GetRefCount(), 0);
    {
        ControlPtr first(raw);
        EXPECT_EQ(raw->GetRefCount(), 1);
        ControlPtr second = first;
        EXPECT_EQ(raw->GetRefCount(), 2);
        second.reset();
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(ControlLifetime, ReferencesDroppedOnOtherThreadsDestroyOnce)
{
    int destroyed = 0;
    ControlPtr control(new WatchedControl(&destroyed));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        std::vector<ControlPtr> copies(2000, control);
        threads.emplace_back([copies = std::move(copies)]() mutable { copies.clear(); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(control->GetRefCount(), 1);
    EXPECT_EQ(destroyed, 0);
    std::thread last([control = std::move(control)]() mutable { control.reset(); });
    last.join();
    EXPECT_EQ(destroyed, 1);
}

TEST(ControlLifetime, DestructionFiresTheDestroyEventAndClearsTheManagersFocus)
{
    CPaintManagerUI manager;
    CControlUI parent;
    int destroyEvents = 0;
    {
        ControlPtr child(new CControlUI);
        child->OnDestroy += [&](void*) {
            ++destroyEvents;
            return true;
        };
        manager.InitControls(child.get(), &parent);
        child->SetFocus();
        EXPECT_EQ(manager.GetFocus(), child.get());
        EXPECT_TRUE(child->IsFocused());
    }
    EXPECT_EQ(destroyEvents, 1);
    EXPECT_EQ(manager.GetFocus(), nullptr);
}

TEST(ControlLifetime, HidingAFocusedControlGivesTheFocusBack)
{
    CPaintManagerUI manager;
    CControlUI parent;
    CControlUI control;
    manager.InitControls(&control, &parent);
    control.SetFocus();
    ASSERT_TRUE(control.IsFocused());
    control.SetVisible(false);
    EXPECT_EQ(manager.GetFocus(), nullptr);
    EXPECT_FALSE(control.IsFocused());
}

TEST(ControlLifetime, ClassAndInterfaceNamesAreExact)
{
    CControlUI control;
    EXPECT_EQ(control.GetClass(), QStringLiteral("ControlUI"));
    EXPECT_EQ(control.GetInterface("Control"), &control);
    EXPECT_EQ(control.GetInterface("control"), nullptr);
    EXPECT_EQ(control.GetElementKind(), 0);
    EXPECT_EQ(control.GetDesignLevel(), 0);
}

TEST(ControlLifetime, InitRunsOnlyWhenAttachedWithAParent)
{
    CPaintManagerUI manager;
    CControlUI parent;
    CControlUI control;
    int inits = 0;
    control.OnInit += [&](void*) {
        ++inits;
        return true;
    };
    control.SetManager(&manager, nullptr, true);
    EXPECT_EQ(inits, 0);
    control.SetManager(&manager, &parent, false);
    EXPECT_EQ(inits, 0);
    control.SetManager(&manager, &parent, true);
    EXPECT_EQ(inits, 1);
}
