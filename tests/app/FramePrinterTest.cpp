// The frame's printer side against emulated udev printers: the status pane
// and the device commands follow plugging, status and unplugging.
// glib first: it names struct members "signals", which Qt defines as a keyword.
#include "device_usb/PrinterTestbed.h"

#include "FrameTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "device/ClockTransaction.h"
#include "editor/DesignerView.h"
#include "panes/CheckResultsWnd.h"
#include "elements/ElementKind.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

#include <functional>

namespace app::test {
namespace {

// Runs the event loop until done() holds or five seconds pass.
bool WaitFor(const std::function<bool()>& done)
{
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

struct PrinterFrame
{
    explicit PrinterFrame()
    {
        document.OnNewDocument();
        CMainFrame::Options options;
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        options.prompts = std::move(scripted);
        frame = std::make_unique<CMainFrame>(document, std::move(options));
        frame->Commands().UpdateAll();
    }
    bool UploadEnabled() const { return frame->Commands().Action(ID_UPLOAD_DATA)->isEnabled(); }
    QString PrinterText() const { return frame->Panes().PrinterText(); }

    document::CDesignerDoc document;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CMainFrame> frame;
};

TEST(FramePrinter, PrinterPresentAtStartIsOpenedAndItsStatusShown)
{
    device_test::printer_testbed testbed;
    testbed.status = 0x38;
    testbed.add_printer(0);
    PrinterFrame f;
    EXPECT_TRUE(WaitFor([&] { return f.PrinterText() == "Paper empty"; })) << f.PrinterText().toStdString();
    EXPECT_TRUE(f.UploadEnabled());
}

TEST(FramePrinter, PlugAndUnplugMoveThePaneAndTheCommands)
{
    device_test::printer_testbed testbed;
    PrinterFrame f;
    EXPECT_EQ(f.PrinterText(), "Please connect the printer");
    EXPECT_FALSE(f.UploadEnabled());

    testbed.status = 0x18;
    auto printer = testbed.plug(0);
    EXPECT_TRUE(WaitFor([&] { return f.PrinterText() == "Printer Status is normal"; }))
        << f.PrinterText().toStdString();
    EXPECT_TRUE(f.UploadEnabled());

    testbed.unplug(printer);
    EXPECT_TRUE(WaitFor([&] { return f.PrinterText() == "Please connect the printer"; }))
        << f.PrinterText().toStdString();
    EXPECT_FALSE(f.UploadEnabled());
}

TEST(FramePrinter, ClockTransactionFillsTheProgressBarAndReportsSuccess)
{
    device_test::printer_testbed testbed;
    testbed.add_printer(0);
    PrinterFrame f;
    ASSERT_TRUE(WaitFor([&] { return f.PrinterText() == "Printer Status is normal"; }));

    ASSERT_TRUE(f.frame->StartTransfer(
        device::BuildClockTransaction(device::ToLocalDateTime(QDateTime::currentDateTime())),
        editor::TransferKind::ClockSetting));
    StatusPanes& panes = f.frame->Panes();
    EXPECT_TRUE(WaitFor([&] { return panes.Message() == "Printer clock set."; }))
        << panes.Message().toStdString();
    EXPECT_TRUE(panes.IsProgressShown());
    EXPECT_EQ(panes.ProgressMaximum(), 3);
    EXPECT_EQ(panes.ProgressValue(), 3);
    EXPECT_TRUE(WaitFor([&] { return f.UploadEnabled(); }));
}

TEST(FramePrinter, NoTransferWithoutAPrinter)
{
    device_test::printer_testbed testbed;
    PrinterFrame f;
    EXPECT_FALSE(f.frame->StartTransfer(
        device::BuildClockTransaction(device::ToLocalDateTime(QDateTime::currentDateTime())),
        editor::TransferKind::ClockSetting));
    QApplication::processEvents();
    EXPECT_FALSE(f.frame->Panes().IsProgressShown());
    EXPECT_EQ(f.frame->Panes().Message(), "Ready");
}

TEST(FramePrinter, UnpluggingInTheMiddleOfAnUploadIsToldAndTheDesignerGoesOn)
{
    device_test::printer_testbed testbed;
    auto printer = testbed.plug(0);
    PrinterFrame f;
    ASSERT_TRUE(WaitFor([&] { return f.PrinterText() == "Printer Status is normal"; }));
    // The printer takes nothing more: the upload waits half way.
    device_test::fill_printer(printer);
    f.frame->Commands().Action(ID_UPLOAD_DATA)->trigger();
    ASSERT_TRUE(WaitFor([&] { return f.frame->IsTransferRunning(); }));
    StatusPanes& panes = f.frame->Panes();
    EXPECT_TRUE(panes.IsProgressShown());

    testbed.unplug(printer);
    EXPECT_TRUE(WaitFor([&] { return panes.Message() == "Failed to write data!"; })) << panes.Message().toStdString();
    EXPECT_TRUE(WaitFor([&] { return f.PrinterText() == "Please connect the printer"; }));
    EXPECT_FALSE(f.frame->IsTransferRunning());
    EXPECT_FALSE(f.UploadEnabled());

    // Still a designer: editing works and the printer commands say why
    // they send nothing.
    ASSERT_NE(f.frame->View()->CreateElement(MarkupUI::kElementText, platform::Rect{10, 100, 70, 130}), nullptr);
    f.frame->Commands().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(f.document.GetForm()->GetCount(), 0);
    f.frame->Commands().Action(ID_FILE_PRINT)->trigger();
    EXPECT_EQ(panes.Message(), "Please connect the printer");
}

TEST(FramePrinter, AnUploadWithErrorsGoesOnlyWhenTheOperatorSaysSo)
{
    device_test::printer_testbed testbed;
    testbed.add_printer(0);
    PrinterFrame f;
    ASSERT_TRUE(WaitFor([&] { return f.PrinterText() == "Printer Status is normal"; }));
    // Wholly in the top-left margin: the printer would never print it.
    ASSERT_NE(f.frame->View()->CreateElement(MarkupUI::kElementText, platform::Rect{2, 2, 20, 20}), nullptr);
    QAction* upload = f.frame->Commands().Action(ID_UPLOAD_DATA);

    upload->trigger();
    EXPECT_EQ(f.prompts->uploadQuestions.size(), 1);
    EXPECT_EQ(f.frame->TransfersStarted(), 0);
    EXPECT_EQ(f.frame->Panes().Message(), "Nothing was sent: the check found errors in the template.");
    EXPECT_TRUE(f.frame->CheckResultsDock()->isVisibleTo(f.frame.get()));

    f.prompts->uploadDespiteErrors = true;
    upload->trigger();
    EXPECT_EQ(f.prompts->uploadQuestions.size(), 2);
    EXPECT_EQ(f.frame->TransfersStarted(), 1);
}

TEST(FramePrinter, AnUploadWithoutErrorsGoesWithoutAQuestion)
{
    device_test::printer_testbed testbed;
    testbed.add_printer(0);
    PrinterFrame f;
    ASSERT_TRUE(WaitFor([&] { return f.PrinterText() == "Printer Status is normal"; }));
    ASSERT_NE(f.frame->View()->CreateElement(MarkupUI::kElementText, platform::Rect{60, 120, 260, 200}), nullptr);
    f.frame->Commands().Action(ID_UPLOAD_DATA)->trigger();
    EXPECT_TRUE(f.prompts->uploadQuestions.isEmpty());
    EXPECT_EQ(f.frame->TransfersStarted(), 1);
}

} // namespace
} // namespace app::test
