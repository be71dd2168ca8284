#include "editor/LayoutCommands.h"

#include "editor/DesignerView.h"

#include <algorithm>
#include <utility>

namespace editor {

using MarkupUI::CControlUI;
using MarkupUI::ControlPtr;
using platform::Rect;

namespace {

using Elements = std::vector<ControlPtr>;

int32_t Clamp32(int64_t value)
{
    return platform::SaturatingAdd(0, value);
}

void SetFixedX(CControlUI& element, int64_t x)
{
    platform::Size xy = element.GetFixedXY();
    xy.cx = Clamp32(x);
    element.SetFixedXY(xy);
}

void SetFixedY(CControlUI& element, int64_t y)
{
    platform::Size xy = element.GetFixedXY();
    xy.cy = Clamp32(y);
    element.SetFixedXY(xy);
}

void LayOut(CControlUI* container)
{
    if (container != nullptr) {
        container->SetPos(container->GetPos());
    }
}

// Leaves only the elements directly under parent.
void KeepChildrenOf(const CControlUI* parent, Elements& elements)
{
    std::erase_if(elements, [parent](const ControlPtr& element) { return element->GetParent() != parent; });
}

Rect UnionOf(const Elements& elements)
{
    Rect united;
    for (const ControlPtr& element : elements) {
        united = platform::Union(united, element->GetPos());
    }
    return united;
}

void AlignEdges(CControlUI& reference, const Elements& elements, LayoutCommand command)
{
    CControlUI* parent = reference.GetParent();
    const platform::Size anchor = reference.GetFixedXY();
    for (const ControlPtr& element : elements) {
        if (element->GetParent() != parent) {
            continue;
        }
        switch (command) {
        case LayoutCommand::AlignLeft:
            SetFixedX(*element, anchor.cx);
            break;
        case LayoutCommand::AlignRight:
            SetFixedX(*element,
                      int64_t(anchor.cx) + reference.GetFixedWidth() - int64_t(element->GetFixedWidth()));
            break;
        case LayoutCommand::AlignTop:
            SetFixedY(*element, anchor.cy);
            break;
        default:
            SetFixedY(*element,
                      int64_t(anchor.cy) + reference.GetFixedHeight() - int64_t(element->GetFixedHeight()));
            break;
        }
    }
    LayOut(parent);
}

// The group keeps its arrangement and is centred on the whole parent,
// margins ignored.
void Centre(CControlUI& reference, Elements& elements, bool vertically)
{
    CControlUI* parent = reference.GetParent();
    if (parent == nullptr) {
        elements.clear();
        return;
    }
    KeepChildrenOf(parent, elements);
    const Rect group = UnionOf(elements);
    const Rect& page = parent->GetPos();
    for (const ControlPtr& element : elements) {
        const platform::Size xy = element->GetFixedXY();
        if (vertically) {
            const int64_t dy =
                (int64_t(page.top) + page.bottom) / 2 - (int64_t(group.top) + group.bottom) / 2;
            SetFixedY(*element, xy.cy + dy);
        } else {
            const int64_t dx =
                (int64_t(page.left) + page.right) / 2 - (int64_t(group.left) + group.right) / 2;
            SetFixedX(*element, xy.cx + dx);
        }
    }
    LayOut(parent);
}

// The outer elements stay; the ones between follow each other with one
// gap, which is negative when the elements overlap.
void Space(CControlUI& reference, Elements& elements, bool across)
{
    CControlUI* parent = reference.GetParent();
    if (parent == nullptr) {
        elements.clear();
        return;
    }
    KeepChildrenOf(parent, elements);
    const std::size_t count = elements.size();
    if (count < 3) {
        return;
    }
    const auto start = [across](const ControlPtr& e) { return across ? e->GetPos().left : e->GetPos().top; };
    const auto extent = [across](const ControlPtr& e) {
        return across ? e->GetPos().Width() : e->GetPos().Height();
    };
    int64_t sum = 0;
    for (const ControlPtr& element : elements) {
        sum += extent(element);
    }
    const Rect group = UnionOf(elements);
    const int64_t span = across ? group.Width() : group.Height();
    const int64_t gap = (span - sum) / int64_t(count - 1);

    for (std::size_t i = 0; i + 1 < count; ++i) {
        std::size_t smallest = i;
        for (std::size_t j = i + 1; j < count; ++j) {
            if (start(elements[j]) < start(elements[smallest])) {
                smallest = j;
            }
        }
        if (smallest != i) {
            std::swap(elements[i], elements[smallest]);
        }
    }
    for (std::size_t i = 1; i + 1 < count; ++i) {
        const CControlUI& previous = *elements[i - 1];
        const platform::Size xy = previous.GetFixedXY();
        const int64_t next = (across ? xy.cx : xy.cy) + extent(elements[i - 1]) + gap;
        across ? SetFixedX(*elements[i], next) : SetFixedY(*elements[i], next);
    }
    LayOut(parent);
}

void MakeSameSize(CControlUI& reference, const Elements& elements, LayoutCommand command)
{
    const int32_t width = reference.GetFixedWidth();
    const int32_t height = reference.GetFixedHeight();
    std::vector<CControlUI*> parents;
    for (const ControlPtr& element : elements) {
        if (element.get() == &reference) {
            continue;
        }
        if (command != LayoutCommand::SameHeight) {
            element->SetFixedWidth(width);
        }
        if (command != LayoutCommand::SameWidth) {
            element->SetFixedHeight(height);
        }
        CControlUI* parent = element->GetParent();
        if (parent != nullptr && std::find(parents.begin(), parents.end(), parent) == parents.end()) {
            parents.push_back(parent);
        }
    }
    for (CControlUI* parent : parents) {
        LayOut(parent);
    }
}

void RunOperation(LayoutCommand command, CControlUI& reference, Elements& elements)
{
    switch (command) {
    case LayoutCommand::AlignLeft:
    case LayoutCommand::AlignRight:
    case LayoutCommand::AlignTop:
    case LayoutCommand::AlignBottom:
        AlignEdges(reference, elements, command);
        break;
    case LayoutCommand::CentreVertically:
    case LayoutCommand::CentreHorizontally:
        Centre(reference, elements, command == LayoutCommand::CentreVertically);
        break;
    case LayoutCommand::SpaceAcross:
    case LayoutCommand::SpaceDown:
        Space(reference, elements, command == LayoutCommand::SpaceAcross);
        break;
    case LayoutCommand::SameWidth:
    case LayoutCommand::SameHeight:
    case LayoutCommand::SameSize:
        MakeSameSize(reference, elements, command);
        break;
    }
}

} // namespace

bool CanRunLayoutCommand(const CDesignerView& view, LayoutCommand command)
{
    if (view.IsDragging()) {
        return false;
    }
    const int count = view.Tracker().Count();
    switch (command) {
    case LayoutCommand::CentreVertically:
        return count >= 1;
    case LayoutCommand::CentreHorizontally: {
        const CTrackerElement* primary = view.Tracker().Primary();
        return count >= 1 && primary != nullptr && primary->Element()->GetDesignLevel() != 0;
    }
    case LayoutCommand::SpaceAcross:
    case LayoutCommand::SpaceDown:
        return count > 2;
    default:
        return count > 1;
    }
}

bool RunLayoutCommand(CDesignerView& view, LayoutCommand command)
{
    const CTrackerElement* primary = view.Tracker().Primary();
    if (primary == nullptr || view.IsDragging()) {
        return false;
    }
    const ControlPtr reference(primary->Element());
    // The page is neither a reference for its own size nor ever moved or
    // resized by these commands, whatever the selection holds.
    Elements elements = view.Tracker().GetSelection();
    std::erase_if(elements,
                  [](const ControlPtr& e) { return e->GetInterface(QStringLiteral("Form")) != nullptr; });
    if (elements.empty()) {
        return false;
    }
    std::vector<std::pair<CControlUI*, Rect>> found;
    for (const ControlPtr& element : elements) {
        found.emplace_back(element.get(), element->GetPos());
    }

    RunOperation(command, *reference, elements);

    // The operation may have dropped or reordered elements: pair each one
    // left with the rectangle it had.
    std::vector<Rect> before;
    std::vector<Rect> after;
    bool changed = false;
    for (const ControlPtr& element : elements) {
        const auto was = std::find_if(found.begin(), found.end(),
                                      [&element](const auto& entry) { return entry.first == element.get(); });
        before.push_back(was->second);
        after.push_back(element->GetPos());
        changed = changed || before.back() != after.back();
    }
    if (!changed) {
        return false;
    }
    view.PushAction(
        view.RectChangeAction(std::move(before), std::move(after), std::move(elements), reference));
    view.RefreshPosRows(reference.get());
    view.InvalidateView();
    return true;
}

} // namespace editor
