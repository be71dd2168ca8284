#include "emulator/StreamDecoder.h"

#include "device/FrameCodes.h"
#include "device/LittleEndian.h"
#include "emulator/BitmapReading.h"
#include "emulator/FrameReader.h"
#include "emulator/TemplateUploadDecoder.h"

namespace emulator {

using namespace device;

namespace {

bool ReadEndFrame(FrameReader& reader, const char* inside)
{
    FrameHeader end;
    if (!reader.ReadHeader(end, inside)) {
        return false;
    }
    if (end.code != DEV_CMD_END) {
        return reader.Fail(end.offset + 1,
                           "missing end frame: " + DescribeCommand(end.code) + " follows inside a " + inside);
    }
    return reader.ExpectParams(end, 0, 0);
}

bool DecodePrintImage(FrameReader& reader, const FrameHeader& header, PrinterState& state)
{
    constexpr const char* inside = "print image";
    PackedImage image;
    if (!reader.ExpectParams(header, static_cast<std::uint8_t>(kImageHeaderSize), 0) ||
        !ReadImageBody(reader, image) || !ReadEndFrame(reader, inside)) {
        return false;
    }
    state.printedImage = std::move(image);
    return true;
}

bool DecodeSetClock(FrameReader& reader, const FrameHeader& header, PrinterState& state)
{
    std::span<const std::uint8_t> value;
    if (!reader.ExpectParams(header, static_cast<std::uint8_t>(kClockValueSize), 0) ||
        !reader.Take(kClockValueSize, "clock value", value) || !ReadEndFrame(reader, "set clock")) {
        return false;
    }
    state.clock = GetU32(value, 0);
    return true;
}

bool DecodeUpload(FrameReader& reader, const FrameHeader& header, PrinterState& state)
{
    UploadedTemplate upload;
    if (!DecodeTemplateUpload(reader, header, upload)) {
        return false;
    }
    state.uploadedTemplate = std::move(upload);
    return true;
}

} // namespace

std::optional<DecodeError> DecodeStream(std::span<const std::uint8_t> stream, PrinterState& state)
{
    FrameReader reader(stream);
    while (!reader.AtEnd()) {
        FrameHeader header;
        if (!reader.ReadHeader(header, nullptr)) {
            break;
        }
        bool complete = false;
        switch (header.code) {
        case DEV_CMD_PAGE:
            complete = DecodeUpload(reader, header, state);
            break;
        case DEV_CMD_PRINT_IMAGE:
            complete = DecodePrintImage(reader, header, state);
            break;
        case DEV_CMD_SET_CLOCK:
            complete = DecodeSetClock(reader, header, state);
            break;
        default:
            reader.Fail(header.offset + 1, DescribeCommand(header.code) + " cannot start a transaction");
            break;
        }
        if (!complete) {
            break;
        }
        ++state.transactionCount;
    }
    return reader.error();
}

} // namespace emulator
