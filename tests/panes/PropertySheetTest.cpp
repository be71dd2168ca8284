#include "PropertyTestSupport.h"

#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "panes/PropertyTexts.h"
#include "support/CapturedLog.h"

#include <QSet>
#include <QTranslator>

#include <vector>

namespace panestest {
namespace {

using namespace MarkupUI;
using panes::PropertyRowId;
using Id = PropertyRowId;

using PropertySheet = PaneTest;

std::vector<Id> ShownIds(panes::PropertyGrid& grid)
{
    std::vector<Id> ids;
    for (const panes::PropertyRow* row : grid.ShownRows()) {
        ids.push_back(row->Id());
    }
    return ids;
}

TEST_F(PropertySheet, EachKindShowsItsOwnRowsInBuildOrder)
{
    const struct
    {
        int kind;
        std::vector<Id> rows;
    } cases[] = {
        {kElementForm,
         {Id::Department, Id::PaperWidth, Id::StartingNumber, Id::EndingNumber, Id::NumberReset,
          Id::PrintTimes, Id::Dpi, Id::Margin}},
        {kElementPicture, {Id::Image, Id::Pos}},
        {kElementText, {Id::Font, Id::Text, Id::Pos}},
        {kElementQueuingNum, {Id::DigitLength, Id::Font, Id::Pos, Id::QueuingSample}},
        {kElementWaitingCount, {Id::DigitLength, Id::Font, Id::Pos, Id::WaitingSample}},
        {kElementCurrentNum, {Id::DigitLength, Id::Font, Id::Pos, Id::CurrentSample}},
        {kElementTime, {Id::Font, Id::Pos, Id::TimeText, Id::TimeFormat}},
        {kElementHorizontalLine, {Id::Pos, Id::BorderSize}},
        {kElementVerticalLine, {Id::Pos, Id::BorderSize}},
        {kElementRectangle, {Id::Pos, Id::BorderSize}},
        {kElementCircle, {Id::Pos, Id::BorderSize}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        CControlUI* element = c.kind == kElementForm ? &Form() : surface.Place(c.kind, {20, 30, 120, 70});
        pane.ShowProperty(element);
        EXPECT_EQ(pane.ShownElement(), element);
        EXPECT_EQ(ShownIds(Grid()), c.rows);
        for (const panes::PropertyRow* row : Grid().ShownRows()) {
            EXPECT_FALSE(row->IsModified()) << row->Caption().toStdString();
        }
        if (c.kind != kElementForm) {
            EXPECT_EQ(Row(Id::Pos)->DisplayText(), "20, 30, 120, 70");
            EXPECT_FALSE(Grid().IsExpanded(Row(Id::Pos))) << "groups start folded";
        }
    }
    pane.ShowProperty(nullptr);
    EXPECT_TRUE(Grid().ShownRows().empty());
    EXPECT_EQ(pane.ShownElement(), nullptr);
}

TEST_F(PropertySheet, TheFormSheetShowsThePageSettingsAsTheTemplateHoldsThem)
{
    Form().SetModel(QStringLiteral("76"));
    Form().SetZeroing(2);
    Form().SetDpi(203.2f, 406.4f);
    Form().SetPrintPadding({3, 7, 4, 9});
    Form().SetDepartment(3);
    pane.ShowProperty(&Form());

    EXPECT_EQ(Row(Id::PaperWidth)->TextValue(), "76");
    EXPECT_EQ(Row(Id::NumberReset)->TextValue(), "Boot");
    EXPECT_EQ(Row(Id::Dpi)->DisplayText(), "203.2, 406.4");
    EXPECT_EQ(Row(Id::Margin)->DisplayText(), "3, 7, 4, 9");
    EXPECT_EQ(Row(Id::Department)->IntValue(), 3);
    EXPECT_EQ(Row(Id::EndingNumber)->IntValue(), 9999);
}

TEST_F(PropertySheet, ShowingTheElementAlreadyShownReloadsNothing)
{
    CControlUI* text = surface.Place(kElementText, {10, 10, 100, 40});
    pane.ShowProperty(text);
    text->SetText(QStringLiteral("changed elsewhere"));
    pane.ShowProperty(text);
    EXPECT_EQ(Row(Id::Text)->TextValue(), "Text");
    pane.ShowProperty(nullptr);
    pane.ShowProperty(text);
    EXPECT_EQ(Row(Id::Text)->TextValue(), "changed elsewhere");
}

TEST_F(PropertySheet, AnElementOfNoKnownKindIsLoggedAndShowsNothing)
{
    testsupport::CapturedLog log;
    const ControlPtr label(new CDesignLabelUI);
    pane.ShowProperty(&Form());
    pane.ShowProperty(label.get());
    EXPECT_TRUE(Grid().ShownRows().empty());
    EXPECT_EQ(pane.ShownElement(), nullptr);
    EXPECT_NE(log.Text().find("<Debug>ShowProperty(" + label->GetClass().toStdString() + ") error"),
              std::string::npos)
        << log.Text();
}

// Translates the sheet's texts from its own table, as the compiled Chinese
// translation will.
class TableTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        if (QByteArray(context) != panes::kPropertyTextContext) {
            return {};
        }
        for (const panes::PropertyText& text : panes::PropertyTexts()) {
            if (QByteArray(text.english) == source) {
                return QString::fromUtf8(text.chinese);
            }
        }
        return {};
    }
};

TEST(PropertySheetTexts, EveryCaptionAndDescriptionExistsInBothLanguages)
{
    QSet<QString> chinese;
    for (const panes::PropertyText& text : panes::PropertyTexts()) {
        SCOPED_TRACE(text.english);
        const QString zh = QString::fromUtf8(text.chinese);
        EXPECT_FALSE(QString::fromUtf8(text.english).isEmpty());
        EXPECT_FALSE(zh.isEmpty());
        EXPECT_NE(zh, QString::fromUtf8(text.english));
        chinese << zh;
    }

    TableTranslator translator;
    QCoreApplication::installTranslator(&translator);
    panes::CUIProperties sheet;
    QCoreApplication::removeTranslator(&translator);

    int rows = 0;
    std::function<void(const panes::PropertyRow&)> check = [&](const panes::PropertyRow& row) {
        ++rows;
        SCOPED_TRACE(row.Caption().toStdString());
        if (row.Id() != Id::Dpi) { // a literal in both languages
            EXPECT_TRUE(chinese.contains(row.Caption()));
        }
        EXPECT_TRUE(row.Description().isEmpty() || chinese.contains(row.Description()));
        for (const auto& sub : row.SubRows()) {
            check(*sub);
        }
    };
    for (const auto& row : sheet.Grid()->Rows()) {
        check(*row);
    }
    EXPECT_EQ(rows, 29);
    EXPECT_EQ(sheet.Row(Id::NumberReset)->Options().value(1), "开机");
    EXPECT_EQ(sheet.Row(Id::BorderSize)->Caption(), "线宽");
}

} // namespace
} // namespace panestest
