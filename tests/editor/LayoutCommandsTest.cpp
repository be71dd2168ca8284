// The Form edit commands: lining up, spacing, centring and sizing the
// selection against its primary element, each one undoable change.
#include "editor/LayoutCommands.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

namespace editor::test {
namespace {

using MarkupUI::CControlUI;
using platform::Rect;

// Elements of one size at these lefts or tops, selected with the primary last.
struct Row
{
    ViewFixture f;
    std::vector<CControlUI*> elements;

    Row(const std::vector<Rect>& rects, int primary)
    {
        for (const Rect& r : rects) {
            elements.push_back(f.Add(MarkupUI::kElementRectangle, r));
        }
        std::vector<CControlUI*> order;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            if (int(i) != primary) {
                order.push_back(elements[i]);
            }
        }
        order.push_back(elements[std::size_t(primary)]);
        f.view->SelectElements(order);
    }
    std::vector<Rect> Rects() const
    {
        std::vector<Rect> rects;
        for (CControlUI* e : elements) {
            rects.push_back(e->GetPos());
        }
        return rects;
    }
};

TEST(LayoutCommands, EdgesAndSizesFollowThePrimaryElementAsOneUndoableChange)
{
    struct Case
    {
        LayoutCommand command;
        std::vector<Rect> before;
        int primary;
        std::vector<Rect> after;
    };
    const Case cases[] = {
        {LayoutCommand::AlignLeft,
         {{10, 100, 40, 120}, {40, 150, 90, 170}, {70, 200, 80, 230}},
         1,
         {{40, 100, 70, 120}, {40, 150, 90, 170}, {40, 200, 50, 230}}},
        // A 30 px element against a 50 px reference at x = 100.
        {LayoutCommand::AlignRight,
         {{10, 10, 40, 30}, {100, 50, 150, 70}},
         1,
         {{120, 10, 150, 30}, {100, 50, 150, 70}}},
        {LayoutCommand::AlignTop,
         {{10, 10, 40, 30}, {100, 50, 150, 90}},
         1,
         {{10, 50, 40, 70}, {100, 50, 150, 90}}},
        {LayoutCommand::AlignBottom,
         {{10, 10, 40, 30}, {100, 50, 150, 90}},
         1,
         {{10, 70, 40, 90}, {100, 50, 150, 90}}},
        {LayoutCommand::SameWidth,
         {{10, 10, 40, 30}, {100, 50, 220, 90}, {300, 10, 305, 15}},
         1,
         {{10, 10, 130, 30}, {100, 50, 220, 90}, {300, 10, 420, 15}}},
        {LayoutCommand::SameHeight,
         {{10, 10, 40, 30}, {100, 50, 220, 90}},
         1,
         {{10, 10, 40, 50}, {100, 50, 220, 90}}},
        {LayoutCommand::SameSize,
         {{10, 10, 40, 30}, {100, 50, 220, 90}},
         0,
         {{10, 10, 40, 30}, {100, 50, 130, 70}}},
        // Lefts 0, 50, 200, widths 20: the gap is 80 and only the middle moves.
        {LayoutCommand::SpaceAcross,
         {{200, 10, 220, 30}, {0, 40, 20, 60}, {50, 70, 70, 90}},
         0,
         {{200, 10, 220, 30}, {0, 40, 20, 60}, {100, 70, 120, 90}}},
        // Overlapping elements get a negative gap: (60 - 90) / 2 = -15.
        {LayoutCommand::SpaceDown,
         {{10, 0, 30, 30}, {40, 5, 60, 35}, {70, 30, 90, 60}},
         2,
         {{10, 0, 30, 30}, {40, 15, 60, 45}, {70, 30, 90, 60}}},
    };
    for (const Case& c : cases) {
        Row row(c.before, c.primary);
        ASSERT_TRUE(CanRunLayoutCommand(*row.f.view, c.command)) << int(c.command);
        EXPECT_TRUE(RunLayoutCommand(*row.f.view, c.command)) << int(c.command);
        EXPECT_EQ(row.Rects(), c.after) << int(c.command);
        EXPECT_EQ(row.f.view->History().Count(), 1) << int(c.command);
        EXPECT_TRUE(row.f.document.IsModified()) << int(c.command);
        EXPECT_EQ(row.f.Selected().size(), c.before.size()) << "the selection stays";

        row.f.view->Undo();
        EXPECT_EQ(row.Rects(), c.before) << int(c.command);
        EXPECT_FALSE(row.f.document.IsModified()) << int(c.command);
        row.f.view->Redo();
        EXPECT_EQ(row.Rects(), c.after) << int(c.command);
    }
}

TEST(LayoutCommands, CentringMovesTheGroupOnTheWholePage)
{
    // The new page is 464 x 580: its middle is (232, 290).
    Row single({{10, 10, 110, 50}}, 0);
    ASSERT_TRUE(RunLayoutCommand(*single.f.view, LayoutCommand::CentreVertically));
    ASSERT_TRUE(RunLayoutCommand(*single.f.view, LayoutCommand::CentreHorizontally));
    EXPECT_EQ(single.Rects(), (std::vector<Rect>{{182, 270, 282, 310}}));
    EXPECT_EQ(single.f.view->History().Count(), 2);

    // A group keeps its arrangement; the union's middle truncates.
    Row group({{0, 0, 11, 10}, {100, 30, 120, 41}}, 1);
    ASSERT_TRUE(RunLayoutCommand(*group.f.view, LayoutCommand::CentreHorizontally));
    ASSERT_TRUE(RunLayoutCommand(*group.f.view, LayoutCommand::CentreVertically));
    EXPECT_EQ(group.Rects(), (std::vector<Rect>{{172, 270, 183, 280}, {272, 300, 292, 311}}));
}

TEST(LayoutCommands, NothingChangedIsNothingRecorded)
{
    struct Case
    {
        const char* what;
        std::function<void(ViewFixture&)> select;
        LayoutCommand command;
    };
    const Case cases[] = {
        {"the page alone, centred", [](ViewFixture& f) { f.view->SelectElements({&f.Form()}); },
         LayoutCommand::CentreVertically},
        {"spacing two elements",
         [](ViewFixture& f) {
             f.view->SelectElements({f.Add(MarkupUI::kElementText, Rect{0, 0, 10, 10}),
                                     f.Add(MarkupUI::kElementText, Rect{50, 0, 60, 10})});
         },
         LayoutCommand::SpaceAcross},
        {"spacing two on the page and one in another container",
         [](ViewFixture& f) {
             CControlUI* inner = f.Add(MarkupUI::kElementForm, Rect{});
             MarkupUI::ControlPtr nested =
                 MarkupUI::CreateElement(MarkupUI::kElementText, Rect{5, 5, 15, 15});
             static_cast<MarkupUI::CFormUI*>(inner)->Add(nested.get());
             nested->SetDesignLevel(2);
             f.view->SelectElements({f.Add(MarkupUI::kElementText, Rect{0, 0, 10, 10}), nested.get(),
                                     f.Add(MarkupUI::kElementText, Rect{90, 0, 100, 10})});
         },
         LayoutCommand::SpaceAcross},
        {"aligning what is aligned",
         [](ViewFixture& f) {
             f.view->SelectElements({f.Add(MarkupUI::kElementText, Rect{20, 0, 30, 10}),
                                     f.Add(MarkupUI::kElementText, Rect{20, 50, 60, 60})});
         },
         LayoutCommand::AlignLeft},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        c.select(f);
        const std::vector<CControlUI*> selected = f.Selected();
        EXPECT_FALSE(RunLayoutCommand(*f.view, c.command)) << c.what;
        EXPECT_EQ(f.view->History().Count(), 0) << c.what;
        EXPECT_FALSE(f.document.IsModified()) << c.what;
        EXPECT_EQ(f.Selected(), selected) << c.what;
    }
}

TEST(LayoutCommands, SizingNeverResizesThePage)
{
    ViewFixture f;
    CControlUI* small = f.Add(MarkupUI::kElementRectangle, Rect{10, 10, 30, 30});
    const Rect page = f.Form().GetPos();
    const platform::Size fixed{f.Form().GetFixedWidth(), f.Form().GetFixedHeight()};
    // The view never selects the page with its elements; a selection that
    // holds both all the same must leave the page as it is.
    for (const bool pagePrimary : {false, true}) {
        f.view->ClearSelection();
        if (pagePrimary) {
            f.view->Tracker().AddToSelection(f.view->NewTrackerElement(small));
            f.view->Tracker().AddToSelection(f.view->NewTrackerElement(&f.Form()));
        } else {
            f.view->Tracker().AddToSelection(f.view->NewTrackerElement(&f.Form()));
            f.view->Tracker().AddToSelection(f.view->NewTrackerElement(small));
        }
        for (LayoutCommand command :
             {LayoutCommand::SameWidth, LayoutCommand::SameHeight, LayoutCommand::SameSize,
              LayoutCommand::AlignRight, LayoutCommand::AlignBottom}) {
            RunLayoutCommand(*f.view, command);
            EXPECT_EQ(f.Form().GetPos(), page) << pagePrimary << int(command);
            EXPECT_EQ((platform::Size{f.Form().GetFixedWidth(), f.Form().GetFixedHeight()}), fixed);
            EXPECT_EQ(f.view->FormSize(), (platform::Size{page.right, page.bottom}));
        }
    }
}

TEST(LayoutCommands, EnableRulesCountTheSelection)
{
    using C = LayoutCommand;
    struct Case
    {
        int selected; // elements; -1 for the page alone
        std::vector<C> enabled;
    };
    const std::vector<C> all{C::AlignLeft,        C::AlignRight,         C::AlignTop,    C::AlignBottom,
                             C::CentreVertically, C::CentreHorizontally, C::SpaceAcross, C::SpaceDown,
                             C::SameWidth,        C::SameHeight,         C::SameSize};
    const std::vector<C> pairs{C::AlignLeft,   C::AlignRight,       C::AlignTop,
                               C::AlignBottom, C::CentreVertically, C::CentreHorizontally,
                               C::SameWidth,   C::SameHeight,       C::SameSize};
    const Case cases[] = {
        {0, {}},  {-1, {C::CentreVertically}}, {1, {C::CentreVertically, C::CentreHorizontally}}, {2, pairs},
        {3, all},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        std::vector<CControlUI*> chosen;
        for (int i = 0; i < c.selected; ++i) {
            chosen.push_back(f.Add(MarkupUI::kElementText, Rect{10 * i, 0, 10 * i + 5, 5}));
        }
        f.view->SelectElements(c.selected < 0 ? std::vector<CControlUI*>{&f.Form()} : chosen);
        for (C command : all) {
            const bool expected = std::find(c.enabled.begin(), c.enabled.end(), command) != c.enabled.end();
            EXPECT_EQ(CanRunLayoutCommand(*f.view, command), expected) << c.selected << " " << int(command);
        }
    }
}

} // namespace
} // namespace editor::test
