#include "panes/ToolBoxCtrl.h"

#include "panes/ReadableColours.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace panes {

namespace {

constexpr int kRowInset = 3;
constexpr int kIconColumn = 20;
constexpr int kIconLeft = 3;
constexpr int kIconTop = 2;
constexpr int kIconSize = 16;
constexpr int kCaptionInset = 3;
// One notch of an ordinary mouse wheel.
constexpr int kWheelNotch = 120;
// The pane's size when it first appears.
constexpr QSize kInitialSize(90, 200);

const QColor kSelectedFill(225, 230, 232);
const QColor kHotFill(193, 210, 238);
const QColor kOutline(49, 106, 197);

// On dark ground the light fills would carry light text: the fills come
// from the look's own highlight, mixed into its base.
QColor Mixed(const QColor& base, const QColor& accent, double share)
{
    return QColor::fromRgbF(float(base.redF() + (accent.redF() - base.redF()) * share),
                            float(base.greenF() + (accent.greenF() - base.greenF()) * share),
                            float(base.blueF() + (accent.blueF() - base.blueF()) * share));
}

struct RowLook
{
    QColor fill;
    QColor outline;
};

RowLook LookOf(const QPalette& palette, bool selected)
{
    if (!IsDarkPalette(palette)) {
        return {selected ? kSelectedFill : kHotFill, kOutline};
    }
    const QColor base = palette.color(QPalette::Base);
    const QColor accent = palette.color(QPalette::Highlight);
    return {Mixed(base, accent, selected ? 0.45 : 0.3), accent.lighter(140)};
}

QRect IconColumn(const QRect& row)
{
    return QRect(row.left(), row.top(), kIconColumn, row.height());
}

QRect CaptionRect(const QRect& row)
{
    return QRect(row.left() + kIconColumn + kCaptionInset, row.top(),
                 row.width() - kIconColumn - 2 * kCaptionInset, row.height());
}

// The longest start of the caption that fits with "..." after it.
QString ElideCaption(const QFontMetrics& metrics, const QString& caption, int width)
{
    const QString dots = QStringLiteral("...");
    for (qsizetype length = caption.size() - 1; length > 0; --length) {
        // Never split a surrogate pair.
        if (caption.at(length).isLowSurrogate()) {
            continue;
        }
        const QString candidate = caption.left(length) + dots;
        if (metrics.horizontalAdvance(candidate) <= width) {
            return candidate;
        }
    }
    return dots;
}

} // namespace

CToolBoxCtrl::CToolBoxCtrl(QWidget* parent) : QWidget(parent), m_scrollBar(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("toolBoxCtrl"));
    m_scrollBar->setObjectName(QStringLiteral("toolBoxScrollBar"));
    m_scrollBar->setSingleStep(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &CToolBoxCtrl::ScrollTo);
    Layout();
}

CToolBoxCtrl::~CToolBoxCtrl() = default;

bool CToolBoxCtrl::AddToolElement(const QString& caption, int toolId, const QIcon& icon)
{
    if (IndexOfTool(toolId) >= 0) {
        return false;
    }
    CToolElement row;
    row.caption = caption;
    row.toolId = toolId;
    row.icon = icon;
    m_rows.push_back(std::move(row));
    Layout();
    return true;
}

int CToolBoxCtrl::IndexOfTool(int toolId) const
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                    [toolId](const CToolElement& row) { return row.toolId == toolId; });
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

int CToolBoxCtrl::SelectedToolId() const
{
    return m_selected < 0 ? 0 : Element(m_selected).toolId;
}

bool CToolBoxCtrl::SelectTool(int toolId)
{
    const int index = IndexOfTool(toolId);
    if (index < 0 || !Element(index).enabled) {
        return false;
    }
    SelectIndex(index);
    return true;
}

void CToolBoxCtrl::SetToolEnabled(int toolId, bool enabled)
{
    const int index = IndexOfTool(toolId);
    if (index < 0 || m_rows[static_cast<size_t>(index)].enabled == enabled) {
        return;
    }
    m_rows[static_cast<size_t>(index)].enabled = enabled;
    // The view changes a tool while it edits the page; the operator must see
    // the row greyed before the next click.
    if (isVisible()) {
        repaint(Element(index).rect);
    }
}

