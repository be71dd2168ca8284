#pragma once

#include "controls/PaintManagerUI.h"
#include "elements/ElementFactory.h"
#include "elements/FormUI.h"
#include "support/MapArchive.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <memory>

namespace checktest {

// A default 58 mm page as the designer shows it: 464 x 580 view units,
// margins 40/80/40/80, 384 x 840 printable dots (one dot per unit across,
// two down), with an archive of its own for pictures.
class Page
{
public:
    Page()
    {
        MarkupUI::CPaintManagerUI::SetResourceZip(m_archive, QStringLiteral("check-test"));
        m_manager.SetSurfaceReady(true);
        m_manager.AttachDialog(m_form.get());
        m_form->SetSize(464, 580);
    }
    ~Page() { MarkupUI::CPaintManagerUI::SetResourceZip(std::shared_ptr<const MarkupUI::ResourceArchive>(), QString()); }

    MarkupUI::CControlUI* Add(int kind, const platform::Rect& rect)
    {
        MarkupUI::ControlPtr element = MarkupUI::CreateElement(kind, rect);
        m_form->Add(element.get());
        m_form->SetPos(m_form->GetPos());
        return element.get();
    }

    void PutImage(const QString& name, const QImage& image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        m_archive->entries[name] = bytes;
    }
    void PutBytes(const QString& name, const QByteArray& bytes) { m_archive->entries[name] = bytes; }

    MarkupUI::CFormUI& Form() { return *m_form; }

private:
    std::shared_ptr<testsupport::MapArchive> m_archive = std::make_shared<testsupport::MapArchive>();
    MarkupUI::CPaintManagerUI m_manager;
    MarkupUI::FormPtr m_form{new MarkupUI::CFormUI};
};

// Half the rows black: a picture that prints as a picture.
inline QImage StripedImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; y += 2) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return image;
}

inline QImage PlainImage(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace checktest
