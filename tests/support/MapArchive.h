#pragma once

#include "controls/ResourceArchive.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

namespace testsupport {

// A template archive held in memory: entry name to bytes.
class MapArchive : public MarkupUI::ResourceArchive
{
public:
    std::map<QString, QByteArray> entries;
    std::optional<QByteArray> ReadEntry(const QString& name) const override
    {
        const auto found = entries.find(name);
        return found == entries.end() ? std::nullopt : std::optional<QByteArray>(found->second);
    }
};

} // namespace testsupport
