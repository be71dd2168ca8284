#pragma once

#include "platform/Geometry.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace MarkupUI {

class CControlUI;

enum class EventType
{
    Unknown,
    MouseMove,
    ButtonDown,
    ButtonUp,
    DoubleClick,
    ContextMenu,
    SetCursor,
    SetFocus,
    KillFocus,
    Timer,
    KeyDown,
    Char,
};

// One input event routed through the control tree.
struct TEventUI
{
    EventType type = EventType::Unknown;
    CControlUI* sender = nullptr;
    platform::Point mouse;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Listeners for one kind of control event. A listener answers false to
// consume the event; the source answers false when any listener did.
class CEventSource
{
public:
    using Listener = std::function<bool(void*)>;

    void operator+=(Listener listener) { m_listeners.push_back(std::move(listener)); }
    bool operator()(void* param) const
    {
        for (const auto& listener : m_listeners) {
            if (!listener(param)) {
                return false;
            }
        }
        return true;
    }
    bool IsEmpty() const { return m_listeners.empty(); }

private:
    std::vector<Listener> m_listeners;
};

} // namespace MarkupUI
