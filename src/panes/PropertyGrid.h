#pragma once

#include "panes/PropertyRow.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QLabel;
class QTreeWidgetItem;

namespace panes {

class PropertyDelegate;
class PropertyTree;

// A two-column property grid: shaded captions on the left, values on the
// right, group rows that fold, and the selected row's description beneath.
// Values are edited in place; an edit reaches the rows only when it is
// committed (Enter, Tab or leaving the editor) and is then reported with
// RowCommitted. Escape gives the old value back.
class PropertyGrid : public QWidget
{
    Q_OBJECT
public:
    // Picks a font starting from the given one; none when cancelled.
    using FontChooser =
        std::function<std::optional<platform::FontDescription>(const platform::FontDescription&, QWidget*)>;
    // Picks an image string starting from the given one; none when cancelled.
    using ImageChooser = std::function<std::optional<QString>(const QString&, QWidget*)>;

    explicit PropertyGrid(QWidget* parent = nullptr);
    ~PropertyGrid() override;

    // Adds a top-level row with its sub-rows, hidden, groups folded.
    PropertyRow* AddRow(std::unique_ptr<PropertyRow> row);
    const std::vector<std::unique_ptr<PropertyRow>>& Rows() const { return m_rows; }

    void SetRowShown(PropertyRow* row, bool shown);
    bool IsRowShown(const PropertyRow* row) const;
    // Hides every top-level row and drops an edit in progress.
    void HideAllRows();
    // The shown top-level rows, top to bottom.
    std::vector<PropertyRow*> ShownRows() const;

    // Sorted by caption (alphabetical) or in build order.
    void SetAlphabetical(bool alphabetical);
    bool IsAlphabetical() const { return m_alphabetical; }

    void SetExpanded(PropertyRow* row, bool expanded);
    bool IsExpanded(const PropertyRow* row) const;

    PropertyRow* CurrentRow() const;
    void SetCurrentRow(PropertyRow* row);
    void ClearSelection();

    // Opens the row's in-place editor, or its chooser; false when the row
    // cannot be changed here.
    bool EditRow(PropertyRow* row);
    // Closes an open editor without taking what was typed.
    void DiscardEdit();
    bool IsEditing() const;
    // Whether the row's value can change in the grid at all.
    bool CanEdit(const PropertyRow* row) const;

    // Where a row's value, and its button, are drawn (tree viewport).
    QRect ValueRect(const PropertyRow* row) const;
    QRect ButtonRect(const PropertyRow* row) const;
    PropertyTree* Tree() const { return m_tree; }
    QString DescriptionCaption() const;
    QString DescriptionText() const;

    void SetFontChooser(FontChooser chooser) { m_fontChooser = std::move(chooser); }
    // The image picker's hook; without one the image row's button is inactive.
    void SetImageChooser(ImageChooser chooser);
    bool HasImageChooser() const { return static_cast<bool>(m_imageChooser); }

    // The row behind a tree item, or null.
    static PropertyRow* RowOf(const QTreeWidgetItem* item);

signals:
    // An edit of the row (or of one of its sub-rows: then the sub-row) was
    // committed; its value may equal its baseline.
    void RowCommitted(panes::PropertyRow* row);

private:
    friend class PropertyDelegate;
    friend class PropertyTree;

    // A committed editor text; rows reject what does not read.
    void CommitText(PropertyRow* row, const QString& text);
    // The font or image chooser of the row, applied when it gives a new value.
    void RunChooser(PropertyRow* row);
    void AddItems(PropertyRow* row, QTreeWidgetItem* parentItem);
    QTreeWidgetItem* ItemOf(const PropertyRow* row) const;
    void RowChanged(PropertyRow& row);
    void ShowDescription(const PropertyRow* row);
    void Sort();

    PropertyTree* m_tree;
    PropertyDelegate* m_delegate;
    QLabel* m_descriptionCaption;
    QLabel* m_descriptionText;
    std::vector<std::unique_ptr<PropertyRow>> m_rows;
    std::unordered_map<const PropertyRow*, QTreeWidgetItem*> m_items;
    bool m_alphabetical = false;
    bool m_committing = false;
    FontChooser m_fontChooser;
    ImageChooser m_imageChooser;
};

// The platform font chooser: screen fonts with effects.
std::optional<platform::FontDescription> ChooseFontWithDialog(const platform::FontDescription& font,
                                                              QWidget* parent);

} // namespace panes
