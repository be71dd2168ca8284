// How long the design view takes to paint a dense 80 mm ticket: about 100
// elements (60 texts, 25 shapes, 10 pictures and the 4 dynamic fields).
// The view repaints on every mouse move while dragging, so the median must
// stay within a few milliseconds (budget: 4 ms).
#include "BenchMain.h"
#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "platform/DrawingContext.h"

#include <QBuffer>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>

using namespace MarkupUI;
using platform::Rect;

namespace {

class PictureArchive : public ResourceArchive
{
public:
    PictureArchive()
    {
        for (int i = 0; i < 10; ++i) {
            QImage image(96, 64, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 36, 200, 180));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            m_entries[QStringLiteral("logo%1.png").arg(i)] = bytes;
        }
    }
    std::optional<QByteArray> ReadEntry(const QString& name) const override
    {
        const auto found = m_entries.find(name);
        return found == m_entries.end() ? std::nullopt : std::optional<QByteArray>(found->second);
    }

private:
    std::map<QString, QByteArray> m_entries;
};

// An 80 mm ticket of 640 x 800 units filled with elements.
struct DenseTicket
{
    CPaintManagerUI manager;
    FormPtr form{new CFormUI};
    std::vector<CControlUI*> texts;

    DenseTicket()
    {
        CPaintManagerUI::SetResourceZip(std::make_shared<PictureArchive>(), QStringLiteral("membuffer"));
        form->SetModel(QStringLiteral("80"));
        manager.AttachDialog(form.get());
        form->SetSize(640, 800);
        auto add = [&](int kind, int x, int y, int w, int h) {
            ControlPtr element = CreateElement(kind, Rect{x, y, x + w, y + h});
            form->Add(element.get());
            return element.get();
        };
        for (int i = 0; i < 60; ++i) {
            CControlUI* text = add(kElementText, 40 + (i % 3) * 190, 80 + (i / 3) * 32, 180, 28);
            text->SetText(QStringLiteral("Counter %1 please").arg(i));
            texts.push_back(text);
        }
        for (int i = 0; i < 25; ++i) {
            static const int kinds[] = {kElementHorizontalLine, kElementVerticalLine, kElementRectangle,
                                        kElementCircle};
            CControlUI* shape = add(kinds[i % 4], 40 + (i % 5) * 110, 80 + (i / 5) * 130, 100, 60);
            shape->SetAttribute(QStringLiteral("bordersize"), QString::number(1 + i % 3));
        }
        for (int i = 0; i < 10; ++i) {
            CControlUI* picture = add(kElementPicture, 40 + (i % 5) * 112, 600 + (i / 5) * 70, 100, 60);
            picture->SetAttribute(QStringLiteral("bkimage"), QStringLiteral("logo%1.png").arg(i));
        }
        add(kElementQueuingNum, 200, 100, 240, 90);
        add(kElementWaitingCount, 60, 200, 120, 40);
        add(kElementCurrentNum, 400, 200, 120, 40);
        add(kElementTime, 60, 560, 500, 30);
        form->SetPos(form->GetPos());
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
