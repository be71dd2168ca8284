#include "document/ZipReader.h"

#include "document/ZipFormat.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

#include <zlib.h>

namespace document {

using namespace zipformat;

namespace {

const QString kErrorOpening = QStringLiteral("Error opening zip file");
const QString kErrorNotFound = QStringLiteral("Could not find ziped file");
const QString kErrorEmpty = QStringLiteral("File is empty");
const QString kErrorTooLarge = QStringLiteral("File too large");
const QString kErrorUnzip = QStringLiteral("Could not unzip file");

// Names flagged as UTF-8, or valid UTF-8 anyway, decode as such; anything
// else is taken byte for byte rather than dropped.
QString DecodeName(QByteArrayView raw, bool utf8Flag)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = decoder.decode(raw);
    if (decoder.hasError() && !utf8Flag) {
        name = QString::fromLatin1(raw);
    }
    return name;
}

// Deflate turns at most two bits into a 258-byte match, so no stream
// unpacks to more than 1032 times its size (plus its block headers). A
// size claimed beyond that is a lie, refused before anything is allocated.
constexpr qint64 kMaxDeflateRatio = 1032;
constexpr qint64 kDeflateSlack = 1024;

std::optional<QByteArray> Inflate(QByteArrayView packed, qint64 expectedSize)
{
    if (expectedSize > packed.size() * kMaxDeflateRatio + kDeflateSlack) {
        return std::nullopt;
    }
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    // One spare byte tells a stream that unpacks to more than it claimed.
    QByteArray buffer(static_cast<qsizetype>(expectedSize) + 1, Qt::Uninitialized);
    stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
    stream.avail_out = static_cast<uInt>(buffer.size());
    const int result = inflate(&stream, Z_FINISH);
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    if (result != Z_STREAM_END || produced != static_cast<uLong>(expectedSize)) {
        return std::nullopt;
    }
    buffer.resize(static_cast<qsizetype>(expectedSize));
    return buffer;
}

} // namespace

std::shared_ptr<ZipReader> ZipReader::FromBytes(QByteArray bytes, QString* error)
{
    std::shared_ptr<ZipReader> reader(new ZipReader(std::move(bytes)));
    if (const std::optional<QString> refused = reader->ParseDirectory()) {
        if (error) {
            *error = refused->isEmpty() ? kErrorOpening : kErrorOpening + QStringLiteral(": ") + *refused;
        }
        return nullptr;
    }
    return reader;
}

std::shared_ptr<ZipReader> ZipReader::FromFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxArchiveBytes) {
        if (error) {
            *error = kErrorOpening;
        }
        return nullptr;
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        if (error) {
            *error = kErrorOpening;
        }
        return nullptr;
    }
    return FromBytes(std::move(bytes), error);
}

std::optional<QString> ZipReader::ParseDirectory()
{
    const QString notZip;
    const QByteArrayView data(m_bytes);
    const qsizetype size = data.size();
    if (size < kEndOfCentralSize) {
        return notZip;
    }
    // The end record sits before an archive comment of at most 64 KiB.
    qsizetype end = -1;
    const qsizetype lowest = std::max<qsizetype>(0, size - kEndOfCentralSize - 0xFFFF);
    for (qsizetype at = size - kEndOfCentralSize; at >= lowest; --at) {
        if (Get32(data, at) == kEndOfCentralSignature &&
            at + kEndOfCentralSize + Get16(data, at + 20) <= size) {
            end = at;
            break;
        }
    }
    if (end < 0) {
        return notZip;
    }
    const uint16_t disk = Get16(data, end + 4);
    const uint16_t centralDisk = Get16(data, end + 6);
    const uint16_t entriesHere = Get16(data, end + 8);
    const uint16_t entries = Get16(data, end + 10);
    const qint64 centralSize = Get32(data, end + 12);
    const qint64 centralStart = Get32(data, end + 16);
    // Split archives and ZIP64 are never templates.
    if (disk != 0 || centralDisk != 0 || entriesHere != entries || centralStart + centralSize > end) {
        return notZip;
    }

    if (entries > kMaxEntries) {
        return QStringLiteral("more than %1 entries").arg(kMaxEntries);
    }

    qsizetype at = static_cast<qsizetype>(centralStart);
    const qsizetype centralEnd = static_cast<qsizetype>(centralStart + centralSize);
    m_entries.reserve(entries);
    for (int i = 0; i < entries; ++i) {
        if (at + kCentralHeaderSize > centralEnd || Get32(data, at) != kCentralHeaderSignature) {
            return notZip;
        }
        ZipEntryInfo entry;
        entry.flags = Get16(data, at + 8);
        entry.method = Get16(data, at + 10);
        entry.crc = Get32(data, at + 16);
        entry.compressedSize = Get32(data, at + 20);
        entry.size = Get32(data, at + 24);
        const uint16_t nameLength = Get16(data, at + 28);
        const uint16_t extraLength = Get16(data, at + 30);
        const uint16_t commentLength = Get16(data, at + 32);
        entry.localOffset = Get32(data, at + 42);
        const qsizetype next = at + kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > centralEnd || nameLength == 0) {
            return notZip;
        }
        entry.name =
            DecodeName(data.sliced(at + kCentralHeaderSize, nameLength), entry.flags & kFlagUtf8Name);
        entry.name.replace('\\', '/');
        entry.isDirectory = entry.name.endsWith('/');
        m_entries.push_back(std::move(entry));
        at = next;
    }
    qint64 unpacked = 0;
    for (const ZipEntryInfo& entry : m_entries) {
        unpacked += entry.size;
    }
    if (unpacked > kMaxUnpackedBytes) {
        return QStringLiteral("the entries unpack to more than %1 MiB").arg(kMaxUnpackedBytes >> 20);
    }
    return CheckEntrySpans(centralStart);
}

