#include "device/ClockTransaction.h"

#include "device/FrameBuilder.h"
#include "device/FrameCodes.h"
#include "device/LittleEndian.h"

#include <QDateTime>

#include <array>

namespace device {

namespace {

// Division rounding towards minus infinity, so that years before 1 AD and
// out-of-range months still follow the calendar arithmetic.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

std::uint32_t ClockValue(const LocalDateTime& local)
{
    // Count the year from March so that the leap day falls at its end.
    std::int64_t month = local.month;
    std::int64_t year = local.year;
    if (month > 2) {
        month -= 2;
    } else {
        month += 10;
        year -= 1;
    }
    const std::int64_t days = FloorDiv(367 * month, 12) + 365 * year + FloorDiv(year, 4) -
                              FloorDiv(year, 100) + FloorDiv(year, 400) + local.day - 719499;
    // With int inputs every term stays far inside 64 bits; the cast to unsigned is modular.
    const std::int64_t seconds = ((days * 24 + local.hour) * 60 + local.minute) * 60 + local.second;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds));
}

LocalDateTime ToLocalDateTime(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

BufferList BuildClockTransaction(const LocalDateTime& local)
{
    BufferList list;
    AppendHeader(list, DEV_CMD_SET_CLOCK, static_cast<std::uint8_t>(kClockValueSize), 0);
    std::array<std::uint8_t, kClockValueSize> value{};
    PutU32(value, 0, ClockValue(local));
    list.Append(value);
    AppendHeader(list, DEV_CMD_END, 0, 0);
    return list;
}

} // namespace device
