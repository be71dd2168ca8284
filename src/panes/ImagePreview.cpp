#include "panes/ImagePreview.h"

#include "controls/ImageStringDrawing.h"
#include "controls/PaintManagerUI.h"
#include "platform/DrawingContext.h"

#include <QPainter>

namespace panes {

namespace {

QString RectItem(const char* key, const platform::Rect& r)
{
    return QStringLiteral(" %1='%2,%3,%4,%5'")
        .arg(QLatin1String(key))
        .arg(r.left)
        .arg(r.top)
        .arg(r.right)
        .arg(r.bottom);
}

} // namespace

CImagePreview::CImagePreview(std::shared_ptr<MarkupUI::CPaintManagerUI> manager, QWidget* parent)
    : QWidget(parent), m_manager(std::move(manager))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 200);
}

CImagePreview::~CImagePreview() = default;

QString CImagePreview::ComposeImageString(const QString& name, const ImagePreviewShape& shape)
{
    // A name with an apostrophe cannot be quoted; as a bare name it still
    // draws, only without the shaping items.
    if (name.contains(u'\'')) {
        return name;
    }
    QString text = QStringLiteral("file='%1'").arg(name);
    const platform::Rect none;
    if (shape.dest != none) {
        text += RectItem("dest", shape.dest);
    }
    if (shape.source != none) {
        text += RectItem("source", shape.source);
    }
    if (shape.corner != none) {
        text += RectItem("corner", shape.corner);
    }
    // Without a mask every colour shows: mask 0 would make black transparent.
    if (shape.mask) {
        text += QStringLiteral(" mask='0x%1'").arg(*shape.mask, 8, 16, QLatin1Char('0'));
    }
    if (shape.fade != 255) {
        text += QStringLiteral(" fade='%1'").arg(shape.fade);
    }
    if (shape.hole) {
        text += QStringLiteral(" hole='true'");
    }
    return text;
}

void CImagePreview::ShowImage(const QString& name, const ImagePreviewShape& shape)
{
    m_fileName = name;
    m_imageString.clear();
    m_imageSize = QSize();
    if (!name.isEmpty() && m_manager) {
        if (const auto image = m_manager->GetImage(name, shape.mask)) {
            m_imageString = ComposeImageString(name, shape);
            m_imageSize = image->size();
        }
    }
    update();
}

QRect CImagePreview::DrawingRect() const
{
    if (m_imageString.isEmpty()) {
        return QRect();
    }
    return QRect(QPoint((width() - m_imageSize.width()) / 2, (height() - m_imageSize.height()) / 2),
                 m_imageSize);
}

QSize CImagePreview::sizeHint() const
{
    return QSize(300, 240);
}

void CImagePreview::paintEvent(QPaintEvent* /*event*/)
{
    // Drawn off screen first, like the design view's page.
    QImage canvas(size(), QImage::Format_RGB32);
    if (canvas.isNull()) {
        return;
    }
    {
        platform::DrawingContext dc(canvas);
        const platform::Rect whole{0, 0, width(), height()};
        dc.Fill(whole, Qt::white);
        const QColor frame = palette().color(QPalette::Dark);
        dc.DrawFrameRect(whole, 1, frame);
        const QRect drawn = DrawingRect();
        if (!drawn.isEmpty() && m_manager) {
            const platform::Rect pos{drawn.left(), drawn.top(), drawn.right() + 1, drawn.bottom() + 1};
            const platform::Rect around{pos.left - 1, pos.top - 1, pos.right + 1, pos.bottom + 1};
            dc.DrawFrameRect(around, 1, frame);
            // An image larger than the area keeps the area's frame.
            const platform::Rect inside{1, 1, width() - 1, height() - 1};
            MarkupUI::DrawImageString(dc, *m_manager, pos, platform::Intersect(pos, inside), m_imageString);
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, canvas);
}

} // namespace panes
