#pragma once

#include "document/DesignerDoc.h"
#include "editor/DesignSurface.h"
#include "editor/EditHistory.h"
#include "elements/ElementFactory.h"
#include "elements/FormUI.h"
#include "elements/SampleNumbers.h"
#include "panes/PropertiesWnd.h"
#include "panes/PropertyGrid.h"
#include "panes/PropertyRow.h"
#include "panes/PropertyTree.h"
#include "panes/UIProperties.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace panestest {

// A design view as the pane sees it: a real document shown at its design
// size with a real edit history, recording what the pane asks of the view.
class FakeSurface : public editor::DesignSurface
{
public:
    FakeSurface()
    {
        document.OnNewDocument();
        document::ShowAsDesignView(document);
        history.Reset(&document);
        paperWidthMm = document.GetForm()->GetPaperWidthMm();
    }

    editor::EditHistory& History() override { return history; }
    MarkupUI::CFormUI* Form() const override { return document.GetForm(); }
    int PaperWidthMm() const override { return paperWidthMm; }
    void PaperWidthChanged() override
    {
        ++paperWidthChanges;
        paperWidthMm = Form()->GetPaperWidthMm();
    }
    void InvalidateView() override { ++invalidations; }
    void ShowStatusMessage(const QString& text) override { messages << text; }

    // An element of a kind placed on the form, as the toolbox places one.
    MarkupUI::CControlUI* Place(int kind, const platform::Rect& rect)
    {
        const MarkupUI::ControlPtr element = MarkupUI::CreateElement(kind, rect);
        Form()->Add(element.get());
        Form()->SetPos(Form()->GetPos());
        return element.get();
    }

    document::CDesignerDoc document;
    editor::EditHistory history;
    int paperWidthMm = 58;
    int paperWidthChanges = 0;
    int invalidations = 0;
    QStringList messages;
};

// The properties pane on its own window, wired to a fake view, driven by
// real mouse and key events. Sample numbers are process-wide: each test
// starts and ends without them.
class PaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearSamples();
        pane.SetDesignSurface(&surface);
        pane.resize(320, 560);
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
        pane.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pane));
    }
    void TearDown() override { ClearSamples(); }
    static void ClearSamples()
    {
        MarkupUI::SampleNumbers::SetQueuing(0);
        MarkupUI::SampleNumbers::SetWaiting(0);
        MarkupUI::SampleNumbers::SetCurrent(0);
    }

    panes::CUIProperties& Sheet() { return *pane.Sheet(); }
    panes::PropertyGrid& Grid() { return *Sheet().Grid(); }
    panes::PropertyRow* Row(panes::PropertyRowId id) { return Sheet().Row(id); }
    QWidget* Viewport() { return Grid().Tree()->viewport(); }
    MarkupUI::CFormUI& Form() { return *surface.Form(); }

    // Clicks a row's value, which opens its editor, and gives that editor.
    QWidget* OpenByClick(panes::PropertyRow* row)
    {
        QTest::mouseClick(Viewport(), Qt::LeftButton, {}, Grid().ValueRect(row).center());
        return Grid().IsEditing() ? QApplication::focusWidget() : nullptr;
    }
    // Types into the open editor over what it shows, without committing.
    static void TypeOver(QWidget* editor, const QString& text)
    {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
    }
    // Sends a key and lets the queued commit of Enter run.
    static void Press(QWidget* widget, Qt::Key key)
    {
        QTest::keyClick(widget, key);
        QCoreApplication::processEvents();
    }
    // Clicks the row, types the text and presses Enter; false when no
    // editor opened.
    bool Type(panes::PropertyRow* row, const QString& text)
    {
        QWidget* editor = OpenByClick(row);
        if (editor == nullptr) {
            return false;
        }
        TypeOver(editor, text);
        Press(editor, Qt::Key_Return);
        return !Grid().IsEditing();
    }
    // Moves to a sub-row with the keyboard (the group opened with Right),
    // then edits it as Type does.
    bool TypeIntoSubRow(panes::PropertyRow* group, int index, const QString& text)
    {
        QWidget* tree = Grid().Tree();
        Grid().SetCurrentRow(group);
        if (!Grid().IsExpanded(group)) {
            QTest::keyClick(tree, Qt::Key_Right);
        }
        for (int i = 0; i <= index; ++i) {
            QTest::keyClick(tree, Qt::Key_Down);
        }
        if (Grid().CurrentRow() != group->SubRow(index)) {
            return false;
        }
        QTest::keyClick(tree, Qt::Key_Return);
        QWidget* editor = Grid().IsEditing() ? QApplication::focusWidget() : nullptr;
        if (editor == nullptr) {
            return false;
        }
        TypeOver(editor, text);
        Press(editor, Qt::Key_Return);
        return !Grid().IsEditing();
    }

    FakeSurface surface;
    panes::CPropertiesWnd pane;
};

} // namespace panestest
