// A page leaves out elements that opaque pictures drawn after them paint
// over. That is only sound if every element paints inside the reach it
// states and a picture's cover really hides what lies beneath; both are
// checked here on random elements, and whole stacks against drawing every
// element in turn.
#include "elements/DesignImpl.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/TextEditUI.h"
#include "platform/DrawingContext.h"

#include "ElementTestForm.h"
#include "support/MapArchive.h"
#include "support/PixelTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace MarkupUI;
using platform::Rect;

namespace {

constexpr QRgb kBackground = 0xFF3A5F7Bu;
constexpr QRgb kOtherBackground = 0xFFC0FFEEu;

template <typename Element> class Counted : public Element
{
public:
    void DoPaint(platform::DrawingContext& dc, const Rect& paint) override
    {
        ++painted;
        Element::DoPaint(dc, paint);
    }
    int painted = 0;
};
using DesignElement = Counted<CDesignImpl>;
using TextElement = Counted<CTextEditUI>;

class HiddenElements : public elementtest::SampleNumbersReset
{
protected:
    void SetUp() override
    {
        SampleNumbersReset::SetUp();
        archive = std::make_shared<testsupport::MapArchive>();
        QImage opaque(7, 5, QImage::Format_RGB32);
        QImage seeThrough(6, 6, QImage::Format_ARGB32);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 7; ++x) {
                if (opaque.rect().contains(x, y)) {
                    opaque.setPixel(x, y, qRgb(40 * x, 50 * y, 200 - 20 * x));
                }
                if (seeThrough.rect().contains(x, y)) {
                    seeThrough.setPixel(x, y, x == 2 ? 0u : qRgba(30 * y, 0, 40 * x, 255));
                }
            }
        }
        archive->entries["opaque.png"] = pixeltest::EncodedImage(opaque);
        archive->entries["see-through.png"] = pixeltest::EncodedImage(seeThrough);
        archive->entries["red.png"] = pixeltest::EncodedPicture(3, 3, 0xFFFF0000u, "PNG");
        archive->entries["broken.png"] = QByteArray("not a picture");
        CPaintManagerUI::SetResourceZip(archive, QStringLiteral("membuffer"));
    }
    void TearDown() override
    {
        CPaintManagerUI::SetResourceZip(nullptr, QString());
        SampleNumbersReset::TearDown();
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <std::size_t N>
    const char* OneOf(const char* const (&choices)[N])
    {
        return choices[Between(0, int(N) - 1)];
    }

    QString RandomRect(int low, int high)
    {
        const int left = Between(low, high);
        const int top = Between(low, high);
        return QStringLiteral("%1,%2,%3,%4")
            .arg(left)
            .arg(top)
            .arg(left + Between(-2, high))
            .arg(top + Between(-2, high));
    }

    QString RandomImageString()
    {
        static const char* const files[] = {"opaque.png", "opaque.png", "see-through.png", "red.png",
                                            "missing.png", "broken.png"};
        QString text;
        const int images = Chance(20) ? 2 : 1;
        for (int i = 0; i < images; ++i) {
            text += QStringLiteral("file='%1' ").arg(QString::fromLatin1(OneOf(files)));
            if (Chance(30)) {
                text += QStringLiteral("dest='%1' ").arg(RandomRect(-20, 90));
            }
            if (Chance(20)) {
                text += QStringLiteral("source='%1' ").arg(RandomRect(-2, 8));
            }
            if (Chance(20)) {
                text += QStringLiteral("fade='%1' ").arg(OneOf({"0", "128", "254", "255"}));
            }
            if (Chance(15)) {
                text += QStringLiteral("mask='%1' ").arg(OneOf({"#FF0000", "#00FF00"}));
            }
            if (Chance(15)) {
                text += QStringLiteral("corner='%1,%2,%3,%4' ")
                            .arg(Between(0, 4))
                            .arg(Between(0, 4))
                            .arg(Between(0, 4))
                            .arg(Between(0, 4));
            }
            if (Chance(10)) {
                text += QStringLiteral("hole='true' ");
            }
            if (Chance(10)) {
                text += Chance(50) ? QStringLiteral("xtiled='true' ") : QStringLiteral("ytiled='true' ");
            }
        }
        return text;
    }

    ControlPtr RandomElement(int kind)
    {
        const int x = Between(-30, 280);
        const int y = Between(-30, 490);
        ControlPtr element = CreateElement(kind, Rect{x, y, x + Between(0, 120), y + Between(0, 90)});
        if (Chance(60)) {
            element->SetAttribute("bordersize", QString::number(Between(0, 9)));
        } else if (Chance(40)) {
            element->SetAttribute("bordersize", QStringLiteral("%1,%2,%3,%4")
                                                    .arg(Between(0, 7))
                                                    .arg(Between(0, 7))
                                                    .arg(Between(0, 7))
                                                    .arg(Between(0, 7)));
        }
        if (Chance(30)) {
            element->SetAttribute("borderstyle", QString::number(Between(0, 5)));
        }
        if (Chance(70)) {
            element->SetAttribute("bordercolor", OneOf({"#FF000000", "#FF00A0FF"}));
        }
        if (Chance(20)) {
            element->SetAttribute("borderround", OneOf({"8,6", "30,30", "0,5"}));
        }
        if (Chance(30)) {
            element->SetAttribute("bkcolor", OneOf({"#FF804020", "#80FF0000", "#00FF00FF"}));
            if (Chance(30)) {
                element->SetAttribute("bkcolor2", "#FF2040A0");
            }
            if (Chance(30)) {
                element->SetAttribute("bkcolor3", "#FF10F010");
            }
        }
        if (kind == kElementPicture ? Chance(90) : Chance(15)) {
            element->SetAttribute("bkimage", RandomImageString());
        }
        if (kind == kElementText) {
            element->SetAttribute("text", OneOf({"Window 7", "Please wait", "W"}));
        }
        return element;
    }

    ControlPtr RandomElement()
    {
        static const int kinds[] = {kElementText,          kElementPicture,      kElementQueuingNum,
                                    kElementWaitingCount,  kElementCurrentNum,   kElementTime,
                                    kElementHorizontalLine, kElementVerticalLine, kElementRectangle,
                                    kElementCircle};
        return RandomElement(kinds[Between(0, int(std::size(kinds)) - 1)]);
    }

    void Add(const ControlPtr& element)
    {
        page.form->Add(element.get());
        page.form->SetPos(page.form->GetPos());
    }

    // Pixels of a striped background, so that no colour an element leaves can
    // pass for it everywhere.
    static QImage Background(QRgb colour)
    {
        QImage image(290, 500, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor::fromRgb(colour));
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = y % 5; x < image.width(); x += 5) {
                image.setPixel(x, y, colour ^ 0x00FFFFFFu);
            }
        }
        return image;
    }

    QImage Paint(bool staticOnly, QRgb background, const Rect& paint = Rect{0, 0, 290, 500})
    {
        return elementtest::PaintForm(*page.form, Background(background), staticOnly, paint);
    }

    Rect Printable()
    {
        const platform::Size surface = page.manager.GetInitSize();
        const Rect margins = page.form->GetMargins();
        return Rect{margins.left, margins.top, surface.cx - margins.right, surface.cy - margins.bottom};
    }

    // The page as it was before elements could be left out: every element
    // drawn in turn on a copy of the printable area.
    QImage EveryElementInTurn(bool staticOnly, QRgb background, const Rect& paint)
    {
        QImage image = Background(background);
        platform::DrawingContext dc(image);
        const Rect area = platform::Intersect(platform::Intersect(Printable(), dc.ClipBox()), paint);
        QImage copy = dc.CopyArea(area);
        {
            platform::DrawingContext pageDc(copy);
            pageDc.SetOrigin(platform::Point{-area.left, -area.top});
            pageDc.IntersectClip(platform::Intersect(paint, page.form->GetPos()));
            for (int i = 0; i < page.form->GetCount(); ++i) {
                CControlUI* item = page.form->GetItemAt(i);
                if (!item->IsVisible() || platform::Intersect(item->GetPos(), paint).IsEmpty() ||
                    platform::Intersect(item->GetPos(), page.form->GetPos()).IsEmpty()) {
                    continue;
                }
                platform::ClipScope scope(pageDc);
                if (staticOnly) {
                    item->DoPaintStatic(pageDc, paint);
                } else {
                    item->DoPaint(pageDc, paint);
                }
            }
        }
        dc.CopyImage(platform::Point{area.left, area.top}, copy);
        return image;
    }

    std::shared_ptr<testsupport::MapArchive> archive;
    std::mt19937 random{11};
    elementtest::AttachedForm page;
};

} // namespace

