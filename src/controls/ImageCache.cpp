#include "controls/ImageCache.h"

#include "controls/ImageDecoder.h"
#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"
#include "platform/AreaStretch.h"
#include "platform/Logger.h"

#include <algorithm>

namespace MarkupUI {

namespace {

constexpr int64_t kNoMask = -1;
// Bounded by pixels, not pieces: a template with hundreds of pictures must
// not resample every one of them on each repaint, and a few huge ones must
// not hold more memory than this (64 MiB). Beyond it the cache starts over.
constexpr int64_t kMaxStretchedPixels = 16LL * 1024 * 1024;

std::shared_ptr<const QImage> Masked(const QImage& image, uint32_t mask)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = mask & 0xFFFFFFu;
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == key) {
                line[x] = 0;
            }
        }
    }
    return std::make_shared<const QImage>(masked.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

bool AllPixelsOpaque(const QImage& image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied) {
        return false;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [](QRgb pixel) { return pixel >= 0xFF000000u; })) {
            return false;
        }
    }
    return true;
}

} // namespace

void ImageCache::Clear()
{
    m_images.clear();
    m_stretched.clear();
    m_stretchedPixels = 0;
}

QImage ImageCache::Stretched(const std::shared_ptr<const QImage>& image, const platform::Rect& source,
                             platform::Size size, const platform::Rect& part)
{
    if (!image) {
        return QImage();
    }
    const StretchKey key{static_cast<int64_t>(reinterpret_cast<uintptr_t>(image.get())),
                         source.left,
                         source.top,
                         source.right,
                         source.bottom,
                         size.cx,
                         size.cy,
                         part.left,
                         part.top,
                         part.right,
                         part.bottom};
    const auto found = m_stretched.find(key);
    if (found != m_stretched.end()) {
        return found->second.image;
    }
    QImage stretched = platform::StretchAreaAveraged(*image, source, size, part);
    // An opaque picture is labelled as such, so that Qt copies its rows
    // instead of blending every pixel; the pixel values stay the same.
    if (AllPixelsOpaque(stretched)) {
        stretched.reinterpretAsFormat(QImage::Format_RGB32);
    }
    const int64_t pixels = int64_t(stretched.width()) * stretched.height();
    if (m_stretchedPixels + pixels > kMaxStretchedPixels) {
        m_stretched.clear();
        m_stretchedPixels = 0;
    }
    if (pixels <= kMaxStretchedPixels) {
        m_stretched.emplace(key, StretchedImage{image, stretched});
        m_stretchedPixels += pixels;
    }
    return stretched;
}

std::shared_ptr<const QImage> ImageCache::Get(const QString& name, std::optional<uint32_t> mask)
{
    return Find(name, mask).image;
}

bool ImageCache::IsOpaque(const QString& name, std::optional<uint32_t> mask)
{
    return Find(name, mask).opaque;
}

const ImageCache::CachedImage& ImageCache::Find(const QString& name, std::optional<uint32_t> mask)
{
    static const CachedImage none;
    if (name.isEmpty()) {
        return none;
    }
    const std::shared_ptr<const ResourceArchive> archive = CPaintManagerUI::GetResourceZip();
    if (archive.get() != m_archiveAddress || (archive && m_archive.expired())) {
        Clear();
        m_archive = archive;
        m_archiveAddress = archive.get();
    }
    const ImageKey key = std::make_pair(name, mask ? int64_t(*mask & 0xFFFFFFu) : kNoMask);
    const auto found = m_images.find(key);
    if (found != m_images.end()) {
        return found->second;
    }
    std::shared_ptr<const QImage> image;
    if (mask) {
        if (const std::shared_ptr<const QImage> plain = Get(name)) {
            image = Masked(*plain, *mask);
        }
    } else {
        image = Load(name, archive.get());
    }
    const bool opaque = image && AllPixelsOpaque(*image);
    return m_images.emplace(key, CachedImage{std::move(image), opaque}).first->second;
}

std::shared_ptr<const QImage> ImageCache::Load(const QString& name, const ResourceArchive* archive) const
{
    const ImageLimits limits;
    QString whyNot;
    // Images come only from the template's archive: a template naming a
    // path must not make the designer read files of the computer.
    std::optional<QByteArray> bytes;
    if (archive != nullptr) {
        bytes = archive->ReadEntryLimited(name, limits.maxEncodedBytes, &whyNot);
    } else {
        whyNot = QStringLiteral("No template archive");
    }
    std::optional<QImage> image;
    if (bytes) {
        image = DecodeImage(*bytes, &whyNot, limits);
    }
    if (!image) {
        TICKET_LOG(platform::Warning)
            << "Could not load image " << platform::Utf8(name) << ": " << platform::Utf8(whyNot);
        return nullptr;
    }
    return std::make_shared<const QImage>(std::move(*image));
}

} // namespace MarkupUI
