#pragma once

namespace MarkupUI {

class CControlUI;

// The container interface through which the form holds its elements.
// Children are held by intrusive_ptr: removing the last reference destroys
// the child.
class IContainerUI
{
public:
    virtual ~IContainerUI() = default;
    virtual CControlUI* GetItemAt(int index) const = 0;
    virtual int GetItemIndex(CControlUI* control) const = 0;
    virtual bool SetItemIndex(CControlUI* control, int index) = 0;
    virtual int GetCount() const = 0;
    virtual bool Add(CControlUI* control) = 0;
    virtual bool AddAt(CControlUI* control, int index) = 0;
    virtual bool Remove(CControlUI* control) = 0;
    virtual bool RemoveAt(int index) = 0;
    virtual void RemoveAll() = 0;
};

// Told of every child a container adds or takes out, while the container
// still holds its reference to the child. The design view implements it.
class AbstractItemChange
{
public:
    virtual ~AbstractItemChange() = default;
    virtual void OnItemAdded(CControlUI* control, IContainerUI* container) = 0;
    virtual void OnItemRemoved(CControlUI* control, IContainerUI* container) = 0;
};

} // namespace MarkupUI
