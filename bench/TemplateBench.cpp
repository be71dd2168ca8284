// How the costs users feel grow with the template: opening, saving,
// dumping, painting the design view, the printed page, the black-and-white
// preview and the whole upload encode, at 10 to 5,000 elements. Each
// benchmark reports its cost per element, so a step that stops being linear
// shows up as a per-element cost that grows with the count.
#include "BenchMain.h"
#include "BenchTemplates.h"
#include "TemplateDump.h"

#include "check/TemplateCheck.h"
#include "controls/PaintManagerUI.h"
#include "device/PageRaster.h"
#include "device/UploadEncoder.h"
#include "document/DesignerDoc.h"
#include "elements/FormUI.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using document::CDesignerDoc;

// The document as the designer holds it after opening the file.
struct OpenedTemplate
{
    CDesignerDoc doc;
    explicit OpenedTemplate(int count)
    {
        doc.OnOpenDocument(bench::TemplatePath(count, bench::WorkDir()));
        document::ShowAsDesignView(doc);
    }
    MarkupUI::CFormUI& Form() { return *doc.GetForm(); }
    QImage Surface() const
    {
        const platform::Size size = doc.GetPaintManager()->GetInitSize();
        return QImage(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
    }
};

void PerElement(benchmark::State& state)
{
    state.counters["per_element"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Paint(MarkupUI::CFormUI& form, QImage& surface, bool staticOnly)
{
    surface.fill(Qt::white);
    platform::DrawingContext dc(surface);
    const platform::Rect page{0, 0, surface.width(), surface.height()};
    if (staticOnly) {
        form.DoPaintStatic(dc, page);
    } else {
        form.DoPaint(dc, page);
    }
}

void BM_Open(benchmark::State& state)
{
    const QString path = bench::TemplatePath(int(state.range(0)), bench::WorkDir());
    for (auto _ : state) {
        CDesignerDoc doc;
        if (!doc.OnOpenDocument(path)) {
            state.SkipWithError("cannot open the template");
            break;
        }
        document::ShowAsDesignView(doc);
        benchmark::DoNotOptimize(doc.GetForm()->GetCount());
    }
    PerElement(state);
}

void BM_Save(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    const QString target = QStringLiteral("%1/saved-%2.vt").arg(bench::WorkDir()).arg(state.range(0));
    for (auto _ : state) {
        if (!opened.doc.OnSaveDocument(target)) {
            state.SkipWithError("cannot save the template");
            break;
        }
    }
    PerElement(state);
}

void BM_Dump(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    for (auto _ : state) {
        const QByteArray json = QJsonDocument(cli::DumpTemplate(opened.doc)).toJson(QJsonDocument::Indented);
        benchmark::DoNotOptimize(json.constData());
    }
    PerElement(state);
}

// The view has painted once already: a repaint finds the elements' text
// images made.
void BM_DesignPaint(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    QImage surface = opened.Surface();
    Paint(opened.Form(), surface, false);
    for (auto _ : state) {
        Paint(opened.Form(), surface, false);
        benchmark::DoNotOptimize(surface.constBits());
    }
    PerElement(state);
}

// In the designer the view has painted the page before anything is
// printed or uploaded, so the elements' text images are made; without this
// the first, far slower iteration would weigh on the mean by however many
// iterations the library chose, and the figures would not compare.
void PaintAsTheViewDid(OpenedTemplate& opened)
{
    QImage surface = opened.Surface();
    Paint(opened.Form(), surface, false);
}

void BM_StaticPageImage(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    PaintAsTheViewDid(opened);
    for (auto _ : state) {
        const QImage page = device::RenderPageImage(opened.Form());
        benchmark::DoNotOptimize(page.constBits());
    }
    PerElement(state);
}

void BM_BlackAndWhitePreview(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    QImage surface = opened.Surface();
    Paint(opened.Form(), surface, false);
    for (auto _ : state) {
        Paint(opened.Form(), surface, false);
        platform::ReduceToBlackAndWhite(surface, surface.rect());
        benchmark::DoNotOptimize(surface.constBits());
    }
    PerElement(state);
}

// The glyph sets of the four dynamic fields, as every upload renders them.
void BM_GlyphSets(benchmark::State& state)
{
    OpenedTemplate opened(10);
    MarkupUI::CFormUI& form = opened.Form();
    const device::PrintableArea area{form.GetPrintableWidthDots(), form.GetPrintableHeightDots(),
                                     form.GetPrintableWidthView(), form.GetPrintableHeightView()};
    for (auto _ : state) {
        device::BufferList list;
        for (int i = 0; i < 4; ++i) {
            MarkupUI::CControlUI& field = *form.GetItemAt(i);
            device::EncodeGlyphSet(field, device::GlyphCharacters(field.GetElementKind()), area, i, list);
        }
        benchmark::DoNotOptimize(list.size());
    }
}

void StreamCounters(benchmark::State& state, std::size_t bytes)
{
    state.counters["stream_bytes"] = double(bytes);
    state.counters["stream_seconds_at_1MBps"] = double(bytes) / 1e6;
}

// The whole upload; "stream_share" is the encode time over the time the
// stream takes on full-speed USB (about 1 MB/s).
void BM_UploadEncode(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    PaintAsTheViewDid(opened);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const device::BufferList list = device::EncodeTemplateUpload(opened.Form());
        bytes = list.TotalBytes();
        benchmark::DoNotOptimize(bytes);
    }
    PerElement(state);
    StreamCounters(state, bytes);
}

// "ticket-cli encode upload": the first encode after opening, with every
// text image still to be made. Opening is not timed.
void BM_UploadEncodeAfterOpen(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto opened = std::make_unique<OpenedTemplate>(int(state.range(0)));
        state.ResumeTiming();
        const device::BufferList list = device::EncodeTemplateUpload(opened->Form());
        bytes = list.TotalBytes();
        benchmark::DoNotOptimize(bytes);
        state.PauseTiming();
        opened.reset();
        state.ResumeTiming();
    }
    PerElement(state);
    StreamCounters(state, bytes);
}

// "ticket-cli check" and the designer's check before an upload: every
// finding, the page image and the glyph sets included, after the view has
// painted the page.
void BM_TemplateCheck(benchmark::State& state)
{
    OpenedTemplate opened(int(state.range(0)));
    PaintAsTheViewDid(opened);
    for (auto _ : state) {
        const std::vector<check::Finding> findings = check::CheckTemplate(opened.Form());
        benchmark::DoNotOptimize(findings.data());
    }
    PerElement(state);
}

// Repetitions come from the command line (scripts/bench asks for five).
#define TICKET_SCALING(name)                                                                                 \
    BENCHMARK(name)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)

TICKET_SCALING(BM_Open);
TICKET_SCALING(BM_Save);
TICKET_SCALING(BM_Dump);
TICKET_SCALING(BM_DesignPaint);
TICKET_SCALING(BM_StaticPageImage);
TICKET_SCALING(BM_BlackAndWhitePreview);
TICKET_SCALING(BM_UploadEncodeAfterOpen);
TICKET_SCALING(BM_UploadEncode);
TICKET_SCALING(BM_TemplateCheck);
BENCHMARK(BM_GlyphSets)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::RunBenchmarks(argc, argv);
}
