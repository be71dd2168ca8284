// The design view's side of the template check: running it, and finding
// the element a finding names.
#include "editor/CheckSink.h"
#include "editor/DesignerView.h"

#include <QScrollBar>

namespace editor {

namespace {

// Space left around an element scrolled into sight, so its handles show.
constexpr int kRevealMargin = 24;

// How far a scroll bar must move so that [low, high) of the viewport lies
// within [first, last); 0 when it already does.
int RevealShift(int low, int high, int first, int last)
{
    if (high - low > last - first || low < first) {
        return low - first - kRevealMargin;
    }
    if (high > last) {
        return high - last + kRevealMargin;
    }
    return 0;
}

} // namespace

std::vector<check::Finding> CDesignerView::CheckTemplate()
{
    std::vector<check::Finding> findings;
    if (!m_form) {
        return findings;
    }
    findings = check::CheckTemplate(*m_form);
    if (m_checks != nullptr) {
        m_checks->ShowFindings(findings);
    }
    if (findings.empty()) {
        emit StatusMessage(tr("Template check: no findings."));
    } else {
        const check::FindingCounts counts = check::CountFindings(findings);
        emit StatusMessage(tr("Template check: errors %1, warnings %2, notes %3.")
                               .arg(counts.errors)
                               .arg(counts.warnings)
                               .arg(counts.notes));
    }
    return findings;
}

bool CDesignerView::SelectChildAt(int index)
{
    if (!m_form || m_mouse != MouseState::Idle || index < 0 || index >= m_form->GetCount()) {
        return false;
    }
    MarkupUI::CControlUI* element = m_form->GetItemAt(index);
    if (element == nullptr) {
        return false;
    }
    SelectElements({element});
    const platform::Rect rect = element->GetPos();
    const QPoint topLeft = ToViewport(platform::Point{rect.left, rect.top});
    const QPoint bottomRight = ToViewport(platform::Point{rect.right, rect.bottom});
    const QSize area = viewport()->size();
    QScrollBar* across = horizontalScrollBar();
    QScrollBar* down = verticalScrollBar();
    across->setValue(across->value() + RevealShift(topLeft.x(), bottomRight.x(), kRulerBand, area.width()));
    down->setValue(down->value() + RevealShift(topLeft.y(), bottomRight.y(), kRulerBand, area.height()));
    setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace editor
