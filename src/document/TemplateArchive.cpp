#include "document/TemplateArchive.h"

#include "controls/PaintManagerUI.h"
#include "platform/Logger.h"

#include <QFile>
#include <QFileInfo>

#include <new>

namespace document {

namespace {

void LogCopyFailure(const QString& path)
{
    TICKET_LOG(platform::Warning) << "CopyZipWithOut" << platform::Utf8(path)
                                  << "Error, cound not open a mmap file";
}

void LogFinishFailure()
{
    TICKET_LOG(platform::Warning) << "ZipGetMemory : hznew no get from CreateZip";
}

} // namespace

void TemplateArchive::SetPath(const QString& path)
{
    m_path = path;
    const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    m_directory = slash < 0 ? QString() : path.left(slash + 1);
}

bool TemplateArchive::OpenFile(const QString& path, QString* whyNot)
{
    SetPath(path);
    m_reader = ZipReader::FromFile(path, whyNot);
    // A file that is not an archive counts as an empty one.
    m_size = m_reader ? m_reader->Bytes().size() : 0;
    if (m_reader) {
        MarkupUI::CPaintManagerUI::SetResourceZip(m_reader, path);
    } else {
        MarkupUI::CPaintManagerUI::SetResourceZip(path, true);
    }
    return m_reader != nullptr;
}

void TemplateArchive::Clear()
{
    m_size = 0;
    m_reader.reset();
    MarkupUI::CPaintManagerUI::SetResourceZip(QString(), false);
}

std::unique_ptr<ZipWriter> TemplateArchive::CopyZipWithOut(const ZipReader* source, qint64 capacity,
                                                           const QString& excluded)
{
    try {
        auto writer = std::make_unique<ZipWriter>(capacity);
        if (!source) {
            return writer;
        }
        QString skipped = excluded;
        skipped.replace('\\', '/');
        for (int i = 0; i < source->Count(); ++i) {
            const ZipEntryInfo& entry = source->Entry(i);
            if (entry.name.compare(skipped, Qt::CaseInsensitive) == 0) {
                continue;
            }
            int result = ZipOk;
            if (entry.isDirectory) {
                result = writer->AddDirectory(entry.name);
            } else {
                const std::optional<QByteArray> contents = source->Unpack(i);
                if (!contents) {
                    return nullptr;
                }
                result = writer->AddFile(entry.name, *contents);
            }
            if (result != ZipOk) {
                return nullptr;
            }
        }
        return writer;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

int TemplateArchive::PutEntry(const QString& name, const QString& sourcePath)
{
    QFile source(sourcePath);
    qint64 size = m_size;
    if (!sourcePath.isEmpty()) {
        if (!QFileInfo::exists(sourcePath) || !source.open(QIODevice::ReadOnly)) {
            return ZipNoFile;
        }
        size += source.size();
    }

    std::unique_ptr<ZipWriter> writer = CopyZipWithOut(m_reader.get(), 2 * size, name);
    if (!writer) {
        LogCopyFailure(m_path);
        return ZipCopyFailed;
    }
    if (!sourcePath.isEmpty()) {
        if (source.size() > ZipReader::kMaxEntryBytes) {
            return ZipTooLarge;
        }
        const QByteArray contents = source.readAll();
        if (contents.size() != source.size()) {
            return ZipReadFailed;
        }
        source.close();
        if (const int result = writer->AddFile(name, contents); result != ZipOk) {
            return result;
        }
    }
    return Adopt(*writer);
}

std::optional<QByteArray> TemplateArchive::ReplaceMarkup(const QByteArray& markup, const QString& savePath)
{
    std::unique_ptr<ZipWriter> writer =
        CopyZipWithOut(m_reader.get(), m_size + 2 * markup.size(), QString::fromLatin1(kMarkupEntry));
    if (!writer) {
        LogCopyFailure(savePath);
        return std::nullopt;
    }
    if (writer->AddFile(QString::fromLatin1(kMarkupEntry), markup) != ZipOk) {
        return std::nullopt;
    }
    if (Adopt(*writer) != ZipOk) {
        return std::nullopt;
    }
    return m_reader->Bytes();
}

int TemplateArchive::Adopt(ZipWriter& writer)
{
    QByteArray bytes;
    int result = ZipOk;
    try {
        result = writer.Finish(&bytes);
    } catch (const std::bad_alloc&) {
        result = ZipCopyFailed;
    }
    std::shared_ptr<ZipReader> reader;
    if (result == ZipOk) {
        reader = ZipReader::FromBytes(bytes);
        if (!reader) {
            result = ZipCopyFailed;
        }
    }
    if (result != ZipOk) {
        LogFinishFailure();
        return result;
    }
    m_size = reader->Bytes().size();
    m_reader = std::move(reader);
    MarkupUI::CPaintManagerUI::SetResourceZip(m_reader, QString::fromLatin1(kMemoryArchiveName));
    return ZipOk;
}

} // namespace document
