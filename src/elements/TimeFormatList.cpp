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
    const int index = static_cast<int>(table.entries.indexOf(text));
    if (index >= 0) {
        return index;
    }
    // A template saved by a designer running in the other language names
    // the unit formats in that language; they are the same formats.
    static const char16_t* const kKnownUnitWords[][2] = {
        {u"Year", u"\u5e74"}, {u"Month", u"\u6708"}, {u"Day", u"\u65e5"},
        {u"Hour", u"\u65f6"}, {u"Minute", u"\u5206"}, {u"Second", u"\u79d2"},
    };
    for (int unit = 0; unit < 6; ++unit) {
        for (const char16_t* word : kKnownUnitWords[unit]) {
            if (text == QStringView(word)) {
                return kFirstUnitWord + unit;
            }
        }
    }
    return -1;
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
