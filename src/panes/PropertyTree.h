#pragma once

#include <QAbstractItemDelegate>
#include <QPersistentModelIndex>
#include <QTreeWidget>

namespace panes {

class PropertyGrid;
class PropertyRow;

// The tree under the property grid: rows of two columns, the keys of a
// property grid (Enter and F2 edit, Enter on a fixed group folds it, Tab in
// an editor commits and moves on) and a click on a value to edit it.
class PropertyTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit PropertyTree(PropertyGrid& grid);

    bool IsAlphabetical() const;
    bool OpenEditor(QTreeWidgetItem* item);
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    // Closes the editor as Escape does: nothing typed is taken.
    void DiscardEditor(QWidget* editor);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    void MoveAndEdit(bool forward);

    PropertyGrid& m_grid;
    QPersistentModelIndex m_pressed;
};

// A grid row's tree item: top-level rows sort by caption in alphabetical
// mode, everything else keeps the order the rows were built in.
class PropertyItem : public QTreeWidgetItem
{
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    explicit PropertyItem(PropertyRow* row);

    PropertyRow* Row() const { return m_row; }
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    PropertyRow* m_row;
};

} // namespace panes
