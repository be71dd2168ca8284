// Text drawn through DrawingContext must come out as a freshly started
// program draws it with plain Qt, whatever text the program drew before,
// under any clip and origin: large text is drawn elsewhere and copied back.
#include "platform/OutlineText.h"
#include "platform/DrawTextFlags.h"
#include "platform/DrawingContext.h"

#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

#include <future>
#include <optional>

using namespace platform;

namespace {

QFont Font(const char* family, int pixels, bool bold = false, bool italic = false, bool underline = false)
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

const uint32_t kCentred = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX;
const int kQtCentred = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
const uint32_t kWrapped = DT_WORDBREAK | DT_NOPREFIX;
const int kQtWrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
const uint32_t kBottomRight = DT_SINGLELINE | DT_RIGHT | DT_BOTTOM;
const int kQtBottomRight = Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextShowMnemonic;

struct Case
{
    const char* what;
    QFont font;
    QString text;
    Rect rect;
    uint32_t flags = kCentred;
    // What the flags ask Qt for.
    int qtFlags = kQtCentred;
    Point origin{};
    std::optional<Rect> clip{};
    std::optional<Size> roundClip{};
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
};

// Small and large text in turn, so that large text follows text Qt drew from
// its glyph cache at fractional positions in the same face. From one round to
// the next only the cached text changes, so that it loads glyphs anew while
// the large text's engines are already loaded.
std::vector<Case> Cases(int round)
{
    const QString window = QStringLiteral("Window %1").arg(126 + 611 * round);
    const auto rgb = QImage::Format_RGB32;
    return {
        {.what = "small",
         .font = Font("Liberation Sans", 40 + round),
         .text = window,
         .rect = {3, 2, 300, 60}},
        {.what = "large", .font = Font("Liberation Sans", 83), .text = "0213", .rect = {0, 0, 260, 100}},
        {.what = "largest cached",
         .font = Font("Liberation Sans", 64),
         .text = window,
         .rect = {1, 0, 420, 80},
         .format = rgb},
        {.what = "smallest outlined",
         .font = Font("Liberation Sans", 65),
         .text = "0213 Window",
         .rect = {0, 0, 420, 90},
         .format = rgb},
        {.what = "serif",
         .font = Font("Liberation Serif", 12 + round),
         .text = "ticket 7",
         .rect = {0, 0, 100, 20}},
        {.what = "bold italic underlined serif, wrapped",
         .font = Font("Liberation Serif", 100, true, true, true),
         .text = "A-17 Counter 4",
         .rect = {4, 3, 330, 260},
         .flags = kWrapped,
         .qtFlags = kQtWrapped},
        {.what = "moved origin, clipped",
         .font = Font("Liberation Sans", 90),
         .text = "B 0875",
         .rect = {10, 5, 330, 120},
         .origin = {-7, 11},
         .clip = Rect{40, 30, 200, 90},
         .format = rgb},
        {.what = "mnemonic, bottom right",
         .font = Font("Liberation Sans", 30 + round),
         .text = "&Total 3",
         .rect = {0, 0, 200, 40},
         .flags = kBottomRight,
         .qtFlags = kQtBottomRight},
        {.what = "mnemonic, rounded clip",
         .font = Font("Liberation Sans", 110),
         .text = "&Pay 5",
         .rect = {0, 0, 360, 140},
         .flags = kBottomRight,
         .qtFlags = kQtBottomRight,
         .origin = {3, 4},
         .clip = Rect{10, 10, 340, 130},
         .roundClip = Size{80, 60}},
        {.what = "CJK",
         .font = Font("WenQuanYi Micro Hei", 90),
         .text = QString::fromUtf8("\xe8\xaf\xb7\xe7\xa8\x8d\xe5\x80\x99 12"),
         .rect = {0, 0, 420, 110},
         .format = rgb},
    };
}

constexpr int kWidth = 440;
constexpr int kHeight = 280;

QImage Blank(QImage::Format format)
{
    QImage image(kWidth, kHeight, format);
    image.fill(QColor(250, 252, 255));
    return image;
}

void ClipTo(QPainter& painter, const Case& c)
{
    painter.translate(c.origin.x, c.origin.y);
    if (c.clip && c.roundClip) {
        QPainterPath path;
        path.addRoundedRect(QRectF(c.clip->left, c.clip->top, c.clip->Width(), c.clip->Height()),
                            c.roundClip->cx / 2.0, c.roundClip->cy / 2.0);
        painter.setClipPath(path);
    } else if (c.clip) {
        painter.setClipRect(QRect(c.clip->left, c.clip->top, c.clip->Width(), c.clip->Height()));
    }
    const QRect rect(c.rect.left, c.rect.top, c.rect.Width(), c.rect.Height());
    painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

// Plain Qt in a program just started: a new thread has font engines and
// FreeType faces of its own that nothing has drawn with. Under a rounded
// clip the text is cut as all ink under a rounded border is, without
// smoothing the cut (Qt smooths it for text it draws as outlines).
QImage AsAFreshProgramDraws(const Case& c)
{
    return std::async(std::launch::async,
                      [&c] {
                          QImage image = Blank(c.format);
                          QImage text = image;
                          {
                              QPainter painter(&text);
                              // As the design view, the preview and the page draw:
                              // shapes and clips without smoothing, text smoothed.
                              painter.setRenderHint(QPainter::Antialiasing, false);
                              painter.setRenderHint(QPainter::TextAntialiasing, true);
                              if (c.roundClip) {
                                  painter.translate(c.origin.x, c.origin.y);
                              } else {
                                  ClipTo(painter, c);
                              }
                              painter.setFont(c.font);
                              painter.setPen(QColor(20, 0, 90));
                              painter.drawText(
                                  QRect(c.rect.left, c.rect.top, c.rect.Width(), c.rect.Height()), c.qtFlags,
                                  c.text);
                          }
                          if (!c.roundClip) {
                              return text;
                          }
                          QPainter painter(&image);
                          painter.setRenderHint(QPainter::Antialiasing, false);
                          ClipTo(painter, c);
                          painter.setCompositionMode(QPainter::CompositionMode_Source);
                          painter.drawImage(QPoint(-c.origin.x, -c.origin.y), text);
                          painter.end();
                          return image;
                      })
        .get();
}

QImage ThroughDrawingContext(const Case& c)
{
    QImage image = Blank(c.format);
    DrawingContext dc(image);
    dc.SetOrigin(c.origin);
    ClipScope scope(dc);
    if (c.clip && c.roundClip) {
        dc.IntersectClipRoundRect(*c.clip, *c.roundClip);
    } else if (c.clip) {
        dc.IntersectClip(*c.clip);
    }
    dc.DrawText(c.rect, c.text, c.font, QColor(20, 0, 90), c.flags);
    return image;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

TEST(OutlineText, TextIsDrawnAsByAFreshProgramWhateverWasDrawnBefore)
{
    for (int round = 0; round < 3; ++round) {
        for (const Case& c : Cases(round)) {
            SCOPED_TRACE(c.what);
            const QImage drawn = ThroughDrawingContext(c);
            EXPECT_EQ(DifferentPixels(drawn, AsAFreshProgramDraws(c)), 0) << "round " << round;
            EXPECT_NE(DifferentPixels(drawn, Blank(c.format)), 0) << "nothing drawn";
        }
    }
}

TEST(OutlineText, OnlyTextAbove64PixelsIsDrawnAsOutlines)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(64);
    EXPECT_FALSE(OutlineText::IsDrawnAsOutlines(font, 96));
    font.setPixelSize(65);
    EXPECT_TRUE(OutlineText::IsDrawnAsOutlines(font, 96));
    // Point sizes become pixels at the image's resolution: 48 pt is 64 px at
    // 96 dpi and 65 px at 98 dpi.
    font.setPointSize(48);
    EXPECT_FALSE(OutlineText::IsDrawnAsOutlines(font, 96));
    EXPECT_TRUE(OutlineText::IsDrawnAsOutlines(font, 98));
}
