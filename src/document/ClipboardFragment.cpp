#include "document/ClipboardFragment.h"

#include "controls/ContainerUI.h"
#include "controls/Markup.h"
#include "controls/PaintManagerUI.h"
#include "document/DesignControlBuilder.h"
#include "document/MarkupWriter.h"
#include "document/TemplateWriter.h"
#include "elements/ElementKind.h"

#include <tinyxml.h>

namespace document {

using MarkupUI::CControlUI;
using MarkupUI::ControlPtr;

namespace {

bool IsDesignKind(int kind)
{
    return kind >= MarkupUI::kElementPicture && kind <= MarkupUI::kElementCircle;
}

bool Within(int64_t value, int64_t low, int64_t high)
{
    return value >= low && value <= high;
}

// Placed freely, with a position and size a ticket can have.
bool HasSoundGeometry(const CControlUI& element)
{
    if (!element.IsFloat()) {
        return false;
    }
    const platform::Size xy = element.GetFixedXY();
    return Within(xy.cx, -kMaxFragmentCoordinate, kMaxFragmentCoordinate) &&
           Within(xy.cy, -kMaxFragmentCoordinate, kMaxFragmentCoordinate) &&
           Within(element.GetFixedWidth(), 0, kMaxFragmentCoordinate) &&
           Within(element.GetFixedHeight(), 0, kMaxFragmentCoordinate) &&
           Within(element.GetMinWidth(), 0, kMaxFragmentCoordinate) &&
           Within(element.GetMinHeight(), 0, kMaxFragmentCoordinate);
}

} // namespace

QByteArray WriteClipboardFragment(const std::vector<CControlUI*>& elements, const QString& directory)
{
    TiXmlDocument document;
    document.LinkEndChild(new TiXmlDeclaration("", "", ""));
    TiXmlElement* root = AppendElement(document, QStringLiteral("UICopy"));
    TiXmlElement* form = AppendElement(*root, QStringLiteral("Form"));
    for (CControlUI* element : elements) {
        // The page itself is never copied: pasting it would nest a page.
        if (element != nullptr && element->GetElementKind() != MarkupUI::kElementForm) {
            SaveProperties(element, *form, directory);
        }
    }
    QByteArray payload = PrintMarkup(document);
    payload.append('\0');
    return payload;
}

FragmentContents ReadClipboardFragment(QByteArrayView payload,
                                       const MarkupUI::CPaintManagerUI* documentManager)
{
    FragmentContents contents;
    if (payload.size() > kMaxClipboardBytes) {
        contents.refusal = FragmentContents::Refusal::TooLarge;
        return contents;
    }
    const qsizetype end = payload.indexOf('\0');
    const QByteArrayView markup = end < 0 ? payload : payload.first(end);
    if (markup.size() > MarkupUI::CMarkup::kMaxMarkupBytes) {
        contents.refusal = FragmentContents::Refusal::TooLarge;
        return contents;
    }
    const QByteArray text = markup.toByteArray();

    // A manager of its own: fonts and default lists in the payload must not
    // reach the template, and without a surface no text is refitted.
    MarkupUI::CPaintManagerUI scratch;
    if (documentManager != nullptr) {
        for (const auto& [className, list] : documentManager->GetDefaultAttributeLists()) {
            scratch.AddDefaultAttributeList(className, list);
        }
    }
    DesignControlBuilder builder;
    const ControlPtr root = builder.Build(text, &scratch, nullptr, nullptr);
    MarkupUI::IContainerUI* form = nullptr;
    if (root && root->GetInterface(QStringLiteral("Form")) != nullptr) {
        form = static_cast<MarkupUI::IContainerUI*>(root->GetInterface(QStringLiteral("IContainer")));
    }
    if (form == nullptr) {
        contents.refusal = FragmentContents::Refusal::Unreadable;
        return contents;
    }
    for (int i = 0; i < form->GetCount(); ++i) {
        CControlUI* element = form->GetItemAt(i);
        if (!IsDesignKind(element->GetElementKind())) {
            ++contents.unknownKinds;
        } else if (!HasSoundGeometry(*element)) {
            ++contents.badGeometry;
        } else if (static_cast<int>(contents.elements.size()) >= kMaxFragmentElements) {
            ++contents.overLimit;
        } else {
            contents.elements.emplace_back(element);
        }
    }
    // The fragment's form lets go of its elements when it dies with root,
    // leaving them free to be added wherever they are pasted.
    return contents;
}

} // namespace document
