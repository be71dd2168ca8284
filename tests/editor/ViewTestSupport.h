#pragma once

#include "document/DesignerDoc.h"
#include "document/ZipWriter.h"
#include "editor/DesignerView.h"
#include "editor/PropertySheetSink.h"
#include "editor/ToolSource.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace editor::test {

// A template file holding the given markup as its skin.xml.
inline bool WriteTemplate(const QString& path, const QByteArray& markup)
{
    document::ZipWriter writer(1024);
    QByteArray bytes;
    QFile file(path);
    return writer.AddFile(QStringLiteral("skin.xml"), markup) == 0 && writer.Finish(&bytes) == 0 &&
           file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The icon every marker is drawn with: one colour, easy to find.
inline constexpr QRgb kMarkerColour = 0xFFFF00FF;

// A toolbox that remembers what the view asked of it.
class FakeTools : public ToolSource
{
public:
    FakeTools()
    {
        icon = QPixmap(16, 16);
        icon.fill(QColor::fromRgb(kMarkerColour));
    }
    int SelectedToolId() const override { return selected; }
    void SelectPointerTool() override { selected = MarkupUI::kElementPointerTool; }
    void EnableToolOfKind(int kind, bool enabled) override { this->enabled[kind] = enabled; }
    bool IsToolOfKindEnabled(int kind) const override
    {
        const auto found = enabled.find(kind);
        return found == enabled.end() || found->second;
    }
    QPixmap ToolIcon(int kind) const override
    {
        return kind >= MarkupUI::kElementPicture && kind <= MarkupUI::kElementTime ? icon : QPixmap();
    }

    int selected = MarkupUI::kElementPointerTool;
    std::map<int, bool> enabled;
    QPixmap icon;
};

// A property sheet that records what it was told to show.
class FakeSheet : public PropertySheetSink
{
public:
    void ShowProperty(MarkupUI::CControlUI* element) override
    {
        if (element != shown) {
            shown = element;
            ++reloads;
        }
    }
    MarkupUI::CControlUI* ShownElement() const override { return shown; }
    void HideAllRows(bool) override { shown = nullptr; }
    void UpdatePosRows(MarkupUI::CControlUI* element) override { posRefreshes.push_back(element); }
    void NotifyElementChanged(MarkupUI::CControlUI* element, int what) override
    {
        if (what == 1) {
            posRefreshes.push_back(element);
        }
    }

    MarkupUI::CControlUI* shown = nullptr;
    int reloads = 0;
    std::vector<MarkupUI::CControlUI*> posRefreshes;
};

// A shown view on a new template with a fake toolbox and sheet.
struct ViewFixture
{
    ViewFixture()
    {
        document.OnNewDocument();
        view = std::make_unique<CDesignerView>(document);
        view->SetToolSource(&tools);
        view->SetPropertySheet(&sheet);
        view->resize(760, 820);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    MarkupUI::CFormUI& Form() { return *document.GetForm(); }

    // An element put on the page as a template would hold it.
    MarkupUI::CControlUI* Add(int kind, platform::Rect rect)
    {
        MarkupUI::ControlPtr element = MarkupUI::CreateElement(kind, rect);
        Form().Add(element.get());
        element->SetDesignLevel(1);
        Form().SetPos(Form().GetPos());
        return element.get();
    }

    QImage Paint()
    {
        QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        view->PaintViewport(image, image.rect());
        return image;
    }
    // The colour of a page pixel as the view shows it.
    static QRgb PixelAt(const QImage& image, const CDesignerView& view, int x, int y)
    {
        return image.pixel(view.ToViewport(platform::Point{x, y})) & 0xFFFFFF;
    }

    QWidget* Port() { return view->viewport(); }
    QPoint At(int x, int y) { return view->ToViewport(platform::Point{x, y}); }
    void Press(int x, int y, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(Port(), Qt::LeftButton, modifiers, At(x, y));
    }
    void MoveTo(int x, int y) { QTest::mouseMove(Port(), At(x, y)); }
    void Release(int x, int y, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseRelease(Port(), Qt::LeftButton, modifiers, At(x, y));
    }
    void Click(int x, int y, Qt::KeyboardModifiers modifiers = {})
    {
        Press(x, y, modifiers);
        Release(x, y, modifiers);
    }
    // A drag in steps, as a hand makes it.
    void Drag(int fromX, int fromY, int toX, int toY, Qt::KeyboardModifiers modifiers = {})
    {
        Press(fromX, fromY, modifiers);
        MoveTo((fromX + toX) / 2, (fromY + toY) / 2);
        MoveTo(toX, toY);
        Release(toX, toY, modifiers);
    }
    std::vector<MarkupUI::CControlUI*> Selected() const
    {
        std::vector<MarkupUI::CControlUI*> selected;
        for (int i = 0; i < view->Tracker().Count(); ++i) {
            selected.push_back(view->Tracker().At(i)->Element());
        }
        return selected;
    }

    document::CDesignerDoc document;
    FakeTools tools;
    FakeSheet sheet;
    std::unique_ptr<CDesignerView> view;
};

} // namespace editor::test
