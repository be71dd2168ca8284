#include "controls/ControlUI.h"
#include "controls/ImageCache.h"
#include "controls/ImageDecoder.h"
#include "controls/ImageStringDrawing.h"
#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"
#include "platform/AreaStretch.h"
#include "platform/DrawingContext.h"

#include "support/MapArchive.h"
#include "support/PixelTestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using namespace MarkupUI;
using pixeltest::CountColour;
using pixeltest::CountOther;
using pixeltest::InkBox;
using pixeltest::Rgb;
using pixeltest::WhiteImage;
using platform::Rect;

namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kGreen = 0x00FF00;

QByteArray Png(const QImage& image)
{
    return pixeltest::EncodedImage(image);
}

QByteArray SolidPng(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour | 0xFF000000u);
    return Png(image);
}

using testsupport::MapArchive;

// A paint manager over an archive of test images, and a white surface.
class ImageStrings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        archive = std::make_shared<MapArchive>();
        archive->entries["red.png"] = SolidPng(4, 4, kRed);
        archive->entries["blue.png"] = SolidPng(2, 2, kBlue);
        QImage halves(2, 1, QImage::Format_RGB32);
        halves.setPixel(0, 0, qRgb(255, 0, 0));
        halves.setPixel(1, 0, qRgb(0, 0, 255));
        archive->entries["halves.png"] = Png(halves);
        // 3x3: green corners, blue edges, red centre.
        QImage nine(3, 3, QImage::Format_RGB32);
        nine.fill(qRgb(0, 0, 255));
        for (int p : {0, 2}) {
            nine.setPixel(p, 0, qRgb(0, 255, 0));
            nine.setPixel(p, 2, qRgb(0, 255, 0));
        }
        nine.setPixel(1, 1, qRgb(255, 0, 0));
        archive->entries["nine.png"] = Png(nine);
        CPaintManagerUI::SetResourceZip(archive, QStringLiteral("membuffer"));
    }
    void TearDown() override { CPaintManagerUI::SetResourceZip(nullptr, QString()); }

    QImage Draw(const QString& imageString, const Rect& control, int size = 60)
    {
        QImage image = WhiteImage(size, size);
        platform::DrawingContext dc(image);
        drawn = DrawImageString(dc, manager, control, Rect{0, 0, size, size}, imageString);
        return image;
    }

    std::shared_ptr<MapArchive> archive;
    CPaintManagerUI manager;
    bool drawn = false;
};

} // namespace

TEST_F(ImageStrings, ABareNameStretchesTheWholeImageOverTheControl)
{
    const QImage image = Draw(QStringLiteral("blue.png"), Rect{10, 10, 40, 30});
    EXPECT_TRUE(drawn);
    EXPECT_EQ(InkBox(image), QRect(10, 10, 30, 20));
    EXPECT_EQ(CountColour(image, image.rect(), kBlue), 600);
}

TEST_F(ImageStrings, DestIsRelativeToTheControlAndClippedToIt)
{
    const QImage image = Draw(QStringLiteral("file='red.png' dest='0,0,500,500'"), Rect{5, 5, 45, 25});
    EXPECT_EQ(InkBox(image), QRect(5, 5, 40, 20));
    const QImage inner = Draw(QStringLiteral("file='red.png' dest='10,5,20,15'"), Rect{5, 5, 45, 25});
    EXPECT_EQ(InkBox(inner), QRect(15, 10, 10, 10));
}

TEST_F(ImageStrings, SourcePicksPartOfTheImage)
{
    const QImage image = Draw(QStringLiteral("file='halves.png' source='1,0,2,1'"), Rect{0, 0, 10, 10});
    EXPECT_EQ(CountColour(image, QRect(0, 0, 10, 10), kBlue), 100);
    // A source beyond the image is cut to it.
    const QImage beyond = Draw(QStringLiteral("file='halves.png' source='1,0,90,90'"), Rect{0, 0, 10, 10});
    EXPECT_EQ(CountColour(beyond, QRect(0, 0, 10, 10), kBlue), 100);
}

TEST_F(ImageStrings, CornersKeepTheirSizeEdgesStretchAndHoleLeavesTheCentre)
{
    const QImage image = Draw(QStringLiteral("file='nine.png' corner='1,1,1,1'"), Rect{0, 0, 30, 20});
    EXPECT_EQ(CountColour(image, image.rect(), kGreen), 4) << "four one-pixel corners";
    EXPECT_EQ(CountColour(image, image.rect(), kRed), 28 * 18);
    EXPECT_EQ(CountColour(image, image.rect(), kBlue), 2 * 28 + 2 * 18);

    const QImage hole =
        Draw(QStringLiteral("file='nine.png' corner='1,1,1,1' hole='true'"), Rect{0, 0, 30, 20});
    EXPECT_EQ(CountColour(hole, hole.rect(), kRed), 0);
    EXPECT_EQ(Rgb(hole, 15, 10), 0xFFFFFFu);
}

