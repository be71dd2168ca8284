#include "check/FieldWidthCheck.h"

#include "check/CheckContext.h"
#include "check/WorstCaseWidth.h"
#include "device/FieldTexts.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <QCoreApplication>

#include <algorithm>

namespace check {

namespace {

void CheckNumberLength(CheckContext& context, const device::PlannedField& field,
                       const MarkupUI::CDesignLabelUI& label)
{
    if (field.kind != MarkupUI::kElementQueuingNum && field.kind != MarkupUI::kElementCurrentNum) {
        return;
    }
    const int ending = int(static_cast<uint16_t>(context.Form().GetMaxNum()));
    const int digitCount = int(static_cast<uint8_t>(label.GetNumLength()));
    const int needed = device::DecimalDigits(ending);
    if (digitCount < needed) {
        context.Report(Severity::Error, QStringLiteral("number-length-short"), field.childIndex,
                       QCoreApplication::translate("check", "The number length is %1, but the ending number %2 "
                                                            "needs %3 digits.")
                           .arg(digitCount)
                           .arg(ending)
                           .arg(needed),
                       {{QStringLiteral("num_length"), double(digitCount)},
                        {QStringLiteral("ending_number"), double(ending)},
                        {QStringLiteral("digits_needed"), double(needed)}});
    }
}

void CheckWidth(CheckContext& context, const device::PlannedField& field, MarkupUI::CDesignLabelUI& label)
{
    const FieldWidth width = MeasureFieldWidth(label, field, context.Form().GetMaxNum(), context.Area());
    if (width.glyphsEmpty) {
        context.Report(Severity::Error, QStringLiteral("glyphs-empty"), field.childIndex,
                       QCoreApplication::translate("check", "The field's glyphs have no size (it shows no text "
                                                            "or has no box): it prints nothing."),
                       {{QStringLiteral("glyph_count"), double(field.characters.size())}});
        return;
    }
    // Exactly what the printer cuts off, as the emulator lays it out.
    if (width.cutWidthDots > 0 || width.cutHeightDots > 0) {
        const int fieldWidth = int(field.deviceRect.Width());
        const int fieldHeight = int(field.deviceRect.Height());
        const QString message =
            width.cutWidthDots > 0
                ? QCoreApplication::translate("check", "Its widest value \"%1\" prints %2 dots wide, wider "
                                                       "than the field's %3 dots: %4 dots are cut off.")
                      .arg(width.worstText)
                      .arg(width.worstWidthDots)
                      .arg(fieldWidth)
                      .arg(width.cutWidthDots)
                : QCoreApplication::translate("check", "Its glyphs print %1 dots tall, taller than the field's "
                                                       "%2 dots: %3 rows are cut off.")
                      .arg(width.worstHeightDots)
                      .arg(fieldHeight)
                      .arg(width.cutHeightDots);
        context.Report(Severity::Error, QStringLiteral("field-overflow"), field.childIndex, message,
                       {{QStringLiteral("positions"), double(width.positions)},
                        {QStringLiteral("widest_glyph_dots"), double(width.widestGlyphDots)},
                        {QStringLiteral("worst_case_width_dots"), double(width.worstWidthDots)},
                        {QStringLiteral("sample_width_dots"), double(width.sampleWidthDots)},
                        {QStringLiteral("field_width_dots"), double(fieldWidth)},
                        {QStringLiteral("cut_width_dots"), double(width.cutWidthDots)},
                        {QStringLiteral("glyph_height_dots"), double(width.worstHeightDots)},
                        {QStringLiteral("field_height_dots"), double(fieldHeight)},
                        {QStringLiteral("cut_height_dots"), double(width.cutHeightDots)}});
    }
    if (width.shrinkFactor < 1.0) {
        context.Report(Severity::Warning, QStringLiteral("glyph-shrunk"), field.childIndex,
                       QCoreApplication::translate("check", "Its glyphs exceed the printer's 4096-dot limit and "
                                                            "print at %1% of the designed size.")
                           .arg(int(width.shrinkFactor * 100.0)),
                       {{QStringLiteral("shrink_factor"), width.shrinkFactor},
                        {QStringLiteral("designed_height_dots"), double(width.designedHeightDots)},
                        {QStringLiteral("printed_height_dots"), double(width.printedHeightDots)}});
    }
}

} // namespace

void CheckFieldWidths(CheckContext& context)
{
    for (const device::PlannedField& field : context.Plan().fields) {
        if (field.fate != device::FieldFate::Sent) {
            continue;
        }
        auto* label = static_cast<MarkupUI::CDesignLabelUI*>(
            context.Child(field.childIndex).GetInterface(QStringLiteral("DesignLabel")));
        CheckNumberLength(context, field, *label);
        CheckWidth(context, field, *label);
    }
}

} // namespace check
