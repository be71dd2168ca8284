#include "document/ZipWriter.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>

namespace document {

using namespace zipformat;

namespace {

constexpr uint16_t kVersionMadeBy = 0x0B17;
constexpr uint16_t kVersionNeeded = 20;
constexpr int kDeflateLevel = 8;
constexpr uint32_t kDosArchiveAttribute = 0x20;
constexpr uint32_t kDosDirectoryAttribute = 0x10;
constexpr uint8_t kTimestampFlags = 0x07; // modification, access and creation times
constexpr qint64 kMaxReservation = qint64(1) << 30;

bool Deflate(QByteArrayView input, QByteArray* output)
{
    z_stream stream{};
    if (deflateInit2(&stream, kDeflateLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return false;
    }
    output->resize(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(input.size()))));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = static_cast<uInt>(input.size());
    stream.next_out = reinterpret_cast<Bytef*>(output->data());
    stream.avail_out = static_cast<uInt>(output->size());
    const int result = deflate(&stream, Z_FINISH);
    output->resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

} // namespace

ZipWriter::ZipWriter(qint64 capacity, const QDateTime& modified)
{
    m_buffer.reserve(static_cast<qsizetype>(std::clamp<qint64>(capacity, 0, kMaxReservation)));

    const QDateTime local = modified.toLocalTime();
    const QDate date = local.date().year() < 1980 ? QDate(1980, 1, 1) : local.date();
    const QTime time = local.date().year() < 1980 ? QTime(0, 0) : local.time();
    m_dosDate = static_cast<uint16_t>(((date.year() - 1980) << 9) | (date.month() << 5) | date.day());
    m_dosTime = static_cast<uint16_t>((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    m_unixTime = static_cast<uint32_t>(std::clamp<qint64>(modified.toSecsSinceEpoch(), 0, UINT32_MAX));
}

bool ZipWriter::IsStoredByName(const QString& name)
{
    static const char* const packed[] = {".Z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz"};
    return std::any_of(std::begin(packed), std::end(packed), [&](const char* suffix) {
        return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
    });
}

int ZipWriter::AddFile(const QString& name, QByteArrayView contents)
{
    return GuardedAdd(name, contents, false);
}

int ZipWriter::AddDirectory(const QString& name)
{
    return GuardedAdd(name.endsWith('/') || name.endsWith('\\') ? name : name + '/', {}, true);
}

int ZipWriter::GuardedAdd(const QString& name, QByteArrayView contents, bool directory)
{
    try {
        return AddEntry(name, contents, directory);
    } catch (const std::bad_alloc&) {
        // The buffer may hold half an entry now; nothing more goes in.
        m_finished = true;
        return ZipNoMemory;
    }
}

int ZipWriter::AddEntry(const QString& name, QByteArrayView contents, bool directory)
{
    if (m_finished) {
        return ZipFinished;
    }
    if (name.isEmpty()) {
        return ZipBadName;
    }
    if (m_entries.size() >= 0xFFFF || contents.size() >= static_cast<qsizetype>(UINT32_MAX) ||
        m_buffer.size() >= static_cast<qsizetype>(UINT32_MAX)) {
        return ZipTooLarge;
    }

    CentralEntry entry;
    entry.name = QString(name).replace('\\', '/').toUtf8();
    if (entry.name.size() > 0xFFFF) {
        return ZipTooLarge;
    }
    const bool ascii = std::all_of(entry.name.begin(), entry.name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    entry.flags = kFlagDataDescriptor | (ascii ? 0 : kFlagUtf8Name);
    entry.method = directory || IsStoredByName(name) ? kMethodStored : kMethodDeflated;
    entry.crc =
        static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(contents.data()),
                                    static_cast<uInt>(contents.size())));
    entry.size = static_cast<uint32_t>(contents.size());
    entry.externalAttributes = directory ? kDosDirectoryAttribute : kDosArchiveAttribute;
    entry.localOffset = static_cast<uint32_t>(m_buffer.size());

    QByteArray packed;
    if (entry.method == kMethodDeflated) {
        if (!Deflate(contents, &packed)) {
            return ZipDeflateFailed;
        }
    } else {
        packed = contents.toByteArray();
    }
    if (packed.size() >= static_cast<qsizetype>(UINT32_MAX) ||
        m_buffer.size() + packed.size() + entry.name.size() + 64 >= static_cast<qsizetype>(UINT32_MAX)) {
        return ZipTooLarge;
    }
    entry.compressedSize = static_cast<uint32_t>(packed.size());

    // Local header: sizes and checksum follow the data in the descriptor.
    Put32(m_buffer, kLocalHeaderSignature);
    Put16(m_buffer, kVersionNeeded);
    Put16(m_buffer, entry.flags);
    Put16(m_buffer, entry.method);
    Put16(m_buffer, m_dosTime);
    Put16(m_buffer, m_dosDate);
    Put32(m_buffer, 0);
    Put32(m_buffer, 0);
    Put32(m_buffer, 0);
    Put16(m_buffer, static_cast<uint16_t>(entry.name.size()));
    Put16(m_buffer, 4 + 13);
    m_buffer.append(entry.name);
    Put16(m_buffer, kExtendedTimestampTag);
    Put16(m_buffer, 13);
    m_buffer.append(static_cast<char>(kTimestampFlags));
    Put32(m_buffer, m_unixTime);
    Put32(m_buffer, m_unixTime);
    Put32(m_buffer, m_unixTime);

    m_buffer.append(packed);

    Put32(m_buffer, kDataDescriptorSignature);
    Put32(m_buffer, entry.crc);
    Put32(m_buffer, entry.compressedSize);
    Put32(m_buffer, entry.size);

    m_entries.push_back(std::move(entry));
    return ZipOk;
}

int ZipWriter::Finish(QByteArray* archive)
{
    try {
        return WriteCentralDirectory(archive);
    } catch (const std::bad_alloc&) {
        m_finished = true;
        return ZipNoMemory;
    }
}

int ZipWriter::WriteCentralDirectory(QByteArray* archive)
{
    if (m_finished) {
        return ZipFinished;
    }
    const qsizetype centralStart = m_buffer.size();
    for (const CentralEntry& entry : m_entries) {
        Put32(m_buffer, kCentralHeaderSignature);
        Put16(m_buffer, kVersionMadeBy);
        Put16(m_buffer, kVersionNeeded);
        Put16(m_buffer, entry.flags);
        Put16(m_buffer, entry.method);
        Put16(m_buffer, m_dosTime);
        Put16(m_buffer, m_dosDate);
        Put32(m_buffer, entry.crc);
        Put32(m_buffer, entry.compressedSize);
        Put32(m_buffer, entry.size);
        Put16(m_buffer, static_cast<uint16_t>(entry.name.size()));
        Put16(m_buffer, 4 + 5);
        Put16(m_buffer, 0); // comment
        Put16(m_buffer, 0); // disk
        Put16(m_buffer, 0); // internal attributes
        Put32(m_buffer, entry.externalAttributes);
        Put32(m_buffer, entry.localOffset);
        m_buffer.append(entry.name);
        // The central copy of the timestamp field holds the modification time only.
        Put16(m_buffer, kExtendedTimestampTag);
        Put16(m_buffer, 5);
        m_buffer.append(static_cast<char>(kTimestampFlags));
        Put32(m_buffer, m_unixTime);
    }
    const qsizetype centralSize = m_buffer.size() - centralStart;
    if (m_buffer.size() >= static_cast<qsizetype>(UINT32_MAX)) {
        return ZipTooLarge;
    }
    Put32(m_buffer, kEndOfCentralSignature);
    Put16(m_buffer, 0);
    Put16(m_buffer, 0);
    Put16(m_buffer, static_cast<uint16_t>(m_entries.size()));
    Put16(m_buffer, static_cast<uint16_t>(m_entries.size()));
    Put32(m_buffer, static_cast<uint32_t>(centralSize));
    Put32(m_buffer, static_cast<uint32_t>(centralStart));
    Put16(m_buffer, 0);

    m_finished = true;
    *archive = std::move(m_buffer);
    m_buffer = QByteArray();
    return ZipOk;
}

} // namespace document
