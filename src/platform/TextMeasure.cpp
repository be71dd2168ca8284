#include "platform/TextMeasure.h"

#include "platform/DrawTextFlags.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {
int32_t CeilToInt(double value)
{
    const double limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::ceil(value), 0.0, limit));
}
} // namespace

TextMeasure::TextMeasure() : m_surface(1, 1, QImage::Format_ARGB32_Premultiplied) {}

Size TextMeasure::MeasureText(const QFont& font, const QString& text, uint32_t style) const
{
    if (text.isEmpty()) {
        return Size{};
    }
    const QFontMetricsF metrics(font, &m_surface);
    const int32_t lineHeight = CeilToInt(metrics.ascent()) + CeilToInt(metrics.descent());
    if ((style & DT_SINGLELINE) != 0) {
        return Size{CeilToInt(metrics.horizontalAdvance(text)), lineHeight};
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    double width = 0.0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int64_t height = int64_t(lineHeight) * lines.size();
    return Size{CeilToInt(width),
                static_cast<int32_t>(std::min<int64_t>(height, std::numeric_limits<int32_t>::max()))};
}

} // namespace platform
