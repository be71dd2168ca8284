// A ticket must print the same whatever the program drew before it: in a
// long designer session the preview, the page and the glyph sets of an
// upload are drawn after any number of other templates, and a printer dot
// that flips with that history makes the printed ticket differ from what a
// fresh `ticket-cli render --mode device` shows.
#include "controls/PaintManagerUI.h"
#include "device/PageRaster.h"
#include "device/UploadEncoder.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cstdint>
#include <future>
#include <vector>

using namespace MarkupUI;

namespace {

struct Element
{
    int kind;
    platform::Rect rect;
    QString text;
    QString font;
};

QString Font(const char* face, int height)
{
    return QStringLiteral("name='%1' height='%2'").arg(QString::fromUtf8(face)).arg(height);
}

// Large text comes first, so nothing of the ticket's own is drawn before it;
// the queuing number's glyphs are drawn at its large design size too.
std::vector<Element> Ticket()
{
    return {
        {kElementText, {20, 20, 300, 120}, QStringLiteral("0213"), Font("Arial", 83)},
        {kElementText, {300, 20, 440, 110}, QStringLiteral("A-17"), Font("Times New Roman", 90)},
        {kElementQueuingNum, {20, 130, 330, 230}, QStringLiteral("213"), Font("Arial", 90)},
        {kElementWaitingCount, {340, 130, 420, 210}, QStringLiteral("40"), Font("Arial", 70)},
        {kElementText, {20, 240, 230, 270}, QStringLiteral("Please wait"), Font("Arial", 24)},
        {kElementCurrentNum, {240, 240, 420, 320}, QStringLiteral("173"), Font("Times New Roman", 70)},
        {kElementText,
         {20, 330, 440, 420},
         QStringLiteral("Window 3 \xe7\xaa\x97\xe5\x8f\xa3"),
         Font("\xe5\xae\x8b\xe4\xbd\x93", 80)},
        {kElementText, {20, 430, 300, 560}, QStringLiteral("B 0875"), Font("Arial", 120)},
    };
}

// Other tickets: other texts, faces and sizes, small and large, ending with
// small text at fractional positions. Each holds three glyph sets, so a
// handful of them push the ticket's own out of those the encoder keeps.
std::vector<Element> Other(int i)
{
    static const char* const faces[] = {"Arial", "Times New Roman", "\xe5\xae\x8b\xe4\xbd\x93"};
    const char* face = faces[i % 3];
    return {
        {kElementText,
         {10, 10, 400, 90 + 7 * i},
         QStringLiteral("Counter %1").arg(i),
         Font(face, 70 + 9 * i)},
        {kElementQueuingNum, {10, 120, 200 + 13 * i, 170 + 9 * i}, QString::number(400 + i), Font(face, 40)},
        {kElementWaitingCount, {10, 260, 150, 290 + 11 * i}, QString::number(17 * i), Font(face, 30)},
        {kElementCurrentNum, {200, 260, 460, 360}, QString::number(90 + i), Font("Arial", 100)},
        {kElementText, {13, 400, 300, 440 + 3 * i}, QStringLiteral("Window %1").arg(126 + i), Font(face, 40)},
        {kElementText,
         {7, 460, 150 + 7 * i, 472 + i},
         QStringLiteral("Window %1 please").arg(126 + i),
         Font("Arial", 11)},
    };
}

// A default 58 mm page, 464 x 580 view units, holding the elements.
class Page
{
public:
    explicit Page(const std::vector<Element>& elements)
    {
        m_manager.SetSurfaceReady(true);
        m_manager.AttachDialog(m_form.get());
        m_form->SetSize(464, 580);
        for (const Element& e : elements) {
            ControlPtr element = CreateElement(e.kind, e.rect);
            // Text before font: a field keeps the font a template gives it
            // instead of one fitted to the box.
            element->SetAttribute(QStringLiteral("text"), e.text);
            element->SetAttribute(QStringLiteral("font"), e.font);
            m_form->Add(element.get());
        }
        m_form->SetPos(m_form->GetPos());
    }

    CFormUI& Form() { return *m_form; }

    QImage DesignView()
    {
        const platform::Size size = m_manager.GetInitSize();
        QImage image(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        platform::DrawingContext dc(image);
        m_form->DoPaint(dc, platform::Rect{0, 0, size.cx, size.cy});
        return image;
    }

private:
    CPaintManagerUI m_manager;
    FormPtr m_form{new CFormUI};
};

enum class Output
{
    DesignView,
    Preview,
    PageBits,
    UploadStream,
};

const char* NameOf(Output output)
{
    switch (output) {
    case Output::DesignView:
        return "design view";
    case Output::Preview:
        return "black-and-white preview";
    case Output::PageBits:
        return "page bits";
    case Output::UploadStream:
        return "upload stream";
    }
    return "";
}

std::vector<uint8_t> Bytes(const QImage& image)
{
    std::vector<uint8_t> bytes;
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* line = image.constScanLine(y);
        bytes.insert(bytes.end(), line, line + image.width() * 4);
    }
    return bytes;
}

// From a page of its own, so that its texts are drawn anew instead of
// taken from another page's text images.
std::vector<uint8_t> Produce(Output output, const std::vector<Element>& elements)
{
    Page page(elements);
    switch (output) {
    case Output::DesignView:
        return Bytes(page.DesignView());
    case Output::Preview: {
        QImage image = page.DesignView();
        platform::ReduceToBlackAndWhite(image, image.rect());
        return Bytes(image);
    }
    case Output::PageBits:
        return device::PackImageBits(device::RenderPageImage(page.Form())).bits;
    case Output::UploadStream:
        return device::EncodeTemplateUpload(page.Form()).Concatenate();
    }
    return {};
}

// As a program just started makes it: a new thread draws with font engines
// and held glyph sets of its own.
std::vector<uint8_t> ProduceAsAFreshProgram(Output output, const std::vector<Element>& elements)
{
    return std::async(std::launch::async, [&] { return Produce(output, elements); }).get();
}

// Draws and encodes other tickets the way a session does.
void DrawOthers(int from, int to)
{
    const int step = from <= to ? 1 : -1;
    for (int i = from; i != to + step; i += step) {
        Produce(Output::DesignView, Other(i));
        Produce(Output::UploadStream, Other(i));
    }
}

int DifferentBytes(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    if (a.size() != b.size()) {
        return -1;
    }
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        count += a[i] != b[i] ? 1 : 0;
    }
    return count;
}

} // namespace

TEST(DrawOrder, ATicketGivesTheSameOutputAloneAndAfterOtherTickets)
{
    for (const Output output :
         {Output::DesignView, Output::Preview, Output::PageBits, Output::UploadStream}) {
        SCOPED_TRACE(NameOf(output));
        const std::vector<uint8_t> alone = ProduceAsAFreshProgram(output, Ticket());
        ASSERT_FALSE(alone.empty());
        // Six tickets hold more glyph sets than the encoder keeps, so the
        // ticket's own are drawn again.
        DrawOthers(0, 5);
        EXPECT_EQ(DifferentBytes(alone, Produce(output, Ticket())), 0) << "after six other tickets";
        DrawOthers(11, 6);
        EXPECT_EQ(DifferentBytes(alone, Produce(output, Ticket())), 0) << "after six more in another order";
    }
}
