#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace document {

// Result codes of archive operations; 0 is success. The values are the ones
// callers and the import dialog already test for.
enum ZipResult : int
{
    ZipOk = 0,
    ZipNoFile = 0x200,     // a source file is missing or cannot be read
    ZipReadFailed = 0x400, // a source file could not be read to its end
    ZipBadName = 0x800,    // an empty entry name
    ZipNoMemory = 0x1000,
    ZipTooLarge = 0x10000, // beyond what a plain ZIP can record
    ZipDeflateFailed = 0x20000,
    ZipFinished = 0x40000,   // adding to an archive already finished
    ZipCopyFailed = 0x80000, // the archive could not be rebuilt
};

// Little-endian field access shared by the writer and the reader.
namespace zipformat {

inline constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
inline constexpr uint32_t kDataDescriptorSignature = 0x08074b50;
inline constexpr uint32_t kCentralHeaderSignature = 0x02014b50;
inline constexpr uint32_t kEndOfCentralSignature = 0x06054b50;
inline constexpr uint16_t kExtendedTimestampTag = 0x5455; // "UT"
inline constexpr int kLocalHeaderSize = 30;
inline constexpr int kCentralHeaderSize = 46;
inline constexpr int kEndOfCentralSize = 22;
inline constexpr uint16_t kFlagEncrypted = 0x0001;
inline constexpr uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr uint16_t kFlagUtf8Name = 0x0800;
inline constexpr uint16_t kMethodStored = 0;
inline constexpr uint16_t kMethodDeflated = 8;

inline void Put16(QByteArray& out, uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

inline void Put32(QByteArray& out, uint32_t value)
{
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

// Callers check the bounds first.
inline uint16_t Get16(QByteArrayView data, qsizetype at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(data[at]) | (static_cast<uint8_t>(data[at + 1]) << 8));
}

inline uint32_t Get32(QByteArrayView data, qsizetype at)
{
    return Get16(data, at) | (static_cast<uint32_t>(Get16(data, at + 2)) << 16);
}

} // namespace zipformat
} // namespace document
