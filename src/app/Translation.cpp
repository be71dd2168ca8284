#include "app/Translation.h"

#include <QString>
#include <QTranslator>

namespace app {

bool LoadDesignerTranslation(QTranslator& translator)
{
    return translator.load(QStringLiteral(":/i18n/ticket_zh_CN.qm"));
}

} // namespace app
