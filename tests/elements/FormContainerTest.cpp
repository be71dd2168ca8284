#include "controls/PaintManagerUI.h"
#include "elements/FormUI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace MarkupUI;
using platform::Rect;

namespace {
// Logs every observer call and every destruction into one shared journal,
// so a test can check their order.
struct Journal
{
    std::vector<std::string> lines;
};

class JournalControl : public CControlUI
{
public:
    JournalControl(Journal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {}
    ~JournalControl() override { m_journal.lines.push_back("destroyed " + m_name); }
    const std::string& Label() const { return m_name; }

private:
    Journal& m_journal;
    std::string m_name;
};

class JournalObserver : public AbstractItemChange
{
public:
    JournalObserver(Journal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {}
    void OnItemAdded(CControlUI* control, IContainerUI*) override
    {
        m_journal.lines.push_back(m_name + " added " + static_cast<JournalControl*>(control)->Label());
    }
    void OnItemRemoved(CControlUI* control, IContainerUI*) override
    {
        // The child must still be alive here.
        m_journal.lines.push_back(m_name + " removed " + static_cast<JournalControl*>(control)->Label());
    }

private:
    Journal& m_journal;
    std::string m_name;
};
} // namespace

TEST(FormContainer, ObserverHearsOfRemovalBeforeTheLastReferenceDrops)
{
    Journal journal;
    JournalObserver observer(journal, "view");
    CFormUI form;
    form.SetObserver(&observer);
    form.Add(new JournalControl(journal, "a"));
    form.Add(new JournalControl(journal, "b"));
    ASSERT_TRUE(form.Remove(form.GetItemAt(0)));
    ASSERT_TRUE(form.RemoveAt(0));
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"view added a", "view added b", "view removed a",
                                                        "destroyed a", "view removed b", "destroyed b"}));
}

TEST(FormContainer, RemoveAllTellsEveryChildBeforeDroppingAny)
{
    Journal journal;
    JournalObserver observer(journal, "view");
    auto* form = new CFormUI;
    FormPtr keep(form);
    form->Add(new JournalControl(journal, "a"));
    form->Add(new JournalControl(journal, "b"));
    form->SetObserver(&observer);
    form->RemoveAll();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"view added a", "view added b", "view removed a",
                                                        "view removed b", "destroyed a", "destroyed b"}));
    EXPECT_EQ(form->GetCount(), 0);
}

TEST(FormContainer, ReplacingTheObserverTellsTheNewOneFirst)
{
    Journal journal;
    JournalObserver first(journal, "first");
    JournalObserver second(journal, "second");
    CFormUI form;
    form.Add(new JournalControl(journal, "a"));
    form.SetObserver(&first);
    form.SetObserver(&first); // unchanged: nobody is told
    form.SetObserver(&second);
    form.SetObserver(nullptr);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"first added a", "second added a", "first removed a",
                                                        "second removed a"}));
}

TEST(FormContainer, IndexRulesRefuseOutOfRangeAndNull)
{
    CFormUI form;
    EXPECT_FALSE(form.Add(nullptr));
    EXPECT_EQ(form.GetItemAt(-1), nullptr);
    EXPECT_EQ(form.GetItemAt(0), nullptr);
    EXPECT_FALSE(form.RemoveAt(0));
    ControlPtr a(new CControlUI), b(new CControlUI), c(new CControlUI), stranger(new CControlUI);
    EXPECT_TRUE(form.Add(a.get()));
    EXPECT_FALSE(form.AddAt(b.get(), 2));
    EXPECT_FALSE(form.AddAt(b.get(), -1));
    EXPECT_TRUE(form.AddAt(b.get(), 0));
    EXPECT_TRUE(form.AddAt(c.get(), 2));
    EXPECT_EQ(form.GetItemIndex(b.get()), 0);
    EXPECT_EQ(form.GetItemIndex(stranger.get()), -1);
    EXPECT_FALSE(form.Remove(stranger.get()));
    EXPECT_FALSE(form.SetItemIndex(stranger.get(), 0));
    EXPECT_FALSE(form.SetItemIndex(b.get(), 3));
    EXPECT_TRUE(form.SetItemIndex(b.get(), 2));
    EXPECT_EQ(form.GetItemAt(0), a.get());
    EXPECT_EQ(form.GetItemAt(1), c.get());
    EXPECT_EQ(form.GetItemAt(2), b.get());
    EXPECT_EQ(a->GetRefCount(), 2);
    EXPECT_TRUE(form.RemoveAt(0));
    EXPECT_EQ(a->GetRefCount(), 1);
}

