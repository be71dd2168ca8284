#include "elements/SampleNumbers.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <random>

namespace MarkupUI::SampleNumbers {

namespace {
struct Samples
{
    int32_t queuing = 0;
    int32_t waiting = 0;
    int32_t current = 0;
};

Samples& TheSamples()
{
    static Samples samples;
    return samples;
}

int64_t RandomNonNegative()
{
    static std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return static_cast<int64_t>(generator() & 0x7FFFFFFF);
}

// r rem divisor with truncating division. A zero divisor (current sample
// exactly 300, or queuing sample exactly 47) has no range to draw from: the
// offset is then 0, so the sample starts at the range's lower end.
int64_t RandomOffset(int64_t divisor)
{
    return divisor == 0 ? 0 : RandomNonNegative() % divisor;
}

int32_t Saturate(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
} // namespace

int32_t Queuing()
{
    return TheSamples().queuing;
}

int32_t Waiting()
{
    return TheSamples().waiting;
}

int32_t Current()
{
    return TheSamples().current;
}

void SetQueuing(int32_t value)
{
    TheSamples().queuing = value;
}

void SetWaiting(int32_t value)
{
    TheSamples().waiting = value;
}

void SetCurrent(int32_t value)
{
    TheSamples().current = value;
}

int32_t MakeQueuing()
{
    const Samples& s = TheSamples();
    if (s.waiting != 0 && s.current != 0) {
        return Saturate(int64_t(s.waiting) + s.current);
    }
    const int64_t base = s.current != 0 ? s.current : 48;
    return Saturate(base + RandomOffset(300 - base));
}

int32_t MakeWaiting()
{
    const Samples& s = TheSamples();
    if (s.queuing != 0 && s.current != 0) {
        return Saturate(int64_t(s.queuing) - s.current);
    }
    return static_cast<int32_t>(1 + RandomOffset(50));
}

int32_t MakeCurrent()
{
    const Samples& s = TheSamples();
    if (s.waiting != 0 && s.queuing != 0) {
        return Saturate(int64_t(s.queuing) - s.waiting);
    }
    const int64_t last = s.queuing != 0 ? s.queuing : 299;
    return Saturate(48 + RandomOffset(last - 47));
}

QString FormatNumber(int32_t value, int32_t length, QChar fill)
{
    if (length <= 0) {
        return {};
    }
    const QString digits = QString::number(value < 0 ? -int64_t(value) : int64_t(value));
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const qsizetype width = std::min(length, kMaxPaddedLength);
    const qsizetype padding = std::max<qsizetype>(0, width - sign.size() - digits.size());
    QString text =
        fill == u'0' ? sign + QString(padding, fill) + digits : QString(padding, fill) + sign + digits;
    if (text.size() > length) {
        text.truncate(length);
    }
    return text;
}

} // namespace MarkupUI::SampleNumbers
