#include "PropertyTestSupport.h"

#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/TimeFormatList.h"
#include "elements/TimeUI.h"

#include <functional>

namespace panestest {
namespace {

using namespace MarkupUI;
using panes::PropertyRowId;
using platform::Rect;

using PropertiesPane = PaneTest;

// A typed number the pane either takes (stored and shown) or refuses (the
// old value shown again, nothing recorded, the status bar saying why).
struct NumberCase
{
    const char* what;
    int kind; // the element shown
    PropertyRowId row;
    int subRow; // -1: the row itself
    QString typed;
    int32_t shown; // what the row shows afterwards
    bool recorded;
    std::function<int32_t(CControlUI&)> stored;
};

TEST_F(PropertiesPane, NumbersTheTemplateCannotHoldAreRefusedWithAReason)
{
    Form().SetCutoffNum(100);
    Form().SetMaxNum(5000);
    const auto maxNum = [](CControlUI& e) { return static_cast<CFormUI&>(e).GetMaxNum(); };
    const auto cutoff = [](CControlUI& e) { return static_cast<CFormUI&>(e).GetCutoffNum(); };
    const auto department = [](CControlUI& e) { return static_cast<CFormUI&>(e).GetDepartment(); };
    const auto copies = [](CControlUI& e) { return static_cast<CFormUI&>(e).GetPrintCount(); };
    const auto topMargin = [](CControlUI& e) { return static_cast<CFormUI&>(e).GetPrintPadding().top; };
    const auto digits = [](CControlUI& e) { return static_cast<CDesignLabelUI&>(e).GetNumLength(); };
    const auto border = [](CControlUI& e) { return e.GetBorderSize(); };

    const NumberCase cases[] = {
        {"ending above 9999", kElementForm, PropertyRowId::EndingNumber, -1, "10000", 5000, false, maxNum},
        {"negative ending", kElementForm, PropertyRowId::EndingNumber, -1, "-1", 5000, false, maxNum},
        {"ending below start is raised", kElementForm, PropertyRowId::EndingNumber, -1, "50", 100, true,
         maxNum},
        // Already at the start of 100: raised to what it was, nothing to record.
        {"ending of 0 is raised", kElementForm, PropertyRowId::EndingNumber, -1, "0", 100, false, maxNum},
        {"ending within range", kElementForm, PropertyRowId::EndingNumber, -1, "6000", 6000, true, maxNum},
        {"start above the end is lowered", kElementForm, PropertyRowId::StartingNumber, -1, "9999", 6000,
         true, cutoff},
        {"start of 0", kElementForm, PropertyRowId::StartingNumber, -1, "0", 0, true, cutoff},
        {"negative start", kElementForm, PropertyRowId::StartingNumber, -1, "-3", 0, false, cutoff},
        {"department 5", kElementForm, PropertyRowId::Department, -1, "5", 1, false, department},
        {"department -1", kElementForm, PropertyRowId::Department, -1, "-1", 1, false, department},
        {"department 0", kElementForm, PropertyRowId::Department, -1, "0", 0, true, department},
        {"no copies", kElementForm, PropertyRowId::PrintTimes, -1, "0", 1, false, copies},
        {"more copies than a byte", kElementForm, PropertyRowId::PrintTimes, -1, "256", 1, false, copies},
        {"three copies", kElementForm, PropertyRowId::PrintTimes, -1, "3", 3, true, copies},
        {"top margin of 100 mm", kElementForm, PropertyRowId::Margin, 1, "100", 10, false, topMargin},
        // 464 x 580 units on 58 mm paper: 8 units a millimetre, 10 mm below.
        {"margins meeting", kElementForm, PropertyRowId::Margin, 1, "63", 10, false, topMargin},
        {"top margin of 20 mm", kElementForm, PropertyRowId::Margin, 1, "20", 20, true, topMargin},
        {"five digits", kElementQueuingNum, PropertyRowId::DigitLength, -1, "5", 4, false, digits},
        {"no digits", kElementQueuingNum, PropertyRowId::DigitLength, -1, "0", 4, false, digits},
        {"three digits", kElementQueuingNum, PropertyRowId::DigitLength, -1, "3", 3, true, digits},
        {"invisible border", kElementRectangle, PropertyRowId::BorderSize, -1, "0", 1, false, border},
        {"border of 3", kElementRectangle, PropertyRowId::BorderSize, -1, "3", 3, true, border},
    };
    CControlUI* number = surface.Place(kElementQueuingNum, {10, 10, 110, 50});
    CControlUI* rectangle = surface.Place(kElementRectangle, {10, 60, 110, 100});
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.what);
        CControlUI* element = c.kind == kElementForm        ? &Form()
                              : c.kind == kElementRectangle ? rectangle
                                                            : number;
        pane.ShowProperty(element);
        const int32_t before = c.stored(*element);
        const int actions = surface.history.Count();
        surface.messages.clear();

