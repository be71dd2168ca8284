#pragma once

#include "platform/Geometry.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

namespace MarkupUI {

class ResourceArchive;

// Decoded images by name, read from the process-wide resource archive and
// nowhere else. Failures are remembered too, so a
// missing picture is looked for once, not on every repaint. Switching to
// another archive empties the cache. UI thread only.
class ImageCache
{
public:
    // The image, with every pixel of the mask's colour made transparent
    // when a mask is given; null when it cannot be read or decoded.
    std::shared_ptr<const QImage> Get(const QString& name, std::optional<uint32_t> mask = std::nullopt);
    // Whether that image is there and has no pixel that lets what lies
    // beneath show through; found out once per image.
    bool IsOpaque(const QString& name, std::optional<uint32_t> mask = std::nullopt);
    void Clear();

    // The part `part` of the image's `source` stretched to `size` by area
    // averaging (see StretchAreaAveraged), remembered so that repainting an
    // unchanged picture costs a copy, not a resampling.
    QImage Stretched(const std::shared_ptr<const QImage>& image, const platform::Rect& source,
                     platform::Size size, const platform::Rect& part);

private:
    std::shared_ptr<const QImage> Load(const QString& name, const ResourceArchive* archive) const;

    std::weak_ptr<const ResourceArchive> m_archive;
    const ResourceArchive* m_archiveAddress = nullptr;
    struct CachedImage
    {
        std::shared_ptr<const QImage> image;
        bool opaque = false;
    };
    using ImageKey = std::pair<QString, int64_t>;
    const CachedImage& Find(const QString& name, std::optional<uint32_t> mask);

    std::map<ImageKey, CachedImage> m_images;

    struct StretchedImage
    {
        std::shared_ptr<const QImage> original; // keeps the key's address taken
        QImage image;
    };
    using StretchKey = std::array<int64_t, 11>;
    std::map<StretchKey, StretchedImage> m_stretched;
    int64_t m_stretchedPixels = 0;
};

} // namespace MarkupUI
