#include "controls/DialogBuilder.h"

#include "controls/AttributeValues.h"
#include "controls/ContainerUI.h"
#include "controls/LibraryWidgetUI.h"
#include "controls/PaintManagerUI.h"

namespace MarkupUI {

namespace {
bool IsDocumentSetting(const QString& tag)
{
    return tag == u"Image" || tag == u"Font" || tag == u"Default";
}
} // namespace

ControlPtr CDialogBuilder::Create(IDialogBuilderCallback* callback, CPaintManagerUI* manager, CControlUI* parent)
{
    m_callback = callback;
    const CMarkupNode root = m_markup.GetRoot();
    if (!root.IsValid()) {
        return nullptr;
    }
    if (manager != nullptr) {
        ReadDocumentSettings(root, manager);
    }
    return Parse(root, parent, manager, 0);
}

void CDialogBuilder::ReadDocumentSettings(const CMarkupNode& root, CPaintManagerUI* manager)
{
    for (CMarkupNode node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
        const QString tag = node.GetName();
        if (tag == u"Font") {
            QString name;
            if (!node.GetAttributeValue(QStringLiteral("name"), &name)) {
                continue;
            }
            QString sizeText;
            const int size = node.GetAttributeValue(QStringLiteral("size"), &sizeText) ? AttributeValues::ParseInt(sizeText) : 12;
            const bool bold = node.GetAttributeValue(QStringLiteral("bold")) == u"true";
            const bool underline = node.GetAttributeValue(QStringLiteral("underline")) == u"true";
            const bool italic = node.GetAttributeValue(QStringLiteral("italic")) == u"true";
            manager->AddFont(name, size, bold, underline, italic);
            if (node.GetAttributeValue(QStringLiteral("default")) == u"true") {
                manager->SetDefaultFont(name, size, bold, underline, italic);
            }
        } else if (tag == u"Default") {
            QString name;
            if (node.GetAttributeValue(QStringLiteral("name"), &name)) {
                manager->AddDefaultAttributeList(name, node.GetAttributeValue(QStringLiteral("value")));
            }
        }
        // "Image" registers a named image with a window's paint manager;
        // templates never carry one and the designer draws from the archive.
    }
}

ControlPtr CDialogBuilder::CreateControl(const QString& tag)
{
    if (CLibraryWidgetUI::IsLibraryTag(tag)) {
        return ControlPtr(new CLibraryWidgetUI(tag));
    }
    return m_callback != nullptr ? m_callback->CreateControl(tag) : nullptr;
}

ControlPtr CDialogBuilder::Parse(const CMarkupNode& node, CControlUI* parent, CPaintManagerUI* manager, int depth)
{
    ControlPtr first;
    if (depth >= kMaxDepth) {
        return first;
    }
    for (CMarkupNode child = node.GetChild(); child.IsValid(); child = child.GetSibling()) {
        const QString tag = child.GetName();
        if (IsDocumentSetting(tag)) {
            continue;
        }
        const ControlPtr control = CreateControl(tag);
        if (!control) {
            continue;
        }
        // Children are complete before the element's own attributes apply.
        if (child.HasChildren()) {
            Parse(child, control.get(), manager, depth + 1);
        }
        if (parent != nullptr) {
            auto* container = static_cast<IContainerUI*>(parent->GetInterface(QStringLiteral("IContainer")));
            if (container == nullptr || !container->Add(control.get())) {
                continue; // released with the last reference
            }
        }
        control->SetManager(manager, nullptr, false);
        if (manager != nullptr) {
            const QString defaults = manager->GetDefaultAttributeList(tag);
            if (!defaults.isEmpty()) {
                control->ApplyAttributeList(defaults);
            }
        }
        const int count = child.GetAttributeCount();
        for (int i = 0; i < count; ++i) {
            control->SetAttribute(child.GetAttributeName(i), child.GetAttributeValue(i));
        }
        control->SetManager(nullptr, nullptr, false);
        if (!first) {
            first = control;
        }
    }
    return first;
}

} // namespace MarkupUI
