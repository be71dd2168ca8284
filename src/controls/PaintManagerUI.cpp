#include "controls/PaintManagerUI.h"

#include "controls/ControlUI.h"
#include "controls/ResourceArchive.h"

#include <mutex>

namespace MarkupUI {

namespace {
// The process-wide resource archive slot.
struct ResourceZipSlot
{
    std::mutex mutex;
    QString name;
    bool keepOpen = false;
    std::shared_ptr<const ResourceArchive> archive;
};

ResourceZipSlot& ResourceZip()
{
    static ResourceZipSlot slot;
    return slot;
}
} // namespace

QFont TFontInfo::ToQFont() const
{
    return platform::ToQFont(ToDescription());
}

platform::FontDescription TFontInfo::ToDescription() const
{
    platform::FontDescription description;
    description.SetFaceName(faceName);
    description.charSet = platform::kCharSetDefault;
    description.height = size > 0 ? -size : 0;
    description.weight = bold ? platform::kFontWeightBold : platform::kFontWeightDontCare;
    description.underline = underline;
    description.italic = italic;
    return description;
}

CPaintManagerUI::CPaintManagerUI()
{
    // Templates name Windows faces; Arial is metric-compatible with the
    // Liberation font installed beside the designer.
    m_defaultFont.faceName = QStringLiteral("Arial");
    m_defaultFont.size = 12;
}

CPaintManagerUI::~CPaintManagerUI() = default;

void CPaintManagerUI::SetInitSize(int width, int height)
{
    m_initSize = platform::Size{width, height};
    if (m_observer != nullptr) {
        m_observer->SurfaceResized(m_initSize);
    }
}

void CPaintManagerUI::Invalidate(const platform::Rect& rect)
{
    if (m_observer != nullptr && !rect.IsEmpty()) {
        m_observer->SurfaceInvalidated(rect);
    }
}

void CPaintManagerUI::SetDefaultFont(const QString& face, int size, bool bold, bool underline, bool italic)
{
    m_defaultFont = TFontInfo{face, size, bold, underline, italic};
}

const TFontInfo& CPaintManagerUI::GetFont(int index) const
{
    if (index < 0 || index >= GetCustomFontCount()) {
        return m_defaultFont;
    }
    return m_fonts[static_cast<std::size_t>(index)];
}

int CPaintManagerUI::AddFont(const QString& face, int size, bool bold, bool underline, bool italic)
{
    m_fonts.push_back(TFontInfo{face, size, bold, underline, italic});
    return GetCustomFontCount() - 1;
}

void CPaintManagerUI::AddDefaultAttributeList(const QString& className, const QString& list)
{
    m_defaultAttributes[className] = list;
}

QString CPaintManagerUI::GetDefaultAttributeList(const QString& className) const
{
    const auto found = m_defaultAttributes.find(className);
    return found == m_defaultAttributes.end() ? QString() : found->second;
}

void CPaintManagerUI::InitControls(CControlUI* control, CControlUI* parent)
{
    if (control == nullptr) {
        return;
    }
    control->SetManager(this, parent != nullptr ? parent : control->GetParent(), true);
}

void CPaintManagerUI::ReapObjects(CControlUI* control)
{
    if (control == m_focus) {
        m_focus = nullptr;
    }
    if (control == m_root) {
        m_root = nullptr;
    }
}

void CPaintManagerUI::AttachDialog(CControlUI* root)
{
    if (m_focus != nullptr) {
        SetFocus(nullptr);
    }
    m_root = root;
    InitControls(root, nullptr);
}

void CPaintManagerUI::SetFocus(CControlUI* control)
{
    if (control == m_focus) {
        return;
    }
    if (m_focus != nullptr) {
        TEventUI event;
        event.type = EventType::KillFocus;
        event.sender = control;
        CControlUI* previous = m_focus;
        m_focus = nullptr;
        previous->Event(event);
    }
    if (control != nullptr && control->GetManager() == this && control->IsVisible() && control->IsEnabled()) {
        m_focus = control;
        TEventUI event;
        event.type = EventType::SetFocus;
        event.sender = control;
        control->Event(event);
    }
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const QString& type)
{
    const Notification notification{sender, type};
    for (const auto& listener : m_notifiers) {
        listener(notification);
    }
}

void CPaintManagerUI::SetResourceZip(const QString& path, bool keepOpen)
{
    ResourceZipSlot& slot = ResourceZip();
    std::lock_guard lock(slot.mutex);
    slot.name = path;
    slot.keepOpen = keepOpen;
    slot.archive.reset();
}

void CPaintManagerUI::SetResourceZip(std::shared_ptr<const ResourceArchive> archive, const QString& name)
{
    ResourceZipSlot& slot = ResourceZip();
    std::lock_guard lock(slot.mutex);
    slot.name = name;
    slot.keepOpen = true;
    slot.archive = std::move(archive);
}

std::shared_ptr<const ResourceArchive> CPaintManagerUI::GetResourceZip()
{
    ResourceZipSlot& slot = ResourceZip();
    std::lock_guard lock(slot.mutex);
    return slot.archive;
}

QString CPaintManagerUI::GetResourceZipName()
{
    ResourceZipSlot& slot = ResourceZip();
    std::lock_guard lock(slot.mutex);
    return slot.name;
}

bool CPaintManagerUI::IsResourceZipKeptOpen()
{
    ResourceZipSlot& slot = ResourceZip();
    std::lock_guard lock(slot.mutex);
    return slot.keepOpen;
}

} // namespace MarkupUI
