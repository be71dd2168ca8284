#include "app/LayoutReport.h"

#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "app/StatusPanes.h"
#include "editor/DesignerView.h"
#include "panes/CheckResultsWnd.h"
#include "panes/PropertiesWnd.h"
#include "panes/PropertyGrid.h"
#include "panes/PropertyTree.h"
#include "panes/ToolBoxCtrl.h"
#include "panes/ToolBoxWnd.h"
#include "panes/UIProperties.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QAction>
#include <QMenuBar>
#include <QSaveFile>
#include <QToolBar>
#include <QTreeWidget>

namespace app {

namespace {

constexpr int kReportIntervalMs = 100;

QJsonArray Point(const QPoint& p)
{
    return QJsonArray{p.x(), p.y()};
}

} // namespace

LayoutReport::LayoutReport(CMainFrame& frame, const QString& path) : QObject(&frame), m_frame(frame), m_path(path)
{
    startTimer(kReportIntervalMs);
}

QByteArray LayoutReport::Describe() const
{
    QJsonObject report;
    const editor::CDesignerView* view = m_frame.View();
    report[QStringLiteral("page_origin")] =
        Point(view->viewport()->mapToGlobal(view->ToViewport(platform::Point{0, 0})));
    report[QStringLiteral("selected")] = view->Tracker().Count();

    QJsonObject tools;
    const panes::CToolBoxCtrl* list = static_cast<panes::CToolBoxWnd*>(m_frame.ToolboxDock())->ToolBox();
    for (int i = 0; i < list->Count(); ++i) {
        const panes::CToolElement& row = list->Element(i);
        if (list->rect().contains(row.rect.center())) {
            tools[QString::number(row.toolId)] = Point(list->mapToGlobal(row.rect.center()));
        }
    }
    report[QStringLiteral("tools")] = tools;

    // Shown property rows by id; sub-rows of an open group as "id.index".
    QJsonObject rows;
    QJsonObject buttons;
    const auto* pane = static_cast<panes::CPropertiesWnd*>(m_frame.PropertiesDock());
    const panes::PropertyGrid* grid = pane->Sheet()->Grid();
    const QWidget* port = grid->Tree()->viewport();
    const auto place = [&](const QString& key, const panes::PropertyRow* row) {
        const QRect value = grid->ValueRect(row);
        if (!value.isEmpty() && port->rect().contains(value.center())) {
            rows[key] = Point(port->mapToGlobal(value.center()));
        }
        const QRect button = grid->ButtonRect(row);
        if (!button.isEmpty() && port->rect().contains(button.center())) {
            buttons[key] = Point(port->mapToGlobal(button.center()));
        }
    };
    for (int id = 1; id <= 19; ++id) {
        const panes::PropertyRow* row = pane->Sheet()->Row(static_cast<panes::PropertyRowId>(id));
        if (row == nullptr || !grid->IsRowShown(row)) {
            continue;
        }
        place(QString::number(id), row);
        for (std::size_t sub = 0; sub < row->SubRows().size() && grid->IsExpanded(row); ++sub) {
            place(QStringLiteral("%1.%2").arg(id).arg(sub), row->SubRows()[sub].get());
        }
    }
    report[QStringLiteral("rows")] = rows;
    report[QStringLiteral("buttons")] = buttons;
    report[QStringLiteral("note")] = pane->Sheet()->Note();

    // Which bars and panes show: the preview puts them away.
    report[QStringLiteral("shown")] = QJsonObject{
        {QStringLiteral("menu"), m_frame.menuBar()->isVisible()},
        {QStringLiteral("standard"), m_frame.StandardToolBar()->isVisible()},
        {QStringLiteral("form_edit"), m_frame.FormEditToolBar()->isVisible()},
        {QStringLiteral("toolbox"), m_frame.ToolboxDock()->isVisible()},
        {QStringLiteral("properties"), m_frame.PropertiesDock()->isVisible()},
    };

    // Toolbar buttons by command id, and what the status bar says.
    QJsonObject commands;
    for (const QToolBar* bar : {m_frame.StandardToolBar(), m_frame.FormEditToolBar()}) {
        for (QAction* action : bar->actions()) {
            const QWidget* button = bar->widgetForAction(action);
            if (button != nullptr && button->isVisible() && action->data().isValid()) {
                commands[QString::number(action->data().toInt())] =
                    Point(button->mapToGlobal(button->rect().center()));
            }
        }
    }
    report[QStringLiteral("commands")] = commands;

    // The shown findings of the check, in the pane's order.
    QJsonArray findings;
    const panes::CCheckResultsWnd* checks = m_frame.CheckResultsDock();
    const QTreeWidget* findingList = checks->List();
    for (int i = 0; checks->isVisible() && i < findingList->topLevelItemCount(); ++i) {
        const check::Finding& finding = checks->Findings()[static_cast<std::size_t>(i)];
        QJsonObject entry{{QStringLiteral("code"), finding.code},
                          {QStringLiteral("element"), finding.elementIndex},
                          {QStringLiteral("severity"), check::SeverityKey(finding.severity)}};
        const QRect shown = findingList->visualItemRect(findingList->topLevelItem(i));
        if (!shown.isEmpty() && findingList->viewport()->rect().contains(shown.center())) {
            entry[QStringLiteral("at")] = Point(findingList->viewport()->mapToGlobal(shown.center()));
        }
        findings.append(entry);
    }
    report[QStringLiteral("findings")] = findings;
    const StatusPanes& panes = m_frame.Panes();
    report[QStringLiteral("status")] = QJsonObject{
        {QStringLiteral("message"), panes.Message()},
        {QStringLiteral("printer"), panes.PrinterText()},
        {QStringLiteral("transfers"), m_frame.TransfersStarted()},
        {QStringLiteral("running"), m_frame.IsTransferRunning()},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Compact);
}

void LayoutReport::timerEvent(QTimerEvent*)
{
    if (!m_frame.isVisible()) {
        return;
    }
    const QByteArray described = Describe();
    if (described == m_written) {
        return;
    }
    // Whole files only: a reader never sees half a report.
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(described) == described.size() && file.commit()) {
        m_written = described;
    }
}

} // namespace app
