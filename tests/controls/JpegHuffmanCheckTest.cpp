#include "controls/JpegHuffmanCheck.h"
#include "controls/ImageDecoder.h"

#include "support/PixelTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

using MarkupUI::DecodeImage;
using MarkupUI::HasOversizedJpegHuffmanTable;

namespace {

QByteArray RealJpeg()
{
    return pixeltest::EncodedPicture(16, 8, qRgb(200, 40, 40), "JPG");
}

} // namespace

TEST(JpegHuffmanCheckTest, TablesOfMoreThan256CodesAreRefusedBeforeDecoding)
{
    // Found by fuzzing: the decoder wrote code lengths past its tables.
    const QByteArray found =
        QByteArray::fromBase64("/9j////E//8AAAAAkwB/////AAAAAAAAAAAAAAAAAAAA//9CTf8a2A==");
    EXPECT_TRUE(HasOversizedJpegHuffmanTable(found));
    QString why;
    EXPECT_FALSE(DecodeImage(found, &why));
    EXPECT_EQ(why, "Corrupt JPEG: bad Huffman table");
    // The decoder skips any number of FF bytes before the start marker.
    EXPECT_TRUE(HasOversizedJpegHuffmanTable(QByteArray::fromBase64("///////Y/8RNAgL/AAAA/wj/")));

    // A sound file, then the same with one table claiming 255 more codes.
    QByteArray jpeg = RealJpeg();
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_FALSE(HasOversizedJpegHuffmanTable(jpeg));
    const std::optional<QImage> decoded = DecodeImage(jpeg, &why);
    ASSERT_TRUE(decoded) << why.toStdString();
    EXPECT_EQ(decoded->size(), QSize(16, 8));

    const qsizetype table = jpeg.indexOf("\xFF\xC4");
    ASSERT_GE(table, 0);
    jpeg[table + 4 + 1 + 15] = static_cast<char>(0xFF); // the count of 16-bit codes
    EXPECT_TRUE(HasOversizedJpegHuffmanTable(jpeg));
    EXPECT_FALSE(DecodeImage(jpeg, &why));

    // Not a JPEG at all: nothing to say.
    EXPECT_FALSE(HasOversizedJpegHuffmanTable(QByteArray("\xFF\xC4\xFF\xFF", 4)));
}
