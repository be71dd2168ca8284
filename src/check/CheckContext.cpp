#include "check/CheckContext.h"

#include "device/PageRaster.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <algorithm>
#include <bit>

namespace check {

CheckContext::CheckContext(MarkupUI::CFormUI& form)
    : m_form(form)
    , m_area{form.GetPrintableWidthDots(), form.GetPrintableHeightDots(), form.GetPrintableWidthView(),
             form.GetPrintableHeightView()}
    , m_plan(device::PlanUpload(form))
{
    const platform::Rect margins = form.GetMargins();
    m_printableView = platform::Rect{margins.left, margins.top,
                                     platform::SaturatingAdd(margins.left, std::max(0, m_area.viewWidth)),
                                     platform::SaturatingAdd(margins.top, std::max(0, m_area.viewHeight))};
}

MarkupUI::CControlUI& CheckContext::Child(int index) const
{
    return *m_form.GetItemAt(index);
}

const device::PlannedField* CheckContext::FieldAt(int childIndex) const
{
    const auto found = std::lower_bound(
        m_plan.fields.begin(), m_plan.fields.end(), childIndex,
        [](const device::PlannedField& field, int index) { return field.childIndex < index; });
    return found != m_plan.fields.end() && found->childIndex == childIndex ? &*found : nullptr;
}

double CheckContext::DotsPerUnitX() const
{
    return m_area.viewWidth > 0 && m_area.devWidth > 0 ? double(m_area.devWidth) / m_area.viewWidth : 0.0;
}

double CheckContext::DotsPerUnitY() const
{
    return m_area.viewHeight > 0 && m_area.devHeight > 0 ? double(m_area.devHeight) / m_area.viewHeight : 0.0;
}

double CheckContext::DotsPerMmY() const
{
    return std::max(0.0, double(m_form.GetDpiY()) / 25.4);
}

const device::PackedImage& CheckContext::PageBits()
{
    if (!m_pageBits) {
        m_pageBits = device::PackImageBits(device::RenderPageImage(m_form));
    }
    return *m_pageBits;
}

int64_t CheckContext::InkDots(const platform::Rect& deviceRect)
{
    const device::PackedImage& page = PageBits();
    const platform::Rect r = platform::Intersect(deviceRect, platform::Rect{0, 0, page.width, page.height});
    if (r.IsEmpty() || !page.IsConsistent()) {
        return 0;
    }
    const auto rowBytes = static_cast<std::size_t>(device::BitmapRowBytes(uint64_t(page.width)));
    int64_t ink = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        const uint8_t* row = page.bits.data() + std::size_t(y) * rowBytes;
        for (int x = r.left; x < r.right;) {
            const int bit = x % 8;
            const int take = std::min(8 - bit, r.right - x);
            // The dots x .. x + take - 1 of this byte, most significant first.
            const auto mask = static_cast<uint8_t>((0xFFu >> bit) & (0xFFu << (8 - bit - take)));
            ink += std::popcount(static_cast<unsigned>(row[x / 8] & mask));
            x += take;
        }
    }
    return ink;
}

void CheckContext::Report(Severity severity, const QString& code, int elementIndex, const QString& message,
                          std::vector<FindingValue> values)
{
    Finding finding;
    finding.severity = severity;
    finding.code = code;
    finding.elementIndex = elementIndex;
    if (elementIndex >= 0) {
        const MarkupUI::CControlUI& child = Child(elementIndex);
        finding.elementKind = child.GetElementKind();
        finding.rect = child.GetPos();
    } else {
        finding.elementKind = MarkupUI::kElementForm;
        finding.rect = m_form.GetPos();
    }
    finding.message = message;
    finding.values = std::move(values);
    m_findings.push_back(std::move(finding));
}

std::vector<Finding> CheckContext::TakeFindings()
{
    std::stable_sort(m_findings.begin(), m_findings.end(),
                     [](const Finding& a, const Finding& b) { return a.elementIndex < b.elementIndex; });
    return std::move(m_findings);
}

} // namespace check
