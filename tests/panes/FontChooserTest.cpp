#include "panes/FontChooserDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace panes {
namespace {

platform::FontDescription Font(const char* face, int32_t height, int32_t weight)
{
    platform::FontDescription font;
    font.SetFaceName(QString::fromUtf8(face));
    font.height = height;
    font.weight = weight;
    font.charSet = 134;
    return font;
}

TEST(FontChooser, KeepsTheTemplatesFaceAndHeightConventionWhereNothingWasChanged)
{
    // Faces this machine only draws with look-alikes come back as written,
    // and OK without a change gives the very font back.
    for (const platform::FontDescription& font :
         {Font("Arial", -30, 700), Font("\xe5\xae\x8b\xe4\xbd\x93", 24, 0), Font("Times New Roman", 0, 400)}) {
        FontChooserDialog dialog(font);
        EXPECT_EQ(dialog.Chosen(), font) << font.FaceName().toStdString();
    }
}

TEST(FontChooser, TheHeightIsTypedInPixelsAndKeepsItsSign)
{
    struct Case
    {
        int32_t height;
        int32_t chosen;
    };
    for (const Case c : {Case{-30, -40}, Case{24, 40}, Case{0, -40}}) {
        FontChooserDialog dialog(Font("Arial", c.height, 0));
        dialog.show();
        auto* height = dialog.findChild<QSpinBox*>(QStringLiteral("fontHeight"));
        ASSERT_NE(height, nullptr);
        ASSERT_TRUE(height->hasFocus() || QApplication::focusWidget() == nullptr) << "the height starts focused";
        height->selectAll();
        QTest::keyClicks(height, QStringLiteral("40"));
        const platform::FontDescription chosen = dialog.Chosen();
        EXPECT_EQ(chosen.height, c.chosen) << c.height;
        EXPECT_EQ(chosen.FaceName(), QStringLiteral("Arial"));
        EXPECT_EQ(chosen.charSet, 134);
    }
    FontChooserDialog dialog(Font("Arial", -30, 0));
    dialog.findChild<QComboBox*>(QStringLiteral("fontFace"))->setEditText(QStringLiteral("Liberation Serif"));
    dialog.findChildren<QCheckBox*>().front()->setChecked(true); // Bold
    EXPECT_EQ(dialog.Chosen().FaceName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(dialog.Chosen().weight, platform::kFontWeightBold);
}

} // namespace
} // namespace panes
