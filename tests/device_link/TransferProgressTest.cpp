#include "device/link/TransferProgress.h"

#include <gtest/gtest.h>

namespace {

using device::ProgressUpdate;
using device::TransferProgressTracker;
using Action = ProgressUpdate::Action;

TEST(TransferProgressTracker, ClockTransactionShowsAThreeStepBarThenSuccess)
{
    TransferProgressTracker tracker;
    EXPECT_EQ(tracker.OnPortTransProgress(0, 3, 1), (ProgressUpdate{Action::ShowBar, 0, 3, 0}));
    EXPECT_EQ(tracker.Total(), 3);
    EXPECT_EQ(tracker.OnPortTransProgress(1, 3, 2), (ProgressUpdate{Action::SetPosition, 1, 3, 0}));
    EXPECT_EQ(tracker.OnPortTransProgress(2, 3, -1), ProgressUpdate{}); // handled after the end
    EXPECT_EQ(tracker.OnPortTransProgress(3, 3, -1), (ProgressUpdate{Action::Succeeded, 3, 3, 203}));
}

TEST(TransferProgressTracker, FailureRemovesTheBarAndLaterStepsAreOutOfRange)
{
    TransferProgressTracker tracker;
    tracker.OnPortTransProgress(0, 200, 1);
    EXPECT_EQ(tracker.OnPortTransProgress(48, 200, 49).action, Action::SetPosition);
    EXPECT_EQ(tracker.OnPortTransProgress(-1, 200, -1), (ProgressUpdate{Action::Failed, 0, 0, 201}));
    EXPECT_EQ(tracker.Total(), -1);
    // A stray completion report after a failure must not claim success.
    EXPECT_EQ(tracker.OnPortTransProgress(200, 200, -1), ProgressUpdate{});
    EXPECT_EQ(tracker.OnPortTransProgress(5, 200, 6), ProgressUpdate{});
}

TEST(TransferProgressTracker, NewTransferRestartsTheBar)
{
    TransferProgressTracker tracker;
    tracker.OnPortTransProgress(0, 200, 1);
    tracker.OnPortTransProgress(1, 200, 2);
    EXPECT_EQ(tracker.OnPortTransProgress(0, 3, 1), (ProgressUpdate{Action::ShowBar, 0, 3, 0}));
    EXPECT_EQ(tracker.OnPortTransProgress(3, 3, -1).action, Action::Succeeded);
}

} // namespace
