#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

namespace MarkupUI {

// The three numbers the number elements show at design time, shared by all
// documents of the process and kept when their elements are deleted; the
// printer shows real ones. UI thread only.
namespace SampleNumbers {

int32_t Queuing();
int32_t Waiting();
int32_t Current();
void SetQueuing(int32_t value);
void SetWaiting(int32_t value);
void SetCurrent(int32_t value);

// The first sample of a kind, when its element is created while the sample
// is 0: derived from the other two when both are set, else drawn at random
// (queuing 48 to 299, waiting 1 to 50, current 48 to the queuing sample).
int32_t MakeQueuing();
int32_t MakeWaiting();
int32_t MakeCurrent();

// The longest number text that is padded; longer lengths pad to this
// (no template needs more, and a hostile length must not exhaust memory).
constexpr int32_t kMaxPaddedLength = 255;

// The value right-aligned in length characters padded with fill (the sign
// stays in front of zeros), then cut to its first length characters.
// A length of 0 or less gives an empty text.
QString FormatNumber(int32_t value, int32_t length, QChar fill);

} // namespace SampleNumbers
} // namespace MarkupUI
