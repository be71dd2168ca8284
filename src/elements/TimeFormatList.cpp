#include "elements/TimeFormatList.h"

#include "platform/CTimeFormat.h"

#include <mutex>

namespace MarkupUI {

namespace {
struct FormatTable
{
    std::mutex mutex;
    QStringList entries{QStringLiteral("yyyy-mm-dd HH:MM:SS"),
                        QStringLiteral("mm/dd/yy HH:MM:SS"),
                        QStringLiteral("yyyy-mm-dd"),
                        QStringLiteral("mm/dd/yy"),
                        QStringLiteral("HH:MM:SS"),
                        QStringLiteral("Year"),
                        QStringLiteral("Month"),
                        QStringLiteral("Day"),
                        QStringLiteral("Hour"),
                        QStringLiteral("Minute"),
                        QStringLiteral("Second")};
};

FormatTable& Table()
{
    static FormatTable table;
    return table;
}

constexpr int kFirstUnitWord = 5;

constexpr const char* kPatterns[TimeFormatList::kCount] = {
    "%F %X", "%D %X", "%F", "%D", "%X", "%Y", "%m", "%d", "%H", "%M", "%S",
};
} // namespace

QStringList TimeFormatList::Entries()
{
    FormatTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.entries;
}

QString TimeFormatList::At(int index)
{
    FormatTable& table = Table();
    std::lock_guard lock(table.mutex);
    return index >= 0 && index < table.entries.size() ? table.entries.at(index) : QString();
}

int TimeFormatList::IndexOf(const QString& text)
{
    FormatTable& table = Table();
    std::lock_guard lock(table.mutex);
    return static_cast<int>(table.entries.indexOf(text));
}

void TimeFormatList::SetUnitWords(const std::array<QString, 6>& words)
{
    FormatTable& table = Table();
    std::lock_guard lock(table.mutex);
    for (std::size_t i = 0; i < words.size(); ++i) {
        table.entries[kFirstUnitWord + static_cast<int>(i)] = words[i];
    }
}

const char* TimeFormatList::Pattern(int index)
{
    return index >= 0 && index < kCount ? kPatterns[index] : "%x %X";
}

QString TimeFormatList::Format(const std::tm& time, int index)
{
    return platform::FormatCTime(Pattern(index), time);
}

} // namespace MarkupUI
