#include "ElementTestForm.h"

#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"

using namespace MarkupUI;
using elementtest::AttachedForm;
using platform::Rect;
using platform::Size;

class ElementFactory : public elementtest::SampleNumbersReset
{
};

TEST_F(ElementFactory, PlacesTheNewElementAtTheDroppedRectangle)
{
    const ControlPtr element = CreateElement(kElementQueuingNum, Rect{30, 40, 130, 80});
    ASSERT_TRUE(element);
    EXPECT_EQ(element->GetClass(), QStringLiteral("QueuingNumUI"));
    EXPECT_EQ(element->GetFixedXY(), (Size{30, 40}));
    EXPECT_EQ(element->GetFixedWidth(), 100);
    EXPECT_EQ(element->GetFixedHeight(), 40);
    EXPECT_NE(SampleNumbers::Queuing(), 0);

    // The form positions it from there, relative to its own corner.
    AttachedForm page;
    page.form->Add(element.get());
    page.form->SetPos(Rect{5, 5, 295, 505});
    EXPECT_EQ(element->GetPos(), (Rect{35, 45, 135, 85}));
    EXPECT_EQ(element->GetFixedXY(), (Size{30, 40}));
}

TEST_F(ElementFactory, EveryKindWithItsNamesAndSetUp)
{
    struct Expected
    {
        int kind;
        const char* className;
        const char* interfaceName;
        bool designLabel;
        int borderSize;
    };
    const Expected kinds[] = {
        {101, "FormUI", "Form", false, 0},
        {102, "PictureUI", "Picture", false, 0},
        {103, "TextEditUI", "TextEdit", true, 0},
        {104, "QueuingNumUI", "QueuingNum", true, 0},
        {105, "WaitingCountUI", "WaitingCount", true, 0},
        {106, "CurrentNumUI", "CurrentNum", true, 0},
        {107, "TimeUI", "Time", true, 0},
        {108, "HorzontalLineUI", "HorzontalLine", false, 1},
        {109, "VerticalLineUI", "VerticalLine", false, 1},
        {110, "RectangleUI", "Rectangle", false, 1},
        {111, "CircularUI", "Circular", false, 1},
    };
    for (const Expected& e : kinds) {
        SCOPED_TRACE(e.kind);
        const ControlPtr element = CreateElement(e.kind, Rect{0, 0, 50, 20});
        ASSERT_TRUE(element);
        EXPECT_EQ(element->GetElementKind(), e.kind);
        EXPECT_EQ(element->GetClass(), QString::fromLatin1(e.className));
        EXPECT_EQ(element->GetInterface(QString::fromLatin1(e.interfaceName)), element.get());
        EXPECT_NE(element->GetInterface(QStringLiteral("Control")), nullptr);
        EXPECT_EQ(element->GetInterface(QStringLiteral("designlabel")) != nullptr, e.designLabel);
        EXPECT_EQ(element->GetInterface(QStringLiteral("Unknown")), nullptr);
        EXPECT_EQ(element->IsFloat(), e.kind != kElementForm);
        EXPECT_EQ(element->GetBorderSize(), e.borderSize);
        EXPECT_EQ(element->GetBorderColor(), 0u);
    }
    EXPECT_EQ(CreateElement(kElementText, Rect{})->GetText(), QStringLiteral("Text"));
}

TEST_F(ElementFactory, UnknownKindsCreateNothing)
{
    for (int kind : {0, 100, 112, -1}) {
        EXPECT_FALSE(CreateElement(kind, Rect{0, 0, 10, 10})) << kind;
    }
    EXPECT_EQ(SampleNumbers::Queuing(), 0);
}

TEST_F(ElementFactory, InvertedOrHugeRectanglesStayInRange)
{
    const ControlPtr inverted = CreateElement(kElementRectangle, Rect{50, 50, 10, 10});
    EXPECT_EQ(inverted->GetFixedWidth(), 0);
    EXPECT_EQ(inverted->GetFixedHeight(), 0);
    const ControlPtr huge = CreateElement(kElementRectangle, Rect{INT32_MIN, 0, INT32_MAX, 10});
    EXPECT_EQ(huge->GetFixedWidth(), INT32_MAX);
}

TEST(DesignElementRepaint, RequestsCoverTheViewOffsetAndHandles)
{
    struct Recorder : PaintSurfaceObserver
    {
        std::vector<Rect> rects;
        void SurfaceResized(Size) override {}
        void SurfaceInvalidated(const Rect& rect) override { rects.push_back(rect); }
    } recorder;
    AttachedForm page;
    const ControlPtr line = CreateElement(kElementHorizontalLine, Rect{10, 10, 110, 15});
    page.form->Add(line.get());
    page.form->SetPos(page.form->GetPos());
    page.manager.SetSurfaceObserver(&recorder);
    line->Invalidate();
    ASSERT_EQ(recorder.rects.size(), 1u);
    EXPECT_EQ(recorder.rects.back(), (Rect{24, 24, 136, 41}));
    line->SetPos(Rect{20, 10, 120, 15});
    EXPECT_EQ(recorder.rects.back(), (Rect{24, 24, 146, 41}));
    page.manager.SetSurfaceObserver(nullptr);
}
