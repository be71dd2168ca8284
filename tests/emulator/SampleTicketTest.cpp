#include "SampleTemplate.h"

#include "device/FieldTexts.h"
#include "device/PrintedTicket.h"

#include <gtest/gtest.h>

namespace {

using device::ComposeTicket;
using device::TicketValues;

// Ink dots of image inside [left, right) x [top, bottom).
int InkIn(const device::PackedImage& image, int left, int top, int right, int bottom)
{
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            ink += image.Dot(x, y) ? 1 : 0;
        }
    }
    return ink;
}

TEST(SampleTicket, FieldTextsFollowDigitCountAndTimeFormat)
{
    EXPECT_EQ(device::NumberFieldText(7, 3), "007");
    EXPECT_EQ(device::NumberFieldText(1234, 3), "1234"); // never cut
    EXPECT_EQ(device::NumberFieldText(5, 0), "5");
    const device::LocalDateTime t{2024, 3, 1, 8, 5, 9};
    const std::pair<int, const char*> formats[] = {{0, "2024-03-01 08:05:09"},
                                                   {1, "03/01/24 08:05:09"},
                                                   {2, "2024-03-01"},
                                                   {3, "03/01/24"},
                                                   {4, "08:05:09"},
                                                   {5, "2024"},
                                                   {6, "03"},
                                                   {7, "01"},
                                                   {8, "08"},
                                                   {9, "05"},
                                                   {10, "09"},
                                                   {11, ""}};
    for (const auto& [index, text] : formats) {
        EXPECT_EQ(device::TimeFieldText(index, t), text) << index;
    }
}

TEST(SampleTicket, GlyphsAreLaidOutInsideTheirFieldInTextOrder)
{
    emulator::UploadedTemplate upload = SampleTemplate();
    upload.pageImage = device::PackedImage::Blank(400, 140);
    TicketValues values;
    values.ticket = 10; // "010": glyphs 0, 1, 0, each 9 x 3
    const device::PackedImage ticket = ComposeTicket(upload, values);

    const device::DeviceRect r = upload.page.ticketNumber.rect;
    const int inside = InkIn(ticket, r.left, r.top, r.right, r.bottom);
    const int field = InkIn(ticket, 0, 0, 400, 140) - InkIn(ticket, 0, 100, 380, 130);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(inside, field); // no ticket-number ink outside its rectangle
    // Centred: 27 dots wide in 190, 3 high in 40.
    const int x0 = r.left + (190 - 27) / 2;
    const int y0 = r.top + (40 - 3) / 2;
    const auto& glyphs = upload.glyphSets[0].glyphs;
    for (int i = 0; i < 3; ++i) {
        const auto& glyph = glyphs[i == 1 ? 1 : 0].bitmap;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 9; ++x) {
                EXPECT_EQ(ticket.Dot(x0 + 9 * i + x, y0 + y), glyph.Dot(x, y)) << i << " " << x << " " << y;
            }
        }
    }
}

TEST(SampleTicket, HostileRectanglesAndMissingSetsNeitherCrashNorInkOutsideThePage)
{
    emulator::UploadedTemplate upload = SampleTemplate();
    upload.pageImage = device::PackedImage::Blank(16, 16);
    upload.page.ticketNumber.rect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    upload.timeFields[0].glyphSetIndex = 9; // no such set
    upload.page.waitingCount = device::NumberSlot{{-5, -5, 3, 3}, 0, 1, 2};
    const device::PackedImage ticket = ComposeTicket(upload, TicketValues{});
    EXPECT_EQ(ticket.width, 16);
    EXPECT_EQ(ticket.bits.size(), upload.pageImage.bits.size());
}

} // namespace

TEST(SampleTicket, WorstCaseTextsRepeatTheWidestDigit)
{
    emulator::GlyphSet set = MakeGlyphSet(0, "0123", 5, 3);
    set.glyphs[2] = MakeGlyph(2, '2', 11, 3); // the widest
    set.glyphs[3] = MakeGlyph(3, '3', 11, 3); // as wide: the first of equals counts
    EXPECT_EQ(device::WorstCaseNumberText(device::MetricsOf(set), 4), "2222");
    EXPECT_EQ(device::WorstCaseTimeText(device::MetricsOf(set), 0), "2222-22-22 22:22:22");
    EXPECT_EQ(device::WorstCaseTimeText(device::MetricsOf(set), 3), "22/22/22");
    EXPECT_EQ(device::WorstCaseTimeText(device::MetricsOf(set), 11), "");
}

TEST(SampleTicket, TheWorstCaseFillsNumbersUpToTheEndingNumbersDigits)
{
    emulator::UploadedTemplate upload = SampleTemplate(); // three digits, ending number 999
    upload.pageImage = device::PackedImage::Blank(400, 140);
    TicketValues worst;
    worst.worstCase = true;
    // Both glyphs of the set are as wide: the worst case is "000" and a
    // time of all zeros, whatever the values given.
    worst.ticket = 11;
    TicketValues zeros;
    zeros.ticket = 0;
    zeros.time = {2000, 1, 1, 0, 0, 0};
    EXPECT_EQ(ComposeTicket(upload, worst), ComposeTicket(upload, zeros));

    // An ending number of five digits needs five positions in a three-digit field.
    upload.page.endingNumber = 20000;
    emulator::UploadedTemplate fiveDigits = upload;
    fiveDigits.page.ticketNumber.digitCount = 5;
    EXPECT_EQ(ComposeTicket(upload, worst), ComposeTicket(fiveDigits, zeros));
    EXPECT_NE(ComposeTicket(upload, worst), ComposeTicket(upload, zeros));
}