        panes::PropertyRow* row = Row(c.row);
        panes::PropertyRow* edited = c.subRow < 0 ? row : row->SubRow(c.subRow);
        ASSERT_TRUE(c.subRow < 0 ? Type(row, c.typed) : TypeIntoSubRow(row, c.subRow, c.typed));

        EXPECT_EQ(edited->IntValue(), c.shown);
        EXPECT_FALSE(row->IsModified());
        EXPECT_EQ(c.stored(*element), c.recorded ? c.shown : before);
        EXPECT_EQ(surface.history.Count(), actions + (c.recorded ? 1 : 0));
        if (!c.recorded || c.shown != c.typed.toInt()) {
            ASSERT_EQ(surface.messages.size(), 1);
            EXPECT_FALSE(surface.messages.front().isEmpty());
            // In full under the grid.
            EXPECT_EQ(Sheet().Note(), surface.messages.front());
        } else {
            EXPECT_TRUE(surface.messages.isEmpty());
            EXPECT_TRUE(Sheet().Note().isEmpty()); // the next edit cleared it
        }
        pane.ShowProperty(nullptr);
    }
}

TEST_F(PropertiesPane, RefusalsSayWhichRowAndWhatItTakes)
{
    pane.ShowProperty(&Form());
    ASSERT_TRUE(Type(Row(PropertyRowId::EndingNumber), "10000"));
    ASSERT_EQ(surface.messages.size(), 1);
    EXPECT_EQ(surface.messages.front(), "Ending number must be from 0 to 9999; the previous value is kept.");
    EXPECT_EQ(Form().GetMaxNum(), 9999);
    EXPECT_FALSE(surface.document.IsModified());
}

TEST_F(PropertiesPane, PaperWidthFollowsTheModelInTheViewAndThroughUndo)
{
    pane.ShowProperty(&Form());
    panes::PropertyRow* paper = Row(PropertyRowId::PaperWidth);

    ASSERT_TRUE(Type(paper, "80"));
    EXPECT_EQ(Form().GetModel(), "80");
    EXPECT_EQ(surface.paperWidthMm, 80);
    EXPECT_EQ(surface.paperWidthChanges, 1);

    // Only the two papers there are: 76 would draw a 58 mm page.
    ASSERT_TRUE(Type(paper, "76"));
    EXPECT_EQ(Form().GetModel(), "80");
    EXPECT_EQ(paper->TextValue(), "80");
    EXPECT_EQ(surface.history.Count(), 1);
    EXPECT_EQ(Sheet().Note(), "Paper width must be 58 or 80 mm; the previous width is kept.");

    ASSERT_TRUE(Type(paper, "58"));
    EXPECT_EQ(surface.paperWidthMm, 58);
    EXPECT_EQ(surface.paperWidthChanges, 2);
    EXPECT_TRUE(Sheet().Note().isEmpty());

    surface.history.Undo();
    EXPECT_EQ(Form().GetModel(), "80");
    EXPECT_EQ(paper->TextValue(), "80");
    EXPECT_EQ(surface.paperWidthMm, 80);
    EXPECT_EQ(surface.paperWidthChanges, 3);
    surface.history.Redo();
    EXPECT_EQ(surface.paperWidthMm, 58);
    EXPECT_EQ(surface.paperWidthChanges, 4);

    // A template that holds another width keeps it and shows it as it is.
    Form().SetModel(QStringLiteral("70"));
    pane.ShowProperty(nullptr);
    pane.ShowProperty(&Form());
    EXPECT_EQ(paper->TextValue(), "70");
    EXPECT_EQ(Form().GetModel(), "70");
}

