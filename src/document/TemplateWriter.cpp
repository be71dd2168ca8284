#include "document/TemplateWriter.h"

#include "controls/AttributeValues.h"
#include "controls/PaintManagerUI.h"
#include "controls/UserDefineUI.h"
#include "document/MarkupWriter.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/SampleNumbers.h"
#include "elements/TimeFormatList.h"
#include "elements/TimeUI.h"
#include "platform/DrawTextFlags.h"
#include "platform/Logger.h"

#include <tinyxml.h>

#include <vector>

namespace document {

using namespace MarkupUI;
namespace AV = AttributeValues;

namespace {

QString Bool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

void Put(TiXmlElement& element, const char* name, const QString& value)
{
    SetMarkupAttribute(element, QString::fromLatin1(name), value);
}

bool Answers(CControlUI* control, const char* name)
{
    return control->GetInterface(QString::fromLatin1(name)) != nullptr;
}

// "visible" is written only for a hidden child of a real layout container
// that shows at least one other child; the form is no such container.
bool NeedsVisibleAttribute(CControlUI* control)
{
    if (control->IsVisible() || (Answers(control, "IContainer") && Answers(control, "Container"))) {
        return false;
    }
    CControlUI* parent = control->GetParent();
    if (parent == nullptr || !Answers(parent, "Container") || !Answers(parent, "IContainer")) {
        return false;
    }
    auto* container = static_cast<IContainerUI*>(parent->GetInterface(QStringLiteral("IContainer")));
    for (int i = 0; i < container->GetCount(); ++i) {
        if (container->GetItemAt(i)->IsVisible()) {
            return true;
        }
    }
    return false;
}

void WriteCommonAttributes(CControlUI* control, TiXmlElement& element, const QString& directory)
{
    const QString name = control->GetName();
    if (!name.isEmpty() && !name.startsWith(control->GetClass())) {
        Put(element, "name", name);
    }
    if (!control->GetText().isEmpty()) {
        Put(element, "text", control->GetText());
    }
    if (!control->GetToolTip().isEmpty()) {
        Put(element, "tooltip", control->GetToolTip());
    }
    if (NeedsVisibleAttribute(control)) {
        Put(element, "visible", Bool(false));
    }
    if (control->GetBorderSize() > 0) {
        Put(element, "bordersize", AV::FormatInt(control->GetBorderSize()));
    }
    if (control->IsFloat()) {
        const platform::Size xy = control->GetFixedXY();
        Put(element, "float", Bool(true));
        Put(element, "pos", AV::FormatRect({xy.cx, xy.cy, 0, 0}));
    }
    if (control->GetFixedWidth() > 0) {
        Put(element, "width", AV::FormatInt(control->GetFixedWidth()));
    }
    if (control->GetFixedHeight() > 0) {
        Put(element, "height", AV::FormatInt(control->GetFixedHeight()));
    }
    if (control->GetPadding() != platform::Rect{}) {
        Put(element, "padding", AV::FormatRect(control->GetPadding()));
    }
    if (!control->GetBkImage().isEmpty()) {
        QString image = control->GetBkImage();
        if (!directory.isEmpty()) {
            image.remove(directory);
        }
        Put(element, "bkimage", image);
    }
    const std::pair<const char*, uint32_t> colours[] = {
        {"bkcolor", control->GetBkColor()},
        {"bkcolor2", control->GetBkColor2()},
        {"bordercolor", control->GetBorderColor()},
        {"focusbordercolor", control->GetFocusBorderColor()},
    };
    for (const auto& [attribute, colour] : colours) {
        if (colour != 0) {
            Put(element, attribute, AV::FormatColor(colour));
        }
    }
    if (control->GetMaxHeight() != 9999) {
        Put(element, "maxheight", AV::FormatInt(control->GetMaxHeight()));
    }
    if (control->GetMaxWidth() != 9999) {
        Put(element, "maxwidth", AV::FormatInt(control->GetMaxWidth()));
    }
    if (control->GetMinWidth() != 0) {
        Put(element, "minwidth", AV::FormatInt(control->GetMinWidth()));
    }
    if (control->GetMinHeight() != 0) {
        Put(element, "minheight", AV::FormatInt(control->GetMinHeight()));
    }
    if (!control->IsMouseEnabled()) {
        Put(element, "mouse", Bool(false));
    }
    if (control->IsContextMenuUsed()) {
        Put(element, "menu", Bool(true));
    }
}

QString FontAttributeText(const platform::FontDescription& font)
{
    const int64_t height = -int64_t(font.height);
    return QStringLiteral("name='%1' height='%2' charset='%3' bold='%4' underline='%5' italic='%6'")
        .arg(font.FaceName())
        .arg(height)
        .arg(int(font.charSet))
        .arg(Bool(font.weight >= platform::kFontWeightBold), Bool(font.underline), Bool(font.italic));
}

QString AlignText(uint32_t style)
{
    QString align;
    if ((style & platform::DT_VCENTER) != 0) {
        align = QStringLiteral("vcenter");
    }
    if ((style & platform::DT_RIGHT) != 0) {
        align = QStringLiteral("right");
    }
    if ((style & platform::DT_BOTTOM) != 0) {
        align += QStringLiteral("bottom");
    }
    if ((style & platform::DT_WORDBREAK) != 0) {
        align += QStringLiteral("wrap");
    }
    return align;
}

void WriteTextAttributes(CDesignLabelUI* label, TiXmlElement& element)
{
    if (label->HasOwnFont()) {
        Put(element, "font", FontAttributeText(label->GetFontDescription()));
    }
    const QString align = AlignText(label->GetTextStyle());
    if (!align.isEmpty()) {
        Put(element, "align", align);
    }
}

void WriteNumberAttributes(CDesignLabelUI* label, TiXmlElement& element)
{
    const int kind = label->GetElementKind();
    const char* name = kind == kElementQueuingNum     ? "queuingnum"
                       : kind == kElementWaitingCount ? "waitingcount"
                                                      : "currentnum";
    const int32_t sample = kind == kElementQueuingNum     ? SampleNumbers::Queuing()
                           : kind == kElementWaitingCount ? SampleNumbers::Waiting()
                                                          : SampleNumbers::Current();
    if (sample != 0) {
        Put(element, name, AV::FormatInt(sample));
    }
    if (label->GetNumLength() != 0) {
        Put(element, "num_length", AV::FormatInt(label->GetNumLength()));
    }
}

void WriteFormAttributes(CFormUI* form, TiXmlElement& element)
{
    if (form->GetZeroing() != 0) {
        Put(element, "zeroing", AV::FormatInt(form->GetZeroing()));
    }
    if (form->GetMaxNum() != 9999) {
        Put(element, "maxnum", AV::FormatInt(form->GetMaxNum()));
    }
    if (form->GetCutoffNum() != 1) {
        Put(element, "cutoffnum", AV::FormatInt(form->GetCutoffNum()));
    }
    if (form->GetPrintCount() != 1) {
        Put(element, "printcount", AV::FormatInt(form->GetPrintCount()));
    }
    if (form->GetDepartment() != 1) {
        Put(element, "department", AV::FormatInt(form->GetDepartment()));
    }
    Put(element, "printpadding", AV::FormatRect(form->GetPrintPadding()));
    if (form->GetDpiX() != 0.0f || form->GetDpiY() != 0.0f) {
        Put(element, "dpi",
            QStringLiteral("%1,%2").arg(QString::number(double(form->GetDpiX()), 'f', 1),
                                        QString::number(double(form->GetDpiY()), 'f', 1)));
    }
    Put(element, "model", form->GetModel());
}

// Elements of a tag the designer does not know go back under their own tag
// with every attribute they were read with, so newer templates survive.
void WriteUserDefined(CUserDefineUI* control, TiXmlElement& element)
{
    for (const auto& [name, value] : control->GetAttributes()) {
        SetMarkupAttribute(element, name, value);
    }
}

} // namespace

void SaveProperties(CControlUI* control, TiXmlNode& parent, const QString& directory)
{
    const int kind = control->GetElementKind();
    auto* userDefined = static_cast<CUserDefineUI*>(control->GetInterface(QStringLiteral("UserDefinedControl")));
    const QString className = control->GetClass();
    const QString tag = userDefined != nullptr ? userDefined->GetTagName() : className.left(className.size() - 2);
    if (kind == kElementNone && userDefined == nullptr) {
        TICKET_LOG(platform::Warning) << "SaveProperties(" << platform::Utf8(className)
                                      << ") no parent,can't remove";
    }
    TiXmlElement* element = AppendElement(parent, tag);
    if (userDefined != nullptr) {
        WriteUserDefined(userDefined, *element);
    } else if (kind != kElementNone) {
        WriteCommonAttributes(control, *element, directory);
        if (kind == kElementForm) {
            WriteFormAttributes(static_cast<CFormUI*>(control), *element);
        } else if (kind >= kElementText && kind <= kElementTime) {
            auto* label = static_cast<CDesignLabelUI*>(control);
            WriteTextAttributes(label, *element);
            if (kind == kElementTime) {
                Put(*element, "timeformat", TimeFormatList::At(static_cast<CTimeUI*>(control)->GetFormatIndex()));
            } else if (kind != kElementText) {
                WriteNumberAttributes(label, *element);
            }
        }
    }
    if (auto* container = static_cast<IContainerUI*>(control->GetInterface(QStringLiteral("IContainer")))) {
        for (int i = 0; i < container->GetCount(); ++i) {
            SaveProperties(container->GetItemAt(i), *element, directory);
        }
    }
}

namespace {

bool SameFont(const platform::FontDescription& a, const platform::FontDescription& b)
{
    return a.weight == b.weight && a.italic == b.italic && a.height == b.height &&
           a.FaceName().compare(b.FaceName(), Qt::CaseInsensitive) == 0;
}

void WriteFonts(const CPaintManagerUI& manager, TiXmlElement& root)
{
    const platform::FontDescription defaultFont = manager.GetDefaultFontDescription();
    std::vector<platform::FontDescription> written;
    for (int i = 0; i < manager.GetCustomFontCount(); ++i) {
        const platform::FontDescription font = manager.GetFont(i).ToDescription();
        bool duplicate = false;
        for (const auto& earlier : written) {
            duplicate = duplicate || SameFont(earlier, font);
        }
        if (duplicate) {
            continue;
        }
        written.push_back(font);
        TiXmlElement* element = AppendElement(root, QStringLiteral("Font"));
        Put(*element, "name", font.FaceName());
        Put(*element, "size", QString::number(-int64_t(font.height)));
        Put(*element, "bold", Bool(font.weight > 699));
        Put(*element, "italic", Bool(font.italic));
        if (SameFont(font, defaultFont)) {
            Put(*element, "default", Bool(true));
        }
    }
}

} // namespace

QByteArray WriteTemplateMarkup(CFormUI& form, const CPaintManagerUI& manager, const QString& directory)
{
    TiXmlDocument document;
    TiXmlElement* root = StartMarkupDocument(document);
    WriteFonts(manager, *root);
    for (const auto& [className, list] : manager.GetDefaultAttributeLists()) {
        TiXmlElement* element = AppendElement(*root, QStringLiteral("Default"));
        Put(*element, "name", className);
        Put(*element, "value", list);
    }
    SaveProperties(&form, *root, directory);
    return PrintMarkup(document);
}

} // namespace document
