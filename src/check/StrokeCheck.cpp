#include "check/StrokeCheck.h"

#include "check/CheckContext.h"
#include "check/CheckThresholds.h"
#include "controls/ControlUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "platform/Luminance.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace check {

namespace {

struct Stroke
{
    int width = 0;        // view units
    uint32_t color = 0;   // 0xAARRGGBB
    double dots = 0;      // printer dots across the stroke
};

// The stroke an element draws, if any: shapes their outline in the border
// colour (black by default), other elements a border when they have a colour.
std::optional<Stroke> StrokeOf(const MarkupUI::CControlUI& element, const CheckContext& context)
{
    const int kind = element.GetElementKind();
    const bool shape = kind >= MarkupUI::kElementHorizontalLine && kind <= MarkupUI::kElementCircle;
    const int width = element.GetBorderSize();
    if (width <= 0 || (!shape && element.GetBorderColor() == 0)) {
        return std::nullopt;
    }
    // A horizontal line is as thick as it is tall, a vertical one as wide;
    // outlines run both ways.
    const double across = width * context.DotsPerUnitX();
    const double down = width * context.DotsPerUnitY();
    double dots = std::min(across, down);
    if (kind == MarkupUI::kElementHorizontalLine) {
        dots = down;
    } else if (kind == MarkupUI::kElementVerticalLine) {
        dots = across;
    }
    return Stroke{width, element.GetBorderColor(), dots};
}

} // namespace

void CheckStrokes(CheckContext& context)
{
    if (context.DotsPerUnitX() <= 0 || context.DotsPerUnitY() <= 0) {
        return;
    }
    for (int i = 0; i < context.Form().GetCount(); ++i) {
        const MarkupUI::CControlUI& child = context.Child(i);
        const int kind = child.GetElementKind();
        if (!child.IsVisible() || kind == MarkupUI::kElementNone || kind == MarkupUI::kElementForm) {
            continue;
        }
        const std::optional<Stroke> stroke = StrokeOf(child, context);
        if (!stroke) {
            continue;
        }
        if (stroke->dots < kMinStrokeDots) {
            context.Report(Severity::Warning, QStringLiteral("thin-stroke"), i,
                           QCoreApplication::translate("check", "Its stroke is %1 printer dots thick, less than "
                                                                "one: it may vanish or print unevenly.")
                               .arg(stroke->dots, 0, 'f', 2),
                           {{QStringLiteral("stroke_width"), double(stroke->width)},
                            {QStringLiteral("stroke_dots"), stroke->dots},
                            {QStringLiteral("min_stroke_dots"), kMinStrokeDots}});
        }
        const uint32_t c = stroke->color;
        const int red = int((c >> 16) & 0xFF);
        const int green = int((c >> 8) & 0xFF);
        const int blue = int(c & 0xFF);
        if (!platform::IsInk(red, green, blue)) {
            context.Report(Severity::Warning, QStringLiteral("light-stroke"), i,
                           QCoreApplication::translate("check", "Its colour is lighter than the printer's "
                                                                "black-and-white threshold: it does not print."),
                           {{QStringLiteral("luminance"), platform::Luminance(red, green, blue)},
                            {QStringLiteral("ink_below_luminance"), 128.0}});
        }
    }
}

} // namespace check
