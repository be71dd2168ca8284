#include "platform/DrawTextFlags.h"
#include "platform/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QThread>
#include <gtest/gtest.h>

#include <cmath>

using namespace platform;

namespace {
QFont Font(int pixels, QFont::Weight weight = QFont::Normal, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

Size Direct(const QFont& font, const QString& text)
{
    const QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetricsF metrics(font, &surface);
    return Size{static_cast<int32_t>(std::ceil(metrics.horizontalAdvance(text))),
                static_cast<int32_t>(std::ceil(metrics.ascent()) + std::ceil(metrics.descent()))};
}
} // namespace

// Measurements are remembered per font: every property that changes the
// glyphs must give its own answer, in any order, as often as asked.
TEST(TextMeasure, RememberedFontsStillMeasureEachFontExactly)
{
    const TextMeasure measure;
    const QString text = QStringLiteral("WWWW 0123");
    const QFont fonts[] = {Font(20), Font(20, QFont::Bold), Font(20, QFont::Normal, true), Font(21),
                           Font(40), Font(20)};
    for (int round = 0; round < 3; ++round) {
        for (const QFont& font : fonts) {
            EXPECT_EQ(measure.MeasureText(font, text, DT_SINGLELINE), Direct(font, text))
                << font.toString().toStdString() << " round " << round;
        }
    }
    // Bold sets these letters wider; a key without the weight would not see it.
    const QString narrow = QStringLiteral("ffrrttjj");
    EXPECT_NE(measure.MeasureText(Font(20, QFont::Bold), narrow, DT_SINGLELINE).cx,
              measure.MeasureText(Font(20), narrow, DT_SINGLELINE).cx);
}

// A template can fit thousands of sizes; the remembered set starts over
// instead of growing, and answers stay right across the restart.
TEST(TextMeasure, ManySizesInARowStayCorrect)
{
    const TextMeasure measure;
    const QString text = QStringLiteral("Window 7 please");
    for (int pixels = 1; pixels <= 2600; ++pixels) {
        const QFont font = Font(pixels % 300 + 1, pixels > 1300 ? QFont::Bold : QFont::Normal);
        if (pixels % 97 == 0) {
            ASSERT_EQ(measure.MeasureText(font, text, DT_SINGLELINE), Direct(font, text)) << pixels;
        } else {
            measure.MeasureText(font, text, DT_SINGLELINE);
        }
    }
}

// Fonts belong to the thread that made them: measuring elsewhere must not
// touch what the UI thread holds.
TEST(TextMeasure, AnotherThreadMeasuresTheSame)
{
    const QFont font = Font(33);
    const QString text = QStringLiteral("A1B2");
    const Size expected = TextMeasure().MeasureText(font, text, DT_SINGLELINE);
    Size seen;
    QThread* worker = QThread::create([&] { seen = TextMeasure().MeasureText(font, text, DT_SINGLELINE); });
    worker->start();
    worker->wait();
    delete worker;
    EXPECT_EQ(seen, expected);
}
