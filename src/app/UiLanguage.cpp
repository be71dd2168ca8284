#include "app/UiLanguage.h"

#include "app/Translation.h"
#include "elements/TimeFormatList.h"
#include "platform/Logger.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

bool IsChineseLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese;
}

bool InstallTranslations(QCoreApplication& application, const QLocale& locale)
{
    if (!IsChineseLocale(locale)) {
        return true;
    }
    auto* ours = new QTranslator(&application);
    const bool loaded = LoadDesignerTranslation(*ours);
    if (loaded) {
        QCoreApplication::installTranslator(ours);
    } else {
        TICKET_LOG(platform::Error) << "Chinese translation missing from the program";
    }
    // Buttons and file dialogs of Qt itself; optional, as the package may be absent.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    return loaded;
}

void FillTimeFormatWords()
{
    MarkupUI::TimeFormatList::SetUnitWords({
        QCoreApplication::translate("app::TimeFormatWords", "Year"),
        QCoreApplication::translate("app::TimeFormatWords", "Month"),
        QCoreApplication::translate("app::TimeFormatWords", "Day"),
        QCoreApplication::translate("app::TimeFormatWords", "Hour"),
        QCoreApplication::translate("app::TimeFormatWords", "Minute"),
        QCoreApplication::translate("app::TimeFormatWords", "Second"),
    });
}

} // namespace app
