#include "panes/PropertyTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace panes {

namespace {

// The English texts are the translation sources: the row names operators
// know, with their typos mended ("Border size", "Digit count").
constexpr std::array kTexts = {
    PropertyText{kTextCurrent, QT_TRANSLATE_NOOP("panes::CUIProperties", "Current"), "正在服务号码"},
    PropertyText{kTextWaiting, QT_TRANSLATE_NOOP("panes::CUIProperties", "Waiting"), "等待人数"},
    PropertyText{kTextQueuing, QT_TRANSLATE_NOOP("panes::CUIProperties", "Queuing"), "取号号码"},
    PropertyText{kTextImage, QT_TRANSLATE_NOOP("panes::CUIProperties", "Image"), "图片"},
    PropertyText{kTextText, QT_TRANSLATE_NOOP("panes::CUIProperties", "Text"), "文本"},
    PropertyText{kTextTime, QT_TRANSLATE_NOOP("panes::CUIProperties", "Time"), "时间"},
    PropertyText{kTextTimeFormat, QT_TRANSLATE_NOOP("panes::CUIProperties", "Time Format"), "时间格式"},
    PropertyText{kTextBoot, QT_TRANSLATE_NOOP("panes::CUIProperties", "Boot"), "开机"},
    PropertyText{kTextPos, QT_TRANSLATE_NOOP("panes::CUIProperties", "Pos"), "坐标"},
    PropertyText{kTextLeft, QT_TRANSLATE_NOOP("panes::CUIProperties", "left"), "左"},
    PropertyText{kTextRight, QT_TRANSLATE_NOOP("panes::CUIProperties", "right"), "右"},
    PropertyText{kTextTop, QT_TRANSLATE_NOOP("panes::CUIProperties", "top"), "上"},
    PropertyText{kTextBottom, QT_TRANSLATE_NOOP("panes::CUIProperties", "bottom"), "下"},
    PropertyText{
        kTextPosLeftDescription,
        QT_TRANSLATE_NOOP("panes::CUIProperties",
                          "The distance between the top left corner of the control and the left border"),
        "控件左上角与左边框的距离"},
    PropertyText{
        kTextPosRightDescription,
        QT_TRANSLATE_NOOP("panes::CUIProperties",
                          "The distance between the lower right corner of the control and the left border"),
        "控件右下角与左边框的距离"},
    PropertyText{
        kTextPosTopDescription,
        QT_TRANSLATE_NOOP("panes::CUIProperties",
                          "The distance between the top left corner of the control and the top border"),
        "控件左上角与上边框的距离"},
    PropertyText{
        kTextPosBottomDescription,
        QT_TRANSLATE_NOOP("panes::CUIProperties",
                          "The distance between the lower right corner of the control and the top border"),
        "控件右下角与上边框的距离"},
    PropertyText{kTextPaperWidth, QT_TRANSLATE_NOOP("panes::CUIProperties", "Paper width"), "打印纸宽度"},
    PropertyText{kTextPaperWidthDescription, QT_TRANSLATE_NOOP("panes::CUIProperties", "Paper width\nmm"),
                 "纸张宽度\n单位毫米"},
    PropertyText{kTextDigitLength, QT_TRANSLATE_NOOP("panes::CUIProperties", "Digit count"), "号码位数"},
    PropertyText{kTextEndingNumber, QT_TRANSLATE_NOOP("panes::CUIProperties", "Ending number"), "结束号数"},
    PropertyText{kTextStartingNumber, QT_TRANSLATE_NOOP("panes::CUIProperties", "Starting number"),
                 "起始号码"},
    PropertyText{kTextNumberReset, QT_TRANSLATE_NOOP("panes::CUIProperties", "Number reset "), "归零设置"},
    PropertyText{kTextNumberResetDescription,
                 QT_TRANSLATE_NOOP("panes::CUIProperties", "When the number is reset to zero"),
                 "号码重置为零的时间"},
    PropertyText{kTextPrintTimes, QT_TRANSLATE_NOOP("panes::CUIProperties", "Print times"), "打印次数"},
    PropertyText{kTextHorizontalDpi, QT_TRANSLATE_NOOP("panes::CUIProperties", "horizontal DPI"), "水平DPI"},
    PropertyText{kTextVerticalDpi, QT_TRANSLATE_NOOP("panes::CUIProperties", "vertical DPI"), "垂直DPI"},
    PropertyText{kTextHorizontalDpiDescription,
                 QT_TRANSLATE_NOOP("panes::CUIProperties", "Printer horizontal pixel density"),
                 "打印机水平像素密度"},
    PropertyText{kTextVerticalDpiDescription,
                 QT_TRANSLATE_NOOP("panes::CUIProperties", "Printer vertical pixel density"),
                 "打印机垂直像素密度"},
    PropertyText{kTextMargin, QT_TRANSLATE_NOOP("panes::CUIProperties", "Margin"), "纸张边距"},
    PropertyText{kTextMarginLeftDescription, QT_TRANSLATE_NOOP("panes::CUIProperties", "Left margin\nmm"),
                 "左边距\n毫米"},
    PropertyText{kTextMarginRightDescription, QT_TRANSLATE_NOOP("panes::CUIProperties", "Right margin\nmm"),
                 "右边距\n毫米"},
    PropertyText{kTextMarginTopDescription, QT_TRANSLATE_NOOP("panes::CUIProperties", "Top margin\nmm"),
                 "上边距\n毫米"},
    PropertyText{kTextMarginBottomDescription, QT_TRANSLATE_NOOP("panes::CUIProperties", "Bottom margin\nmm"),
                 "下边距\n毫米"},
    PropertyText{kTextFont, QT_TRANSLATE_NOOP("panes::CUIProperties", "Font"), "字体"},
    PropertyText{kTextFontDescription,
                 QT_TRANSLATE_NOOP("panes::CUIProperties",
                                   "The face and style of the text. Its height follows the box: it is fitted "
                                   "again whenever the text, the box or its position changes."),
                 "文字的字体和样式。字高随元素框而定：文字、框或位置改变时会重新适应。"},
    PropertyText{kTextDisplayString, QT_TRANSLATE_NOOP("panes::CUIProperties", "Display string"),
                 "显示字符串"},
    PropertyText{kTextBorderSize, QT_TRANSLATE_NOOP("panes::CUIProperties", "Border size"), "线宽"},
    PropertyText{kTextTimeWhenPrinting, QT_TRANSLATE_NOOP("panes::CUIProperties", "Time when printing"),
                 "打印时的时间"},
    PropertyText{kTextImageDescription,
                 QT_TRANSLATE_NOOP("panes::CUIProperties", "Display image of the picture control"),
                 "图片控件的显示图片"},
    PropertyText{kTextDepartment, QT_TRANSLATE_NOOP("panes::CUIProperties", "Department"), "部门"},
};

} // namespace

std::span<const PropertyText> PropertyTexts()
{
    return kTexts;
}

QString PropertyString(PropertyTextId id)
{
    const auto found =
        std::find_if(kTexts.begin(), kTexts.end(), [id](const PropertyText& t) { return t.id == id; });
    if (found == kTexts.end()) {
        return {};
    }
    return QCoreApplication::translate(kPropertyTextContext, found->english);
}

} // namespace panes
