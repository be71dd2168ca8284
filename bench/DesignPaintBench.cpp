// How long the design view takes to paint a dense 80 mm ticket: about 100
// elements (60 texts, 25 shapes, 10 pictures and the 4 dynamic fields).
// The view repaints on every mouse move while dragging, so the median must
// stay within a few milliseconds (budget: 4 ms).
#include "BenchMain.h"
#include "DenseTicket.h"
#include "controls/PaintManagerUI.h"
#include "elements/FormUI.h"
#include "platform/DrawingContext.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <vector>

using namespace MarkupUI;
using platform::Rect;

namespace {

// An 80 mm ticket of 640 x 800 units filled with elements.
struct DenseTicket
{
    CPaintManagerUI manager;
    FormPtr form{new CFormUI};
    std::vector<CControlUI*> texts;

    DenseTicket()
    {
        bench::InstallDenseTicketPictures();
        form->SetModel(QStringLiteral("80"));
        manager.AttachDialog(form.get());
        form->SetSize(640, 800);
        texts = bench::FillDenseTicket(*form);
    }
};

void PaintPage(DenseTicket& ticket, QImage& surface)
{
    surface.fill(Qt::white);
    platform::DrawingContext dc(surface);
    ticket.form->DoPaint(dc, Rect{0, 0, 640, 800});
}

// Repainting an unchanged page, as when the view is scrolled or exposed.
void BM_PaintDenseTicket(benchmark::State& state)
{
    DenseTicket ticket;
    QImage surface(640, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        PaintPage(ticket, surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_PaintDenseTicket)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Dragging one text element: it moves before every repaint.
void BM_PaintDenseTicketWhileDragging(benchmark::State& state)
{
    DenseTicket ticket;
    QImage surface(640, 800, QImage::Format_ARGB32_Premultiplied);
    CControlUI* dragged = ticket.texts.front();
    int step = 0;
    for (auto _ : state) {
        const int dx = ++step % 40;
        dragged->SetPos(Rect{40 + dx, 80, 220 + dx + step % 3, 108});
        PaintPage(ticket, surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_PaintDenseTicketWhileDragging)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunBenchmarks(argc, argv);
}
