#pragma once

#include "document/ZipFormat.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

namespace document {

// Builds a template archive in memory, entry by entry, with the header
// choices the printer tools expect: deflate level 8 (stored for already
// packed files and folders), a data descriptor after each entry, "made by"
// 0x0B17, "needed" 20 and an extended-timestamp field. Every entry carries
// the same modification time, the moment the archive was built.
class ZipWriter
{
public:
    // capacity is the expected size; the buffer grows past it when needed.
    // Throws std::bad_alloc when even that much memory cannot be had.
    explicit ZipWriter(qint64 capacity, const QDateTime& modified = QDateTime::currentDateTime());

    // "\" in names is written as "/". Returns a ZipResult.
    int AddFile(const QString& name, QByteArrayView contents);
    int AddDirectory(const QString& name);
    // Writes the central directory and hands the archive over.
    int Finish(QByteArray* archive);

    int EntryCount() const { return static_cast<int>(m_entries.size()); }

    // True for names the writer stores instead of deflating.
    static bool IsStoredByName(const QString& name);

private:
    struct CentralEntry
    {
        QByteArray name;
        uint16_t flags = 0;
        uint16_t method = 0;
        uint32_t crc = 0;
        uint32_t compressedSize = 0;
        uint32_t size = 0;
        uint32_t externalAttributes = 0;
        uint32_t localOffset = 0;
    };

    int GuardedAdd(const QString& name, QByteArrayView contents, bool directory);
    int AddEntry(const QString& name, QByteArrayView contents, bool directory);
    int WriteCentralDirectory(QByteArray* archive);

    QByteArray m_buffer;
    std::vector<CentralEntry> m_entries;
    uint16_t m_dosTime = 0;
    uint16_t m_dosDate = 0;
    uint32_t m_unixTime = 0;
    bool m_finished = false;
};

} // namespace document
