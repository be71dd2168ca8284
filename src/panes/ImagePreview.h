#pragma once

#include "platform/Geometry.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

namespace MarkupUI {
class CPaintManagerUI;
}

namespace panes {

// What the picker keeps of an image string besides the file: the parts that
// shape how the image is previewed. All-zero rectangles were not given.
struct ImagePreviewShape
{
    platform::Rect dest;
    platform::Rect source;
    platform::Rect corner;
    std::optional<uint32_t> mask;
    int fade = 255;
    bool hole = false;
};

// The picker's preview: the image centred at its own size on white paper,
// drawn through the same image-string drawing as a picture in the design
// view, so that fades and masks look as they will print.
class CImagePreview : public QWidget
{
    Q_OBJECT
public:
    explicit CImagePreview(std::shared_ptr<MarkupUI::CPaintManagerUI> manager, QWidget* parent = nullptr);
    ~CImagePreview() override;

    // Shows the archive image of that name; an empty name, or an image that
    // cannot be loaded, leaves the area empty.
    void ShowImage(const QString& name, const ImagePreviewShape& shape);
    void ShowNothing() { ShowImage(QString(), ImagePreviewShape{}); }

    QString FileName() const { return m_fileName; }
    // Empty while nothing is shown.
    QString ImageString() const { return m_imageString; }
    // Where the image is drawn, in widget pixels; empty while nothing is shown.
    QRect DrawingRect() const;

    // "file='name'" followed by the shaping items that differ from the
    // defaults.
    static QString ComposeImageString(const QString& name, const ImagePreviewShape& shape);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<MarkupUI::CPaintManagerUI> m_manager;
    QString m_fileName;
    QString m_imageString;
    QSize m_imageSize;
};

} // namespace panes
