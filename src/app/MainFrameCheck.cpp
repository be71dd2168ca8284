// The main window's side of the template check: the command, the Check
// Results pane and the question before a faulty upload.
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/FramePrompts.h"
#include "app/MainFrame.h"
#include "editor/DesignerView.h"
#include "panes/CheckResultsWnd.h"

#include <QTimer>

namespace app {

namespace {

// Edits come in bursts (a drag, a run of arrow keys); the shown findings
// catch up once the burst is over.
constexpr int kRecheckDelayMs = 400;
// A few findings in sight while the page keeps most of the window.
constexpr int kCheckResultsHeight = 150;

} // namespace

void CMainFrame::CreateCheckResults()
{
    m_checkResults = new panes::CCheckResultsWnd(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_checkResults);
    // Out of the way until the operator checks a template.
    m_checkResults->hide();
    connect(m_checkResults, &panes::CCheckResultsWnd::ElementActivated, this,
            [this](int index) { m_view->SelectChildAt(index); });
    m_recheck = new QTimer(this);
    m_recheck->setSingleShot(true);
    m_recheck->setInterval(kRecheckDelayMs);
    connect(m_recheck, &QTimer::timeout, this, &CMainFrame::Recheck);
}

void CMainFrame::InstallCheckHandlers()
{
    CommandTable& c = *m_commands;
    c.SetHandler(ID_CHECK_TEMPLATE, [this] { m_view->CheckTemplate(); });
    c.SetHandler(ID_WINDOW_CHECK_RESULTS, [this] {
        RevealCheckResults();
        ShowPane(m_checkResults);
        ScheduleRecheck();
    });
}

void CMainFrame::ShowFindings(const std::vector<check::Finding>& findings)
{
    m_checkResults->ShowFindings(findings);
    if (m_preview == nullptr) {
        RevealCheckResults();
    }
}

void CMainFrame::RevealCheckResults()
{
    const bool firstTime = !m_checkResultsSized;
    m_checkResults->show();
    m_checkResults->raise();
    if (firstTime && !m_checkResults->isFloating()) {
        resizeDocks({m_checkResults}, {kCheckResultsHeight}, Qt::Vertical);
    }
    m_checkResultsSized = true;
}

bool CMainFrame::ConfirmUploadWithErrors(int errorCount)
{
    return m_prompts->AskToUploadWithErrors(this, errorCount);
}

void CMainFrame::ScheduleRecheck()
{
    if (m_recheck != nullptr && m_checkResults->isVisible()) {
        m_recheck->start();
    }
}

void CMainFrame::Recheck()
{
    // Nothing is measured while a drag is half done or the pane is away.
    if (m_view->IsDragging()) {
        m_recheck->start();
        return;
    }
    if (m_checkResults->isVisible() && m_view->Form() != nullptr) {
        m_checkResults->ShowFindings(check::CheckTemplate(*m_view->Form()));
    }
}

} // namespace app
