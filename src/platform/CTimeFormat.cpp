#include "platform/CTimeFormat.h"

#include <clocale>
#include <locale.h>
#include <time.h>

#include <array>

namespace platform {

namespace {
// One "C" locale object for the life of the process; never freed, as
// formatting may run until the very end.
locale_t ClassicLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}
} // namespace

QString FormatCTime(const char* pattern, const std::tm& time)
{
    std::array<char, 256> buffer{};
    const locale_t locale = ClassicLocale();
    if (locale == static_cast<locale_t>(nullptr)) {
        return {};
    }
    const std::size_t length = strftime_l(buffer.data(), buffer.size(), pattern, &time, locale);
    return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(length));
}

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace platform
