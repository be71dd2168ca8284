#pragma once

#include "elements/FormUI.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <memory>

namespace MarkupUI {
class CPaintManagerUI;
}

namespace editor {

class CDesignerView;

// The print preview: the page as the printer prints it, reduced to black
// and white by the printer's own rule, on a sheet with a frame and a
// shadow, centred while the window is larger than the page. It shows the
// design view's template as it is at each paint and changes nothing.
class CDesignPreview : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CDesignPreview(CDesignerView& view, QWidget* parent = nullptr);
    ~CDesignPreview() override;

    CDesignerView& View() const { return m_view; }
    // Where the page's top-left corner is in the viewport.
    QPoint PageOrigin() const;
    // Paints `area` of the viewport as a paint event does, into `target`.
    void PaintViewport(QImage& target, const QRect& area);

signals:
    // Escape: the preview should close.
    void CloseRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    platform::Size PageSize() const;
    void UpdateScrollGeometry();

    CDesignerView& m_view;
    MarkupUI::FormPtr m_form;
    std::shared_ptr<MarkupUI::CPaintManagerUI> m_manager;
    QImage m_backBuffer;
};

} // namespace editor
