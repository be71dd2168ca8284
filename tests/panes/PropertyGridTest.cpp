#include "PropertyTestSupport.h"

#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "panes/PropertiesToolBar.h"
#include "panes/PropertyEditAction.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace panestest {
namespace {

using namespace MarkupUI;
using panes::PropertyRow;
using Id = panes::PropertyRowId;

using PropertyGridEditing = PaneTest;

TEST_F(PropertyGridEditing, TypingChangesNothingUntilCommittedAndEscapeGivesTheOldValueBack)
{
    CControlUI* text = surface.Place(kElementText, {10, 10, 100, 40});
    pane.ShowProperty(text);
    PropertyRow* row = Row(Id::Text);

    QWidget* editor = OpenByClick(row);
    ASSERT_NE(editor, nullptr);
    TypeOver(editor, "draft");
    EXPECT_EQ(text->GetText(), "Text");
    EXPECT_EQ(row->TextValue(), "Text");
    Press(editor, Qt::Key_Escape);
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(row->TextValue(), "Text");
    EXPECT_EQ(text->GetText(), "Text");
    EXPECT_EQ(surface.history.Count(), 0);

    // Leaving the editor commits it, as Enter does.
    editor = OpenByClick(row);
    ASSERT_NE(editor, nullptr);
    TypeOver(editor, "kept");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {},
                      Grid().Tree()->visualItemRect(Grid().Tree()->topLevelItem(0)).center());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(text->GetText(), "kept");
    EXPECT_EQ(surface.history.Count(), 1);

    // Committing the value the row already has records nothing.
    ASSERT_TRUE(Type(row, "kept"));
    EXPECT_EQ(surface.history.Count(), 1);
}

TEST_F(PropertyGridEditing, KeysWalkTheRowsFoldGroupsAndEdit)
{
    pane.ShowProperty(&Form());
    QWidget* tree = Grid().Tree();
    tree->setFocus();
    Grid().SetCurrentRow(Row(Id::Department));
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(Grid().CurrentRow(), Row(Id::PaperWidth));
    EXPECT_EQ(Grid().DescriptionCaption(), "Paper width");
    EXPECT_EQ(Grid().DescriptionText(), "Paper width\nmm");

    // The DPI group cannot be typed into: Enter folds it open and shut, and
    // its rows only show.
    Grid().SetCurrentRow(Row(Id::Dpi));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(Grid().IsExpanded(Row(Id::Dpi)));
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(Grid().CurrentRow(), Row(Id::Dpi)->SubRow(0));
    QTest::keyClick(tree, Qt::Key_F2);
    EXPECT_FALSE(Grid().IsEditing());
    QTest::keyClick(tree, Qt::Key_Up);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_FALSE(Grid().IsExpanded(Row(Id::Dpi)));
    // A double click on a group's caption folds it too.
    const QTreeWidgetItem* margin = Grid().Tree()->findItems("Margin", Qt::MatchExactly).value(0);
    ASSERT_NE(margin, nullptr);
    const QPoint caption = Grid().Tree()->visualRect(Grid().Tree()->indexFromItem(margin, 0)).center();
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, caption);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, caption);
    EXPECT_TRUE(Grid().IsExpanded(Row(Id::Margin)));

    // The spin keys stay within 1 to 4; F2 edits, Tab commits and moves on.
    Grid().SetCurrentRow(Row(Id::Department));
    QTest::keyClick(tree, Qt::Key_F2);
    QWidget* spin = QApplication::focusWidget();
    ASSERT_TRUE(Grid().IsEditing());
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(spin, Qt::Key_Up);
    }
    Press(spin, Qt::Key_Tab);
    EXPECT_EQ(Form().GetDepartment(), 4);
    EXPECT_TRUE(Grid().IsEditing()) << "the next row's editor is open";
    EXPECT_EQ(Grid().CurrentRow(), Row(Id::PaperWidth));
    Press(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(Form().GetModel(), "58");
    EXPECT_EQ(surface.history.Count(), 1);
}

TEST_F(PropertyGridEditing, TheToolbarSortsTheShownRowsByCaptionAndBack)
{
    pane.ShowProperty(&Form());
    panes::CPropertiesToolBar& bar = *Sheet().ToolBar();
    EXPECT_TRUE(bar.CategorizedAction()->isChecked());
    const std::vector<PropertyRow*> built = Grid().ShownRows();

    QTest::mouseClick(bar.widgetForAction(bar.AlphabeticalAction()), Qt::LeftButton);
    EXPECT_TRUE(bar.AlphabeticalAction()->isChecked());
    EXPECT_FALSE(bar.CategorizedAction()->isChecked());
    const std::vector<PropertyRow*> sorted = Grid().ShownRows();
    ASSERT_EQ(sorted.size(), built.size());
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), [](const PropertyRow* a, const PropertyRow* b) {
        return QString::localeAwareCompare(a->Caption().trimmed(), b->Caption().trimmed()) < 0;
    }));
    EXPECT_NE(sorted, built);

    // Rows shown later sort too; sub-rows keep left, top, right, bottom.
    CControlUI* text = surface.Place(kElementText, {10, 10, 100, 40});
    pane.ShowProperty(text);
    EXPECT_EQ(Grid().ShownRows(), (std::vector<PropertyRow*>{Row(Id::Font), Row(Id::Pos), Row(Id::Text)}));
    EXPECT_EQ(Row(Id::Pos)->SubRow(0)->Caption(), "left");
    const QList<QTreeWidgetItem*> pos = Grid().Tree()->findItems("Pos", Qt::MatchExactly);
    ASSERT_EQ(pos.size(), 1);
    EXPECT_EQ(pos[0]->child(0)->text(0), "left");
    EXPECT_EQ(pos[0]->child(3)->text(0), "bottom");

    QTest::mouseClick(bar.widgetForAction(bar.CategorizedAction()), Qt::LeftButton);
    EXPECT_EQ(Grid().ShownRows(), (std::vector<PropertyRow*>{Row(Id::Font), Row(Id::Text), Row(Id::Pos)}));
}

