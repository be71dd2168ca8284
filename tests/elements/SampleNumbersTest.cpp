#include "ElementTestForm.h"

#include "elements/NumberElements.h"

using namespace MarkupUI;
using elementtest::AttachedForm;
namespace SN = MarkupUI::SampleNumbers;

class SampleNumbersTest : public elementtest::SampleNumbersReset
{
};

TEST(NumberText, PaddedToTheLengthThenCut)
{
    EXPECT_EQ(SN::FormatNumber(123, 4, u'0'), QStringLiteral("0123"));
    EXPECT_EQ(SN::FormatNumber(123, 2, u'0'), QStringLiteral("12"));
    EXPECT_EQ(SN::FormatNumber(7, 2, u' '), QStringLiteral(" 7"));
    EXPECT_EQ(SN::FormatNumber(12345, 5, u'0'), QStringLiteral("12345"));
    EXPECT_EQ(SN::FormatNumber(-5, 4, u'0'), QStringLiteral("-005"));
    EXPECT_EQ(SN::FormatNumber(-5, 4, u' '), QStringLiteral("  -5"));
    EXPECT_EQ(SN::FormatNumber(INT32_MIN, 11, u'0'), QStringLiteral("-2147483648"));
    EXPECT_EQ(SN::FormatNumber(42, 0, u'0'), QString());
    EXPECT_EQ(SN::FormatNumber(42, -3, u'0'), QString());
    // A hostile length pads only up to the limit.
    EXPECT_EQ(SN::FormatNumber(1, INT32_MAX, u'0').size(), SN::kMaxPaddedLength);
}

TEST_F(SampleNumbersTest, ElementsShowTheSampleOfTheirKind)
{
    boost::intrusive_ptr<CQueuingNumUI> queuing(new CQueuingNumUI);
    queuing->SetAttribute(QStringLiteral("queuingnum"), QStringLiteral("123"));
    EXPECT_EQ(SN::Queuing(), 123);
    EXPECT_EQ(queuing->GetText(), QStringLiteral("0123"));
    queuing->SetAttribute(QStringLiteral("num_length"), QStringLiteral("2"));
    EXPECT_EQ(queuing->GetText(), QStringLiteral("12"));
    queuing->SetAttribute(QStringLiteral("num_length"), QStringLiteral("junk"));
    EXPECT_EQ(queuing->GetText(), QString());
    EXPECT_EQ(SN::Queuing(), 123);

    boost::intrusive_ptr<CWaitingCountUI> waiting(new CWaitingCountUI);
    EXPECT_EQ(waiting->GetNumLength(), 2);
    waiting->SetAttribute(QStringLiteral("waitingcount"), QStringLiteral("7"));
    EXPECT_EQ(waiting->GetText(), QStringLiteral(" 7"));

    boost::intrusive_ptr<CCurrentNumUI> current(new CCurrentNumUI);
    current->SetAttribute(QStringLiteral("currentnum"), QStringLiteral("9"));
    EXPECT_EQ(current->GetText(), QStringLiteral("0009"));
    // Sample names compare exactly; a sample of 0 shows nothing.
    current->SetAttribute(QStringLiteral("CurrentNum"), QStringLiteral("5"));
    EXPECT_EQ(SN::Current(), 9);
    current->SetSample(0);
    EXPECT_EQ(current->GetText(), QString());
    EXPECT_EQ(SN::Current(), 0);
}

TEST_F(SampleNumbersTest, SamplesOutliveTheirElementsAndAreShared)
{
    {
        boost::intrusive_ptr<CQueuingNumUI> first(new CQueuingNumUI);
        first->SetSample(321);
    }
    EXPECT_EQ(SN::Queuing(), 321);
    boost::intrusive_ptr<CQueuingNumUI> second(new CQueuingNumUI);
    EXPECT_EQ(second->GetText(), QStringLiteral("0321"));
}

TEST_F(SampleNumbersTest, FirstSamplesAreDrawnFromTheirRanges)
{
    for (int round = 0; round < 300; ++round) {
        Clear();
        boost::intrusive_ptr<CWaitingCountUI> waiting(new CWaitingCountUI);
        ASSERT_GE(SN::Waiting(), 1);
        ASSERT_LE(SN::Waiting(), 50);
        boost::intrusive_ptr<CQueuingNumUI> queuing(new CQueuingNumUI);
        ASSERT_GE(SN::Queuing(), 48);
        ASSERT_LE(SN::Queuing(), 299);
        boost::intrusive_ptr<CCurrentNumUI> current(new CCurrentNumUI);
        // Both others are set: the one now served is queuing minus waiting.
        ASSERT_EQ(SN::Current(), SN::Queuing() - SN::Waiting());

        Clear();
        SN::SetQueuing(100);
        boost::intrusive_ptr<CCurrentNumUI> alone(new CCurrentNumUI);
        ASSERT_GE(SN::Current(), 48);
        ASSERT_LE(SN::Current(), 100);
        Clear();
        boost::intrusive_ptr<CCurrentNumUI> first(new CCurrentNumUI);
        ASSERT_GE(SN::Current(), 48);
        ASSERT_LE(SN::Current(), 299);
        boost::intrusive_ptr<CQueuingNumUI> next(new CQueuingNumUI);
        ASSERT_GE(SN::Queuing(), SN::Current());
        ASSERT_LT(SN::Queuing(), 300);
    }
}

TEST_F(SampleNumbersTest, SamplesDerivedFromTheOtherTwo)
{
    SN::SetWaiting(5);
    SN::SetCurrent(60);
    boost::intrusive_ptr<CQueuingNumUI> queuing(new CQueuingNumUI);
    EXPECT_EQ(SN::Queuing(), 65);

    SN::SetWaiting(0);
    boost::intrusive_ptr<CWaitingCountUI> waiting(new CWaitingCountUI);
    EXPECT_EQ(SN::Waiting(), 5);

    // An existing sample is kept.
    SN::SetQueuing(77);
    boost::intrusive_ptr<CQueuingNumUI> again(new CQueuingNumUI);
    EXPECT_EQ(again->GetText(), QStringLiteral("0077"));

    // Huge samples saturate instead of overflowing.
    SN::SetQueuing(0);
    SN::SetWaiting(INT32_MAX);
    SN::SetCurrent(INT32_MAX);
    boost::intrusive_ptr<CQueuingNumUI> huge(new CQueuingNumUI);
    EXPECT_EQ(SN::Queuing(), INT32_MAX);
}

TEST_F(SampleNumbersTest, EmptyRangesStartAtTheirLowerEnd)
{
    // A current sample of 300 leaves no queuing numbers to draw from.
    SN::SetCurrent(300);
    boost::intrusive_ptr<CQueuingNumUI> queuing(new CQueuingNumUI);
    EXPECT_EQ(SN::Queuing(), 300);

    // A queuing sample of 47 leaves no current numbers to draw from.
    Clear();
    SN::SetQueuing(47);
    boost::intrusive_ptr<CCurrentNumUI> current(new CCurrentNumUI);
    EXPECT_EQ(SN::Current(), 48);

    // Extreme samples take no undefined arithmetic.
    Clear();
    SN::SetCurrent(INT32_MIN);
    boost::intrusive_ptr<CQueuingNumUI> low(new CQueuingNumUI);
    EXPECT_GE(SN::Queuing(), INT32_MIN);
}
