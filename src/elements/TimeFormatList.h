#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <ctime>

namespace MarkupUI {

// The process-wide list of the eleven time formats a time element can show.
// The position of an entry is the format index stored in templates and sent
// to the printer, so entries are never removed or reordered. Entries 5 to 10
// are words of the user-interface language: the application sets them at
// start-up; until then (and in headless tools) they are English.
class TimeFormatList
{
public:
    static constexpr int kCount = 11;

    static QStringList Entries();
    static QString At(int index);
    // The index of the entry equal to text (exact case), or -1.
    static int IndexOf(const QString& text);

    // The words for year, month, day, hour, minute and second.
    static void SetUnitWords(const std::array<QString, 6>& words);

    // The C library pattern of a format index; indexes past the list use
    // the locale's date and time, which in the "C" locale is "%x %X".
    static const char* Pattern(int index);
    // The time as the format index shows it, the same under every locale.
    static QString Format(const std::tm& time, int index);
};

} // namespace MarkupUI