TEST_F(PropertyGridEditing, TheFontButtonAppliesWhatTheChooserGivesAndUndoRestoresIt)
{
    auto* label = static_cast<CDesignLabelUI*>(surface.Place(kElementText, {10, 10, 200, 60}));
    const platform::FontDescription original = label->GetFontDescription();
    std::optional<platform::FontDescription> answer;
    int asked = 0;
    Grid().SetFontChooser([&](const platform::FontDescription& current, QWidget*) {
        ++asked;
        EXPECT_EQ(current, original);
        return answer;
    });
    pane.ShowProperty(label);
    const QPoint button = Grid().ButtonRect(Row(Id::Font)).center();

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, button); // cancelled
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(surface.history.Count(), 0);

    platform::FontDescription larger = original;
    larger.SetFaceName(u"Liberation Sans");
    larger.height = -30;
    larger.weight = platform::kFontWeightBold;
    answer = larger;
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, button);
    EXPECT_EQ(label->GetFontDescription(), larger);
    EXPECT_EQ(Row(Id::Font)->DisplayText(), "Liberation Sans, 30, Bold");
    EXPECT_EQ(surface.history.Count(), 1);

    surface.history.Undo();
    EXPECT_EQ(label->GetFontDescription(), original);
    EXPECT_EQ(Row(Id::Font)->FontValue(), original);
}

// The height follows the box: after a new box or text the row and the
// chooser start from the fitted height, so choosing only Italic keeps it.
TEST_F(PropertyGridEditing, TheFontRowAndChooserFollowTheFittedHeight)
{
    auto* label = static_cast<CDesignLabelUI*>(surface.Place(kElementText, {10, 10, 200, 40}));
    pane.ShowProperty(label);
    ASSERT_TRUE(Type(Row(Id::Pos), "10, 10, 400, 120"));
    const int fitted = label->GetFontDescription().height;
    ASSERT_TRUE(Type(Row(Id::Text), "Please wait until your number is called"));
    const platform::FontDescription refitted = label->GetFontDescription();
    EXPECT_NE(refitted.height, fitted); // a longer text stands lower in the box
    EXPECT_EQ(Row(Id::Font)->FontValue(), refitted);
    // A move of the box by anyone else reaches the row too.
    panes::PlaceElement(*label, {10, 10, 300, 60});
    label->AutoFitFont();
    pane.UpdatePosRows(label);
    EXPECT_EQ(Row(Id::Font)->FontValue(), label->GetFontDescription());

    platform::FontDescription offered;
    Grid().SetFontChooser([&](const platform::FontDescription& current, QWidget*) {
        offered = current;
        platform::FontDescription italic = current;
        italic.italic = true;
        return std::optional<platform::FontDescription>(italic);
    });
    const int before = label->GetFontDescription().height;
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, Grid().ButtonRect(Row(Id::Font)).center());
    EXPECT_EQ(offered.height, before);
    EXPECT_TRUE(label->GetFontDescription().italic);
    EXPECT_EQ(label->GetFontDescription().height, before);
}

TEST_F(PropertyGridEditing, TheImageButtonWaitsForThePickerAndOnlyANewPickIsAnEdit)
{
    CControlUI* picture = surface.Place(kElementPicture, {10, 10, 100, 100});
    picture->SetBkImage(QStringLiteral("old.png"));
    pane.ShowProperty(picture);
    PropertyRow* image = Row(Id::Image);
    const QPoint button = Grid().ButtonRect(image).center();

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, button);
    EXPECT_FALSE(Grid().CanEdit(image));
    EXPECT_FALSE(Grid().IsEditing());

    QString picked = QStringLiteral("old.png");
    Grid().SetImageChooser([&](const QString&, QWidget*) { return std::optional<QString>(picked); });
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, button);
    EXPECT_EQ(surface.history.Count(), 0) << "the same image again";

    picked = QStringLiteral("logo.png");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, button);
    EXPECT_EQ(picture->GetBkImage(), "logo.png");
    EXPECT_EQ(image->TextValue(), "logo.png");
    EXPECT_EQ(surface.history.Count(), 1);
}

} // namespace
} // namespace panestest
