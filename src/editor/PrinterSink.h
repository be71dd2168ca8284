#pragma once

#include "device/BufferList.h"

namespace editor {

// What a transaction does for the operator, so its success is told in words
// of its own.
enum class TransferKind
{
    TemplateUpload,
    TestPage,
    ClockSetting,
};

// What the design view's printer commands need from the window that owns
// the printer link: whether a printer is there and busy, the progress pane,
// the transfer itself, and where refusals are told.
class PrinterSink
{
public:
    virtual ~PrinterSink() = default;

    virtual bool IsPrinterConnected() const = 0;
    virtual bool IsTransferRunning() const = 0;
    // The progress pane becomes an empty bar of 100 steps.
    virtual void PrepareTransferProgress() = 0;
    // False when the transaction could not be started (and it was dropped).
    virtual bool StartTransfer(device::BufferList list, TransferKind kind) = 0;
    // The status bar says there is no printer, or that one is busy.
    virtual void ReportNoPrinter() = 0;
    virtual void ReportPrinterBusy() = 0;
};

} // namespace editor
