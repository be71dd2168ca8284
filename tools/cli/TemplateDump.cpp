#include "TemplateDump.h"

#include "controls/AttributeValues.h"
#include "document/DesignerDoc.h"
#include "elements/DesignLabelUI.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"
#include "elements/TimeUI.h"

#include <QJsonArray>

#include <charconv>

namespace cli {

using namespace MarkupUI;

namespace {

QJsonArray Array(std::initializer_list<qint64> values)
{
    QJsonArray array;
    for (qint64 v : values) {
        array.append(v);
    }
    return array;
}

// The shortest decimal that reads back as the same float: 203.2, not the
// 203.199996948 a plain widening to double would print.
double FloatValue(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    double shortest = 0.0;
    std::from_chars(text, result.ptr, shortest);
    return shortest;
}

QJsonArray RectArray(const platform::Rect& r)
{
    return Array({r.left, r.top, r.right, r.bottom});
}

QJsonObject DumpForm(CFormUI& form)
{
    QJsonObject json;
    json["size"] = Array({form.GetWidth(), form.GetHeight()});
    json["margins"] = RectArray(form.GetMargins());
    json["printable_dots"] = Array({form.GetPrintableWidthDots(), form.GetPrintableHeightDots()});
    json["printable_view"] = Array({form.GetPrintableWidthView(), form.GetPrintableHeightView()});
    json["model"] = form.GetModel();
    json["dpi"] = QJsonArray{FloatValue(form.GetDpiX()), FloatValue(form.GetDpiY())};
    json["printpadding"] = RectArray(form.GetPrintPadding());
    json["maxnum"] = form.GetMaxNum();
    json["cutoffnum"] = form.GetCutoffNum();
    json["printcount"] = form.GetPrintCount();
    json["department"] = form.GetDepartment();
    json["zeroing"] = form.GetZeroing();
    return json;
}

QJsonObject DumpElement(const CFormUI& form, CControlUI& control)
{
    QJsonObject json;
    const int kind = control.GetElementKind();
    json["kind"] = kind;
    json["class"] = control.GetClass();
    json["name"] = control.GetName();
    json["text"] = control.GetText();
    const platform::Size xy = control.GetFixedXY();
    json["fixed"] = Array({xy.cx, xy.cy, control.GetFixedWidth(), control.GetFixedHeight()});
    json["pos"] = RectArray(control.GetPos());
    json["border_size"] = control.GetBorderSize();
    json["border_color"] = AttributeValues::FormatColor(control.GetBorderColor());
    json["bkimage"] = control.GetBkImage();
    if (auto* label = static_cast<CDesignLabelUI*>(control.GetInterface(QStringLiteral("DesignLabel")))) {
        json["style"] = qint64(label->GetTextStyle());
        json["num_length"] = label->GetNumLength();
        const platform::FontDescription& font = label->GetFontDescription();
        json["font"] = QJsonObject{{"face", font.FaceName()},     {"height", font.height},
                                   {"weight", font.weight},       {"italic", font.italic},
                                   {"underline", font.underline}, {"charset", int(font.charSet)}};
    }
    if (kind == kElementTime) {
        json["time_format"] = static_cast<CTimeUI&>(control).GetFormatIndex();
    }
    if (kind > kElementForm) {
        platform::Rect device = control.GetPos();
        json["device_rect"] = form.MapToDevice(device) ? QJsonValue(RectArray(device)) : QJsonValue();
    }
    return json;
}

} // namespace

QJsonObject DumpTemplate(const document::CDesignerDoc& doc)
{
    CFormUI& form = *doc.GetForm();
    QJsonArray elements;
    for (int i = 0; i < form.GetCount(); ++i) {
        elements.append(DumpElement(form, *form.GetItemAt(i)));
    }
    QJsonArray entries;
    if (const auto reader = doc.Archive().Reader()) {
        for (int i = 0; i < reader->Count(); ++i) {
            entries.append(reader->Entry(i).name);
        }
    }
    QJsonObject json;
    json["form"] = DumpForm(form);
    json["elements"] = elements;
    json["archive"] = entries;
    json["warnings"] = QJsonArray::fromStringList(doc.OpenWarnings());
    return json;
}

namespace {
QString Join(const QJsonValue& value)
{
    QStringList parts;
    for (const QJsonValue& item : value.toArray()) {
        parts << (item.isDouble() ? QString::number(item.toDouble()) : item.toString());
    }
    return parts.join(QLatin1Char(','));
}
} // namespace

QStringList DescribeTemplate(const QJsonObject& dump)
{
    QStringList lines;
    const QJsonObject form = dump["form"].toObject();
    lines << QStringLiteral("form: model %1 mm, size %2, margins %3, printable %4 dots (%5 view units)")
                 .arg(form["model"].toString(), Join(form["size"]), Join(form["margins"]),
                      Join(form["printable_dots"]), Join(form["printable_view"]));
    lines << QStringLiteral("      dpi %1, printpadding %2 mm, numbers %3..%4, zeroing %5, printcount %6, "
                            "department %7")
                 .arg(Join(form["dpi"]), Join(form["printpadding"]))
                 .arg(form["cutoffnum"].toInt())
                 .arg(form["maxnum"].toInt())
                 .arg(form["zeroing"].toInt())
                 .arg(form["printcount"].toInt())
                 .arg(form["department"].toInt());
    const QJsonArray elements = dump["elements"].toArray();
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const QJsonObject e = elements[i].toObject();
        QString line = QStringLiteral("%1. %2 (%3) at %4")
                           .arg(i + 1)
                           .arg(e["class"].toString())
                           .arg(e["kind"].toInt())
                           .arg(Join(e["fixed"]));
        if (!e["text"].toString().isEmpty()) {
            line += QStringLiteral(" text \"%1\"").arg(e["text"].toString());
        }
        if (e.contains("device_rect")) {
            line += e["device_rect"].isNull() ? QStringLiteral(", not printable")
                                              : QStringLiteral(", dots %1").arg(Join(e["device_rect"]));
        }
        lines << line;
    }
    lines << QStringLiteral("archive: %1").arg(Join(dump["archive"]));
    for (const QJsonValue& warning : dump["warnings"].toArray()) {
        lines << QStringLiteral("warning: %1").arg(warning.toString());
    }
    return lines;
}

} // namespace cli