TEST_F(ImageStrings, TiledCentreRepeatsAtSourceSize)
{
    const QImage image =
        Draw(QStringLiteral("file='halves.png' xtiled='true' ytiled='true'"), Rect{0, 0, 9, 3});
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(Rgb(image, x, 1), x % 2 == 0 ? kRed : kBlue) << x;
    }
    EXPECT_EQ(CountOther(image, QRect(9, 0, 51, 60)), 0);
}

TEST_F(ImageStrings, MaskAndFadeMakeImagesTransparent)
{
    const QImage masked = Draw(QStringLiteral("file='halves.png' mask='#FF0000'"), Rect{0, 0, 10, 10});
    EXPECT_EQ(CountColour(masked, QRect(0, 0, 5, 10), 0xFFFFFF), 50);
    EXPECT_EQ(CountColour(masked, QRect(5, 0, 5, 10), kBlue), 50);
    const QImage hexMask = Draw(QStringLiteral("file='halves.png' mask='0xFF0000'"), Rect{0, 0, 10, 10});
    EXPECT_EQ(hexMask, masked) << "the image picker writes a 0x prefix";

    const QImage invisible = Draw(QStringLiteral("file='red.png' fade='0'"), Rect{0, 0, 10, 10});
    EXPECT_EQ(CountOther(invisible, invisible.rect()), 0);
    const QImage half = Draw(QStringLiteral("file='red.png' fade='128'"), Rect{0, 0, 10, 10});
    EXPECT_NEAR(qGreen(half.pixel(5, 5)), 127, 2);
    EXPECT_EQ(qRed(half.pixel(5, 5)), 255);
}

TEST_F(ImageStrings, ASecondFileDrawsWhatWasCollectedAndKeepsItsParameters)
{
    const QImage image =
        Draw(QStringLiteral("file='red.png' dest='0,0,10,10' file='blue.png' source='0,0,1,1'"),
             Rect{0, 0, 40, 40});
    EXPECT_EQ(CountColour(image, image.rect(), kBlue), 100) << "blue drawn over red with red's dest";
    EXPECT_EQ(InkBox(image), QRect(0, 0, 10, 10));

    const QImage two =
        Draw(QStringLiteral("file='red.png' file='blue.png' dest='20,0,30,10'"), Rect{0, 0, 40, 40});
    EXPECT_EQ(Rgb(two, 5, 30), kRed);
    EXPECT_EQ(Rgb(two, 25, 5), kBlue);
}

TEST_F(ImageStrings, MissingOrBrokenImagesDrawNothing)
{
    archive->entries["broken.png"] = QByteArray("this is not a picture");
    for (const char* text : {"missing.png", "broken.png", "file='missing.png' dest='0,0,5,5'"}) {
        const QImage image = Draw(QString::fromLatin1(text), Rect{0, 0, 20, 20});
        EXPECT_FALSE(drawn) << text;
        EXPECT_EQ(CountOther(image, image.rect()), 0) << text;
    }
    const QImage partly = Draw(QStringLiteral("file='missing.png' file='blue.png'"), Rect{0, 0, 20, 20});
    EXPECT_FALSE(drawn);
    EXPECT_EQ(CountColour(partly, partly.rect(), kBlue), 400) << "the others are still drawn";
}

TEST_F(ImageStrings, SwitchingTheArchiveForgetsCachedImages)
{
    EXPECT_EQ(Rgb(Draw(QStringLiteral("red.png"), Rect{0, 0, 5, 5}), 2, 2), kRed);
    auto replaced = std::make_shared<MapArchive>();
    replaced->entries["red.png"] = SolidPng(1, 1, kGreen);
    CPaintManagerUI::SetResourceZip(replaced, QStringLiteral("membuffer"));
    EXPECT_EQ(Rgb(Draw(QStringLiteral("red.png"), Rect{0, 0, 5, 5}), 2, 2), kGreen);
}

