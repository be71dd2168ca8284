#include "DenseTicket.h"

#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <QBuffer>
#include <QImage>

#include <map>

namespace bench {

using namespace MarkupUI;
using platform::Rect;

namespace {

class PictureArchive : public ResourceArchive
{
public:
    PictureArchive()
    {
        for (int i = 0; i < 10; ++i) {
            QImage image(96, 64, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 36, 200, 180));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            m_entries[QStringLiteral("logo%1.png").arg(i)] = bytes;
        }
    }
    std::optional<QByteArray> ReadEntry(const QString& name) const override
    {
        const auto found = m_entries.find(name);
        return found == m_entries.end() ? std::nullopt : std::optional<QByteArray>(found->second);
    }

private:
    std::map<QString, QByteArray> m_entries;
};

} // namespace

void InstallDenseTicketPictures()
{
    CPaintManagerUI::SetResourceZip(std::make_shared<PictureArchive>(), QStringLiteral("membuffer"));
}

std::vector<CControlUI*> FillDenseTicket(CFormUI& form)
{
    std::vector<CControlUI*> texts;
    auto add = [&](int kind, int x, int y, int w, int h) {
        ControlPtr element = CreateElement(kind, Rect{x, y, x + w, y + h});
        form.Add(element.get());
        return element.get();
    };
    for (int i = 0; i < 60; ++i) {
        CControlUI* text = add(kElementText, 40 + (i % 3) * 190, 80 + (i / 3) * 32, 180, 28);
        text->SetText(QStringLiteral("Counter %1 please").arg(i));
        texts.push_back(text);
    }
    for (int i = 0; i < 25; ++i) {
        static const int kinds[] = {kElementHorizontalLine, kElementVerticalLine, kElementRectangle, kElementCircle};
        CControlUI* shape = add(kinds[i % 4], 40 + (i % 5) * 110, 80 + (i / 5) * 130, 100, 60);
        shape->SetAttribute(QStringLiteral("bordersize"), QString::number(1 + i % 3));
    }
    for (int i = 0; i < 10; ++i) {
        CControlUI* picture = add(kElementPicture, 40 + (i % 5) * 112, 600 + (i / 5) * 70, 100, 60);
        picture->SetAttribute(QStringLiteral("bkimage"), QStringLiteral("logo%1.png").arg(i));
    }
    add(kElementQueuingNum, 200, 100, 240, 90);
    add(kElementWaitingCount, 60, 200, 120, 40);
    add(kElementCurrentNum, 400, 200, 120, 40);
    add(kElementTime, 60, 560, 500, 30);
    form.SetPos(form.GetPos());
    return texts;
}

} // namespace bench
