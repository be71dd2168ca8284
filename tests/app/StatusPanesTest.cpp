#include "app/StatusPanes.h"

#include <QStatusBar>
#include <gtest/gtest.h>

namespace app {
namespace {

// Replays the reports a sequencer posts: (i, n) after each buffer, then (n, n);
// the sequencer's index may already be past the step being shown.
TEST(TransferPane, ProgressBarFillsAndTheOutcomeIsShown)
{
    QStatusBar bar;
    StatusPanes panes(bar);
    panes.ShowTransferProgress(0, 3, 1);
    EXPECT_TRUE(panes.IsProgressShown());
    EXPECT_EQ(panes.ProgressMaximum(), 3);
    EXPECT_EQ(panes.ProgressValue(), 0);
    panes.ShowTransferProgress(1, 3, 2);
    panes.ShowTransferProgress(2, 3, 2);
    EXPECT_EQ(panes.ProgressValue(), 2);
    panes.ShowTransferProgress(3, 3, -1);
    EXPECT_EQ(panes.ProgressValue(), 3);
    EXPECT_TRUE(panes.IsProgressShown());
    EXPECT_EQ(panes.Message(), "Template sent to the printer.");
    // Each command says in its own words that it went through.
    for (const auto& [kind, text] : {std::pair{editor::TransferKind::TestPage, "Test page sent to the printer."},
                                     std::pair{editor::TransferKind::ClockSetting, "Printer clock set."}}) {
        panes.SetTransferKind(kind);
        panes.ShowTransferProgress(0, 1, 1);
        panes.ShowTransferProgress(1, 1, -1);
        EXPECT_EQ(panes.Message(), text);
    }
}

TEST(TransferPane, FailureRemovesTheBarAndLateReportsAreIgnored)
{
    QStatusBar bar;
    StatusPanes panes(bar);
    panes.ShowTransferProgress(0, 200, 1);
    for (int step = 1; step < 49; ++step) {
        panes.ShowTransferProgress(step, 200, step + 1);
    }
    EXPECT_EQ(panes.ProgressValue(), 48);
    panes.ShowTransferProgress(-1, 200, -1);
    EXPECT_FALSE(panes.IsProgressShown());
    EXPECT_EQ(panes.TransferText(), "No transmission started");
    EXPECT_EQ(panes.Message(), "Failed to write data!");

    // A report that arrives after the transfer ended changes nothing.
    panes.ShowTransferProgress(0, 3, 1);
    panes.ShowTransferProgress(2, 3, -1);
    EXPECT_EQ(panes.ProgressValue(), 0);
    // Neither does a step beyond the transfer's size.
    panes.ShowTransferProgress(1, 3, 2);
    panes.ShowTransferProgress(5, 5, -1);
    EXPECT_EQ(panes.ProgressValue(), 1);
    EXPECT_EQ(panes.Message(), "Failed to write data!");
}

TEST(PrinterPane, ShowsTheTextOfEachStatus)
{
    QStatusBar bar;
    StatusPanes panes(bar);
    panes.ShowPrinterText(312);
    EXPECT_EQ(panes.PrinterText(), "Printer Status is normal");
    panes.ShowPrinterText(194);
    EXPECT_EQ(panes.PrinterText(), "Paper empty");
    panes.ShowPrinterText(311);
    EXPECT_EQ(panes.PrinterText(), "Printer has error");
    panes.ShowPrinterText(310);
    EXPECT_EQ(panes.PrinterText(), "Please connect the printer");
}

} // namespace
} // namespace app