TEST_F(HiddenElements, EveryKindPaintsOnlyInsideItsReach)
{
    for (int round = 0; round < 300; ++round) {
        const ControlPtr element = RandomElement();
        Add(element);
        const std::optional<Rect> reach = element->PaintReach();
        ASSERT_TRUE(reach.has_value()) << "every element kind says where it paints";
        for (const bool staticOnly : {false, true}) {
            for (const QRgb background : {kBackground, kOtherBackground}) {
                const QImage before = Background(background);
                const QImage after = Paint(staticOnly, background);
                for (int y = 0; y < after.height(); ++y) {
                    for (int x = 0; x < after.width(); ++x) {
                        if (after.pixel(x, y) != before.pixel(x, y)) {
                            ASSERT_TRUE(reach->Contains(platform::Point{x, y}))
                                << "kind " << element->GetElementKind() << " changed " << x << "," << y
                                << " in round " << round;
                        }
                    }
                }
            }
        }
        page.form->Remove(element.get());
    }
}

TEST_F(HiddenElements, APicturesCoverHidesWhatLayBeneath)
{
    int covers = 0;
    for (int round = 0; round < 300; ++round) {
        const ControlPtr picture = RandomElement(kElementPicture);
        Add(picture);
        const Rect cover = picture->OpaqueCover();
        covers += cover.IsEmpty() ? 0 : 1;
        for (const bool staticOnly : {false, true}) {
            const QImage one = Paint(staticOnly, kBackground);
            const QImage other = Paint(staticOnly, kOtherBackground);
            const Rect shown = platform::Intersect(cover, Rect{0, 0, 290, 500});
            for (int y = shown.top; y < shown.bottom; ++y) {
                for (int x = shown.left; x < shown.right; ++x) {
                    ASSERT_EQ(one.pixel(x, y), other.pixel(x, y))
                        << "the background shows at " << x << "," << y << " through "
                        << picture->GetBkImage().toStdString() << " in round " << round;
                }
            }
        }
        page.form->Remove(picture.get());
    }
    EXPECT_GT(covers, 30) << "enough opaque pictures for the check to mean something";
}

