#pragma once

#include "check/TemplateCheck.h"

#include <QDockWidget>

#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace panes {

// The "Check Results" pane below the design view: what the template check
// found, worst first. Double-clicking (or Enter on) a finding asks for its
// element to be selected on the page.
class CCheckResultsWnd : public QDockWidget
{
    Q_OBJECT
public:
    explicit CCheckResultsWnd(QWidget* parent = nullptr);

    void ShowFindings(const std::vector<check::Finding>& findings);
    const std::vector<check::Finding>& Findings() const { return m_findings; }
    QTreeWidget* List() const { return m_list; }

signals:
    // The element at this index of the form's children is wanted.
    void ElementActivated(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void Refill();
    void OnItemActivated(QTreeWidgetItem* item);

    QLabel* m_summary;
    QTreeWidget* m_list;
    std::vector<check::Finding> m_findings;
    bool m_checked = false;
};

// The name of an element kind as the operator knows it.
QString ElementKindName(int kind);

} // namespace panes