bool CToolBoxCtrl::IsToolEnabled(int toolId) const
{
    const int index = IndexOfTool(toolId);
    return index >= 0 && Element(index).enabled;
}

void CToolBoxCtrl::SetCaption(int toolId, const QString& caption)
{
    const int index = IndexOfTool(toolId);
    if (index >= 0) {
        m_rows[static_cast<size_t>(index)].caption = caption;
        PlaceRows();
    }
}

QSize CToolBoxCtrl::sizeHint() const
{
    return kInitialSize;
}

bool CToolBoxCtrl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = RowAt(help->pos());
        if (index >= 0 && Element(index).textTruncated) {
            QToolTip::showText(help->globalPos(), Element(index).caption, this, Element(index).rect);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void CToolBoxCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    const QRect area = RowsArea();
    for (int i = 0; i < Count(); ++i) {
        const CToolElement& row = Element(i);
        if (row.rect.isEmpty() || row.rect.top() > area.bottom() || !event->rect().intersects(row.rect)) {
            continue;
        }
        DrawRow(painter, row, i == m_selected, i == m_hot);
    }
}

void CToolBoxCtrl::DrawRow(QPainter& painter, const CToolElement& row, bool selected, bool hot) const
{
    // A greyed row does not light up under the mouse: it cannot be picked.
    const bool lit = selected || (hot && row.enabled);
    QColor ground = palette().color(QPalette::Base);
    if (lit) {
        const RowLook look = LookOf(palette(), selected);
        painter.setPen(QPen(look.outline, 1));
        painter.setBrush(look.fill);
        painter.drawRect(row.rect.adjusted(0, 0, -1, -1));
        ground = look.fill;
    }

    const QIcon::Mode mode = row.enabled ? QIcon::Normal : QIcon::Disabled;
    const QRect iconRect(row.rect.left() + kIconLeft, row.rect.top() + kIconTop, kIconSize, kIconSize);
    painter.save();
    painter.setClipRect(IconColumn(row.rect));
    if (IsDarkPalette(palette())) {
        // Our tool drawings are dark ink for light ground.
        const qreal ratio = devicePixelRatioF();
        QPixmap pixmap = row.icon.pixmap(iconRect.size(), ratio, mode);
        QImage shown = ShownOnDark(pixmap.toImage(), ReadableOn(ground, palette().color(QPalette::Text)));
        shown.setDevicePixelRatio(ratio);
        painter.drawImage(iconRect.topLeft(), shown);
    } else {
        row.icon.paint(&painter, iconRect, Qt::AlignCenter, mode);
    }
    painter.restore();

    const QRect caption = CaptionRect(row.rect);
    if (caption.width() <= 0) {
        return;
    }
    painter.save();
    painter.setClipRect(caption);
    const QColor ink = row.enabled ? palette().color(QPalette::Active, QPalette::Text)
                                   : palette().color(QPalette::Disabled, QPalette::Text);
    painter.setPen(lit ? ReadableOn(ground, ink) : ink);
    const QString text =
        row.textTruncated ? ElideCaption(fontMetrics(), row.caption, caption.width()) : row.caption;
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void CToolBoxCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
}

void CToolBoxCtrl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        Layout();
    }
}

void CToolBoxCtrl::mouseMoveEvent(QMouseEvent* event)
{
    m_mousePos = event->position().toPoint();
    m_mouseInside = true;
    SetHot(RowAt(m_mousePos));
}

void CToolBoxCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = RowAt(event->position().toPoint());
    if (index >= 0 && Element(index).enabled) {
        SelectIndex(index);
    }
}

void CToolBoxCtrl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_mouseInside = false;
    SetHot(-1);
}

void CToolBoxCtrl::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (m_total == 0 || delta == 0) {
        m_wheelRemainder = 0;
        event->ignore();
        return;
    }
    event->accept();
    // Fine-grained wheels and touchpads send parts of a notch: add them up.
    m_wheelRemainder += delta;
    const int notches = m_wheelRemainder / kWheelNotch;
    if (notches == 0) {
        return;
    }
    m_wheelRemainder -= notches * kWheelNotch;
    m_mousePos = event->position().toPoint();
    m_mouseInside = true;
    ScrollTo(m_scrollPos - notches * QApplication::wheelScrollLines());
}

