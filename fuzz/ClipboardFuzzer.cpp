// Arbitrary bytes read as a clipboard fragment, then pasted onto a page as
// the design view does and copied back.
#include "FuzzSupport.h"

#include "controls/PaintManagerUI.h"
#include "document/ClipboardFragment.h"
#include "elements/FormUI.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartOffscreenApplication(argc, argv);
    fuzz::SilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MarkupUI::CPaintManagerUI manager;
    manager.AddDefaultAttributeList(QStringLiteral("TextEdit"), QStringLiteral("align=\"right\""));
    manager.SetSurfaceReady(true);
    const MarkupUI::FormPtr page(new MarkupUI::CFormUI);
    manager.AttachDialog(page.get());
    page->SetSize(464, 580);

    const document::FragmentContents contents = document::ReadClipboardFragment(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &manager);
    if (contents.refusal != document::FragmentContents::Refusal::None && !contents.elements.empty()) {
        abort();
    }
    std::vector<MarkupUI::CControlUI*> pasted;
    for (const MarkupUI::ControlPtr& element : contents.elements) {
        if (element->GetParent() != nullptr || !element->IsFloat()) {
            abort();
        }
        const platform::Size xy = element->GetFixedXY();
        element->SetFixedXY(platform::Size{xy.cx + 10, xy.cy + 10});
        page->Add(element.get());
        pasted.push_back(element.get());
    }
    page->SetPos(page->GetPos());
    const QByteArray copy = document::WriteClipboardFragment(pasted, QStringLiteral("/tmp/"));
    const document::FragmentContents again = document::ReadClipboardFragment(copy, &manager);
    // What was pasted copies back whole; only the paste offset can push an
    // element past the bounds.
    if (again.refusal != document::FragmentContents::Refusal::None || again.unknownKinds != 0) {
        abort();
    }
    return 0;
}
