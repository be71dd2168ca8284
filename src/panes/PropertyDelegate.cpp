#include "panes/PropertyDelegate.h"

#include "panes/PropertyGrid.h"
#include "panes/PropertyRow.h"
#include "panes/PropertySpinEdit.h"
#include "panes/PropertyTree.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include <limits>

namespace panes {

namespace {

constexpr int kMinimumRowHeight = 20;

bool HasButton(const PropertyRow& row)
{
    return row.Kind() == PropertyRowKind::Font || row.Kind() == PropertyRowKind::Image;
}

} // namespace

PropertyDelegate::PropertyDelegate(PropertyGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

PropertyRow* PropertyDelegate::RowAt(const QModelIndex& index) const
{
    return PropertyGrid::RowOf(m_grid.Tree()->itemFromIndex(index));
}

QRect PropertyDelegate::ButtonRect(const QRect& cell)
{
    const int side = cell.height();
    return QRect(cell.right() - side + 1, cell.top(), side, side);
}

QWidget* PropertyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                        const QModelIndex& index) const
{
    PropertyRow* row = RowAt(index);
    if (index.column() != 1 || row == nullptr || !m_grid.CanEdit(row) || HasButton(*row)) {
        return nullptr;
    }
    QWidget* editor = nullptr;
    if (!row->Options().isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(row->IsEditable());
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(row->Options());
        combo->setFrame(false);
        // Picking a choice is the edit; typing waits for Enter or leaving.
        // The pick is taken once the key or click that made it is done, so
        // that it never reaches the grid after the editor is gone. Qt makes
        // editors in a const call; the signals are the delegate's own.
        auto* self = const_cast<PropertyDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] {
            QMetaObject::invokeMethod(
                self,
                [self, editor = QPointer<QComboBox>(combo)] {
                    if (editor.isNull() || self->m_editor != editor) {
                        return;
                    }
                    emit self->commitData(editor);
                    emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
                },
                Qt::QueuedConnection);
        });
        editor = combo;
    } else if (row->Kind() == PropertyRowKind::Integer) {
        const SpinRange range = row->Spin().value_or(
            SpinRange{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()});
        editor = new PropertySpinEdit(range.lower, range.upper, parent);
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        editor = line;
    }
    m_editor = editor;
    return editor;
}

void PropertyDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (m_editor == editor) {
        m_editor = nullptr;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void PropertyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const PropertyRow* row = RowAt(index);
    if (row == nullptr) {
        return;
    }
    const QString text = row->DisplayText();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int found = combo->findText(text);
        if (found >= 0) {
            combo->setCurrentIndex(found);
        } else if (combo->isEditable()) {
            combo->setEditText(text);
        } else {
            combo->setCurrentIndex(-1);
        }
    } else if (auto* spin = qobject_cast<PropertySpinEdit*>(editor)) {
        spin->SetNumber(row->IntValue());
        spin->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->selectAll();
    }
}

void PropertyDelegate::setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                                    const QModelIndex& index) const
{
    PropertyRow* row = RowAt(index);
    if (row == nullptr) {
        return;
    }
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (!combo->isEditable() && combo->currentIndex() < 0) {
            return;
        }
        text = combo->currentText();
    } else if (auto* spin = qobject_cast<PropertySpinEdit*>(editor)) {
        text = spin->text();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        text = line->text();
    } else {
        return;
    }
    m_grid.CommitText(row, text);
}

void PropertyDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& /*index*/) const
{
    editor->setGeometry(option.rect);
}

void PropertyDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const PropertyRow* row = RowAt(index);
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QPalette& palette = option.palette;
    if (row != nullptr && index.column() == 0) {
        cell.backgroundBrush = palette.brush(QPalette::Window);
        if (row->Kind() == PropertyRowKind::Group) {
            cell.font.setBold(true);
        }
    } else if (row != nullptr) {
        cell.text = row->DisplayText();
        if (!m_grid.CanEdit(row)) {
            cell.palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
        }
        if (HasButton(*row)) {
            cell.rect.setRight(ButtonRect(option.rect).left() - 1);
        }
    }
    QStyle* style = cell.widget != nullptr ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    if (row != nullptr && index.column() == 1 && HasButton(*row)) {
        QStyleOptionButton button;
        button.rect = ButtonRect(option.rect);
        button.text = QStringLiteral("...");
        button.state = QStyle::State_Raised;
        if (m_grid.CanEdit(row)) {
            button.state |= QStyle::State_Enabled;
        }
        button.palette = palette;
        style->drawControl(QStyle::CE_PushButton, &button, painter, cell.widget);
    }

    // Grid lines: under every row, and between caption and value.
    painter->save();
    painter->setPen(palette.color(QPalette::Mid));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (index.column() == 0) {
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    }
    painter->restore();
}

QSize PropertyDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height() + 4, kMinimumRowHeight));
    return size;
}

} // namespace panes
