#include "controls/ImageDecoder.h"
#include "controls/PngChunkCheck.h"

#include "support/PixelTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

using MarkupUI::DecodeImage;
using MarkupUI::HasPngChunkPastTheEnd;

namespace {

QByteArray RealPng()
{
    return pixeltest::EncodedPicture(12, 6, qRgb(10, 120, 240), "PNG");
}

void SetLength(QByteArray& png, qsizetype chunkType, uint32_t length)
{
    for (int i = 0; i < 4; ++i) {
        png[chunkType - 4 + i] = static_cast<char>(length >> (24 - 8 * i));
    }
}

} // namespace

TEST(PngChunkCheckTest, ChunksClaimingMoreThanTheFileAreRefusedBeforeDecoding)
{
    QString why;
    const QByteArray sound = RealPng();
    ASSERT_FALSE(HasPngChunkPastTheEnd(sound));
    const std::optional<QImage> decoded = DecodeImage(sound, &why);
    ASSERT_TRUE(decoded) << why.toStdString();
    EXPECT_EQ(decoded->size(), QSize(12, 6));

    // Picture data claiming a gigabyte, in a file of a hundred bytes.
    QByteArray lying = sound;
    SetLength(lying, lying.indexOf("IDAT"), 1u << 30);
    EXPECT_TRUE(HasPngChunkPastTheEnd(lying));
    EXPECT_FALSE(DecodeImage(lying, &why));
    EXPECT_EQ(why, "Corrupt PNG: a chunk runs past the end of the file");
    // Cut one byte inside the picture data's checksum, and right after it.
    const qsizetype idat = sound.indexOf("IDAT");
    const QByteArray lengthField = sound.mid(idat - 4, 4);
    const qsizetype idatEnd = idat + 4 + qsizetype(uint8_t(lengthField[2])) * 256 + uint8_t(lengthField[3]) + 4;
    ASSERT_EQ(lengthField.left(2), QByteArray(2, '\0'));
    EXPECT_TRUE(HasPngChunkPastTheEnd(sound.left(idatEnd - 1)));
    EXPECT_FALSE(HasPngChunkPastTheEnd(sound.left(idatEnd)));
    // Cut after the picture data: the check has nothing to say, the decoder refuses.
    EXPECT_FALSE(HasPngChunkPastTheEnd(sound.left(sound.indexOf("IEND") - 4)));
    EXPECT_FALSE(DecodeImage(sound.left(sound.indexOf("IEND") - 4)));

    // The decoder reads neither the end chunk's length nor anything after it.
    QByteArray oddEnd = sound;
    SetLength(oddEnd, oddEnd.indexOf("IEND"), 0x7FFFFFFF);
    oddEnd += QByteArray("\x40\0\0\0tEXtjunk", 12);
    EXPECT_FALSE(HasPngChunkPastTheEnd(oddEnd));
    EXPECT_TRUE(DecodeImage(oddEnd, &why)) << why.toStdString();

    EXPECT_FALSE(HasPngChunkPastTheEnd(QByteArray("GIF89a\xff\xff\xff\xff", 10)));
}
