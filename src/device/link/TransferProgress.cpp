#include "device/link/TransferProgress.h"

#include "platform/Logger.h"

#include <string>

namespace device {

ProgressUpdate TransferProgressTracker::OnPortTransProgress(int step, int count, int bufIndex)
{
    using Action = ProgressUpdate::Action;
    // The record forms the log readers know: A, and B = A + "==" count.
    const auto formA = [&] {
        return "Pane Progress iStep:" + std::to_string(step) + ",m_bufIndex:" + std::to_string(bufIndex) +
               ",total:" + std::to_string(m_total);
    };
    const auto formB = [&] { return formA() + "==" + std::to_string(count); };
    const bool outOfRange = step < 0 || step > m_total;

    if (step == -1) {
        TICKET_LOG(platform::Debug) << formB() << " 发送失败";
        m_total = -1;
        return {Action::Failed, 0, 0, kTextWriteFailed};
    }
    if (step == 0) {
        m_total = count;
        TICKET_LOG(platform::Debug) << formA();
        return {Action::ShowBar, 0, count, 0};
    }
    if (step == count) {
        if (outOfRange) {
            TICKET_LOG(platform::Error) << formB();
            return {};
        }
        TICKET_LOG(platform::Debug) << formB();
        return {Action::Succeeded, step, m_total, kTextWriteSucceeded};
    }
    if (bufIndex <= 0) {
        TICKET_LOG(platform::Warning)
            << "未处理的WM_PORT_TRANS_PROGRESS消息 iStep:" << step << ",m_bufIndex:" << bufIndex;
        return {};
    }
    if (outOfRange) {
        TICKET_LOG(platform::Error) << formB();
        return {};
    }
    TICKET_LOG(platform::Debug) << formB();
    return {Action::SetPosition, step, m_total, 0};
}

} // namespace device
