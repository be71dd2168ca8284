#include "panes/PropertiesToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

namespace panes {

namespace {

constexpr int kIconSide = 16;

// Build order: a heading bar over indented rows.
QIcon CategorizedIcon(const QPalette& palette)
{
    QPixmap pixmap(kIconSide, kIconSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor ink = palette.color(QPalette::WindowText);
    painter.fillRect(QRect(1, 2, 14, 3), ink);
    painter.fillRect(QRect(5, 7, 10, 2), ink);
    painter.fillRect(QRect(5, 11, 10, 2), ink);
    return QIcon(pixmap);
}

// Sorted by caption: an A over a Z beside a downward arrow.
QIcon AlphabeticalIcon(const QPalette& palette)
{
    QPixmap pixmap(kIconSide, kIconSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(palette.color(QPalette::WindowText));
    QFont font = painter.font();
    font.setPixelSize(7);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 9, 8), Qt::AlignCenter, QStringLiteral("A"));
    painter.drawText(QRect(0, 8, 9, 8), Qt::AlignCenter, QStringLiteral("Z"));
    painter.drawLine(12, 2, 12, 13);
    painter.drawLine(10, 11, 12, 13);
    painter.drawLine(14, 11, 12, 13);
    return QIcon(pixmap);
}

} // namespace

CPropertiesToolBar::CPropertiesToolBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("propertiesToolBar"));
    setIconSize(QSize(kIconSide, kIconSide));
    setMovable(false);
    setFloatable(false);

    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    m_categorized = addAction(CategorizedIcon(palette()),
                              QCoreApplication::translate("panes::CPropertiesToolBar", "Categorized"));
    m_alphabetical = addAction(AlphabeticalIcon(palette()),
                               QCoreApplication::translate("panes::CPropertiesToolBar", "Alphabetical"));
    for (QAction* action : {m_categorized, m_alphabetical}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    m_categorized->setChecked(true);

    connect(m_categorized, &QAction::triggered, this, [this] { emit OrderChosen(false); });
    connect(m_alphabetical, &QAction::triggered, this, [this] { emit OrderChosen(true); });
}

void CPropertiesToolBar::SetAlphabetical(bool alphabetical)
{
    (alphabetical ? m_alphabetical : m_categorized)->setChecked(true);
}

} // namespace panes
