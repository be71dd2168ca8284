#pragma once

#include "device/link/TransferProgress.h"
#include "editor/PrinterSink.h"

#include <QObject>
#include <QString>

class QLabel;
class QProgressBar;
class QStackedWidget;
class QStatusBar;

namespace app {

// The frame's three status-bar panes: messages and command prompts (300 px),
// transfer progress (stretching) and the printer's state (150 px).
class StatusPanes : public QObject
{
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar& bar);

    // Pane 0: a command prompt, or "Ready" when the prompt is empty.
    void ShowMessage(const QString& text);
    QString Message() const;

    // Pane 2: the text of a printer status text id.
    void ShowPrinterText(int textId);
    QString PrinterText() const;

    // Pane 1 and 0 for one progress report of a transfer: step is the index
    // of the buffer just written, count when all are, -1 on failure.
    // transferIndex is the sequencer's current buffer, negative when idle.
    void ShowTransferProgress(int step, int count, int transferIndex);
    // What the running transfer does: its success is told in its own words.
    void SetTransferKind(editor::TransferKind kind) { m_transferKind = kind; }
    // Pane 1 as an empty bar of 100 steps, before a transfer's first report.
    void ShowEmptyProgress();
    bool IsProgressShown() const;
    int ProgressValue() const;
    int ProgressMaximum() const;
    QString TransferText() const;

    QLabel* MessagePane() const { return m_message; }

private:
    void ShowProgressBar(bool shown);

    QLabel* m_message;
    QStackedWidget* m_transfer;
    QLabel* m_transferText;
    QProgressBar* m_progress;
    QLabel* m_printer;
    device::TransferProgressTracker m_progressTracker;
    editor::TransferKind m_transferKind = editor::TransferKind::TemplateUpload;
};

// Texts the frame shows by id in both languages.
QString StatusText(int id);
// What the status bar says when a transfer of that kind has gone through.
QString SuccessText(editor::TransferKind kind);

} // namespace app
