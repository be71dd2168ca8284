#include "app/ApplicationLook.h"

#include "app/CommandIds.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace app {

namespace {

// Window, button, base, highlight and text colours of a palette look.
struct LookColours
{
    QColor window;
    QColor button;
    QColor base;
    QColor highlight;
    QColor text;
};

QPalette MakePalette(const LookColours& c)
{
    QPalette palette(c.button, c.window);
    palette.setColor(QPalette::Base, c.base);
    palette.setColor(QPalette::AlternateBase, c.window.lighter(105));
    palette.setColor(QPalette::Highlight, c.highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        palette.setColor(role, c.text);
    }
    palette.setColor(QPalette::ToolTipBase, c.base);
    const QColor disabled = c.text.lightness() < 128 ? QColor(0x80, 0x80, 0x80) : QColor(0x70, 0x70, 0x70);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

QPalette LookPalette(int id, const QStyle& style)
{
    switch (id) {
    case ID_VIEW_APPLOOK_OFF_XP:
        return MakePalette({QColor(0xF0, 0xEF, 0xEB), QColor(0xF7, 0xF6, 0xF3), Qt::white,
                            QColor(0x31, 0x6A, 0xC5), Qt::black});
    case ID_VIEW_APPLOOK_OFF_2003:
        return MakePalette({QColor(0xC4, 0xDA, 0xFA), QColor(0xE3, 0xEF, 0xFF), Qt::white,
                            QColor(0xF8, 0xB4, 0x4E), Qt::black});
    case ID_VIEW_APPLOOK_VS_2005:
        return MakePalette({QColor(0xEE, 0xED, 0xE5), QColor(0xF5, 0xF4, 0xEE), Qt::white,
                            QColor(0x31, 0x6A, 0xC5), Qt::black});
    case ID_VIEW_APPLOOK_VS_2008:
        return MakePalette({QColor(0xE9, 0xEC, 0xF2), QColor(0xF4, 0xF6, 0xFA), Qt::white,
                            QColor(0x33, 0x99, 0xFF), Qt::black});
    case ID_VIEW_APPLOOK_OFF_2007_BLUE:
        return MakePalette({QColor(0xBF, 0xDB, 0xFF), QColor(0xDD, 0xEC, 0xFE), Qt::white,
                            QColor(0xFF, 0xBD, 0x69), QColor(0x15, 0x42, 0x8B)});
    case ID_VIEW_APPLOOK_OFF_2007_BLACK:
        return MakePalette({QColor(0x35, 0x35, 0x38), QColor(0x4A, 0x4A, 0x4E), QColor(0x26, 0x26, 0x28),
                            QColor(0xE8, 0x9D, 0x3C), QColor(0xF0, 0xF0, 0xF0)});
    case ID_VIEW_APPLOOK_OFF_2007_SILVER:
        return MakePalette({QColor(0xD0, 0xD4, 0xDD), QColor(0xEB, 0xED, 0xF1), Qt::white,
                            QColor(0x8C, 0x9C, 0xB5), Qt::black});
    case ID_VIEW_APPLOOK_OFF_2007_AQUA:
        return MakePalette({QColor(0xC4, 0xE3, 0xE3), QColor(0xE1, 0xF2, 0xF1), Qt::white,
                            QColor(0x3F, 0x9E, 0xA5), QColor(0x1E, 0x45, 0x48)});
    default:
        return style.standardPalette();
    }
}

QString& NativeStyleName()
{
    static QString name;
    return name;
}

} // namespace

bool IsApplicationLook(int id)
{
    return (id >= ID_VIEW_APPLOOK_WIN_2000 && id <= ID_VIEW_APPLOOK_VS_2008) ||
           (id >= ID_VIEW_APPLOOK_OFF_2007_BLUE && id <= ID_VIEW_APPLOOK_WINDOWS_7);
}

int ValidApplicationLook(int id)
{
    return IsApplicationLook(id) ? id : kDefaultLook;
}

const char* ApplicationLookStyleName(int id)
{
    switch (id) {
    case ID_VIEW_APPLOOK_WIN_2000:
        return "windows";
    case ID_VIEW_APPLOOK_WIN_XP:
        return "native";
    default:
        return "fusion";
    }
}

void ApplyApplicationLook(QApplication& application, int id)
{
    QString& native = NativeStyleName();
    if (native.isEmpty()) {
        native = application.style()->name();
    }
    const QString wanted =
        id == ID_VIEW_APPLOOK_WIN_XP ? native : QLatin1String(ApplicationLookStyleName(id));
    if (application.style()->name().compare(wanted, Qt::CaseInsensitive) != 0) {
        if (QStyle* style = QStyleFactory::create(wanted)) {
            application.setStyle(style);
        }
    }
    application.setPalette(LookPalette(ValidApplicationLook(id), *application.style()));
}

} // namespace app
