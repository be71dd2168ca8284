#include "panes/PropertyGrid.h"

#include "panes/FontChooserDialog.h"
#include "panes/PropertyDelegate.h"
#include "panes/PropertyTree.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <cmath>

namespace panes {

namespace {
// Lines of description text the area beneath the grid has room for.
constexpr int kDescriptionLines = 3;
} // namespace

PropertyGrid::PropertyGrid(QWidget* parent)
    : QWidget(parent), m_tree(new PropertyTree(*this)), m_delegate(new PropertyDelegate(*this)),
      m_fontChooser(&ChooseFontWithDialog)
{
    m_tree->setObjectName(QStringLiteral("propertyTree"));
    m_tree->setItemDelegate(m_delegate);

    auto* description = new QFrame(this);
    description->setObjectName(QStringLiteral("propertyDescription"));
    description->setFrameShape(QFrame::StyledPanel);
    description->setAutoFillBackground(true);
    description->setBackgroundRole(QPalette::Window);
    m_descriptionCaption = new QLabel(description);
    m_descriptionCaption->setTextFormat(Qt::PlainText);
    QFont bold = m_descriptionCaption->font();
    bold.setBold(true);
    m_descriptionCaption->setFont(bold);
    m_descriptionText = new QLabel(description);
    m_descriptionText->setTextFormat(Qt::PlainText);
    m_descriptionText->setWordWrap(true);
    m_descriptionText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionLayout->setContentsMargins(4, 2, 4, 2);
    descriptionLayout->setSpacing(1);
    descriptionLayout->addWidget(m_descriptionCaption);
    descriptionLayout->addWidget(m_descriptionText, 1);
    description->setFixedHeight(fontMetrics().lineSpacing() * (kDescriptionLines + 1) + 8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_tree, 1);
    layout->addWidget(description);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ShowDescription(RowOf(current)); });
}

PropertyGrid::~PropertyGrid()
{
    // The tree's items point at the rows: they go first.
    delete m_tree;
    m_tree = nullptr;
}

PropertyRow* PropertyGrid::RowOf(const QTreeWidgetItem* item)
{
    if (item == nullptr || item->type() != PropertyItem::kType) {
        return nullptr;
    }
    return static_cast<const PropertyItem*>(item)->Row();
}

PropertyRow* PropertyGrid::AddRow(std::unique_ptr<PropertyRow> row)
{
    row->SetBuildOrder(static_cast<int>(m_rows.size()));
    m_rows.push_back(std::move(row));
    PropertyRow* added = m_rows.back().get();
    AddItems(added, nullptr);
    QTreeWidgetItem* item = ItemOf(added);
    item->setExpanded(false);
    item->setHidden(true);
    return added;
}

void PropertyGrid::AddItems(PropertyRow* row, QTreeWidgetItem* parentItem)
{
    auto* item = new PropertyItem(row);
    item->setText(0, row->Caption());
    item->setText(1, row->DisplayText());
    item->setToolTip(0, row->Caption());
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CanEdit(row)) {
        flags |= Qt::ItemIsEditable;
    }
    item->setFlags(flags);
    if (parentItem != nullptr) {
        parentItem->addChild(item);
    } else {
        m_tree->addTopLevelItem(item);
    }
    m_items[row] = item;
    row->SetChangeHandler([this](PropertyRow& changed) { RowChanged(changed); });
    for (const auto& sub : row->SubRows()) {
        AddItems(sub.get(), item);
    }
}

QTreeWidgetItem* PropertyGrid::ItemOf(const PropertyRow* row) const
{
    const auto found = m_items.find(row);
    return found != m_items.end() ? found->second : nullptr;
}

void PropertyGrid::RowChanged(PropertyRow& row)
{
    if (QTreeWidgetItem* item = ItemOf(&row)) {
        item->setText(1, row.DisplayText());
    }
}

void PropertyGrid::SetRowShown(PropertyRow* row, bool shown)
{
    if (QTreeWidgetItem* item = ItemOf(row)) {
        item->setHidden(!shown);
    }
}

bool PropertyGrid::IsRowShown(const PropertyRow* row) const
{
    const QTreeWidgetItem* item = ItemOf(row);
    return item != nullptr && !item->isHidden();
}

void PropertyGrid::HideAllRows()
{
    DiscardEdit();
    for (const auto& row : m_rows) {
        SetRowShown(row.get(), false);
    }
    if (!m_committing) {
        ClearSelection();
        return;
    }
    // Moving the current row would close the editor under its own commit;
    // the selection goes once the commit is done, if it is still hidden.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QTreeWidgetItem* current = m_tree->currentItem();
            if (current != nullptr && current->isHidden()) {
                ClearSelection();
            }
        },
        Qt::QueuedConnection);
}

std::vector<PropertyRow*> PropertyGrid::ShownRows() const
{
    std::vector<PropertyRow*> shown;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_tree->topLevelItem(i);
        if (!item->isHidden()) {
            shown.push_back(RowOf(item));
        }
    }
    return shown;
}