TEST_F(PropertiesPane, NumberResetIsPickedFromItsTwoChoices)
{
    pane.ShowProperty(&Form());
    panes::PropertyRow* reset = Row(PropertyRowId::NumberReset);
    EXPECT_EQ(reset->TextValue(), "00:00");

    QWidget* combo = OpenByClick(reset);
    ASSERT_NE(combo, nullptr);
    Press(combo, Qt::Key_Down);
    EXPECT_FALSE(Grid().IsEditing()) << "a pick is the edit";
    EXPECT_EQ(Form().GetZeroing(), 1);

    // Shown again from the form.
    pane.ShowProperty(nullptr);
    pane.ShowProperty(&Form());
    EXPECT_EQ(reset->TextValue(), "Boot");

    combo = OpenByClick(reset);
    ASSERT_NE(combo, nullptr);
    Press(combo, Qt::Key_Up);
    EXPECT_EQ(Form().GetZeroing(), 0);
    EXPECT_EQ(reset->TextValue(), "00:00");
}

TEST_F(PropertiesPane, UndoOfAPositionEditMovesTheElementBackAndShowsTheOldNumbers)
{
    CControlUI* text = surface.Place(kElementText, {10, 20, 110, 60});
    pane.ShowProperty(text);
    panes::PropertyRow* pos = Row(PropertyRowId::Pos);
    EXPECT_EQ(pos->DisplayText(), "10, 20, 110, 60");

    ASSERT_TRUE(Type(pos, "30,40, 130 ,90"));
    EXPECT_EQ(text->GetPos(), (Rect{30, 40, 130, 90}));
    EXPECT_EQ(text->GetFixedXY(), (platform::Size{30, 40}));

    ASSERT_TRUE(TypeIntoSubRow(pos, 2, "150"));
    EXPECT_EQ(text->GetFixedWidth(), 120);
    EXPECT_EQ(surface.history.Count(), 2);

    surface.history.Undo();
    surface.history.Undo();
    EXPECT_EQ(text->GetPos(), (Rect{10, 20, 110, 60}));
    EXPECT_EQ(pos->DisplayText(), "10, 20, 110, 60");
    EXPECT_FALSE(pos->IsModified());
    surface.history.Redo();
    EXPECT_EQ(text->GetPos(), (Rect{30, 40, 130, 90}));
    EXPECT_EQ(pos->DisplayText(), "30, 40, 130, 90");

    // A text that is not four numbers leaves everything as it was.
    ASSERT_TRUE(Type(pos, "1, 2, 3"));
    EXPECT_EQ(pos->DisplayText(), "30, 40, 130, 90");
    EXPECT_EQ(surface.history.Count(), 2);
}

TEST_F(PropertiesPane, UndoOfATimeFormatGivesTheExactTimeTextBack)
{
    auto* time = static_cast<CTimeUI*>(surface.Place(kElementTime, {10, 10, 200, 40}));
    time->SetText(QStringLiteral("2020-01-02 03:04:05")); // as read from a template
    pane.ShowProperty(time);

    for (int i = 0; i < 4; ++i) {
        QWidget* combo = OpenByClick(Row(PropertyRowId::TimeFormat));
        ASSERT_NE(combo, nullptr);
        Press(combo, Qt::Key_Down);
    }
    ASSERT_EQ(time->GetFormatIndex(), 4) << "four picks, one format further each";
    EXPECT_EQ(Row(PropertyRowId::TimeFormat)->TextValue(), "HH:MM:SS");
    EXPECT_EQ(Row(PropertyRowId::TimeText)->TextValue(), time->GetText());
    EXPECT_EQ(time->GetText().size(), 8);

    for (int i = 0; i < 4; ++i) {
        surface.history.Undo();
    }
    EXPECT_EQ(time->GetFormatIndex(), 0);
    EXPECT_EQ(time->GetText(), "2020-01-02 03:04:05");
    EXPECT_EQ(Row(PropertyRowId::TimeText)->TextValue(), "2020-01-02 03:04:05");
    EXPECT_EQ(Row(PropertyRowId::TimeFormat)->TextValue(), TimeFormatList::At(0));
}

