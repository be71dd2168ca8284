#pragma once

#include "controls/PaintManagerUI.h"
#include "elements/FormUI.h"
#include "elements/SampleNumbers.h"
#include "platform/DrawingContext.h"

#include <QImage>

#include <gtest/gtest.h>

namespace elementtest {

// A form attached to a paint manager, as a document holds it, whose view
// units equal printer dots: no print padding, 127 dpi, 290 units wide
// (58 mm at 127 dpi is 290 dots).
struct AttachedForm
{
    MarkupUI::CPaintManagerUI manager;
    MarkupUI::FormPtr form{new MarkupUI::CFormUI};

    explicit AttachedForm(int height = 500)
    {
        form->SetPrintPadding(platform::Rect{});
        form->SetDpi(127.0f, 127.0f);
        manager.SetSurfaceReady(true);
        manager.AttachDialog(form.get());
        form->SetSize(290, height);
    }

    // Adds an element at (x, y) with the given size and lays the form out.
    void Place(MarkupUI::CControlUI* element, int x, int y, int width, int height)
    {
        form->Add(element);
        element->SetFixedXY(platform::Size{x, y});
        element->SetFixedWidth(width);
        element->SetFixedHeight(height);
        form->SetPos(form->GetPos());
    }
};

// The form painted over `image`: every element, or the page image only.
inline QImage PaintForm(MarkupUI::CFormUI& form, QImage image, bool staticOnly, const platform::Rect& paint)
{
    platform::DrawingContext dc(image);
    if (staticOnly) {
        form.DoPaintStatic(dc, paint);
    } else {
        form.DoPaint(dc, paint);
    }
    return image;
}

// Sample numbers are process-wide: every test starts from a fresh program.
class SampleNumbersReset : public ::testing::Test
{
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear()
    {
        MarkupUI::SampleNumbers::SetQueuing(0);
        MarkupUI::SampleNumbers::SetWaiting(0);
        MarkupUI::SampleNumbers::SetCurrent(0);
    }
};

} // namespace elementtest