TEST_F(HiddenElements, StacksPaintAsEveryElementDrawnInTurn)
{
    for (int round = 0; round < 30; ++round) {
        page.form->RemoveAll();
        for (int i = 0; i < 40; ++i) {
            Add(RandomElement());
            if (Chance(15)) {
                // Large plain pictures, so that much lies under one.
                const int x = Between(-20, 200);
                const int y = Between(-20, 400);
                ControlPtr cover = CreateElement(kElementPicture, Rect{x, y, x + Between(40, 200), y + Between(40, 200)});
                cover->SetAttribute("bkimage", "opaque.png");
                Add(cover);
            }
        }
        const int left = Between(0, 200);
        const int top = Between(0, 400);
        for (const Rect paint : {Rect{0, 0, 290, 500}, Rect{left, top, left + Between(1, 120), top + Between(1, 120)}}) {
            for (const bool staticOnly : {false, true}) {
                ASSERT_EQ(Paint(staticOnly, kBackground, paint), EveryElementInTurn(staticOnly, kBackground, paint))
                    << "round " << round << (staticOnly ? ", page image" : ", design view");
            }
        }
    }
}

TEST_F(HiddenElements, OnlyWhatAnOpaquePictureHidesWhollyIsLeftOut)
{
    const boost::intrusive_ptr<DesignElement> under(new DesignElement);
    const boost::intrusive_ptr<DesignElement> peeking(new DesignElement);
    page.Place(under.get(), 20, 20, 50, 30);
    page.Place(peeking.get(), 100, 100, 60, 40);
    const ControlPtr picture = CreateElement(kElementPicture, Rect{10, 10, 150, 130});
    Add(picture);

    auto paintedAfter = [&](const QString& image) {
        picture->SetAttribute("bkimage", image);
        under->painted = peeking->painted = 0;
        Paint(false, kBackground);
        return std::make_pair(under->painted, peeking->painted);
    };
    EXPECT_EQ(paintedAfter("opaque.png"), std::make_pair(0, 1));
    EXPECT_EQ(paintedAfter("file='opaque.png' fade='200'"), std::make_pair(1, 1)) << "a faded picture shows it";
    EXPECT_EQ(paintedAfter("see-through.png"), std::make_pair(1, 1));
    EXPECT_EQ(paintedAfter("file='opaque.png' dest='20,0,140,120'"), std::make_pair(1, 1)) << "not over it all";
    EXPECT_EQ(paintedAfter("missing.png"), std::make_pair(1, 1));

    picture->SetAttribute("bkimage", "opaque.png");
    picture->SetAttribute("borderround", "10,10");
    under->painted = 0;
    Paint(false, kBackground);
    EXPECT_EQ(under->painted, 1) << "a rounded picture leaves its corners";
}

TEST_F(HiddenElements, ALabelUnderAPictureIsLeftOutOnlyOnceItsTextIsDrawn)
{
    const boost::intrusive_ptr<TextElement> label(new TextElement);
    page.Place(label.get(), 20, 20, 80, 30);
    label->SetText("Window 3");
    const ControlPtr picture = CreateElement(kElementPicture, Rect{10, 10, 150, 130});
    picture->SetAttribute("bkimage", "opaque.png");
    Add(picture);

    // Drawing text changes the state of Qt's font engines, which later text
    // can show: it is drawn as often and in the same order as ever.
    Paint(true, kBackground);
    EXPECT_EQ(label->painted, 1) << "its text image made";
    Paint(true, kBackground);
    EXPECT_EQ(label->painted, 1) << "left out once made";
    label->SetText("Window 4");
    Paint(true, kBackground);
    EXPECT_EQ(label->painted, 2) << "made again for the new text";
    label->SetAttribute("borderround", "6,6");
    Paint(true, kBackground);
    Paint(true, kBackground);
    EXPECT_EQ(label->painted, 4) << "a rounded label is never left out";
}

TEST_F(HiddenElements, APictureSpanningTheWholeCoordinateRangeCoversItAll)
{
    // Its area overflows signed 64 bits; the sanitizer build checks for that.
    const Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    const ControlPtr picture = CreateElement(kElementPicture, Rect{0, 0, 10, 10});
    Add(picture);
    picture->SetPos(huge);
    picture->SetAttribute("bkimage", "file='opaque.png' file='opaque.png' dest='0,0,5,5'");
    EXPECT_EQ(picture->OpaqueCover(), picture->GetPos());
}
