#include "controls/PaintManagerUI.h"
#include "device/FrameCodes.h"
#include "device/UploadEncoder.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/TimeUI.h"
#include "emulator/StreamDecoder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace MarkupUI;
using device::BufferList;

namespace {

// A default 58 mm page shown as the designer shows it: 464 x 580 view units,
// 384 x 840 printable dots, margins 40/80/40/80.
class Page
{
public:
    Page()
    {
        m_manager.SetSurfaceReady(true);
        m_manager.AttachDialog(m_form.get());
        m_form->SetSize(464, 580);
    }

    CControlUI* Add(int kind, const platform::Rect& rect)
    {
        ControlPtr element = CreateElement(kind, rect);
        m_form->Add(element.get());
        m_form->SetPos(m_form->GetPos());
        return element.get();
    }

    CFormUI& Form() { return *m_form; }

    emulator::UploadedTemplate Upload()
    {
        const BufferList list = device::EncodeTemplateUpload(*m_form);
        m_list = list.Concatenate();
        m_sizes = list.BufferSizes();
        emulator::PrinterState state;
        const auto error = emulator::DecodeStream(m_list, state);
        EXPECT_FALSE(error.has_value()) << (error ? error->ToString() : std::string());
        return state.uploadedTemplate.value_or(emulator::UploadedTemplate{});
    }

    const std::vector<uint8_t>& Bytes() const { return m_list; }
    const std::vector<uint32_t>& Sizes() const { return m_sizes; }

private:
    CPaintManagerUI m_manager;
    FormPtr m_form{new CFormUI};
    std::vector<uint8_t> m_list;
    std::vector<uint32_t> m_sizes;
};

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t count)
{
    return {bytes.begin() + from, bytes.begin() + from + count};
}

} // namespace

TEST(UploadEncoder, APageWithoutDynamicFieldsSendsRecordImageAndEnd)
{
    Page page;
    page.Form().SetDepartment(0x1203);
    page.Form().SetPrintCount(2);
    page.Form().SetMaxNum(70000);
    page.Add(kElementRectangle, {100, 100, 200, 150});
    const auto uploaded = page.Upload();
    const auto& bytes = page.Bytes();
    EXPECT_EQ(Slice(bytes, 0, 4), (std::vector<uint8_t>{0x7E, 0x01, 0x54, 0x03}));
    EXPECT_EQ(bytes[4], 0);     // no time fields
    EXPECT_EQ(bytes[5], 0);     // no glyph sets
    EXPECT_EQ(bytes[6], 2);     // print count
    EXPECT_EQ(bytes[8], 0x70);  // 70000 & 0xFFFF = 0x1170
    EXPECT_EQ(bytes[9], 0x11);
    EXPECT_EQ(Slice(bytes, 4 + 8, 4), (std::vector<uint8_t>{5, 0, 0, 0})); // left margin, mm
    EXPECT_EQ(Slice(bytes, 4 + 24, 60), std::vector<uint8_t>(60, 0)) << "all three slots are zero";
    EXPECT_EQ(Slice(bytes, 88, 4), (std::vector<uint8_t>{0x7E, 0x03, 0x08, 0x00}));
    EXPECT_EQ(Slice(bytes, 92, 8), (std::vector<uint8_t>{0x80, 0x01, 0x48, 0x03, 0x80, 0x9D, 0x00, 0x00}));
    EXPECT_EQ(Slice(bytes, bytes.size() - 4, 4), (std::vector<uint8_t>{0x7E, 0xFF, 0x00, 0x00}));
    // 48 x 840 = 40320 bytes of bits in 512-byte writes: 78 full and one of 384.
    const auto& sizes = page.Sizes();
    ASSERT_EQ(sizes.size(), 2u + 2u + 79u + 1u);
    EXPECT_EQ(sizes[4], 512u);
    EXPECT_EQ(sizes[sizes.size() - 2], 384u);
    EXPECT_EQ(uploaded.pageImage.width, 384);
}

TEST(UploadEncoder, NumberThenTimeGetSetsInChildOrder)
{
    Page page;
    page.Add(kElementQueuingNum, {40, 80, 140, 130});
    CControlUI* time = page.Add(kElementTime, {40, 200, 340, 230});
    ASSERT_TRUE(static_cast<CTimeUI*>(time)->SetFormatIndex(0));
    const auto uploaded = page.Upload();
    EXPECT_EQ(uploaded.page.timeFieldCount, 1);
    EXPECT_EQ(uploaded.page.glyphSetCount, 2);
    EXPECT_EQ(uploaded.page.ticketNumber.glyphSetIndex, 0);
    EXPECT_EQ(uploaded.page.ticketNumber.present, 1);
    EXPECT_EQ(uploaded.page.ticketNumber.digitCount, 4);
    EXPECT_EQ(uploaded.page.ticketNumber.rect, (device::DeviceRect{0, 0, 100, 100}));
    ASSERT_EQ(uploaded.timeFields.size(), 1u);
    EXPECT_EQ(uploaded.timeFields[0].glyphSetIndex, 1);
    EXPECT_EQ(uploaded.timeFields[0].timeFormat, 0);
    ASSERT_EQ(uploaded.glyphSets.size(), 2u);
    EXPECT_EQ(uploaded.glyphSets[0].glyphs.size(), 16u);
    EXPECT_EQ(uploaded.glyphSets[1].glyphs.size(), 12u);
    EXPECT_EQ(uploaded.glyphSets[1].glyphs[11].code, ':');
    // The time field frame is [7E 02 00 00] and follows the first glyph set.
    const auto& bytes = page.Bytes();
    bool found = false;
    for (std::size_t i = 88; i + 4 <= bytes.size() && !found; ++i) {
        found = Slice(bytes, i, 4) == std::vector<uint8_t>{0x7E, 0x02, 0x00, 0x00};
    }
    EXPECT_TRUE(found);
}

