#include "controls/LibraryWidgetUI.h"

#include <QSet>

namespace MarkupUI {

bool CLibraryWidgetUI::IsLibraryTag(const QString& tag)
{
    static const QSet<QString> tags{
        "Edit",       "List",           "Text",         "Combo",           "Label",
        "Button",     "Option",         "Slider",       "Control",         "ActiveX",
        "Progress",   "RichEdit",       "CheckBox",     "ComboBox",        "DateTime",
        "TreeView",   "Container",      "TabLayout",    "ScrollBar",       "ListHeader",
        "TileLayout", "WebBrowser",     "ChildLayout",  "VerticalLayout",  "ListTextElement",
        "ListHeaderItem", "HorizontalLayout", "ListLabelElement", "ListContainerElement", "TreeNode"};
    return tags.contains(tag);
}

} // namespace MarkupUI