std::optional<QString> ZipReader::CheckEntrySpans(qint64 centralStart) const
{
    // Two records sharing packed bytes let a small file unpack to gigabytes
    // (one deflated block named thousands of times); no writer does that.
    // Records whose local header or data lie outside the file are left for
    // Unpack to refuse one by one.
    const QByteArrayView data(m_bytes);
    std::vector<std::pair<qint64, qint64>> spans;
    spans.reserve(m_entries.size());
    for (const ZipEntryInfo& entry : m_entries) {
        const qint64 header = entry.localOffset;
        if (header + kLocalHeaderSize > centralStart) {
            continue;
        }
        const qint64 end = header + kLocalHeaderSize + Get16(data, static_cast<qsizetype>(header + 26)) +
                           Get16(data, static_cast<qsizetype>(header + 28)) + entry.compressedSize;
        if (end <= centralStart) {
            spans.emplace_back(header, end);
        }
    }
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].first < spans[i - 1].second) {
            return QStringLiteral("entries share their data");
        }
    }
    return std::nullopt;
}

int ZipReader::Find(const QString& name) const
{
    QString wanted = name;
    wanted.replace('\\', '/');
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name.compare(wanted, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<QByteArray> ZipReader::Unpack(int index, qint64 maxBytes) const
{
    if (index < 0 || index >= Count()) {
        SetLastError(kErrorNotFound);
        return std::nullopt;
    }
    const ZipEntryInfo& entry = m_entries[static_cast<size_t>(index)];
    if (entry.size > maxBytes) {
        SetLastError(kErrorTooLarge);
        return std::nullopt;
    }
    const QByteArrayView data(m_bytes);
    const qint64 header = entry.localOffset;
    if ((entry.flags & kFlagEncrypted) || header + kLocalHeaderSize > data.size() ||
        Get32(data, static_cast<qsizetype>(header)) != kLocalHeaderSignature) {
        SetLastError(kErrorUnzip);
        return std::nullopt;
    }
    const qint64 start = header + kLocalHeaderSize + Get16(data, static_cast<qsizetype>(header + 26)) +
                         Get16(data, static_cast<qsizetype>(header + 28));
    if (start + entry.compressedSize > data.size()) {
        SetLastError(kErrorUnzip);
        return std::nullopt;
    }
    const QByteArrayView packed = data.sliced(static_cast<qsizetype>(start), entry.compressedSize);

    std::optional<QByteArray> contents;
    if (entry.method == kMethodStored) {
        if (entry.compressedSize == entry.size) {
            contents = packed.toByteArray();
        }
    } else if (entry.method == kMethodDeflated) {
        contents = Inflate(packed, entry.size);
    }
    if (!contents || crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(contents->constData()),
                           static_cast<uInt>(contents->size())) != entry.crc) {
        SetLastError(kErrorUnzip);
        return std::nullopt;
    }
    return contents;
}

std::optional<QByteArray> ZipReader::ReadEntry(const QString& name) const
{
    const int index = Find(name);
    if (index < 0) {
        SetLastError(kErrorNotFound);
        return std::nullopt;
    }
    return Unpack(index);
}

std::optional<QByteArray> ZipReader::ReadEntryLimited(const QString& name, qint64 maxBytes,
                                                      QString* whyNot) const
{
    const int index = Find(name);
    std::optional<QByteArray> contents;
    if (index < 0) {
        SetLastError(kErrorNotFound);
    } else if (m_entries[static_cast<size_t>(index)].size == 0) {
        SetLastError(kErrorEmpty);
    } else {
        contents = Unpack(index, maxBytes);
    }
    if (!contents && whyNot) {
        *whyNot = LastError();
    }
    return contents;
}

QString ZipReader::LastError() const
{
    std::lock_guard lock(m_errorMutex);
    return m_lastError;
}

void ZipReader::SetLastError(const QString& text) const
{
    std::lock_guard lock(m_errorMutex);
    m_lastError = text;
}

} // namespace document
