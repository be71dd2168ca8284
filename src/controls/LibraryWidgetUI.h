#pragma once

#include "controls/ControlUI.h"

namespace MarkupUI {

// A widget of the control library ("Button", "List", ...). Templates never
// hold one; when a file does, it is kept in the tree as a plain control
// under its class name so nothing of the file is silently dropped.
class CLibraryWidgetUI : public CControlUI
{
public:
    explicit CLibraryWidgetUI(const QString& tag) : m_tag(tag) {}

    QString GetClass() const override { return m_tag + QStringLiteral("UI"); }
    void* GetInterface(const QString& name) override
    {
        return name == m_tag ? this : CControlUI::GetInterface(name);
    }

    // The library's own tag names; these are created before a builder
    // callback is asked.
    static bool IsLibraryTag(const QString& tag);

private:
    QString m_tag;
};

} // namespace MarkupUI
