#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace MarkupUI {

// Read access to the archive markup and images come from. The template
// archive implements it; controls only ever read.
class ResourceArchive
{
public:
    virtual ~ResourceArchive() = default;
    // The bytes of the entry whose name matches without regard to case, or
    // nothing when there is none or it cannot be read within its limits.
    virtual std::optional<QByteArray> ReadEntry(const QString& name) const = 0;
};

} // namespace MarkupUI