void PropertyGrid::SetAlphabetical(bool alphabetical)
{
    if (m_alphabetical == alphabetical) {
        return;
    }
    m_alphabetical = alphabetical;
    Sort();
}

void PropertyGrid::Sort()
{
    DiscardEdit();
    m_tree->sortItems(0, Qt::AscendingOrder);
}

void PropertyGrid::SetExpanded(PropertyRow* row, bool expanded)
{
    if (QTreeWidgetItem* item = ItemOf(row)) {
        item->setExpanded(expanded);
    }
}

bool PropertyGrid::IsExpanded(const PropertyRow* row) const
{
    const QTreeWidgetItem* item = ItemOf(row);
    return item != nullptr && item->isExpanded();
}

PropertyRow* PropertyGrid::CurrentRow() const
{
    return RowOf(m_tree->currentItem());
}

void PropertyGrid::SetCurrentRow(PropertyRow* row)
{
    if (QTreeWidgetItem* item = ItemOf(row)) {
        m_tree->setCurrentItem(item, 1);
    }
}

void PropertyGrid::ClearSelection()
{
    m_tree->clearSelection();
    m_tree->setCurrentItem(nullptr);
    ShowDescription(nullptr);
}

bool PropertyGrid::CanEdit(const PropertyRow* row) const
{
    if (row == nullptr) {
        return false;
    }
    switch (row->Kind()) {
    case PropertyRowKind::Font:
        return static_cast<bool>(m_fontChooser);
    case PropertyRowKind::Image:
        return static_cast<bool>(m_imageChooser);
    case PropertyRowKind::Group:
        return row->IsEditable();
    case PropertyRowKind::Integer:
    case PropertyRowKind::Text:
        break;
    }
    return row->IsEditable() || !row->Options().isEmpty();
}

bool PropertyGrid::EditRow(PropertyRow* row)
{
    QTreeWidgetItem* item = ItemOf(row);
    if (item == nullptr || !CanEdit(row)) {
        return false;
    }
    for (QTreeWidgetItem* parent = item->parent(); parent != nullptr; parent = parent->parent()) {
        parent->setExpanded(true);
    }
    if (row->Kind() == PropertyRowKind::Font || row->Kind() == PropertyRowKind::Image) {
        m_tree->setCurrentItem(item, 1);
        RunChooser(row);
        return true;
    }
    return m_tree->OpenEditor(item);
}

void PropertyGrid::DiscardEdit()
{
    // An editor whose value is being committed is closed by the view once
    // the commit returns.
    if (m_committing) {
        return;
    }
    if (QWidget* editor = m_delegate->OpenEditor()) {
        m_tree->DiscardEditor(editor);
    }
}

bool PropertyGrid::IsEditing() const
{
    return m_tree->IsEditing();
}

QRect PropertyGrid::ValueRect(const PropertyRow* row) const
{
    const QTreeWidgetItem* item = ItemOf(row);
    return item != nullptr ? m_tree->visualRect(m_tree->indexFromItem(item, 1)) : QRect();
}

QRect PropertyGrid::ButtonRect(const PropertyRow* row) const
{
    return PropertyDelegate::ButtonRect(ValueRect(row));
}

QString PropertyGrid::DescriptionCaption() const
{
    return m_descriptionCaption->text();
}

QString PropertyGrid::DescriptionText() const
{
    return m_descriptionText->text();
}

void PropertyGrid::SetImageChooser(ImageChooser chooser)
{
    m_imageChooser = std::move(chooser);
    for (const auto& [row, item] : m_items) {
        if (row->Kind() == PropertyRowKind::Image) {
            item->setFlags(CanEdit(row) ? item->flags() | Qt::ItemIsEditable
                                        : item->flags() & ~Qt::ItemIsEditable);
        }
    }
    m_tree->viewport()->update();
}

void PropertyGrid::CommitText(PropertyRow* row, const QString& text)
{
    const QScopedValueRollback committing(m_committing, true);
    if (row->SetFromText(text)) {
        emit RowCommitted(row);
    }
}

void PropertyGrid::RunChooser(PropertyRow* row)
{
    if (row->Kind() == PropertyRowKind::Font && m_fontChooser) {
        const platform::FontDescription before = row->FontValue();
        const std::optional<platform::FontDescription> chosen = m_fontChooser(before, this);
        if (chosen && *chosen != before) {
            row->SetValue(*chosen);
            emit RowCommitted(row);
        }
    } else if (row->Kind() == PropertyRowKind::Image && m_imageChooser) {
        const QString before = row->TextValue();
        const std::optional<QString> chosen = m_imageChooser(before, this);
        if (chosen && *chosen != before) {
            row->SetValue(*chosen);
            emit RowCommitted(row);
        }
    }
}

void PropertyGrid::ShowDescription(const PropertyRow* row)
{
    m_descriptionCaption->setText(row != nullptr ? row->Caption().trimmed() : QString());
    m_descriptionText->setText(row != nullptr ? row->Description() : QString());
}

std::optional<platform::FontDescription> ChooseFontWithDialog(const platform::FontDescription& font,
                                                              QWidget* parent)
{
    return FontChooserDialog::Choose(font, parent);
}

} // namespace panes