void CToolBoxCtrl::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    if (event->key() == Qt::Key_Up) {
        step = -1;
    } else if (event->key() == Qt::Key_Down) {
        step = 1;
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = NextEnabledRow(m_selected, step);
    if (next >= 0) {
        SelectIndex(next);
        EnsureVisible(next);
    }
}

void CToolBoxCtrl::Layout()
{
    const int clientHeight = height();
    m_total = Count();
    m_page = clientHeight / kRowHeight + 1;
    // Nothing to scroll when every row fits, nor when not even one row can
    // be seen whole.
    if (m_total < m_page || clientHeight < kRowHeight) {
        m_page = 0;
        m_total = 0;
        m_scrollPos = 0;
    } else {
        m_scrollPos = std::clamp(m_scrollPos, 0, MaxScrollPosition());
    }
    {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setRange(0, MaxScrollPosition());
        m_scrollBar->setPageStep(std::max(m_page, 1));
        m_scrollBar->setValue(m_scrollPos);
    }
    const bool scrolls = m_total > 0;
    m_scrollBar->setEnabled(scrolls);
    // A bar that cannot move only takes room from the captions.
    m_scrollBar->setVisible(scrolls);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBar);
    m_scrollBar->setGeometry(width() - extent, 0, extent, clientHeight);
    PlaceRows();
}

void CToolBoxCtrl::PlaceRows()
{
    const QRect area = RowsArea();
    const QFontMetrics metrics = fontMetrics();
    int top = area.top() - m_scrollPos * kRowHeight;
    for (CToolElement& row : m_rows) {
        row.rect = QRect(area.left() + kRowInset, top, std::max(0, area.width() - 2 * kRowInset), kRowHeight);
        row.textTruncated = metrics.horizontalAdvance(row.caption) > CaptionRect(row.rect).width();
        top += kRowHeight;
    }
    update();
}

void CToolBoxCtrl::ScrollTo(int position)
{
    position = std::clamp(position, 0, MaxScrollPosition());
    if (position != m_scrollBar->value()) {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setValue(position);
    }
    if (position == m_scrollPos) {
        return;
    }
    m_scrollPos = position;
    PlaceRows();
    SetHot(m_mouseInside ? RowAt(m_mousePos) : -1);
}

int CToolBoxCtrl::MaxScrollPosition() const
{
    return m_total == 0 ? 0 : m_total - m_page + 1;
}

void CToolBoxCtrl::EnsureVisible(int index)
{
    if (m_total == 0) {
        return;
    }
    const int wholeRows = std::max(1, RowsArea().height() / kRowHeight);
    if (index < m_scrollPos) {
        ScrollTo(index);
    } else if (index >= m_scrollPos + wholeRows) {
        ScrollTo(index - wholeRows + 1);
    }
}

QRect CToolBoxCtrl::RowsArea() const
{
    QRect area = rect();
    if (!m_scrollBar->isHidden()) {
        area.setRight(m_scrollBar->geometry().left() - 1);
    }
    return area;
}

int CToolBoxCtrl::RowAt(const QPoint& pos) const
{
    if (!RowsArea().contains(pos)) {
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (Element(i).rect.contains(pos)) {
            return i;
        }
    }
    return -1;
}

void CToolBoxCtrl::SetHot(int index)
{
    if (index == m_hot) {
        return;
    }
    const int old = m_hot;
    m_hot = index;
    RedrawRow(old);
    RedrawRow(index);
}

void CToolBoxCtrl::SelectIndex(int index)
{
    if (index == m_selected) {
        return;
    }
    const int old = m_selected;
    m_selected = index;
    RedrawRow(old);
    RedrawRow(index);
    emit SelectedToolChanged(SelectedToolId());
}

void CToolBoxCtrl::RedrawRow(int index)
{
    if (index >= 0 && index < Count()) {
        update(Element(index).rect);
    }
}

int CToolBoxCtrl::NextEnabledRow(int from, int step) const
{
    for (int i = from + step; i >= 0 && i < Count(); i += step) {
        if (Element(i).enabled) {
            return i;
        }
    }
    return -1;
}

} // namespace panes
