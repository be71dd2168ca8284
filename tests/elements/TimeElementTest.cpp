#include "ElementTestForm.h"

#include "elements/TimeFormatList.h"
#include "elements/TimeUI.h"
#include "support/LocaleGuard.h"

using namespace MarkupUI;

namespace {
std::tm SampleTime()
{
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2; // March
    time.tm_mday = 5;
    time.tm_hour = 14;
    time.tm_min = 7;
    time.tm_sec = 9;
    time.tm_wday = 2;
    time.tm_yday = 64;
    return time;
}

void ExpectAllFormats()
{
    const std::tm t = SampleTime();
    EXPECT_EQ(TimeFormatList::Format(t, 0), QStringLiteral("2024-03-05 14:07:09"));
    EXPECT_EQ(TimeFormatList::Format(t, 1), QStringLiteral("03/05/24 14:07:09"));
    EXPECT_EQ(TimeFormatList::Format(t, 2), QStringLiteral("2024-03-05"));
    EXPECT_EQ(TimeFormatList::Format(t, 3), QStringLiteral("03/05/24"));
    EXPECT_EQ(TimeFormatList::Format(t, 4), QStringLiteral("14:07:09"));
    EXPECT_EQ(TimeFormatList::Format(t, 5), QStringLiteral("2024"));
    EXPECT_EQ(TimeFormatList::Format(t, 6), QStringLiteral("03"));
    EXPECT_EQ(TimeFormatList::Format(t, 7), QStringLiteral("05"));
    EXPECT_EQ(TimeFormatList::Format(t, 8), QStringLiteral("14"));
    EXPECT_EQ(TimeFormatList::Format(t, 9), QStringLiteral("07"));
    EXPECT_EQ(TimeFormatList::Format(t, 10), QStringLiteral("09"));
    EXPECT_EQ(TimeFormatList::Format(t, 11), QStringLiteral("03/05/24 14:07:09"));
}
} // namespace

TEST(TimeFormats, SameTextUnderTheProcessLocale)
{
    ExpectAllFormats();
}

TEST(TimeFormats, SameTextUnderGermanAndChineseLocales)
{
    for (const char* locale : {"de_DE.UTF-8", "zh_CN.UTF-8"}) {
        testsupport::LocaleGuard guard(locale);
        ASSERT_TRUE(guard.active()) << locale << " is not installed";
        ExpectAllFormats();
    }
}

TEST(TimeFormats, ElevenEntriesWithTheUnitWordsSetByTheApplication)
{
    const QStringList english = TimeFormatList::Entries();
    ASSERT_EQ(english.size(), TimeFormatList::kCount);
    EXPECT_EQ(english.at(0), QStringLiteral("yyyy-mm-dd HH:MM:SS"));
    EXPECT_EQ(english.at(4), QStringLiteral("HH:MM:SS"));
    EXPECT_EQ(english.at(5), QStringLiteral("Year"));
    EXPECT_EQ(english.at(10), QStringLiteral("Second"));
    EXPECT_EQ(TimeFormatList::IndexOf(QStringLiteral("Minute")), 9);
    EXPECT_EQ(TimeFormatList::IndexOf(QStringLiteral("minute")), -1);

    TimeFormatList::SetUnitWords({QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"),
                                  QStringLiteral("时"), QStringLiteral("分"), QStringLiteral("秒")});
    EXPECT_EQ(TimeFormatList::At(5), QStringLiteral("年"));
    EXPECT_EQ(TimeFormatList::IndexOf(QStringLiteral("秒")), 10);
    EXPECT_EQ(TimeFormatList::At(0), QStringLiteral("yyyy-mm-dd HH:MM:SS"));
    EXPECT_EQ(TimeFormatList::At(11), QString());
    TimeFormatList::SetUnitWords({QStringLiteral("Year"), QStringLiteral("Month"), QStringLiteral("Day"),
                                  QStringLiteral("Hour"), QStringLiteral("Minute"),
                                  QStringLiteral("Second")});
}

TEST(TimeElement, ShowsItsCreationTimeInTheChosenFormat)
{
    boost::intrusive_ptr<CTimeUI> time(new CTimeUI);
    EXPECT_EQ(time->GetFormatIndex(), 0);
    EXPECT_EQ(time->GetText(), TimeFormatList::Format(time->GetSampleTime(), 0));
    EXPECT_EQ(time->GetText().size(), 19);

    time->SetAttribute(QStringLiteral("timeformat"), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(time->GetFormatIndex(), 2);
    EXPECT_EQ(time->GetText(), TimeFormatList::Format(time->GetSampleTime(), 2));

    // Unknown texts and other cases of the name leave it unchanged.
    time->SetAttribute(QStringLiteral("timeformat"), QStringLiteral("YYYY-MM-DD"));
    time->SetAttribute(QStringLiteral("TimeFormat"), QStringLiteral("HH:MM:SS"));
    EXPECT_EQ(time->GetFormatIndex(), 2);
    EXPECT_FALSE(time->SetFormatIndex(11));
    EXPECT_EQ(time->GetFormatIndex(), 2);
    EXPECT_TRUE(time->SetFormatIndex(8));
    EXPECT_EQ(time->GetText().size(), 2);
}

TEST(TimeElement, FormatZeroKeepsTheTextReadFromTheFile)
{
    const QString saved = QStringLiteral("2020-01-02 03:04:05");
    boost::intrusive_ptr<CTimeUI> first(new CTimeUI);
    first->SetAttribute(QStringLiteral("text"), saved);
    first->SetAttribute(QStringLiteral("timeformat"), QStringLiteral("yyyy-mm-dd HH:MM:SS"));
    EXPECT_EQ(first->GetText(), saved);

    boost::intrusive_ptr<CTimeUI> other(new CTimeUI);
    other->SetAttribute(QStringLiteral("text"), saved);
    other->SetAttribute(QStringLiteral("timeformat"), QStringLiteral("mm/dd/yy HH:MM:SS"));
    EXPECT_EQ(other->GetText(), TimeFormatList::Format(other->GetSampleTime(), 1));
}

TEST(TimeElement, UnitFormatsWrittenInTheOtherLanguageAreRecognised)
{
    MarkupUI::CTimeUI english;
    english.SetAttribute("timeformat", "Minute");
    EXPECT_EQ(english.GetFormatIndex(), 9);
    MarkupUI::CTimeUI chinese;
    chinese.SetAttribute("timeformat", QString::fromUtf8("秒"));
    EXPECT_EQ(chinese.GetFormatIndex(), 10);
    MarkupUI::CTimeUI unknown;
    unknown.SetAttribute("timeformat", "Fortnight");
    EXPECT_EQ(unknown.GetFormatIndex(), 0);
}
