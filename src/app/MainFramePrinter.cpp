// The main window's side of the printer commands and of the print preview.
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DeviceState.h"
#include "app/MainFrame.h"
#include "app/PrinterLink.h"
#include "app/StatusPanes.h"
#include "device/link/TransferProgress.h"
#include "device/usb/PortStatus.h"
#include "editor/DesignPreview.h"
#include "editor/DesignerView.h"
#include "panes/CheckResultsWnd.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolBar>

namespace app {

void CMainFrame::InstallPrinterHandlers()
{
    CommandTable& c = *m_commands;
    c.SetHandler(ID_UPLOAD_DATA, [this] { m_view->UploadData(); });
    c.SetHandler(ID_UPLOAD_TEST_PAGE, [this] { m_view->PrintPage(); });
    c.SetHandler(ID_FILE_PRINT, [this] { m_view->PrintPage(); });
    c.SetHandler(ID_SET_DEVICE_TIME, [this] { m_view->SetDeviceTime(); });
    const auto deviceRule = [this] { return CommandState{Device()->CanRunDeviceCommand(), false}; };
    for (int id : {ID_UPLOAD_TEST_PAGE, ID_UPLOAD_DATA, ID_SET_DEVICE_TIME}) {
        c.SetUpdateRule(id, deviceRule);
    }
    // Print stays available: without a printer it says so.
    c.SetHandler(ID_FILE_PRINT_PREVIEW, [this] { OpenPreview(); });
}

bool CMainFrame::StartTransfer(device::BufferList list, editor::TransferKind kind)
{
    const bool started = m_printerLink != nullptr && m_printerLink->StartTransfer(std::move(list));
    if (started) {
        m_panes->SetTransferKind(kind);
    }
    m_transfersStarted += started ? 1 : 0;
    m_commands->UpdateAll();
    return started;
}

bool CMainFrame::IsPrinterConnected() const
{
    return Device()->IsPrinterConnected();
}

bool CMainFrame::IsTransferRunning() const
{
    return Device()->IsTransferRunning();
}

void CMainFrame::PrepareTransferProgress()
{
    m_panes->ShowEmptyProgress();
}

void CMainFrame::ReportNoPrinter()
{
    m_panes->ShowMessage(StatusText(device::kTextPleaseConnectPrinter));
}

void CMainFrame::ReportPrinterBusy()
{
    m_panes->ShowMessage(QCoreApplication::translate(
        "app::CMainFrame", "The printer is still receiving data; try again when the transfer has finished."));
}

void CMainFrame::OpenPreview()
{
    if (m_preview != nullptr) {
        return;
    }
    m_preview = new editor::CDesignPreview(*m_view, m_centre);
    connect(m_preview, &editor::CDesignPreview::CloseRequested, this, &CMainFrame::ClosePreview);
    m_centre->addWidget(m_preview);
    m_centre->setCurrentWidget(m_preview);
    m_hiddenForPreview.clear();
    for (QWidget* put : {static_cast<QWidget*>(menuBar()), static_cast<QWidget*>(m_standard),
                         static_cast<QWidget*>(m_formEdit), static_cast<QWidget*>(m_toolbox),
                         static_cast<QWidget*>(m_properties), static_cast<QWidget*>(m_checkResults)}) {
        if (put->isVisible()) {
            m_hiddenForPreview.append(put);
            put->hide();
        }
    }
    // No command may change the template unseen behind the preview.
    m_commands->SetSuspended(true);
    m_preview->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::ClosePreview()
{
    if (m_preview == nullptr) {
        return;
    }
    m_centre->setCurrentWidget(m_view);
    m_centre->removeWidget(m_preview);
    m_preview->deleteLater();
    m_preview = nullptr;
    for (QWidget* put : m_hiddenForPreview) {
        put->show();
    }
    m_hiddenForPreview.clear();
    m_commands->SetSuspended(false);
    m_panes->ShowMessage(QString());
    m_view->setFocus(Qt::OtherFocusReason);
}

} // namespace app