TEST(FormContainer, DestroyingTheFormDetachesChildrenThatOutliveIt)
{
    CPaintManagerUI manager;
    ControlPtr survivor(new CControlUI);
    {
        FormPtr form(new CFormUI);
        manager.AttachDialog(form.get());
        form->Add(survivor.get());
        EXPECT_EQ(survivor->GetManager(), &manager);
        EXPECT_EQ(survivor->GetParent(), form.get());
    }
    EXPECT_EQ(survivor->GetManager(), nullptr);
    EXPECT_EQ(survivor->GetParent(), nullptr);
    EXPECT_EQ(survivor->GetRefCount(), 1);
    EXPECT_EQ(manager.GetRoot(), nullptr);
}

TEST(FormContainer, SizingPlacesEveryVisibleChildByItsFixedPlace)
{
    CPaintManagerUI manager;
    CFormUI form;
    manager.AttachDialog(&form);
    ControlPtr shown(new CControlUI), hidden(new CControlUI);
    for (const ControlPtr& c : {shown, hidden}) {
        c->SetFloat(true);
        c->SetAttribute("pos", "50,60,0,0");
        c->SetAttribute("width", "100");
        c->SetAttribute("height", "20");
        form.Add(c.get());
    }
    hidden->SetVisible(false);
    form.SetSize(464, 580);
    EXPECT_EQ(shown->GetPos(), (Rect{50, 60, 150, 80}));
    EXPECT_EQ(hidden->GetPos(), Rect{});
}

TEST(FormContainer, VisibilityReachesEveryChild)
{
    CFormUI form;
    ControlPtr child(new CControlUI);
    form.Add(child.get());
    form.SetVisible(false);
    EXPECT_FALSE(child->IsVisible());
    ControlPtr late(new CControlUI);
    form.Add(late.get()); // added to a hidden form: hidden too
    EXPECT_FALSE(late->IsVisible());
    form.SetVisible(true);
    EXPECT_TRUE(child->IsVisible());
    EXPECT_TRUE(late->IsVisible());
}

namespace {
CControlUI* AcceptAny(CControlUI* control, void*)
{
    return control;
}
} // namespace

TEST(FormContainer, FindControlSearchesChildrenInTheAskedOrder)
{
    CPaintManagerUI manager;
    CFormUI form;
    manager.AttachDialog(&form);
    ControlPtr bottom(new CControlUI), top(new CControlUI), disabled(new CControlUI);
    for (const ControlPtr& c : {bottom, top, disabled}) {
        c->SetFloat(true);
        c->SetAttribute("pos", "10,10,0,0");
        c->SetAttribute("width", "50");
        c->SetAttribute("height", "50");
        form.Add(c.get());
    }
    disabled->SetEnabled(false);
    form.SetSize(464, 580);

    platform::Point inside{20, 20};
    EXPECT_EQ(form.FindControl(AcceptAny, &inside, UIFIND_HITTEST), bottom.get());
    EXPECT_EQ(form.FindControl(AcceptAny, &inside, UIFIND_HITTEST | UIFIND_TOP_FIRST), disabled.get());
    EXPECT_EQ(form.FindControl(AcceptAny, &inside, UIFIND_HITTEST | UIFIND_TOP_FIRST | UIFIND_ENABLED),
              top.get());
    EXPECT_EQ(form.FindControl(AcceptAny, &inside, UIFIND_HITTEST | UIFIND_ME_FIRST), &form);

    platform::Point empty{300, 300};
    EXPECT_EQ(form.FindControl(AcceptAny, &empty, UIFIND_HITTEST), &form);
    platform::Point outside{900, 20};
    EXPECT_EQ(form.FindControl(AcceptAny, &outside, UIFIND_HITTEST), nullptr);
    form.SetVisible(false);
    EXPECT_EQ(form.FindControl(AcceptAny, &inside, UIFIND_VISIBLE), nullptr);
}
