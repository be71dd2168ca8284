#include "panes/FontChooserDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace panes {

namespace {

// Heights a ticket's text can sensibly have, in page pixels.
constexpr int kMaxHeight = 1000;
// Faces templates made on other machines name; this machine draws them with
// metric-compatible look-alikes.
const char* const kTemplateFaces[] = {"Arial", "Times New Roman", "Courier New", "\xe5\xae\x8b\xe4\xbd\x93",
                                      "\xe9\xbb\x91\xe4\xbd\x93"};

} // namespace

FontChooserDialog::FontChooserDialog(const platform::FontDescription& font, QWidget* parent)
    : QDialog(parent), m_original(font)
{
    setWindowTitle(tr("Font"));
    setObjectName(QStringLiteral("fontChooser"));

    m_face = new QComboBox(this);
    m_face->setObjectName(QStringLiteral("fontFace"));
    m_face->setEditable(true);
    m_face->setInsertPolicy(QComboBox::NoInsert);
    QStringList faces;
    if (!font.FaceName().isEmpty()) {
        faces << font.FaceName();
    }
    for (const char* face : kTemplateFaces) {
        faces << QString::fromUtf8(face);
    }
    faces << QFontDatabase::families();
    faces.removeDuplicates();
    m_face->addItems(faces);
    m_face->setCurrentIndex(0);

    m_height = new QSpinBox(this);
    m_height->setObjectName(QStringLiteral("fontHeight"));
    m_height->setRange(1, kMaxHeight);
    m_shownHeight =
        std::clamp(font.height == 0 ? platform::kDefaultFontPixelHeight : std::abs(font.height), 1, kMaxHeight);
    m_height->setValue(m_shownHeight);

    m_bold = new QCheckBox(tr("Bold"), this);
    m_bold->setChecked(font.weight >= platform::kFontWeightBold);
    m_italic = new QCheckBox(tr("Italic"), this);
    m_italic->setChecked(font.italic);
    m_underline = new QCheckBox(tr("Underline"), this);
    m_underline->setChecked(font.underline);
    m_strikeOut = new QCheckBox(tr("Strikeout"), this);
    m_strikeOut->setChecked(font.strikeOut);

    m_sample = new QLabel(QStringLiteral("AaBb 0123"), this);
    m_sample->setObjectName(QStringLiteral("fontSample"));
    m_sample->setMinimumSize(260, 80);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Face"), m_face);
    fields->addRow(tr("Height (pixels)"), m_height);
    auto* effects = new QVBoxLayout;
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikeOut}) {
        effects->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &FontChooserDialog::UpdateSample);
    }
    fields->addRow(tr("Effects"), effects);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);

    connect(m_face, &QComboBox::currentTextChanged, this, &FontChooserDialog::UpdateSample);
    connect(m_height, &QSpinBox::valueChanged, this, &FontChooserDialog::UpdateSample);
    UpdateSample();
    // The height is what is changed most: it starts with the focus.
    m_height->setFocus();
    m_height->selectAll();
}

platform::FontDescription FontChooserDialog::Chosen() const
{
    platform::FontDescription chosen = m_original;
    chosen.SetFaceName(m_face->currentText().trimmed());
    // A positive height is a cell height and stays one; the rest are
    // character heights, written negative.
    // An untouched height stays as written, the default (0) included.
    if (m_height->value() != m_shownHeight) {
        chosen.height = m_original.height > 0 ? m_height->value() : -m_height->value();
    }
    const bool wasBold = m_original.weight >= platform::kFontWeightBold;
    if (m_bold->isChecked() != wasBold) {
        chosen.weight = m_bold->isChecked() ? platform::kFontWeightBold : platform::kFontWeightNormal;
    }
    chosen.italic = m_italic->isChecked();
    chosen.underline = m_underline->isChecked();
    chosen.strikeOut = m_strikeOut->isChecked();
    return chosen;
}

void FontChooserDialog::UpdateSample()
{
    QFont font = platform::ToQFont(Chosen());
    // The sample fits the dialog whatever the height; the face and
    // effects are what it shows.
    font.setPixelSize(std::min(m_height->value(), 48));
    m_sample->setFont(font);
}

std::optional<platform::FontDescription> FontChooserDialog::Choose(const platform::FontDescription& font,
                                                                   QWidget* parent)
{
    FontChooserDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Chosen();
}

} // namespace panes
