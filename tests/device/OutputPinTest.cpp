// Pins every output the speed work touches to what the code produced before
// it was tuned: the template markup, the design view, the black-and-white
// preview, the printer's page image and the whole upload stream of a
// generated template. A faster path that moves a single pixel or byte fails
// here.
//
// The checksums were computed by the unoptimised code on the fonts that
// scripts/setup installs (Liberation, WenQuanYi Micro Hei); a font package
// that draws differently changes them too, and then they must be recomputed
// from the code before the change under test. They hold for the C locale
// the test runs under; a Chinese locale gives new elements other defaults.
#include "BenchTemplates.h"

#include "controls/PaintManagerUI.h"
#include "device/PageRaster.h"
#include "device/UploadEncoder.h"
#include "document/DesignerDoc.h"
#include "document/TemplateWriter.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace {

using document::CDesignerDoc;

std::string Sha1(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toStdString();
}

// Size and format go in too, so a reshaped image cannot match by accident.
std::string Sha1(const QImage& image)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()) + '/' +
                 QByteArray::number(int(image.format())));
    for (int y = 0; y < image.height(); ++y) {
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.bytesPerLine()));
    }
    return hash.result().toHex().toStdString();
}

class OutputPinTest : public testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString path = bench::TemplatePath(GetParam(), m_dir.path());
        ASSERT_FALSE(path.isEmpty());
        ASSERT_TRUE(m_doc.OnOpenDocument(path));
        ASSERT_TRUE(m_doc.OpenWarnings().isEmpty());
        document::ShowAsDesignView(m_doc);
    }

    QImage Paint()
    {
        const platform::Size size = m_doc.GetPaintManager()->GetInitSize();
        QImage image(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        platform::DrawingContext dc(image);
        m_doc.GetForm()->DoPaint(dc, platform::Rect{0, 0, size.cx, size.cy});
        return image;
    }

    QTemporaryDir m_dir;
    CDesignerDoc m_doc;
};

struct Pins
{
    int elements;
    const char* markup;
    const char* design;
    const char* preview;
    const char* page;
    const char* upload;
};

const Pins kPins[] = {
    {10, "b25a93eaf4f142475b0ea3e16aed84b09cffaf08", "0ecb7a71b3569005fe44e6f421ac9c52c34f98c3",
     "1c2fae26ac4893bd2f216bf30cc33416f29b26d3", "a8455b56de4fd6e98612123ce5a39219672522d4",
     "fa571b5132085f8779e68309f884ded6df71521c"},
    {100, "3ebb5d4c7d5fcd62b2f0f541dfee14de476ec2d1", "ef65cff828a0eaa8c8485004d4900a491cedab1f",
     "947e81d142ccde1014f48dbb884f3e0cba47ab94", "29cc6032ebdf61b9d5a3691bc10b254a1d762e17",
     "8de9b8ee9419f8f3318a7bba468ee87e11fea600"},
};

const Pins& PinsFor(int elements)
{
    for (const Pins& pins : kPins) {
        if (pins.elements == elements) {
            return pins;
        }
    }
    std::abort();
}

TEST_P(OutputPinTest, SavedMarkupIsUnchanged)
{
    const QByteArray markup =
        document::WriteTemplateMarkup(*m_doc.GetForm(), *m_doc.GetPaintManager(), m_doc.GetDirectory());
    EXPECT_EQ(Sha1(markup), PinsFor(GetParam()).markup);
}

TEST_P(OutputPinTest, DesignViewAndPreviewPixelsAreUnchanged)
{
    QImage image = Paint();
    EXPECT_EQ(Sha1(image), PinsFor(GetParam()).design);
    platform::ReduceToBlackAndWhite(image, image.rect());
    EXPECT_EQ(Sha1(image), PinsFor(GetParam()).preview);
}

TEST_P(OutputPinTest, PrintedPageAndUploadStreamAreUnchanged)
{
    EXPECT_EQ(Sha1(device::RenderPageImage(*m_doc.GetForm())), PinsFor(GetParam()).page);
    const device::BufferList upload = device::EncodeTemplateUpload(*m_doc.GetForm());
    QByteArray stream;
    for (std::size_t i = 0; i < upload.size(); ++i) {
        // Buffer boundaries matter too: each buffer is one USB write.
        stream += QByteArray::number(upload[i].size()) + ':';
        stream += QByteArray(reinterpret_cast<const char*>(upload[i].data()), qsizetype(upload[i].size()));
    }
    EXPECT_EQ(Sha1(stream), PinsFor(GetParam()).upload);
}

INSTANTIATE_TEST_SUITE_P(GeneratedTemplates, OutputPinTest, testing::Values(10, 100));

} // namespace
