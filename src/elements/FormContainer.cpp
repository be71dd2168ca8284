// The form's container rules: children held by reference, the observer
// told of every addition and removal while the form still holds the child.
#include "elements/FormUI.h"

#include "controls/PaintManagerUI.h"

#include <algorithm>

namespace MarkupUI {

CControlUI* CFormUI::GetItemAt(int index) const
{
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(index)].get();
}

int CFormUI::GetItemIndex(CControlUI* control) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [control](const ControlPtr& item) { return item.get() == control; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

bool CFormUI::SetItemIndex(CControlUI* control, int index)
{
    const int current = GetItemIndex(control);
    if (current < 0 || index < 0 || index >= GetCount()) {
        return false;
    }
    ControlPtr item = m_items[static_cast<std::size_t>(current)];
    m_items.erase(m_items.begin() + current);
    m_items.insert(m_items.begin() + index, std::move(item));
    NeedUpdate();
    return true;
}

int CFormUI::GetCount() const
{
    return static_cast<int>(m_items.size());
}

void CFormUI::PrepareForInsert(CControlUI* control)
{
    if (m_manager != nullptr) {
        m_manager->InitControls(control, this);
    }
    if (IsVisible()) {
        NeedUpdate();
    } else {
        control->SetInternVisible(false);
    }
}

bool CFormUI::Add(CControlUI* control)
{
    if (control == nullptr) {
        return false;
    }
    PrepareForInsert(control);
    m_items.emplace_back(control);
    NotifyAdded(control);
    return true;
}

bool CFormUI::AddAt(CControlUI* control, int index)
{
    if (control == nullptr || index < 0 || index > GetCount()) {
        return false;
    }
    PrepareForInsert(control);
    m_items.emplace(m_items.begin() + index, control);
    NotifyAdded(control);
    return true;
}

bool CFormUI::Remove(CControlUI* control)
{
    const int index = GetItemIndex(control);
    if (index < 0) {
        return false;
    }
    return RemoveAt(index);
}

bool CFormUI::RemoveAt(int index)
{
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    // Hold the child until the observer has heard of it, whatever the
    // observer does to the list meanwhile.
    ControlPtr item = m_items[static_cast<std::size_t>(index)];
    NotifyRemoved(item.get());
    const int position = GetItemIndex(item.get());
    if (position >= 0) {
        m_items.erase(m_items.begin() + position);
        Detach(*item);
    }
    return true;
}

void CFormUI::RemoveAll()
{
    std::vector<ControlPtr> items = m_items;
    for (const ControlPtr& item : items) {
        NotifyRemoved(item.get());
    }
    m_items.clear();
    for (const ControlPtr& item : items) {
        Detach(*item);
    }
    items.clear();
    NeedUpdate();
}

void CFormUI::Detach(CControlUI& item)
{
    // A removed element may outlive the page's paint manager (undo keeps
    // it): it keeps remembering the form, but not the manager.
    if (item.GetParent() == this) {
        item.SetManager(nullptr, this, false);
    }
}

void CFormUI::SetObserver(AbstractItemChange* observer)
{
    if (observer == m_observer) {
        return;
    }
    if (observer != nullptr) {
        for (const ControlPtr& item : m_items) {
            observer->OnItemAdded(item.get(), this);
        }
    }
    if (m_observer != nullptr) {
        for (const ControlPtr& item : m_items) {
            m_observer->OnItemRemoved(item.get(), this);
        }
    }
    m_observer = observer;
}

void CFormUI::NotifyAdded(CControlUI* control)
{
    if (m_observer != nullptr) {
        m_observer->OnItemAdded(control, this);
    }
}

void CFormUI::NotifyRemoved(CControlUI* control)
{
    if (m_observer != nullptr) {
        m_observer->OnItemRemoved(control, this);
    }
}

} // namespace MarkupUI
