#include "panes/ImageDialog.h"

#include "controls/ImageDecoder.h"
#include "controls/ImageString.h"
#include "controls/PaintManagerUI.h"
#include "document/DesignerDoc.h"
#include "elements/ElementKind.h"
#include "platform/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include <algorithm>

namespace panes {

namespace {

// The picture's image string as the picker reads it: the last image named
// and the shaping items collected up to it. A bare name is the whole string.
struct GivenImage
{
    QString name;
    ImagePreviewShape shape;
};

GivenImage ReadGiven(const QString& given)
{
    GivenImage result;
    const std::vector<MarkupUI::ImageDrawItem> items = MarkupUI::ParseImageString(given);
    if (items.empty()) {
        return result;
    }
    const MarkupUI::ImageDrawItem& item = items.back();
    result.name = item.file;
    result.shape.dest = item.dest.value_or(platform::Rect{});
    result.shape.source = item.source.value_or(platform::Rect{});
    result.shape.corner = item.corner;
    result.shape.mask = item.mask;
    result.shape.fade = item.fade;
    result.shape.hole = item.hole;
    return result;
}

bool IsMarkupEntry(const QString& name)
{
    return name.compare(QLatin1String(document::TemplateArchive::kMarkupEntry), Qt::CaseInsensitive) == 0;
}

// Listed as in a sorted list box: letter case does not order names.
bool ListOrder(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

// The bytes of a file the designer can draw as a picture, within the image
// limits; nothing for anything else. The file is read once, so what is
// checked is what gets imported.
std::optional<QByteArray> ReadImportableImage(const QString& path)
{
    const MarkupUI::ImageLimits limits;
    const QFileInfo info(path);
    QString whyNot;
    std::optional<QByteArray> bytes;
    QFile file(path);
    if (!info.isFile()) {
        whyNot = QStringLiteral("not a file");
    } else if (info.size() > limits.maxEncodedBytes) {
        whyNot = QStringLiteral("File too large");
    } else if (!file.open(QIODevice::ReadOnly)) {
        whyNot = file.errorString();
    } else {
        bytes = file.read(limits.maxEncodedBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            whyNot = file.errorString();
            bytes.reset();
        } else if (!MarkupUI::DecodeImage(*bytes, &whyNot, limits)) {
            bytes.reset();
        }
    }
    if (!bytes) {
        TICKET_LOG(platform::Warning)
            << "Image import refused " << platform::Utf8(path) << ": " << platform::Utf8(whyNot);
    }
    return bytes;
}

} // namespace

CImageDialog::CImageDialog(document::CDesignerDoc& doc, const QString& given,
                           std::unique_ptr<ImagePrompts> prompts, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompts(std::move(prompts))
{
    if (!m_prompts) {
        m_prompts = std::make_unique<DialogImagePrompts>();
    }
    setWindowTitle(tr("Select Image"));

    auto* group = new QGroupBox(tr("Image List"), this);
    m_list = new QListWidget(group);
    m_list->setObjectName(QStringLiteral("imageList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* importButton = new QPushButton(tr("Import"), group);
    importButton->setObjectName(QStringLiteral("importButton"));
    auto* clearButton = new QPushButton(tr("Clear"), group);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    auto* unselectButton = new QPushButton(tr("Unselect"), group);
    unselectButton->setObjectName(QStringLiteral("unselectButton"));

    m_preview = new CImagePreview(m_doc.GetPaintManager(), this);
    m_preview->setObjectName(QStringLiteral("imagePreview"));

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // Enter never closes the picker, not even on a focused button.
    for (QPushButton* button : {importButton, clearButton, unselectButton, okButton, cancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* groupButtons = new QHBoxLayout;
    groupButtons->addWidget(importButton);
    groupButtons->addWidget(clearButton);
    groupButtons->addWidget(unselectButton);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list, 1);
    groupLayout->addLayout(groupButtons);

    auto* closeButtons = new QVBoxLayout;
    closeButtons->addWidget(okButton);
    closeButtons->addWidget(cancelButton);
    closeButtons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_preview, 1);
    layout->addLayout(closeButtons);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &CImageDialog::PreviewSelected);
    connect(importButton, &QPushButton::clicked, this, &CImageDialog::OnImport);
    connect(clearButton, &QPushButton::clicked, this, &CImageDialog::OnClear);
    connect(unselectButton, &QPushButton::clicked, this, &CImageDialog::OnUnselect);
    connect(okButton, &QPushButton::clicked, this, &CImageDialog::OnOk);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    const GivenImage image = ReadGiven(given);
    m_shape = image.shape;
    FillList();
    if (!image.name.isEmpty()) {
        SelectName(image.name, true);
    }
    PreviewSelected();
}

CImageDialog::~CImageDialog() = default;

std::optional<QString> CImageDialog::Pick(QWidget* parent, document::CDesignerDoc& doc, const QString& given)
{
    CImageDialog dialog(doc, given, nullptr, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Result();
}

void CImageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CImageDialog::FillList()
{
    QStringList names;
    if (const auto reader = m_doc.Archive().Reader()) {
        for (int i = 0; i < reader->Count(); ++i) {
            const document::ZipEntryInfo& entry = reader->Entry(i);
            if (!entry.isDirectory && !IsMarkupEntry(entry.name)) {
                names << entry.name;
            }
        }
    }
    std::sort(names.begin(), names.end(), ListOrder);
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_list->addItems(names);
}

bool CImageDialog::SelectName(const QString& name, bool prefixAllowed)
{
    QListWidgetItem* found = nullptr;
    const auto first = [this](auto&& fits) -> QListWidgetItem* {
        for (int row = 0; row < m_list->count(); ++row) {
            if (fits(m_list->item(row)->text())) {
                return m_list->item(row);
            }
        }
        return nullptr;
    };
    found = first([&](const QString& text) { return text == name; });
    if (!found) {
        found = first([&](const QString& text) { return text.compare(name, Qt::CaseInsensitive) == 0; });
    }
    if (!found && prefixAllowed) {
        found = first([&](const QString& text) { return text.startsWith(name, Qt::CaseInsensitive); });
    }
    if (!found) {
        return false;
    }
    m_list->setCurrentItem(found, QItemSelectionModel::ClearAndSelect);
    m_list->scrollToItem(found);
    return true;
}

QString CImageDialog::SelectedName() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

void CImageDialog::PreviewSelected()
{
    m_preview->ShowImage(SelectedName(), m_shape);
}

void CImageDialog::OnImport()
{
    const QString path = m_prompts->ChooseImageFile(this, m_doc.GetDirectory());
    if (path.isEmpty()) {
        return;
    }
    // The archive stores "\" as "/" and finds names in any letter case.
    const QString name = QFileInfo(path).fileName().replace(u'\\', u'/');
    bool listed = false;
    for (int row = 0; row < m_list->count(); ++row) {
        listed = listed || m_list->item(row)->text().compare(name, Qt::CaseInsensitive) == 0;
    }
    if (listed && !m_prompts->AskYesNo(this, tr("Is there a file with the same name, is it overwritten?"))) {
        return;
    }
    const auto fail = [this] { m_prompts->Warn(this, tr("File import failed!")); };
    // The markup entry is the template itself, never an image.
    if (name.isEmpty() || IsMarkupEntry(name)) {
        fail();
        return;
    }
    const std::optional<QByteArray> bytes = ReadImportableImage(path);
    if (!bytes) {
        fail();
        return;
    }
    QTemporaryFile checked(QDir::temp().filePath(QStringLiteral("ticket-image-XXXXXX")));
    if (!checked.open() || checked.write(*bytes) != bytes->size() || !checked.flush()) {
        fail();
        return;
    }
    if (m_doc.PutArchiveEntry(name, checked.fileName()) != 0) {
        fail();
        return;
    }
    FillList();
    SelectName(name, false);
    PreviewSelected();
    RepaintDesign();
}

void CImageDialog::OnClear()
{
    const QString name = SelectedName();
    if (name.isEmpty()) {
        return;
    }
    if (PicturesUsing(name) > 0 &&
        !m_prompts->AskYesNo(this, tr("Pictures of the template still use \"%1\" and will show nothing "
                                      "without it. Remove it from the template? Cancel does not bring it "
                                      "back.")
                                       .arg(name))) {
        return;
    }
    if (m_doc.Archive().RemoveEntry(name) != 0) {
        return;
    }
    m_shape = ImagePreviewShape{};
    FillList();
    PreviewSelected();
    RepaintDesign();
}

void CImageDialog::OnUnselect()
{
    m_list->clearSelection();
    m_list->setCurrentItem(nullptr, QItemSelectionModel::Clear);
    PreviewSelected();
}

void CImageDialog::OnOk()
{
    m_result = SelectedName();
    accept();
}

int CImageDialog::PicturesUsing(const QString& name) const
{
    MarkupUI::CFormUI* form = m_doc.GetForm();
    if (form == nullptr) {
        return 0;
    }
    int count = 0;
    for (int i = 0; i < form->GetCount(); ++i) {
        MarkupUI::CControlUI* element = form->GetItemAt(i);
        if (element == nullptr || element->GetElementKind() != MarkupUI::kElementPicture) {
            continue;
        }
        const std::vector<MarkupUI::ImageDrawItem> items = MarkupUI::ParseImageString(element->GetBkImage());
        if (std::any_of(items.cbegin(), items.cend(), [&](const MarkupUI::ImageDrawItem& item) {
                return item.file.compare(name, Qt::CaseInsensitive) == 0;
            })) {
            ++count;
        }
    }
    return count;
}

void CImageDialog::RepaintDesign()
{
    // Pictures that draw this image change with it.
    if (const auto manager = m_doc.GetPaintManager()) {
        const platform::Size size = manager->GetInitSize();
        manager->Invalidate(platform::Rect{0, 0, size.cx, size.cy});
    }
}

} // namespace panes
