// What the design view costs on screen: a repaint of its whole client area
// (rulers, margins, elements, guides, markers, selection) and one frame of
// dragging an element, where only the outline's old and new places are
// repainted. Budget: 4 ms a frame on the dense 80 mm ticket.
#include "BenchTemplates.h"
#include "DenseTicket.h"
#include "document/DesignerDoc.h"
#include "editor/DesignPreview.h"
#include "editor/DesignerView.h"
#include "elements/FormUI.h"
#include "platform/HeapTuning.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using MarkupUI::CControlUI;

constexpr QSize kClient(900, 1000);

// A designer window's view showing a template, painted once.
struct ShownTemplate
{
    // count 0: the dense 80 mm ticket; otherwise the generated template.
    explicit ShownTemplate(int count)
    {
        if (count == 0) {
            document.OnNewDocument();
            document.GetForm()->SetModel(QStringLiteral("80"));
            view = std::make_unique<editor::CDesignerView>(document);
            // After the new template, whose empty archive replaced any other.
            bench::InstallDenseTicketPictures();
            bench::FillDenseTicket(*document.GetForm());
        } else {
            document.OnOpenDocument(bench::TemplatePath(count, bench::WorkDir()));
            view = std::make_unique<editor::CDesignerView>(document);
        }
        view->resize(kClient);
        view->show();
        QCoreApplication::processEvents();
        // The first paint makes the elements' text images, as on screen.
        surface = QImage(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        view->PaintViewport(surface, surface.rect());
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &event);
    }

    document::CDesignerDoc document;
    std::unique_ptr<editor::CDesignerView> view;
    QImage surface;
};

void BM_ViewRepaint(benchmark::State& state)
{
    ShownTemplate shown(int(state.range(0)));
    for (auto _ : state) {
        shown.view->PaintViewport(shown.surface, shown.surface.rect());
        benchmark::DoNotOptimize(shown.surface.constBits());
    }
}
BENCHMARK(BM_ViewRepaint)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// One mouse move of a drag and the repaint it asks for, as the window
// system would deliver them.
void BM_ViewDragFrame(benchmark::State& state)
{
    ShownTemplate shown(int(state.range(0)));
    editor::CDesignerView& view = *shown.view;
    CControlUI* element = shown.document.GetForm()->GetItemAt(0);
    view.SelectElements({element});
    const platform::Rect pos = element->GetPos();
    const QPoint grip = view.ToViewport(platform::Point{pos.left + 2, pos.top + 2});
    shown.Mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        shown.Mouse(QEvent::MouseMove, grip + QPoint(step, step / 2), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    shown.Mouse(QEvent::MouseButtonRelease, grip, Qt::NoButton);
}
BENCHMARK(BM_ViewDragFrame)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// Opening the print preview: the window made and its first frame painted,
// the page reduced to black and white. Budget: 100 ms on the dense ticket.
void BM_PreviewOpen(benchmark::State& state)
{
    ShownTemplate shown(int(state.range(0)));
    for (auto _ : state) {
        editor::CDesignPreview preview(*shown.view);
        preview.resize(kClient);
        preview.show();
        QImage frame(preview.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        preview.PaintViewport(frame, frame.rect());
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_PreviewOpen)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    platform::TuneHeapForPageImages();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
