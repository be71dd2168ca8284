#include "document/DesignControlBuilder.h"

#include "controls/UserDefineUI.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"

#include <QCoreApplication>
#include <QHash>

namespace document {

using namespace MarkupUI;

ControlPtr DesignControlBuilder::CreateControl(const QString& tag)
{
    static const QHash<QString, int> kinds{
        {"Form", kElementForm},
        {"Time", kElementTime},
        {"Picture", kElementPicture},
        {"TextEdit", kElementText},
        {"Circular", kElementCircle},
        {"Rectangle", kElementRectangle},
        {"QueuingNum", kElementQueuingNum},
        {"CurrentNum", kElementCurrentNum},
        {"WaitingCount", kElementWaitingCount},
        {"VerticalLine", kElementVerticalLine},
        {"HorzontalLine", kElementHorizontalLine},
    };
    const auto kind = kinds.constFind(tag);
    if (kind == kinds.constEnd()) {
        return ControlPtr(new CUserDefineUI(tag));
    }
    return CreateElement(*kind, platform::Rect{});
}

ControlPtr DesignControlBuilder::Build(const QByteArray& markupUtf8, CPaintManagerUI* manager, CControlUI* parent,
                                       QString* error)
{
    CMarkup& markup = m_dialogBuilder.GetMarkup();
    if (!markup.LoadFromMem(markupUtf8)) {
        if (error != nullptr) {
            *error = markup.GetLastErrorMessage();
        }
        return nullptr;
    }
    ControlPtr root = m_dialogBuilder.Create(this, manager, parent);
    if (!root && error != nullptr) {
        *error = QCoreApplication::translate("document", "The markup holds no element.");
    }
    return root;
}

} // namespace document