TEST_F(ImageStrings, LocalFilesNamedByATemplateAreNeverRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("local.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SolidPng(2, 2, kRed));
    file.close();
    EXPECT_EQ(CountOther(Draw(path, Rect{0, 0, 10, 10}), QRect(0, 0, 60, 60)), 0);
    CPaintManagerUI::SetResourceZip(nullptr, QString());
    EXPECT_EQ(CountOther(Draw(path, Rect{0, 0, 10, 10}), QRect(0, 0, 60, 60)), 0)
        << "not even without an archive";
    EXPECT_FALSE(drawn);
}

TEST(ImageDecoder, RefusesDataThatIsNoImageOrTooLarge)
{
    QString why;
    EXPECT_FALSE(DecodeImage(QByteArray(), &why));
    EXPECT_FALSE(DecodeImage(QByteArray("GIF89a garbage"), &why));
    // Netpbm is no picture format of a ticket; its header reader overflowed.
    EXPECT_FALSE(DecodeImage(QByteArray("P6 2 2 255\n") + QByteArray(12, '\x7f'), &why));
    EXPECT_FALSE(DecodeImage(QByteArray("P") + QByteArray(60, '6') + QByteArray("\x89"), &why));

    // A valid PNG whose header claims 8000 x 8000 pixels is refused
    // before anything is decoded.
    QByteArray huge = SolidPng(1, 1, kRed);
    const char side[4] = {0, 0, 0x1F, 0x40};
    huge.replace(16, 4, side, 4);
    huge.replace(20, 4, side, 4);
    why.clear();
    EXPECT_FALSE(DecodeImage(huge, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("too large"))) << why.toStdString();

    ImageLimits small;
    small.maxEncodedBytes = 10;
    EXPECT_FALSE(DecodeImage(SolidPng(2, 2, kRed), &why, small));

    const std::optional<QImage> good = DecodeImage(SolidPng(3, 2, kBlue), &why);
    ASSERT_TRUE(good);
    EXPECT_EQ(good->size(), QSize(3, 2));
    EXPECT_EQ(good->pixel(2, 1) & 0xFFFFFFu, kBlue);
}

// Repainting a ticket full of pictures must not resample each of them
// every time, yet the stretched copies held stay bounded in memory.
TEST(ImageCacheStretching, HoldsManyPicturesButBoundsTheirPixels)
{
    ImageCache cache;
    QImage source(4, 4, QImage::Format_ARGB32_Premultiplied);
    source.fill(qRgb(200, 30, 30));
    const auto image = std::make_shared<const QImage>(source);
    const Rect whole{0, 0, 4, 4};
    auto stretch = [&](int w, int h) {
        return cache.Stretched(image, whole, platform::Size{w, h}, Rect{0, 0, w, h});
    };

    const qint64 first = stretch(10, 10).cacheKey();
    for (int i = 0; i < 600; ++i) {
        stretch(11 + i % 40, 10 + i / 40);
    }
    EXPECT_EQ(stretch(10, 10).cacheKey(), first) << "a crowded ticket resampled a picture";

    const qint64 big = stretch(1000, 1000).cacheKey();
    for (int i = 1; i <= 17; ++i) {
        stretch(1000 + i, 1000);
    }
    EXPECT_NE(stretch(1000, 1000).cacheKey(), big) << "more than the pixel budget was held";
    const QImage again = stretch(1000, 1000);
    EXPECT_EQ(again.size(), QSize(1000, 1000));
    EXPECT_EQ(again.pixel(500, 500), qRgb(200, 30, 30));
}

// Opaque pictures are held as RGB32 so that Qt copies them; the page must
// come out as blending the stretched picture made it, faded or not, and a
// picture with any translucent pixel must keep its alpha.
TEST(ImageCacheStretching, OpaquePicturesDrawTheSamePixelsAsBlendingThem)
{
    QImage opaque(7, 5, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < opaque.height(); ++y) {
        for (int x = 0; x < opaque.width(); ++x) {
            opaque.setPixel(x, y, qRgb(x * 30, y * 50, 90));
        }
    }
    QImage translucent = opaque;
    translucent.setPixel(3, 2, qPremultiply(qRgba(10, 200, 10, 128)));

    for (const bool isOpaque : {true, false}) {
        const QImage& source = isOpaque ? opaque : translucent;
        ImageCache cache;
        const Rect whole{0, 0, source.width(), source.height()};
        const platform::Size size{23, 17};
        const Rect part{2, 1, 21, 16};
        const QImage held = cache.Stretched(std::make_shared<const QImage>(source), whole, size, part);
        const QImage blended = platform::StretchAreaAveraged(source, whole, size, part);
        EXPECT_EQ(held.format(), isOpaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);

        // Faded too: a fade blends the picture over what lies beneath.
        for (const int fade : {255, 254, 128, 1}) {
            QImage expected = WhiteImage(30, 30);
            for (int y = 0; y < expected.height(); ++y) {
                expected.setPixel(y, y, qRgb(10, 20 * (y % 12), 250));
            }
            QImage actual = expected;
            platform::DrawingContext(expected).DrawImage(platform::Point{3, 4}, blended, fade);
            platform::DrawingContext(actual).DrawImage(platform::Point{3, 4}, held, fade);
            EXPECT_EQ(actual, expected) << "fade " << fade;
            QImage partExpected = WhiteImage(30, 30);
            QImage partActual = partExpected;
            const Rect corner{1, 2, 9, 11};
            platform::DrawingContext(partExpected).DrawImage(platform::Point{5, 6}, blended, corner, fade);
            platform::DrawingContext(partActual).DrawImage(platform::Point{5, 6}, held, corner, fade);
            EXPECT_EQ(partActual, partExpected) << "part, fade " << fade;
        }
    }
}