TEST_F(PropertiesPane, NothingIsWrittenOnceTheElementIsNoLongerShownOrOnTheForm)
{
    CControlUI* text = surface.Place(kElementText, {10, 20, 110, 60});
    pane.ShowProperty(text);
    panes::PropertyRow* textRow = Row(PropertyRowId::Text);

    // An editor left open when the selection empties is dropped.
    QWidget* editor = OpenByClick(textRow);
    ASSERT_NE(editor, nullptr);
    TypeOver(editor, "late");
    pane.ShowProperty(nullptr);
    EXPECT_FALSE(Grid().IsEditing());
    // An edit that arrives after all changes nothing.
    textRow->SetValue(QStringLiteral("late"));
    pane.ApplyPropertyChange(*textRow, PropertyRowId::Text);
    EXPECT_EQ(text->GetText(), "Text");

    // Removed (an undone creation) while still shown: the sheet lets go.
    pane.ShowProperty(text);
    const MarkupUI::ControlPtr held(text);
    Form().Remove(text);
    ASSERT_TRUE(Type(textRow, "orphan"));
    EXPECT_EQ(text->GetText(), "Text");
    EXPECT_EQ(pane.ShownElement(), nullptr);
    EXPECT_TRUE(Grid().ShownRows().empty());
    EXPECT_EQ(surface.history.Count(), 0);

    // Without a view every edit is dropped and the row shows the template.
    CControlUI* other = surface.Place(kElementText, {10, 70, 110, 100});
    pane.ShowProperty(other);
    pane.SetDesignSurface(nullptr);
    ASSERT_TRUE(Type(textRow, "viewless"));
    EXPECT_EQ(other->GetText(), "Text");
    EXPECT_EQ(textRow->TextValue(), "Text");
}

TEST_F(PropertiesPane, UndoRefreshesTheRowsOnlyOfTheElementShown)
{
    CControlUI* first = surface.Place(kElementText, {10, 20, 110, 60});
    CControlUI* second = surface.Place(kElementText, {10, 70, 110, 110});
    second->SetText(QStringLiteral("second"));
    pane.ShowProperty(first);
    ASSERT_TRUE(Type(Row(PropertyRowId::Text), "first edited"));
    pane.ShowProperty(second);

    surface.history.Undo();
    EXPECT_EQ(first->GetText(), "Text");
    EXPECT_EQ(Row(PropertyRowId::Text)->TextValue(), "second");
    surface.history.Redo();
    EXPECT_EQ(Row(PropertyRowId::Text)->TextValue(), "second");
    EXPECT_EQ(Row(PropertyRowId::Pos)->DisplayText(), "10, 70, 110, 110");

    // The next edit goes to the element shown, and only to it.
    ASSERT_TRUE(Type(Row(PropertyRowId::Text), "second edited"));
    EXPECT_EQ(second->GetText(), "second edited");
    EXPECT_EQ(first->GetText(), "first edited");
}

TEST_F(PropertiesPane, TrackerMovesAndMarginsReachTheRowsOfTheShownElementOnly)
{
    CControlUI* line = surface.Place(kElementHorizontalLine, {10, 20, 110, 25});
    CControlUI* other = surface.Place(kElementVerticalLine, {200, 20, 205, 120});
    pane.ShowProperty(line);
    line->SetFixedXY({40, 50});
    other->SetFixedXY({0, 0});
    pane.NotifyElementChanged(other, 1);
    EXPECT_EQ(Row(PropertyRowId::Pos)->DisplayText(), "10, 20, 110, 25");
    pane.NotifyElementChanged(line, 1);
    EXPECT_EQ(Row(PropertyRowId::Pos)->DisplayText(), "40, 50, 140, 55");

    pane.ShowProperty(&Form());
    Form().SetPrintPadding({5, 12, 5, 14});
    pane.NotifyElementChanged(&Form(), 4);
    EXPECT_EQ(Row(PropertyRowId::Margin)->DisplayText(), "5, 12, 5, 14");
}

} // namespace
} // namespace panestest
