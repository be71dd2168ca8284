#pragma once

#include "check/TemplateCheck.h"
#include "device/GlyphRaster.h"
#include "device/PackedImage.h"
#include "device/UploadPlan.h"

#include <optional>
#include <vector>

namespace MarkupUI {
class CControlUI;
}

namespace check {

// What every check reads of one form, worked out once: the printable area,
// the upload's plan of the dynamic fields and, when first asked for, the
// printer's page bits. Findings are collected here.
class CheckContext
{
public:
    explicit CheckContext(MarkupUI::CFormUI& form);

    MarkupUI::CFormUI& Form() const { return m_form; }
    MarkupUI::CControlUI& Child(int index) const;
    const device::PrintableArea& Area() const { return m_area; }
    const device::UploadPlan& Plan() const { return m_plan; }
    // The plan's entry for a child; null for a child that is no dynamic field.
    const device::PlannedField* FieldAt(int childIndex) const;
    // The printable area in view units, where the page image is taken from.
    const platform::Rect& PrintableView() const { return m_printableView; }

    // Printer dots per view unit across and down; 0 without a printable area.
    double DotsPerUnitX() const;
    double DotsPerUnitY() const;
    // Printer dots per millimetre down the paper (the vertical resolution).
    double DotsPerMmY() const;

    // The page image's bits as the upload sends them; empty when the page
    // cannot be rendered.
    const device::PackedImage& PageBits();
    // Ink dots of the page bits inside a rectangle in printer dots.
    int64_t InkDots(const platform::Rect& deviceRect);

    void Report(Severity severity, const QString& code, int elementIndex, const QString& message,
                std::vector<FindingValue> values);
    std::vector<Finding> TakeFindings();

private:
    MarkupUI::CFormUI& m_form;
    device::PrintableArea m_area;
    device::UploadPlan m_plan;
    platform::Rect m_printableView;
    std::optional<device::PackedImage> m_pageBits;
    std::vector<Finding> m_findings;
};

} // namespace check
