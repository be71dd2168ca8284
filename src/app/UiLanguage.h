#pragma once

#include <QLocale>

class QCoreApplication;

namespace app {

// The user-interface language follows the system: Chinese texts for a
// Chinese locale, English (the source texts) for any other.
bool IsChineseLocale(const QLocale& locale = QLocale());

// Installs our Chinese translation, and Qt's own for its standard dialogs,
// when the locale is Chinese. False when ours could not be loaded.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

// Gives the time format list its unit words (entries 5 to 10) in the
// user-interface language.
void FillTimeFormatWords();

} // namespace app
