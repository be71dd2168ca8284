// The archive reader on arbitrary bytes: the directory, every entry unpacked
// (as a save copies them) and the lookups images and markup use.
#include "FuzzSupport.h"

#include "document/ZipReader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto reader = document::ZipReader::FromBytes(fuzz::Bytes(data, size));
    if (!reader) {
        return 0;
    }
    for (int i = 0; i < reader->Count(); ++i) {
        const document::ZipEntryInfo& entry = reader->Entry(i);
        (void)reader->Find(entry.name);
        (void)reader->Unpack(i);
    }
    QString whyNot;
    (void)reader->ReadEntryLimited(QStringLiteral("skin.xml"), 4 << 20, &whyNot);
    return 0;
}
