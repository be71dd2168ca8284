#include "editor/DesignPreview.h"

#include "controls/PaintManagerUI.h"
#include "editor/DesignerView.h"
#include "platform/DrawingContext.h"
#include "platform/Luminance.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace editor {

using platform::Rect;

CDesignPreview::CDesignPreview(CDesignerView& view, QWidget* parent)
    : QAbstractScrollArea(parent), m_view(view), m_form(view.Form()),
      m_manager(view.Document().GetPaintManager())
{
    setObjectName(QStringLiteral("designPreview"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateScrollGeometry();
}

CDesignPreview::~CDesignPreview() = default;

platform::Size CDesignPreview::PageSize() const
{
    return m_manager && m_form ? m_manager->GetInitSize() : platform::Size{};
}

void CDesignPreview::UpdateScrollGeometry()
{
    const platform::Size page = PageSize();
    const QSize client = viewport()->size();
    for (auto [bar, extent, visible] : {std::tuple{horizontalScrollBar(), std::max(page.cx, 0), client.width()},
                                        std::tuple{verticalScrollBar(), std::max(page.cy, 0), client.height()}}) {
        const int step = std::max(1, extent / 10);
        bar->setRange(0, std::max(0, extent - visible));
        bar->setPageStep(step);
        bar->setSingleStep(std::max(1, step / 10));
    }
}

QPoint CDesignPreview::PageOrigin() const
{
    const platform::Size page = PageSize();
    const QSize client = viewport()->size();
    // Centred while the window is larger than the page, scrolled otherwise.
    const int x = client.width() > page.cx ? (client.width() - page.cx) / 2 : -horizontalScrollBar()->value();
    const int y = client.height() > page.cy ? (client.height() - page.cy) / 2 : -verticalScrollBar()->value();
    return QPoint(x, y);
}

void CDesignPreview::PaintViewport(QImage& target, const QRect& area)
{
    const platform::Size page = PageSize();
    const QPoint origin = PageOrigin();
    {
        QPainter painter(&target);
        painter.setClipRect(area);
        painter.fillRect(area, palette().color(QPalette::Dark));
        if (!m_form || page.cx <= 0 || page.cy <= 0) {
            return;
        }
        painter.translate(origin);
        // The sheet: a dark frame, a shadow on the right and bottom, paper.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, page.cx, page.cy).adjusted(1, 1, -1, -1));
        painter.setPen(QPen(palette().color(QPalette::Shadow), 3));
        painter.drawLine(page.cx + 1, 3, page.cx + 1, page.cy + 1);
        painter.drawLine(3, page.cy + 1, page.cx + 1, page.cy + 1);
        painter.fillRect(QRect(1, 1, page.cx - 2, page.cy - 2), Qt::white);
    }
    const QRect sheet = QRect(origin, QSize(page.cx, page.cy)) & area;
    if (sheet.isEmpty()) {
        return;
    }
    {
        platform::DrawingContext dc(target);
        dc.SetOrigin(platform::Point{origin.x(), origin.y()});
        const QRect part = sheet.translated(-origin);
        const Rect paint{part.left(), part.top(), part.right() + 1, part.bottom() + 1};
        dc.IntersectClip(paint);
        m_form->DoPaint(dc, paint);
    }
    // The printer's own rule, so a preview pixel and the printed dot agree.
    platform::ReduceToBlackAndWhite(target, sheet);
}

void CDesignPreview::paintEvent(QPaintEvent* event)
{
    if (m_backBuffer.size() != viewport()->size()) {
        m_backBuffer = QImage(viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    }
    QPainter screen(viewport());
    const QRect area = event->rect() & viewport()->rect();
    if (m_backBuffer.isNull()) {
        screen.fillRect(area, palette().color(QPalette::Dark));
        return;
    }
    PaintViewport(m_backBuffer, area);
    screen.drawImage(area.topLeft(), m_backBuffer, area);
}

void CDesignPreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollGeometry();
}

void CDesignPreview::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CDesignPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit CloseRequested();
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

} // namespace editor
