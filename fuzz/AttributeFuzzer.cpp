// Every attribute value parser on the same text: numbers, lists, rectangles,
// colours, fonts and image strings.
#include "FuzzSupport.h"

#include "controls/AttributeValues.h"
#include "controls/FontAttribute.h"
#include "controls/ImageString.h"

namespace AV = MarkupUI::AttributeValues;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::Text(data, size);
    const QStringView value(text);

    (void)AV::ReadLong(value, 10);
    (void)AV::ReadLong(value, 16);
    (void)AV::ReadUnsignedLong(value);
    qsizetype end = 0;
    (void)AV::ReadDouble(value, &end);
    (void)AV::ParseBool(value);
    (void)AV::ParseInt(value);
    (void)AV::ParseIntList<4>(value);
    const platform::Rect rect = AV::ParseRect(value);
    (void)AV::FormatRect(rect);
    (void)AV::ParseSize(value);
    (void)AV::FormatColor(AV::ParseBackgroundColor(value));
    (void)AV::ParseBorderColor(value);
    (void)AV::ParseTooltip(value);
    (void)MarkupUI::ParseFontDescription(value);

    for (const MarkupUI::ImageDrawItem& item : MarkupUI::ParseImageString(value)) {
        (void)item.DestinationIn(rect);
    }
    return 0;
}
