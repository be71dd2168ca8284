#pragma once

#include "device/BufferList.h"

#include <cstdint>

class QDateTime;

namespace device {

// A wall-clock reading of the host, without zone: the printer keeps local time.
struct LocalDateTime
{
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Seconds from 1970-01-01 00:00:00 to the reading taken as if it were UTC,
// reduced to unsigned 32 bits. Any int fields give a defined result.
std::uint32_t ClockValue(const LocalDateTime& local);

// The reading's date and time fields as shown, ignoring its zone.
LocalDateTime ToLocalDateTime(const QDateTime& dateTime);

// Three buffers: [7E FE 04 00], the 4-byte clock value, [7E FF 00 00].
BufferList BuildClockTransaction(const LocalDateTime& local);

} // namespace device