TEST(UploadEncoder, TimeBeforeNumberAndRepeatedNumbersFollowChildOrder)
{
    Page page;
    CControlUI* time = page.Add(kElementTime, {40, 200, 140, 230});
    static_cast<CTimeUI*>(time)->SetFormatIndex(9);
    page.Add(kElementCurrentNum, {40, 80, 140, 130});
    page.Add(kElementCurrentNum, {200, 80, 300, 130});
    page.Add(kElementWaitingCount, {40, 300, 90, 330});
    const auto uploaded = page.Upload();
    EXPECT_EQ(uploaded.timeFields.at(0).glyphSetIndex, 0);
    EXPECT_EQ(uploaded.glyphSets.at(0).glyphs.size(), 10u);
    EXPECT_EQ(uploaded.page.glyphSetCount, 4);
    EXPECT_EQ(uploaded.page.nowServing.glyphSetIndex, 2) << "the later now-serving field wins the slot";
    EXPECT_EQ(uploaded.page.nowServing.rect.left, 160);
    EXPECT_EQ(uploaded.page.waitingCount.glyphSetIndex, 3);
    EXPECT_EQ(uploaded.page.waitingCount.digitCount, 2);
    EXPECT_EQ(uploaded.glyphSets.at(3).glyphs.size(), 10u);
}

TEST(UploadEncoder, FieldsInTheMarginAreLeftOutAndHalfOutsideOnesAreCut)
{
    Page page;
    page.Add(kElementWaitingCount, {0, 0, 30, 30});      // wholly in the margin
    page.Add(kElementQueuingNum, {20, 60, 140, 130});    // half in the margin
    const auto uploaded = page.Upload();
    EXPECT_EQ(uploaded.page.waitingCount.present, 0);
    EXPECT_EQ(uploaded.page.glyphSetCount, 1);
    EXPECT_EQ(uploaded.page.ticketNumber.glyphSetIndex, 0) << "the margin field used no index";
    EXPECT_EQ(uploaded.page.ticketNumber.rect, (device::DeviceRect{0, 0, 100, 100}));
}

TEST(UploadEncoder, OnlyTheFirst128TimeFieldsAreSent)
{
    Page page;
    for (int i = 0; i < 129; ++i) {
        CControlUI* time = page.Add(kElementTime, {40, 80 + i, 100, 90 + i});
        static_cast<CTimeUI*>(time)->SetFormatIndex(4);
    }
    const BufferList list = device::EncodeTemplateUpload(page.Form());
    EXPECT_EQ(list[1].data()[0], 128);
    EXPECT_EQ(list[1].data()[1], 128);
    std::size_t timeFrames = 0;
    for (const auto& buffer : list) {
        timeFrames += buffer.size() == 4 && buffer.data()[1] == device::DEV_CMD_TIME_FIELD ? 1 : 0;
    }
    EXPECT_EQ(timeFrames, 128u);
}

TEST(UploadEncoder, GlyphSetsStopAtWhatOneByteCounts)
{
    // Each number field sends its own set, even one that later loses its
    // slot, so a crowded template once wrapped the one-byte set count.
    Page page;
    for (int i = 0; i < 300; ++i) {
        page.Add(i % 2 ? kElementQueuingNum : kElementWaitingCount, {40, 80 + i, 100, 90 + i});
    }
    const auto uploaded = page.Upload();
    EXPECT_EQ(uploaded.page.glyphSetCount, device::kMaxGlyphSets);
    EXPECT_EQ(uploaded.glyphSets.size(), device::kMaxGlyphSets);
    EXPECT_EQ(uploaded.page.waitingCount.glyphSetIndex, 254) << "the last field sent keeps its slot";
    EXPECT_EQ(uploaded.page.ticketNumber.glyphSetIndex, 253);
}

TEST(UploadEncoder, PrintPagesSendOnlyStaticContent)
{
    Page page;
    page.Add(kElementQueuingNum, {40, 80, 140, 130});
    page.Add(kElementTime, {40, 200, 340, 230});
    const BufferList list = device::EncodePrintPage(page.Form());
    emulator::PrinterState state;
    ASSERT_FALSE(emulator::DecodeStream(list.Concatenate(), state).has_value());
    ASSERT_TRUE(state.printedImage.has_value());
    EXPECT_EQ(state.printedImage->width, 384);
    EXPECT_EQ(state.printedImage->height, 840);
    for (uint8_t byte : state.printedImage->bits) {
        ASSERT_EQ(byte, 0);
    }

    page.Form().SetPrintPadding({29, 10, 29, 10}); // nothing left to print
    page.Form().SetSize(464, 580);
    const BufferList empty = device::EncodePrintPage(page.Form());
    EXPECT_EQ(empty.Concatenate(), (std::vector<uint8_t>{0x7E, 0xFD, 0x08, 0x00, 0x7E, 0xFF, 0x00, 0x00}));
}
