#pragma once

#include "controls/ResourceArchive.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace document {

// One entry as the central directory describes it.
struct ZipEntryInfo
{
    QString name;
    bool isDirectory = false;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t size = 0;
    uint32_t localOffset = 0;
};

// Reads a template archive held in memory (a file is read whole when it is
// opened). Every offset and length is checked against the bytes, since a
// template may come from anywhere. Names match without regard to case.
// Why the last read was refused is kept as text, for the log.
class ZipReader : public MarkupUI::ResourceArchive
{
public:
    // Largest file opened, and largest entry unpacked through ReadEntry.
    static constexpr qint64 kMaxArchiveBytes = qint64(256) << 20;
    // A template is markup and a few pictures. More entries, or more bytes
    // unpacked from all entries together (a save unpacks every one), only
    // come from a damaged or hostile file.
    static constexpr int kMaxEntries = 4096;
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // The same checks with smaller numbers, so a fuzzer that finds a real
    // compression bomb does not spend a second on each input.
    static constexpr qint64 kMaxEntryBytes = qint64(1) << 20;
    static constexpr qint64 kMaxUnpackedBytes = qint64(4) << 20;
#else
    static constexpr qint64 kMaxEntryBytes = qint64(64) << 20;
    static constexpr qint64 kMaxUnpackedBytes = qint64(256) << 20;
#endif

    // Nothing, with "Error opening zip file" in error, when the bytes are
    // not a ZIP archive this reader can handle; a reason follows after a
    // colon when the archive breaks one of the limits above or its entries
    // share bytes.
    static std::shared_ptr<ZipReader> FromBytes(QByteArray bytes, QString* error = nullptr);
    static std::shared_ptr<ZipReader> FromFile(const QString& path, QString* error = nullptr);

    const QByteArray& Bytes() const { return m_bytes; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    const ZipEntryInfo& Entry(int index) const { return m_entries.at(static_cast<size_t>(index)); }
    // Index of the first entry of that name, ignoring case; -1 when absent.
    int Find(const QString& name) const;
    // Unpacks and checks the size and checksum of one entry.
    std::optional<QByteArray> Unpack(int index, qint64 maxBytes = kMaxEntryBytes) const;

    std::optional<QByteArray> ReadEntry(const QString& name) const override;
    std::optional<QByteArray> ReadEntryLimited(const QString& name, qint64 maxBytes,
                                               QString* whyNot) const override;

    QString LastError() const;

private:
    explicit ZipReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    // Empty when the directory is sound, else why not ("" for not a ZIP).
    std::optional<QString> ParseDirectory();
    std::optional<QString> CheckEntrySpans(qint64 centralStart) const;
    void SetLastError(const QString& text) const;

    QByteArray m_bytes;
    std::vector<ZipEntryInfo> m_entries;
    mutable std::mutex m_errorMutex;
    mutable QString m_lastError;
};

} // namespace document
