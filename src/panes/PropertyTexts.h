#pragma once

#include <QString>

#include <span>

namespace panes {

// The sheet's captions, descriptions and choices, by the string ids the
// designer has always used for them.
enum PropertyTextId : int
{
    kTextCurrent = 146,
    kTextWaiting = 147,
    kTextQueuing = 148,
    kTextImage = 149,
    kTextText = 150,
    kTextTime = 152,
    kTextTimeFormat = 153,
    kTextBoot = 161,
    kTextPos = 162,
    kTextLeft = 163,
    kTextRight = 164,
    kTextTop = 165,
    kTextBottom = 166,
    kTextPosLeftDescription = 167,
    kTextPosRightDescription = 168,
    kTextPosTopDescription = 169,
    kTextPosBottomDescription = 170,
    kTextPaperWidth = 171,
    kTextPaperWidthDescription = 172,
    kTextDigitLength = 173,
    kTextEndingNumber = 174,
    kTextStartingNumber = 175,
    kTextNumberReset = 176,
    kTextNumberResetDescription = 177,
    kTextPrintTimes = 178,
    kTextHorizontalDpi = 180,
    kTextVerticalDpi = 181,
    kTextHorizontalDpiDescription = 182,
    kTextVerticalDpiDescription = 183,
    kTextMargin = 184,
    kTextMarginLeftDescription = 185,
    kTextMarginRightDescription = 186,
    kTextMarginTopDescription = 187,
    kTextMarginBottomDescription = 188,
    kTextFont = 189,
    kTextDisplayString = 190,
    kTextBorderSize = 191,
    kTextTimeWhenPrinting = 192,
    kTextImageDescription = 193,
    kTextDepartment = 200,
    kTextFontDescription = 201,
};

// One text in English (the source text) and Chinese.
struct PropertyText
{
    PropertyTextId id;
    const char* english;
    const char* chinese;
};

// Every text of the sheet, for checking that both languages are there.
std::span<const PropertyText> PropertyTexts();

// The text in the user-interface language.
QString PropertyString(PropertyTextId id);

// The context the sheet's texts are translated in.
inline constexpr char kPropertyTextContext[] = "panes::CUIProperties";

} // namespace panes
