#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace panes {

class PropertyGrid;
class PropertyRow;

// Draws the grid's cells and makes the in-place editors: a spin edit for
// numbers, a drop-down for rows with options, a line edit for texts and
// group values. A committed editor goes back to the grid as text.
class PropertyDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit PropertyDelegate(PropertyGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The editor open now, or null.
    QWidget* OpenEditor() const { return m_editor; }
    // The chooser button of a font or image value cell.
    static QRect ButtonRect(const QRect& cell);

private:
    PropertyRow* RowAt(const QModelIndex& index) const;

    PropertyGrid& m_grid;
    mutable QPointer<QWidget> m_editor;
};

} // namespace panes
