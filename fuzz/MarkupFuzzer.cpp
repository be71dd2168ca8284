// The markup reader on arbitrary bytes, then a full walk of what it built.
#include "FuzzSupport.h"

#include "controls/Markup.h"

namespace {

size_t Walk(const MarkupUI::CMarkupNode& first)
{
    // An explicit stack: the tree may be as deep as the reader allows.
    size_t visited = 0;
    std::vector<MarkupUI::CMarkupNode> pending{first};
    while (!pending.empty()) {
        MarkupUI::CMarkupNode node = pending.back();
        pending.pop_back();
        for (; node.IsValid(); node = node.GetSibling()) {
            ++visited;
            visited += static_cast<size_t>(node.GetName().size() + node.GetValue().size());
            for (int i = 0; i < node.GetAttributeCount(); ++i) {
                const QString name = node.GetAttributeName(i);
                visited += static_cast<size_t>(node.GetAttributeValue(name).size());
            }
            (void)node.GetAttributeValue(-1);
            (void)node.GetParent();
            if (node.HasChildren()) {
                pending.push_back(node.GetChild());
            }
        }
    }
    return visited;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MarkupUI::CMarkup markup;
    if (markup.LoadFromMem(QByteArrayView(data, static_cast<qsizetype>(size)))) {
        (void)Walk(markup.GetRoot());
    } else {
        (void)markup.GetLastErrorMessage();
    }
    (void)MarkupUI::CMarkup::DecodeEntities(fuzz::Text(data, size));
    return 0;
}
