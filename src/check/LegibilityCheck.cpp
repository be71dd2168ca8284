#include "check/LegibilityCheck.h"

#include "check/CheckContext.h"
#include "check/CheckThresholds.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "platform/TextMeasure.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <map>

namespace check {

namespace {

// The tallest run of ink rows from the first to the last inked row of any glyph.
int InkHeight(const device::PackedImage& glyph)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (glyph.Dot(x, y)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

bool HasHan(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

void ReportIllegible(CheckContext& context, int index, double heightDots, int minimumDots, bool glyphs)
{
    const double dotsPerMm = context.DotsPerMmY();
    const double heightMm = dotsPerMm > 0 ? heightDots / dotsPerMm : 0.0;
    const QString message =
        glyphs ? QCoreApplication::translate("check", "Its digits print %1 mm (%2 dots) tall, below the legible "
                                                      "%3 mm (%4 dots).")
               : QCoreApplication::translate("check", "Its text prints %1 mm (%2 dots) tall, below the legible "
                                                      "%3 mm (%4 dots).");
    context.Report(Severity::Warning, glyphs ? QStringLiteral("glyphs-illegible") : QStringLiteral("text-illegible"),
                   index,
                   message.arg(heightMm, 0, 'f', 2)
                       .arg(qRound(heightDots))
                       .arg(kMinLegibleHeightMm, 0, 'f', 1)
                       .arg(minimumDots),
                   {{QStringLiteral("ink_height_dots"), heightDots},
                    {QStringLiteral("ink_height_mm"), heightMm},
                    {QStringLiteral("min_height_mm"), kMinLegibleHeightMm},
                    {QStringLiteral("min_height_dots"), double(minimumDots)}});
}

int MinimumDots(const CheckContext& context, bool han)
{
    const int byLength = int(std::ceil(kMinLegibleHeightMm * context.DotsPerMmY() - 1e-9));
    return std::max(byLength, han ? kMinLegibleHanDots : kMinLegibleDots);
}

void CheckGlyphs(CheckContext& context, const device::PlannedField& field)
{
    auto* label = static_cast<MarkupUI::CDesignLabelUI*>(
        context.Child(field.childIndex).GetInterface(QStringLiteral("DesignLabel")));
    // The same glyph sets the upload draws (and keeps for it).
    const std::vector<device::PackedImage>& glyphs =
        device::RenderGlyphSet(*label, field.characters, context.Area());
    int height = 0;
    for (qsizetype i = 0; i < field.characters.size(); ++i) {
        if (field.characters.at(i).isDigit()) {
            height = std::max(height, InkHeight(glyphs[std::size_t(i)]));
        }
    }
    // Glyphs without ink are the width check's finding.
    const int minimum = MinimumDots(context, false);
    if (height > 0 && height < minimum) {
        ReportIllegible(context, field.childIndex, height, minimum, true);
    }
}

// Measures static texts as the page draws them; the body height of a font
// is worked out once.
class TextBodies
{
public:
    double BodyHeight(const QFont& font, bool han)
    {
        const QString key = font.key() + (han ? QStringLiteral("|han") : QString());
        const auto found = m_heights.find(key);
        if (found != m_heights.end()) {
            return found->second;
        }
        const QFontMetricsF metrics(font, &m_probe);
        const double height =
            han ? metrics.tightBoundingRect(QStringLiteral("\u56fd")).height() : metrics.capHeight();
        return m_heights.emplace(key, height).first->second;
    }
    const platform::TextMeasure& Measure() const { return m_measure; }

private:
    QImage m_probe{1, 1, QImage::Format_RGB32};
    platform::TextMeasure m_measure;
    std::map<QString, double> m_heights;
};

void CheckText(CheckContext& context, int index, MarkupUI::CDesignLabelUI& label, TextBodies& bodies)
{
    const QString text = label.GetText();
    const platform::Size display = label.GetDisplaySize();
    if (text.trimmed().isEmpty() || display.cx <= 0 || display.cy <= 0) {
        return;
    }
    const QFont font = label.GetDrawingFont();
    const platform::Size extent = bodies.Measure().MeasureText(font, text, label.GetTextStyle());
    if (extent.cy <= 0) {
        return;
    }
    const bool han = HasHan(text);
    // The text image is stretched from its extent to the display size, then
    // the page from view units to dots.
    const double heightDots =
        bodies.BodyHeight(font, han) * double(display.cy) / extent.cy * context.DotsPerUnitY();
    const int minimum = MinimumDots(context, han);
    if (heightDots < minimum) {
        ReportIllegible(context, index, heightDots, minimum, false);
    }
}

} // namespace

void CheckLegibility(CheckContext& context)
{
    for (const device::PlannedField& field : context.Plan().fields) {
        if (field.fate == device::FieldFate::Sent) {
            CheckGlyphs(context, field);
        }
    }
    if (context.PageBits().IsEmpty()) {
        return;
    }
    TextBodies bodies;
    for (int i = 0; i < context.Form().GetCount(); ++i) {
        MarkupUI::CControlUI& child = context.Child(i);
        if (child.GetElementKind() != MarkupUI::kElementText || !child.IsVisible()) {
            continue;
        }
        if (auto* label = static_cast<MarkupUI::CDesignLabelUI*>(child.GetInterface(QStringLiteral("DesignLabel")))) {
            CheckText(context, i, *label, bodies);
        }
    }
}

} // namespace check
