#pragma once

namespace device {

// String ids of the transfer's texts.
inline constexpr int kTextNoTransmission = 140; // "No transmission started"
inline constexpr int kTextWriteFailed = 201;    // "Failed to write data!"
inline constexpr int kTextWriteSucceeded = 203; // "Successfully write data!"

// What the status bar should do after one progress report.
struct ProgressUpdate
{
    enum class Action
    {
        None,    // nothing changes (stale or out-of-range report)
        ShowBar, // the transfer pane becomes a bar of range steps at position 0
        SetPosition,
        Succeeded, // bar at position (full); message pane shows messageTextId
        Failed,    // bar removed; message pane shows messageTextId
    };

    Action action = Action::None;
    int position = 0;
    int range = 0;
    int messageTextId = 0;

    bool operator==(const ProgressUpdate&) const = default;
};

// The UI thread's side of the transfer progress: turns the (step, count)
// reports of the sequencer, in posting order, into status bar changes and
// log records. bufIndex is the sequencer's index when the report is handled,
// which may already be ahead of the report or back at -1.
class TransferProgressTracker
{
public:
    ProgressUpdate OnPortTransProgress(int step, int count, int bufIndex);

    // Buffers of the running transfer, -1 after a failure, 0 before any.
    int Total() const { return m_total; }

private:
    int m_total = 0;
};

} // namespace device
