#include "app/StatusPanes.h"

#include "platform/Logger.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>

#include <sstream>
#include <string>

namespace app {

namespace {

constexpr int kMessagePaneWidth = 300;
constexpr int kPrinterPaneWidth = 150;

constexpr int kTextReady = 57345;
constexpr int kTextNoTransmission = 140;
constexpr int kTextWriteFailed = 201;
constexpr int kTextWriteSucceeded = 203;

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
    case kTextNoTransmission:
        return QCoreApplication::translate("app::StatusPanes", "No transmission started");
    case kTextWriteFailed:
        return QCoreApplication::translate("app::StatusPanes", "Failed to write data!");
    case kTextWriteSucceeded:
        return QCoreApplication::translate("app::StatusPanes", "Successfully write data!");
    case 310:
        return QCoreApplication::translate("app::StatusPanes", "Please conect printer");
    case 311:
        return QCoreApplication::translate("app::StatusPanes", "Printer has error");
    case 312:
        return QCoreApplication::translate("app::StatusPanes", "Printer Status is normal");
    case 194:
        return QCoreApplication::translate("app::StatusPanes", "Paper empty");
    default:
        return {};
    }
}

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar)
{
    m_message = MakePane(&bar);
    m_message->setFixedWidth(kMessagePaneWidth);
    m_message->setObjectName(QStringLiteral("messagePane"));

    m_transfer = new QStackedWidget(&bar);
    m_transfer->setObjectName(QStringLiteral("transferPane"));
    m_transferText = MakePane(m_transfer);
    m_transferText->setText(StatusText(kTextNoTransmission));
    m_progress = new QProgressBar(m_transfer);
    m_progress->setTextVisible(true);
    m_transfer->addWidget(m_transferText);
    m_transfer->addWidget(m_progress);
    m_transfer->setMaximumHeight(m_message->sizeHint().height() + 4);

    m_printer = MakePane(&bar);
    m_printer->setFixedWidth(kPrinterPaneWidth);
    m_printer->setObjectName(QStringLiteral("printerPane"));
    m_printer->setText(StatusText(310));

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
    std::ostringstream formA;
    formA << "Pane Progress iStep:" << step << ",m_bufIndex:" << transferIndex << ",total:" << m_total;
    const std::string formB = formA.str() + "==" + std::to_string(count);

    if (step == -1) {
        TICKET_LOG(platform::Debug) << formB << " 发送失败";
        m_total = -1;
        ShowProgressBar(false);
        ShowMessage(StatusText(kTextWriteFailed));
        return;
    }
    if (step == 0) {
        m_total = count;
        TICKET_LOG(platform::Debug) << "Pane Progress iStep:" << step << ",m_bufIndex:" << transferIndex
                                    << ",total:" << m_total;
        m_progress->setRange(0, count);
        m_progress->setValue(0);
        ShowProgressBar(true);
        return;
    }
    const bool outOfRange = step < 0 || step > m_total;
    if (step == count) {
        if (outOfRange) {
            TICKET_LOG(platform::Error) << formB;
            return;
        }
        m_progress->setValue(step);
        ShowMessage(StatusText(kTextWriteSucceeded));
        TICKET_LOG(platform::Debug) << formB;
        return;
    }
    if (transferIndex <= 0) {
        TICKET_LOG(platform::Warning)
            << "未处理的WM_PORT_TRANS_PROGRESS消息 iStep:" << step << ",m_bufIndex:" << transferIndex;
        return;
    }
    if (outOfRange) {
        TICKET_LOG(platform::Error) << formB;
        return;
    }
    m_progress->setValue(step);
    TICKET_LOG(platform::Debug) << formB;
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
