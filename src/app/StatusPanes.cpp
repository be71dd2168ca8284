#include "app/StatusPanes.h"

#include "device/usb/PortStatus.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>

namespace app {

namespace {

constexpr int kMessagePaneWidth = 300;
constexpr int kPrinterPaneWidth = 150;

constexpr int kTextReady = 57345;

QLabel* MakePane(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

} // namespace

QString StatusText(int id)
{
    switch (id) {
    case kTextReady:
        return QCoreApplication::translate("app::StatusPanes", "Ready");
    case device::kTextNoTransmission:
        return QCoreApplication::translate("app::StatusPanes", "No transmission started");
    case device::kTextWriteFailed:
        return QCoreApplication::translate("app::StatusPanes", "Failed to write data!");
    case device::kTextWriteSucceeded:
        return QCoreApplication::translate("app::StatusPanes", "Data sent to the printer.");
    case device::kTextPleaseConnectPrinter:
        return QCoreApplication::translate("app::StatusPanes", "Please connect the printer");
    case device::kTextPrinterHasError:
        return QCoreApplication::translate("app::StatusPanes", "Printer has error");
    case device::kTextPrinterStatusNormal:
        return QCoreApplication::translate("app::StatusPanes", "Printer Status is normal");
    case device::kTextPaperEmpty:
        return QCoreApplication::translate("app::StatusPanes", "Paper empty");
    default:
        return {};
    }
}

QString SuccessText(editor::TransferKind kind)
{
    switch (kind) {
    case editor::TransferKind::TestPage:
        return QCoreApplication::translate("app::StatusPanes", "Test page sent to the printer.");
    case editor::TransferKind::ClockSetting:
        return QCoreApplication::translate("app::StatusPanes", "Printer clock set.");
    case editor::TransferKind::TemplateUpload:
        break;
    }
    return QCoreApplication::translate("app::StatusPanes", "Template sent to the printer.");
}

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar)
{
    m_message = MakePane(&bar);
    m_message->setFixedWidth(kMessagePaneWidth);
    m_message->setObjectName(QStringLiteral("messagePane"));

    m_transfer = new QStackedWidget(&bar);
    m_transfer->setObjectName(QStringLiteral("transferPane"));
    m_transferText = MakePane(m_transfer);
    m_transferText->setText(StatusText(device::kTextNoTransmission));
    m_progress = new QProgressBar(m_transfer);
    m_progress->setTextVisible(true);
    m_transfer->addWidget(m_transferText);
    m_transfer->addWidget(m_progress);
    m_transfer->setMaximumHeight(m_message->sizeHint().height() + 4);

    m_printer = MakePane(&bar);
    m_printer->setFixedWidth(kPrinterPaneWidth);
    m_printer->setObjectName(QStringLiteral("printerPane"));
    m_printer->setText(StatusText(device::kTextPleaseConnectPrinter));

    // Normal widgets only: temporary status messages would cover them, so
    // the frame routes prompts to pane 0 itself.
    bar.addWidget(m_message, 0);
    bar.addWidget(m_transfer, 1);
    bar.addWidget(m_printer, 0);
    ShowMessage(QString());
}

void StatusPanes::ShowMessage(const QString& text)
{
    m_message->setText(text.isEmpty() ? StatusText(kTextReady) : text);
}

QString StatusPanes::Message() const
{
    return m_message->text();
}

void StatusPanes::ShowPrinterText(int textId)
{
    const QString text = StatusText(textId);
    if (!text.isEmpty()) {
        m_printer->setText(text);
    }
}

QString StatusPanes::PrinterText() const
{
    return m_printer->text();
}

void StatusPanes::ShowTransferProgress(int step, int count, int transferIndex)
{
    using Action = device::ProgressUpdate::Action;
    const device::ProgressUpdate update = m_progressTracker.OnPortTransProgress(step, count, transferIndex);
    switch (update.action) {
    case Action::None:
        break;
    case Action::ShowBar:
        m_progress->setRange(0, update.range);
        m_progress->setValue(0);
        ShowProgressBar(true);
        break;
    case Action::SetPosition:
        m_progress->setValue(update.position);
        break;
    case Action::Succeeded:
        m_progress->setValue(update.position);
        ShowMessage(SuccessText(m_transferKind));
        break;
    case Action::Failed:
        ShowProgressBar(false);
        ShowMessage(StatusText(update.messageTextId));
        break;
    }
}

void StatusPanes::ShowEmptyProgress()
{
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    ShowProgressBar(true);
}

void StatusPanes::ShowProgressBar(bool shown)
{
    m_transfer->setCurrentWidget(shown ? static_cast<QWidget*>(m_progress) : m_transferText);
}

bool StatusPanes::IsProgressShown() const
{
    return m_transfer->currentWidget() == m_progress;
}

int StatusPanes::ProgressValue() const
{
    return m_progress->value();
}

int StatusPanes::ProgressMaximum() const
{
    return m_progress->maximum();
}

QString StatusPanes::TransferText() const
{
    return m_transferText->text();
}

} // namespace app
