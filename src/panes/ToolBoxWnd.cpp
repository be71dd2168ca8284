#include "panes/ToolBoxWnd.h"

#include "elements/ElementKind.h"
#include "panes/ToolBoxCtrl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>

namespace panes {

namespace {

using namespace MarkupUI;

struct ToolRow
{
    int toolId;
    const char* caption;
    const char* icon;
};

// The rows in display order; the captions are translated when shown.
constexpr ToolRow kToolRows[] = {
    {kElementPointerTool, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Point"), "pointer"},
    {kElementPicture, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Image"), "picture"},
    {kElementText, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Text"), "text"},
    {kElementQueuingNum, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Queuing"), "ticket-number"},
    {kElementCurrentNum, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Current"), "now-serving"},
    {kElementWaitingCount, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Waiting"), "waiting-count"},
    {kElementTime, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Time"), "time"},
    {kElementHorizontalLine, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Horizontal line"), "horizontal-line"},
    {kElementVerticalLine, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Vertical line"), "vertical-line"},
    {kElementRectangle, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Rectangle"), "rectangle"},
    {kElementCircle, QT_TRANSLATE_NOOP("panes::CToolBoxWnd", "Circular"), "circle"},
};

constexpr int kIconSize = 16;

// Only one element of each number kind may be on the page, so only their
// tools are ever greyed out.
bool IsSingleInstanceKind(int kind)
{
    return kind == kElementQueuingNum || kind == kElementWaitingCount || kind == kElementCurrentNum;
}

bool IsElementKind(int kind)
{
    return kind >= kElementPicture && kind <= kElementCircle;
}

QString Caption(const ToolRow& row)
{
    return QCoreApplication::translate("panes::CToolBoxWnd", row.caption);
}

} // namespace

CToolBoxWnd::CToolBoxWnd(QWidget* parent) : QDockWidget(parent), m_toolBox(new CToolBoxCtrl(this))
{
    setObjectName(QStringLiteral("toolboxPane"));
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setWidget(m_toolBox);
    // The captions come with the language, below.
    for (const ToolRow& row : kToolRows) {
        m_toolBox->AddToolElement(QString(), row.toolId,
                                  QIcon(QStringLiteral(":/icons/tools/%1.svg").arg(QLatin1String(row.icon))));
    }
    Retranslate();
    m_toolBox->SelectTool(kElementPointerTool);
    connect(m_toolBox, &CToolBoxCtrl::SelectedToolChanged, this, &CToolBoxWnd::ToolChanged);
}

CToolBoxWnd::~CToolBoxWnd() = default;

int CToolBoxWnd::SelectedToolId() const
{
    return m_toolBox->SelectedToolId();
}

void CToolBoxWnd::SelectPointerTool()
{
    m_toolBox->SelectTool(kElementPointerTool);
}

void CToolBoxWnd::EnableToolOfKind(int kind, bool enabled)
{
    if (!IsSingleInstanceKind(kind)) {
        return;
    }
    m_toolBox->SetToolEnabled(kind, enabled);
    // A pasted or restored element may grey out the tool that is picked; the
    // next press must not place a second one.
    if (!enabled && SelectedToolId() == kind) {
        SelectPointerTool();
    }
}

bool CToolBoxWnd::IsToolOfKindEnabled(int kind) const
{
    return m_toolBox->IsToolEnabled(kind);
}

QPixmap CToolBoxWnd::ToolIcon(int kind) const
{
    const int index = IsElementKind(kind) ? m_toolBox->IndexOfTool(kind) : -1;
    if (index < 0) {
        return {};
    }
    return m_toolBox->Element(index).icon.pixmap(QSize(kIconSize, kIconSize));
}

void CToolBoxWnd::changeEvent(QEvent* event)
{
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
}

void CToolBoxWnd::Retranslate()
{
    setWindowTitle(QCoreApplication::translate("panes::CToolBoxWnd", "Tool Box"));
    for (const ToolRow& row : kToolRows) {
        m_toolBox->SetCaption(row.toolId, Caption(row));
    }
}

} // namespace panes
