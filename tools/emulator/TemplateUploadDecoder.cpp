#include "emulator/TemplateUploadDecoder.h"

#include "device/FrameCodes.h"
#include "emulator/BitmapReading.h"

#include <algorithm>
#include <array>

namespace emulator {

using namespace device;

namespace {

constexpr const char* kInside = "template upload";
// Glyph set indices and the set count travel in one byte.
constexpr std::size_t kMaxGlyphSets = 255;

class TemplateUploadReader
{
public:
    TemplateUploadReader(FrameReader& reader, UploadedTemplate& upload) : m_reader(reader), m_upload(upload)
    {
    }

    bool Read(const FrameHeader& pageHeader);

private:
    bool ReadPageRecord();
    bool CheckSlot(std::span<const std::uint8_t> record, std::size_t slotOffset, const char* name);
    bool ReadTimeField(const FrameHeader& header);
    bool ReadGlyphSet(const FrameHeader& header);
    bool ReadGlyph(std::uint8_t setIndex, std::size_t position, DecodedGlyph& glyph);
    bool CheckCounts();
    bool CheckSetIndex(std::uint64_t offset, std::uint8_t index, const std::string& owner);

    FrameReader& m_reader;
    UploadedTemplate& m_upload;
    std::uint64_t m_pageRecordOffset = 0;
    std::vector<std::uint64_t> m_timeFieldOffsets;
};

bool TemplateUploadReader::Read(const FrameHeader& pageHeader)
{
    if (!m_reader.ExpectParams(pageHeader, static_cast<std::uint8_t>(kPageRecordSize), pageHeader.paramB)) {
        return false;
    }
    m_upload.department = pageHeader.paramB;
    if (!ReadPageRecord()) {
        return false;
    }
    FrameHeader header;
    while (m_reader.ReadHeader(header, kInside)) {
        switch (header.code) {
        case DEV_CMD_TIME_FIELD:
            if (!ReadTimeField(header)) {
                return false;
            }
            break;
        case DEV_CMD_GLYPH_SET:
            if (!ReadGlyphSet(header)) {
                return false;
            }
            break;
        case DEV_CMD_PAGE_IMAGE: {
            FrameHeader end;
            if (!m_reader.ExpectParams(header, static_cast<std::uint8_t>(kImageHeaderSize), 0) ||
                !ReadImageBody(m_reader, m_upload.pageImage) || !m_reader.ReadHeader(end, kInside)) {
                return false;
            }
            if (end.code != DEV_CMD_END) {
                return m_reader.Fail(end.offset + 1, "missing end frame: " + DescribeCommand(end.code) +
                                                         " follows the page image");
            }
            return m_reader.ExpectParams(end, 0, 0) && CheckCounts();
        }
        case DEV_CMD_END:
            return m_reader.Fail(header.offset + 1, "template upload ends without a page image");
        default:
            return m_reader.Fail(header.offset + 1,
                                 "unexpected " + DescribeCommand(header.code) + " in a template upload");
        }
    }
    return false;
}

bool TemplateUploadReader::ReadPageRecord()
{
    m_pageRecordOffset = m_reader.offset();
    std::span<const std::uint8_t> bytes;
    if (!m_reader.Take(kPageRecordSize, "page record", bytes)) {
        return false;
    }
    m_upload.page = ParsePageRecord(bytes.first<kPageRecordSize>());
    if (m_upload.page.timeFieldCount > kMaxTimeFields) {
        return m_reader.Fail(m_pageRecordOffset, "page record announces " +
                                                     std::to_string(m_upload.page.timeFieldCount) +
                                                     " time fields, at most 128 exist");
    }
    return CheckSlot(bytes, kTicketNumberSlotOffset, "ticket number") &&
           CheckSlot(bytes, kWaitingCountSlotOffset, "waiting count") &&
           CheckSlot(bytes, kNowServingSlotOffset, "now-serving number");
}

bool TemplateUploadReader::CheckSlot(std::span<const std::uint8_t> record, std::size_t slotOffset,
                                     const char* name)
{
    const auto slot = record.subspan(slotOffset, kNumberSlotSize);
    const std::uint64_t at = m_pageRecordOffset + slotOffset;
    const std::uint8_t present = slot[17];
    if (present > 1) {
        return m_reader.Fail(at + 17, std::string(name) + " slot has present flag " + HexByte(present));
    }
    if (slot[19] != 0) {
        return m_reader.Fail(at + 19, std::string(name) + " slot has a non-zero last byte");
    }
    if (!present && std::any_of(slot.begin(), slot.end(), [](std::uint8_t b) { return b != 0; })) {
        return m_reader.Fail(at, std::string(name) + " slot is not present but not all zero");
    }
    return true;
}

bool TemplateUploadReader::ReadTimeField(const FrameHeader& header)
{
    const std::size_t index = m_upload.timeFields.size();
    if (index >= kMaxTimeFields) {
        return m_reader.Fail(header.offset, "more than 128 time fields");
    }
    if (!m_reader.ExpectParams(header, static_cast<std::uint8_t>(index), 0)) {
        return false;
    }
    const std::uint64_t start = m_reader.offset();
    std::span<const std::uint8_t> bytes;
    if (!m_reader.Take(kTimeFieldRecordSize, "time field record", bytes)) {
        return false;
    }
    const TimeFieldRecord record = ParseTimeFieldRecord(bytes.first<kTimeFieldRecordSize>());
    if (record.timeFormat > kMaxTimeFormatIndex) {
        return m_reader.Fail(start + 17, "time format index " + std::to_string(record.timeFormat) +
                                             " of time field " + std::to_string(index) + " is above 10");
    }
    m_upload.timeFields.push_back(record);
    m_timeFieldOffsets.push_back(start);
    return true;
}

bool TemplateUploadReader::ReadGlyphSet(const FrameHeader& header)
{
    const std::size_t index = m_upload.glyphSets.size();
    if (index >= kMaxGlyphSets) {
        return m_reader.Fail(header.offset, "more than 255 glyph sets");
    }
    if (header.paramB != index) {
        return m_reader.Fail(header.offset + 3, "glyph set index " + std::to_string(header.paramB) +
                                                    ", expected " + std::to_string(index));
    }
    GlyphSet set;
    set.index = header.paramB;
    const std::uint8_t announced = header.paramA;
    FrameHeader next;
    while (m_reader.ReadHeader(next, kInside)) {
        if (next.code == DEV_CMD_GLYPH_SET_END) {
            if (set.glyphs.size() != announced) {
                return m_reader.Fail(next.offset, "glyph set " + std::to_string(index) + " ends after " +
                                                      std::to_string(set.glyphs.size()) +
                                                      " glyphs, its start announced " +
                                                      std::to_string(announced));
            }
            if (next.paramA != header.paramA || next.paramB != header.paramB) {
                return m_reader.Fail(next.offset + (next.paramA != header.paramA ? 2 : 3),
                                     "glyph set end [" + HexByte(next.paramA) + " " + HexByte(next.paramB) +
                                         "] does not match its start [" + HexByte(header.paramA) + " " +
                                         HexByte(header.paramB) + "]");
            }
            m_upload.glyphSets.push_back(std::move(set));
            return true;
        }
        if (next.code != DEV_CMD_GLYPH) {
            return m_reader.Fail(next.offset + 1, "unexpected " + DescribeCommand(next.code) +
                                                      " inside glyph set " + std::to_string(index));
        }
        if (set.glyphs.size() == announced) {
            return m_reader.Fail(next.offset, "glyph set " + std::to_string(index) + " holds more than the " +
                                                  std::to_string(announced) + " glyphs its start announced");
        }
        DecodedGlyph glyph;
        if (!m_reader.ExpectParams(next, static_cast<std::uint8_t>(kGlyphRecordSize), 0) ||
            !ReadGlyph(set.index, set.glyphs.size(), glyph)) {
            return false;
        }
        set.glyphs.push_back(std::move(glyph));
    }
    return false;
}

bool TemplateUploadReader::ReadGlyph(std::uint8_t setIndex, std::size_t position, DecodedGlyph& glyph)
{
    const std::uint64_t start = m_reader.offset();
    std::span<const std::uint8_t> bytes;
    if (!m_reader.Take(kGlyphRecordSize, "glyph record", bytes)) {
        return false;
    }
    const GlyphRecord record = ParseGlyphRecord(bytes.first<kGlyphRecordSize>());
    const std::string name = "glyph " + std::to_string(position) + " of set " + std::to_string(setIndex);
    if (record.position != position) {
        return m_reader.Fail(start, name + " carries position " + std::to_string(record.position));
    }
    const std::uint64_t dots = std::uint64_t{record.width} * record.height;
    if (dots > kMaxGlyphDots) {
        return m_reader.Fail(start + 2, name + " covers " + std::to_string(dots) + " dots, at most 4096");
    }
    const std::uint64_t expected = BitmapByteCount(record.width, record.height);
    if (record.byteCount != expected) {
        return m_reader.Fail(start + 6, name + " byte count " + std::to_string(record.byteCount) +
                                            " disagrees with " + std::to_string(record.width) + " x " +
                                            std::to_string(record.height) + " dots (expected " +
                                            std::to_string(expected) + ")");
    }
    glyph.position = record.position;
    glyph.code = record.code;
    return ReadBitmapBits(m_reader, record.width, record.height, "glyph bitmap", glyph.bitmap);
}

bool TemplateUploadReader::CheckSetIndex(std::uint64_t offset, std::uint8_t index, const std::string& owner)
{
    if (index >= m_upload.glyphSets.size()) {
        return m_reader.Fail(offset, owner + " refers to glyph set " + std::to_string(index) + " of " +
                                         std::to_string(m_upload.glyphSets.size()) + " sent");
    }
    return true;
}

bool TemplateUploadReader::CheckCounts()
{
    const PageRecord& page = m_upload.page;
    if (page.timeFieldCount != m_upload.timeFields.size()) {
        return m_reader.Fail(m_pageRecordOffset, "page record counts " + std::to_string(page.timeFieldCount) +
                                                     " time fields, the upload sent " +
                                                     std::to_string(m_upload.timeFields.size()));
    }
    if (page.glyphSetCount != m_upload.glyphSets.size()) {
        return m_reader.Fail(m_pageRecordOffset + 1,
                             "page record counts " + std::to_string(page.glyphSetCount) +
                                 " glyph sets, the upload sent " + std::to_string(m_upload.glyphSets.size()));
    }
    const std::array<std::pair<const NumberSlot*, std::size_t>, 3> slots{{
        {&page.ticketNumber, kTicketNumberSlotOffset},
        {&page.waitingCount, kWaitingCountSlotOffset},
        {&page.nowServing, kNowServingSlotOffset},
    }};
    for (const auto& [slot, slotOffset] : slots) {
        if (slot->present &&
            !CheckSetIndex(m_pageRecordOffset + slotOffset + 16, slot->glyphSetIndex,
                           "number slot at page record offset " + std::to_string(slotOffset))) {
            return false;
        }
    }
    for (std::size_t i = 0; i < m_upload.timeFields.size(); ++i) {
        if (!CheckSetIndex(m_timeFieldOffsets[i] + 16, m_upload.timeFields[i].glyphSetIndex,
                           "time field " + std::to_string(i))) {
            return false;
        }
    }
    return true;
}

} // namespace

bool DecodeTemplateUpload(FrameReader& reader, const FrameHeader& pageHeader, UploadedTemplate& upload)
{
    return TemplateUploadReader(reader, upload).Read(pageHeader);
}

} // namespace emulator
