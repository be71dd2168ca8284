#include "panes/PropertyTree.h"

#include "panes/PropertyGrid.h"
#include "panes/PropertyRow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace panes {

PropertyTree::PropertyTree(PropertyGrid& grid) : QTreeWidget(&grid), m_grid(grid)
{
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIndentation(12);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Edits start from our own keys and clicks, never by merely moving.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    setFrameShape(QFrame::NoFrame);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(0, QHeaderView::Interactive);
    header()->resizeSection(0, 110);
}

bool PropertyTree::IsAlphabetical() const
{
    return m_grid.IsAlphabetical();
}

bool PropertyTree::OpenEditor(QTreeWidgetItem* item)
{
    if (item == nullptr) {
        return false;
    }
    const QModelIndex index = indexFromItem(item, 1);
    setCurrentIndex(index);
    edit(index);
    return IsEditing();
}

void PropertyTree::DiscardEditor(QWidget* editor)
{
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void PropertyTree::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && !IsEditing()) {
        if (PropertyRow* row = m_grid.CurrentRow()) {
            if (row->Kind() == PropertyRowKind::Group && !m_grid.CanEdit(row)) {
                m_grid.SetExpanded(row, !m_grid.IsExpanded(row));
            } else {
                m_grid.EditRow(row);
            }
        }
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void PropertyTree::mousePressEvent(QMouseEvent* event)
{
    m_pressed = indexAt(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void PropertyTree::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (event->button() != Qt::LeftButton || !index.isValid() || index != m_pressed || index.column() != 1 ||
        IsEditing()) {
        return;
    }
    PropertyRow* row = PropertyGrid::RowOf(itemFromIndex(index));
    if (row == nullptr || !m_grid.CanEdit(row)) {
        return;
    }
    const bool chosen = row->Kind() == PropertyRowKind::Font || row->Kind() == PropertyRowKind::Image;
    if (!chosen) {
        OpenEditor(itemFromIndex(index));
    } else if (m_grid.ButtonRect(row).contains(at)) {
        m_grid.RunChooser(row);
    }
}

void PropertyTree::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
        QTreeWidget::closeEditor(editor, hint);
        return;
    }
    QTreeWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    MoveAndEdit(hint == QAbstractItemDelegate::EditNextItem);
}

void PropertyTree::MoveAndEdit(bool forward)
{
    QTreeWidgetItem* item = currentItem();
    if (item == nullptr) {
        return;
    }
    QTreeWidgetItem* next = forward ? itemBelow(item) : itemAbove(item);
    if (next == nullptr) {
        return;
    }
    setCurrentItem(next, 1);
    PropertyRow* row = PropertyGrid::RowOf(next);
    if (row != nullptr && m_grid.CanEdit(row) && row->Kind() != PropertyRowKind::Font &&
        row->Kind() != PropertyRowKind::Image) {
        OpenEditor(next);
    }
}

void PropertyTree::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    // The fold marks sit in the shaded caption column.
    painter->fillRect(rect, palette().color(QPalette::Window));
    QTreeWidget::drawBranches(painter, rect, index);
}

PropertyItem::PropertyItem(PropertyRow* row) : QTreeWidgetItem(kType), m_row(row) {}

bool PropertyItem::operator<(const QTreeWidgetItem& other) const
{
    const PropertyRow* otherRow =
        other.type() == kType ? static_cast<const PropertyItem&>(other).Row() : nullptr;
    if (otherRow == nullptr) {
        return QTreeWidgetItem::operator<(other);
    }
    const auto* tree = static_cast<const PropertyTree*>(treeWidget());
    if (tree != nullptr && tree->IsAlphabetical() && parent() == nullptr) {
        const int order =
            QString::localeAwareCompare(m_row->Caption().trimmed(), otherRow->Caption().trimmed());
        if (order != 0) {
            return order < 0;
        }
    }
    return m_row->BuildOrder() < otherRow->BuildOrder();
}

} // namespace panes
