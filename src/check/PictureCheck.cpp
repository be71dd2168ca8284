#include "check/PictureCheck.h"

#include "check/CheckContext.h"
#include "check/CheckThresholds.h"
#include "controls/ImageString.h"
#include "controls/PaintManagerUI.h"
#include "controls/ResourceArchive.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <QCoreApplication>

#include <map>

namespace check {

namespace {

enum class ImageState
{
    Readable,
    Missing,
    Unreadable,
};

// Whether each named image can be drawn, found out once per name.
class ImageFiles
{
public:
    explicit ImageFiles(MarkupUI::CPaintManagerUI* manager)
        : m_manager(manager)
        , m_archive(MarkupUI::CPaintManagerUI::GetResourceZip())
    {
    }

    ImageState StateOf(const QString& name)
    {
        const auto found = m_states.find(name);
        if (found != m_states.end()) {
            return found->second;
        }
        ImageState state = ImageState::Readable;
        // The paint manager's cache decodes each image once, for painting too.
        if (m_manager == nullptr || !m_manager->GetImage(name)) {
            state = m_archive && m_archive->ReadEntry(name) ? ImageState::Unreadable : ImageState::Missing;
        }
        return m_states.emplace(name, state).first->second;
    }

private:
    MarkupUI::CPaintManagerUI* m_manager;
    std::shared_ptr<const MarkupUI::ResourceArchive> m_archive;
    std::map<QString, ImageState> m_states;
};

// True when every image of the string can be drawn.
bool CheckImageFiles(CheckContext& context, int index, const QString& imageString, ImageFiles& files)
{
    bool all = true;
    for (const MarkupUI::ImageDrawItem& item : MarkupUI::ParseImageString(imageString)) {
        if (item.file.isEmpty()) {
            continue;
        }
        const ImageState state = files.StateOf(item.file);
        if (state == ImageState::Missing) {
            context.Report(Severity::Error, QStringLiteral("image-missing"), index,
                           QCoreApplication::translate("check", "The image \"%1\" is not in the template.")
                               .arg(item.file),
                           {});
        } else if (state == ImageState::Unreadable) {
            context.Report(Severity::Error, QStringLiteral("image-unreadable"), index,
                           QCoreApplication::translate("check", "The image \"%1\" cannot be read.").arg(item.file),
                           {});
        }
        all = all && state == ImageState::Readable;
    }
    return all;
}

void CheckInkShare(CheckContext& context, int index)
{
    platform::Rect rect = context.Child(index).GetPos();
    if (!context.Form().MapToDevice(rect)) {
        return;
    }
    const double dots = double(rect.Width()) * double(rect.Height());
    const double share = double(context.InkDots(rect)) / dots;
    const std::vector<FindingValue> values{{QStringLiteral("ink_share"), share},
                                           {QStringLiteral("picture_dots"), dots}};
    if (share < kWashedOutInkShare) {
        context.Report(Severity::Warning, QStringLiteral("picture-washed-out"), index,
                       QCoreApplication::translate("check", "In black and white the picture prints almost "
                                                            "white (%1% ink).")
                           .arg(share * 100.0, 0, 'f', 1),
                       values);
    } else if (share > kBlackedOutInkShare) {
        context.Report(Severity::Warning, QStringLiteral("picture-blacked-out"), index,
                       QCoreApplication::translate("check", "In black and white the picture prints almost "
                                                            "black (%1% ink).")
                           .arg(share * 100.0, 0, 'f', 1),
                       values);
    }
}

} // namespace

void CheckPictures(CheckContext& context)
{
    ImageFiles files(context.Form().GetManager());
    const bool pageDrawn = !context.PageBits().IsEmpty();
    for (int i = 0; i < context.Form().GetCount(); ++i) {
        const MarkupUI::CControlUI& child = context.Child(i);
        const QString image = child.GetBkImage();
        if (image.isEmpty()) {
            continue;
        }
        const bool drawable = CheckImageFiles(context, i, image, files);
        if (drawable && pageDrawn && child.IsVisible() && child.GetElementKind() == MarkupUI::kElementPicture) {
            CheckInkShare(context, i);
        }
    }
}

} // namespace check
