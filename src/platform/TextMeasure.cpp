#include "platform/TextMeasure.h"

#include "platform/DrawTextFlags.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace platform {

namespace {
int32_t CeilToInt(double value)
{
    const double limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::ceil(value), 0.0, limit));
}

// Qt frees a font engine nobody holds as soon as its font cache is over
// budget, and loading one again through fontconfig costs a hundred times the
// measurement itself. Fitting gives almost every element of a big template
// its own size, so without holding the metrics an open reloaded hundreds of
// engines every time. Bounded: past the limit it starts over.
class HeldMetrics
{
public:
    static HeldMetrics* ForThisThread()
    {
        // Engines belong to the thread that made them; only the UI thread
        // measures often enough to need this.
        const QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr || QThread::currentThread() != app->thread()) {
            return nullptr;
        }
        static HeldMetrics* const held = [] {
            // Released with the application, while Qt's font cache still exists.
            qAddPostRoutine(&ReleaseAll);
            return s_held = new HeldMetrics;
        }();
        return held;
    }

    const QFontMetricsF& For(const QFont& font)
    {
        const QString key = font.key();
        auto found = m_metrics.find(key);
        if (found == m_metrics.end()) {
            if (m_metrics.size() >= kMaxHeld) {
                m_metrics.clear();
            }
            found = m_metrics.insert(key, QFontMetricsF(font, &m_surface));
        }
        return found.value();
    }

private:
    static constexpr qsizetype kMaxHeld = 2048;

    HeldMetrics() : m_surface(1, 1, QImage::Format_ARGB32_Premultiplied) {}
    static void ReleaseAll() { s_held->m_metrics.clear(); }

    static inline HeldMetrics* s_held = nullptr;
    QImage m_surface;
    QHash<QString, QFontMetricsF> m_metrics;
};
} // namespace

TextMeasure::TextMeasure() : m_surface(1, 1, QImage::Format_ARGB32_Premultiplied) {}

Size TextMeasure::MeasureText(const QFont& font, const QString& text, uint32_t style) const
{
    if (text.isEmpty()) {
        return Size{};
    }
    std::optional<QFontMetricsF> unheld;
    HeldMetrics* held = HeldMetrics::ForThisThread();
    const QFontMetricsF& metrics = held != nullptr ? held->For(font) : unheld.emplace(font, &m_surface);
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
