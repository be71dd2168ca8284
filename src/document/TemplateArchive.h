#pragma once

#include "document/ZipReader.h"
#include "document/ZipWriter.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace document {

// The archive of one open template, kept in memory between saves. Every
// change rebuilds the whole archive into a new buffer and only then swaps
// it in, so a failed import or save leaves the previous archive, its reader
// and the resource archive exactly as they were.
class TemplateArchive
{
public:
    static constexpr const char* kMarkupEntry = "skin.xml";
    static constexpr const char* kMemoryArchiveName = "membuffer";

    // The document's file; its folder is what image paths are made relative to.
    void SetPath(const QString& path);
    QString Path() const { return m_path; }
    // The folder of the path, up to and including the last separator.
    QString Directory() const { return m_directory; }

    // Reads the archive of a file and makes it the resource archive. False
    // (and no reader) when the file is not an archive this can read; whyNot
    // then gets the reader's message.
    bool OpenFile(const QString& path, QString* whyNot = nullptr);
    // Back to a new document: no reader, no resource archive.
    void Clear();

    qint64 Size() const { return m_size; }
    std::shared_ptr<const ZipReader> Reader() const { return m_reader; }

    // A copy of every entry of source but the excluded name (any case), in
    // order, into a new archive of about capacity bytes. Nothing when an
    // entry cannot be unpacked or added, or the memory cannot be had.
    static std::unique_ptr<ZipWriter> CopyZipWithOut(const ZipReader* source, qint64 capacity,
                                                     const QString& excluded);

    // Adds the file at sourcePath under name, replacing an entry of that
    // name in any case (which then moves to the end); with an empty path
    // removes the entry. Returns a ZipResult: ZipNoFile when the file cannot
    // be read, ZipCopyFailed when the archive could not be rebuilt.
    int PutEntry(const QString& name, const QString& sourcePath);
    int RemoveEntry(const QString& name) { return PutEntry(name, QString()); }

    // Stores markup as "skin.xml", always the last entry, and returns the
    // new archive bytes for the caller to write to savePath.
    std::optional<QByteArray> ReplaceMarkup(const QByteArray& markup, const QString& savePath);

private:
    // Finishes writer and, on success, makes its archive the current one.
    int Adopt(ZipWriter& writer);

    QString m_path;
    QString m_directory;
    qint64 m_size = 0;
    std::shared_ptr<const ZipReader> m_reader;
};

} // namespace document
