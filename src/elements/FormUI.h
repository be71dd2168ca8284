#pragma once

#include "controls/ContainerUI.h"
#include "controls/ControlUI.h"

#include <vector>

namespace MarkupUI {

// The root of every template: the printed page. Holds the design elements,
// carries the settings sent to the printer with the template, and owns the
// unit rules between view units, millimetres and printer dots.
//
// Units: w view units span the paper width P mm (80 for model "80", else
// 58); vertically one millimetre is (w / P) * (screenY / screenX) units; one
// millimetre is dpi / 25.4 printer dots.
class CFormUI : public CControlUI, public IContainerUI
{
public:
    CFormUI();
    ~CFormUI() override;

    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;

    // The single entry that sizes the form and recomputes margins and the
    // printable area.
    void SetSize(int32_t width, int32_t height);
    // Converts an element rectangle from view units to printer dots of the
    // printable area, in place; false when nothing of it is printable.
    bool MapToDevice(platform::Rect& rect) const;
    void SetObserver(AbstractItemChange* observer);
    AbstractItemChange* GetObserver() const { return m_observer; }

    // IContainerUI
    CControlUI* GetItemAt(int index) const override;
    int GetItemIndex(CControlUI* control) const override;
    bool SetItemIndex(CControlUI* control, int index) override;
    int GetCount() const override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control) override;
    bool RemoveAt(int index) override;
    void RemoveAll() override;

    void SetPos(platform::Rect rc) override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetVisible(bool visible = true) override;
    void SetInternVisible(bool visible = true) override;
    CControlUI* FindControl(FindControlProc proc, void* data, uint32_t flags) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const QString& name, const QString& value) override;

    // Both paint the page clipped to its printable area: margins of the
    // target keep what the caller drew there. DoPaint draws every element,
    // DoPaintStatic only the printer's page image.
    void DoPaint(platform::DrawingContext& dc, const platform::Rect& paint) override;
    void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint) override;

    // Page settings.
    int32_t GetZeroing() const { return m_zeroing; }
    void SetZeroing(int32_t value) { m_zeroing = value; }
    platform::Rect GetMargins() const { return m_margins; }
    float GetDpiX() const { return m_dpiX; }
    float GetDpiY() const { return m_dpiY; }
    void SetDpi(float x, float y);
    int32_t GetScreenDpiX() const { return m_screenDpiX; }
    int32_t GetScreenDpiY() const { return m_screenDpiY; }
    void SetScreenDpi(int32_t x, int32_t y);
    int32_t GetMaxNum() const { return m_maxNum; }
    void SetMaxNum(int32_t value) { m_maxNum = value; }
    int32_t GetCutoffNum() const { return m_cutoffNum; }
    void SetCutoffNum(int32_t value) { m_cutoffNum = value; }
    int32_t GetPrintCount() const { return m_printCount; }
    void SetPrintCount(int32_t value) { m_printCount = value; }
    int32_t GetDepartment() const { return m_department; }
    void SetDepartment(int32_t value) { m_department = value; }
    QString GetModel() const { return m_model; }
    void SetModel(const QString& model) { m_model = model; }
    // Paper width in millimetres: 80 for model "80", 58 for anything else.
    int32_t GetPaperWidthMm() const;
    platform::Rect GetPrintPadding() const { return m_printPadding; }
    void SetPrintPadding(const platform::Rect& padding) { m_printPadding = padding; }
    int32_t GetPrintableWidthDots() const { return m_printableDots.cx; }
    int32_t GetPrintableHeightDots() const { return m_printableDots.cy; }
    int32_t GetPrintableWidthView() const { return m_printableView.cx; }
    int32_t GetPrintableHeightView() const { return m_printableView.cy; }

private:
    void PaintPage(platform::DrawingContext& dc, const platform::Rect& paint, bool staticOnly);
    void NotifyAdded(CControlUI* control);
    void NotifyRemoved(CControlUI* control);
    void PrepareForInsert(CControlUI* control);
    void Detach(CControlUI& item);

    AbstractItemChange* m_observer = nullptr;
    int32_t m_zeroing = 0;
    platform::Rect m_margins{32, 160, 32, 160};
    float m_dpiX = 203.2f;
    float m_dpiY = 406.4f;
    int32_t m_screenDpiX = 200;
    int32_t m_screenDpiY = 200;
    int32_t m_maxNum = 9999;
    int32_t m_cutoffNum = 1;
    int32_t m_printCount = 1;
    int32_t m_department = 1;
    QString m_model = QStringLiteral("58");
    platform::Rect m_printPadding{5, 10, 5, 10};
    platform::Size m_printableDots{0, 0};
    platform::Size m_printableView{1, 1};
    std::vector<ControlPtr> m_items;
};

using FormPtr = boost::intrusive_ptr<CFormUI>;

} // namespace MarkupUI
