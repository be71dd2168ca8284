#pragma once

#include "platform/FontDescription.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace panes {

// Picks the font of a text element in the template's own terms: the face
// name the printer tools know (kept as written, even when this machine
// draws it with a look-alike), the height in pixels of the page, and the
// effects. A general font dialog would rename faces it does not list and
// speak in points.
class FontChooserDialog : public QDialog
{
    Q_OBJECT
public:
    FontChooserDialog(const platform::FontDescription& font, QWidget* parent = nullptr);

    platform::FontDescription Chosen() const;

    // The font after OK; nothing after Cancel.
    static std::optional<platform::FontDescription> Choose(const platform::FontDescription& font,
                                                           QWidget* parent);

private:
    void UpdateSample();

    platform::FontDescription m_original;
    int m_shownHeight = 0;
    QComboBox* m_face;
    QSpinBox* m_height;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikeOut;
    QLabel* m_sample;
};

} // namespace panes
