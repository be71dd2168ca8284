// How long encoding a full 80 mm ticket for upload takes, against the time
// its stream needs on a full-speed USB link (about 1 MB/s). The host must
// never be the bottleneck: encoding stays under a tenth of the wire time.
#include "BenchMain.h"
#include "controls/PaintManagerUI.h"
#include "device/UploadEncoder.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/TimeUI.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace MarkupUI;
using platform::Rect;

namespace {

constexpr double kUsbBytesPerSecond = 1.0e6;

// A typical bank ticket: a heading, texts, a frame, and all four dynamic
// fields (ticket number, waiting count, now serving, date and time).
struct UploadTicket
{
    CPaintManagerUI manager;
    FormPtr form{new CFormUI};

    UploadTicket()
    {
        form->SetModel(QStringLiteral("80"));
        manager.SetSurfaceReady(true);
        manager.AttachDialog(form.get());
        form->SetSize(640, 800);
        auto add = [&](int kind, int x, int y, int w, int h) {
            ControlPtr element = CreateElement(kind, Rect{x, y, x + w, y + h});
            form->Add(element.get());
            return element.get();
        };
        add(kElementText, 60, 90, 520, 50)->SetText(QStringLiteral("Welcome to City Bank"));
        for (int i = 0; i < 8; ++i) {
            add(kElementText, 60, 420 + i * 34, 520, 30)->SetText(QStringLiteral("Service notice line %1").arg(i));
        }
        add(kElementRectangle, 50, 150, 540, 160)->SetBorderSize(3);
        add(kElementHorizontalLine, 50, 400, 540, 3);
        add(kElementQueuingNum, 160, 170, 320, 120);
        add(kElementWaitingCount, 60, 330, 120, 40);
        add(kElementCurrentNum, 420, 330, 120, 40);
        auto* time = static_cast<CTimeUI*>(add(kElementTime, 60, 700, 520, 40));
        time->SetFormatIndex(0);
        form->SetPos(form->GetPos());
    }
};

void BM_EncodeTemplateUpload(benchmark::State& state)
{
    UploadTicket ticket;
    uint64_t streamBytes = 0;
    for (auto _ : state) {
        const device::BufferList list = device::EncodeTemplateUpload(*ticket.form);
        streamBytes = list.TotalBytes();
        benchmark::DoNotOptimize(streamBytes);
    }
    state.counters["stream_bytes"] = double(streamBytes);
    // The budget: a tenth of the time the stream takes on the wire.
    state.counters["budget_ms"] = double(streamBytes) / kUsbBytesPerSecond * 1000.0 / 10.0;
}
BENCHMARK(BM_EncodeTemplateUpload)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunBenchmarks(argc, argv);
}
