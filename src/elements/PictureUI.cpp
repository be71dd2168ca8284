#include "elements/PictureUI.h"

#include "controls/ImageString.h"
#include "controls/PaintManagerUI.h"
#include "elements/ElementKind.h"

namespace MarkupUI {

namespace {
// Sides of a position span up to 2^32 units: the area needs 64 unsigned bits.
uint64_t Area(const platform::Rect& r)
{
    return r.IsEmpty() ? 0 : uint64_t(r.Width()) * uint64_t(r.Height());
}
} // namespace

int CPictureUI::GetElementKind() const
{
    return kElementPicture;
}

QString CPictureUI::GetClass() const
{
    return QStringLiteral("PictureUI");
}

void* CPictureUI::GetInterface(const QString& name)
{
    return name == u"Picture" ? this : CDesignImpl::GetInterface(name);
}

platform::Rect CPictureUI::OpaqueCover()
{
    // A rounded border clips the picture to a rounded shape.
    if (m_manager == nullptr || m_bkImage.isEmpty() || m_borderRound.cx > 0 || m_borderRound.cy > 0) {
        return platform::Rect{};
    }
    platform::Rect widest;
    for (const ImageDrawItem& item : ParseImageString(m_bkImage)) {
        // Fixed corners, tiles and a hole can leave parts of the destination
        // undrawn; a fade lets the page show through.
        const bool plain = item.fade == 255 && !item.hole && !item.xTiled && !item.yTiled &&
                           item.corner == platform::Rect{};
        if (!plain || !m_manager->IsOpaqueImage(item.file, item.mask)) {
            continue;
        }
        const std::shared_ptr<const QImage> image = m_manager->GetImage(item.file, item.mask);
        const platform::Rect whole{0, 0, image->width(), image->height()};
        if (item.source && platform::Intersect(*item.source, whole).IsEmpty()) {
            continue;
        }
        const platform::Rect dest = platform::Intersect(item.DestinationIn(m_pos), m_pos);
        if (Area(dest) > Area(widest)) {
            widest = dest;
        }
    }
    return widest;
}

} // namespace MarkupUI
