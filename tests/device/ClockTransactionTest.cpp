#include "device/ClockTransaction.h"

#include <QDateTime>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <vector>

using namespace device;

namespace {

std::uint32_t TimegmValue(const LocalDateTime& t)
{
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(timegm(&tm)));
}

} // namespace

TEST(ClockTransaction, IsTwelveBytesInThreeBuffers)
{
    const BufferList list = BuildClockTransaction({2024, 3, 1, 0, 0, 0});
    EXPECT_EQ(list.BufferSizes(), (std::vector<std::uint32_t>{4, 4, 4}));
    EXPECT_EQ(list.Concatenate(), (std::vector<std::uint8_t>{0x7E, 0xFE, 0x04, 0x00, 0x80, 0x1A, 0xE1, 0x65,
                                                             0x7E, 0xFF, 0x00, 0x00}));
}

TEST(ClockTransaction, CountsSecondsOfTheWallClockTakenAsUtc)
{
    EXPECT_EQ(ClockValue({1970, 1, 1, 0, 0, 0}), 0u);
    EXPECT_EQ(ClockValue({2024, 3, 1, 0, 0, 0}), 1709251200u);
    const LocalDateTime dates[] = {
        {1970, 1, 1, 0, 0, 1},      {1972, 2, 29, 12, 0, 0}, {1999, 12, 31, 23, 59, 59},
        {2000, 2, 29, 8, 30, 0},    {2000, 3, 1, 0, 0, 0},   {2023, 2, 28, 23, 59, 59},
        {2024, 2, 29, 23, 59, 59},  {2038, 1, 19, 3, 14, 8}, {2100, 2, 28, 10, 0, 0},
        {2100, 3, 1, 10, 0, 0},     {2106, 2, 7, 6, 28, 15}, {2106, 2, 7, 6, 28, 16},
        {1969, 12, 31, 23, 59, 59}, {1900, 3, 1, 0, 0, 0},   {2400, 2, 29, 1, 2, 3},
    };
    for (const LocalDateTime& d : dates) {
        EXPECT_EQ(ClockValue(d), TimegmValue(d)) << d.year << '-' << d.month << '-' << d.day << ' ' << d.hour
                                                 << ':' << d.minute << ':' << d.second;
    }
    // Past 2106 the value wraps instead of failing: the printer only holds 32 bits.
    EXPECT_EQ(ClockValue({2106, 2, 7, 6, 28, 16}), 0u);
}

TEST(ClockTransaction, YearsBeforeOurEraUseCalendarFloorDivision)
{
    // 1 BC (year 0) is a leap year; truncating division would lose a day before it.
    const std::uint32_t march1 = ClockValue({0, 3, 1, 0, 0, 0});
    const std::uint32_t feb28 = ClockValue({0, 2, 28, 0, 0, 0});
    EXPECT_EQ(static_cast<std::uint32_t>(march1 - feb28), 2u * 86400);
    EXPECT_EQ(ClockValue({-1, 3, 1, 0, 0, 0}) - ClockValue({-1, 2, 28, 0, 0, 0}), 86400u);
    EXPECT_EQ(ClockValue({-1, 12, 31, 0, 0, 0}) - ClockValue({-1, 1, 1, 0, 0, 0}), 364u * 86400);
}

TEST(ClockTransaction, OutOfRangeFieldsCarryOverAndWrapInsteadOfOverflowing)
{
    // Hours past INT_MAX * 3600 need more than 32 bits; the value is their low 32 bits.
    const std::uint64_t hours = static_cast<std::uint64_t>(INT_MAX) * 3600;
    EXPECT_EQ(ClockValue({1970, 1, 1, INT_MAX, 0, 0}), static_cast<std::uint32_t>(hours));
    EXPECT_EQ(ClockValue({1970, 1, 1, 0, 0, INT_MIN}), 0x80000000u);
    EXPECT_EQ(ClockValue({1970, 1, 1, -1, 0, 0}), 0xFFFFFFFFu - 3599);
    // Month 0 of 2024 is December 2023, as timegm normalises it.
    EXPECT_EQ(ClockValue({2024, 0, 1, 0, 0, 0}), ClockValue({2023, 12, 1, 0, 0, 0}));
    EXPECT_EQ(ClockValue({2024, 0, 1, 0, 0, 0}), TimegmValue({2024, 0, 1, 0, 0, 0}));
}

TEST(ClockTransaction, TakesTheShownFieldsOfADateTimeIgnoringItsZone)
{
    const QDateTime shanghai(QDate(2024, 3, 1), QTime(0, 0, 0), QTimeZone("Asia/Shanghai"));
    const LocalDateTime local = ToLocalDateTime(shanghai);
    EXPECT_EQ(ClockValue(local), 1709251200u);
}
