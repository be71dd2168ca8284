// The design view's printer commands: upload the template, print the page
// at once, set the printer's clock.
#include "editor/DesignerView.h"

#include "device/ClockTransaction.h"
#include "device/UploadEncoder.h"
#include "editor/CheckSink.h"
#include "editor/PrinterSink.h"

#include <QDateTime>

namespace editor {

bool CDesignerView::PrinterReady()
{
    if (m_printer == nullptr || !m_form) {
        return false;
    }
    // Nothing is started that could not be sent: the operator is told why
    // instead of seeing an empty progress bar.
    if (!m_printer->IsPrinterConnected()) {
        m_printer->ReportNoPrinter();
        return false;
    }
    // A transfer under way is never cut short by another one.
    if (m_printer->IsTransferRunning()) {
        m_printer->ReportPrinterBusy();
        return false;
    }
    return true;
}

void CDesignerView::UploadData()
{
    setFocus(Qt::OtherFocusReason);
    if (!PrinterReady()) {
        return;
    }
    // The operator sees what will come out wrong before the printer keeps
    // it; errors are sent only when the operator says so.
    const std::vector<check::Finding> findings = check::CheckTemplate(*m_form);
    const check::FindingCounts counts = check::CountFindings(findings);
    if (m_checks != nullptr && counts.errors + counts.warnings > 0) {
        m_checks->ShowFindings(findings);
    }
    if (counts.errors > 0 && m_checks != nullptr && !m_checks->ConfirmUploadWithErrors(counts.errors)) {
        emit StatusMessage(tr("Nothing was sent: the check found errors in the template."));
        return;
    }
    // The question may have taken long enough for the printer to go.
    if (!PrinterReady()) {
        return;
    }
    m_printer->PrepareTransferProgress();
    m_printer->StartTransfer(device::EncodeTemplateUpload(*m_form), TransferKind::TemplateUpload);
}

void CDesignerView::PrintPage()
{
    setFocus(Qt::OtherFocusReason);
    if (!PrinterReady()) {
        return;
    }
    m_printer->PrepareTransferProgress();
    m_printer->StartTransfer(device::EncodePrintPage(*m_form), TransferKind::TestPage);
}

void CDesignerView::SetDeviceTime()
{
    // The printer gets the time the command was given.
    const device::LocalDateTime now = device::ToLocalDateTime(QDateTime::currentDateTime());
    if (!PrinterReady()) {
        return;
    }
    m_printer->StartTransfer(device::BuildClockTransaction(now), TransferKind::ClockSetting);
}

} // namespace editor
