// Image decoding as a picture element reaches it: bytes from the resource
// archive through the paint manager's cache, with and without a mask, then
// stretched the way a picture is painted.
#include "FuzzSupport.h"

#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"

namespace {

// An archive of one entry holding the fuzzer's bytes under any name.
class OneEntryArchive : public MarkupUI::ResourceArchive
{
public:
    explicit OneEntryArchive(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    std::optional<QByteArray> ReadEntry(const QString&) const override { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartOffscreenApplication(argc, argv);
    fuzz::SilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MarkupUI::CPaintManagerUI::SetResourceZip(std::make_shared<OneEntryArchive>(fuzz::Bytes(data, size)),
                                              QStringLiteral("fuzz.vt"));
    MarkupUI::CPaintManagerUI manager;
    const std::shared_ptr<const QImage> image = manager.GetImage(QStringLiteral("logo.png"));
    (void)manager.GetImage(QStringLiteral("logo.png"), 0xFFFFFFFFu);
    if (image && !image->isNull()) {
        const platform::Rect whole{0, 0, image->width(), image->height()};
        (void)manager.GetStretchedImage(image, whole, platform::Size{37, 23}, platform::Rect{0, 0, 37, 23});
    }
    MarkupUI::CPaintManagerUI::SetResourceZip(QString(), false);
    return 0;
}
