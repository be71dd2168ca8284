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

    // As ReadEntry, but refuses an empty entry or one over maxBytes and says
    // why: "Could not find ziped file", "File is empty", "File too large" or
    // "Could not unzip file". Archives that know entry sizes up front refuse
    // before unpacking.
    virtual std::optional<QByteArray> ReadEntryLimited(const QString& name, qint64 maxBytes,
                                                       QString* whyNot) const
    {
        std::optional<QByteArray> bytes = ReadEntry(name);
        QString reason;
        if (!bytes) {
            reason = QStringLiteral("Could not find ziped file");
        } else if (bytes->isEmpty()) {
            reason = QStringLiteral("File is empty");
        } else if (bytes->size() > maxBytes) {
            reason = QStringLiteral("File too large");
        }
        if (reason.isEmpty()) {
            return bytes;
        }
        if (whyNot) {
            *whyNot = reason;
        }
        return std::nullopt;
    }
};

} // namespace MarkupUI
