#pragma once

#include "editor/ToolSource.h"

#include <QDockWidget>

namespace panes {

class CToolBoxCtrl;

// The "Tool Box" pane on the left of the main window: the pointer and one
// tool per printable element kind. The design view reads the picked tool
// through ToolSource and greys out the number tools the page already holds.
class CToolBoxWnd : public QDockWidget, public editor::ToolSource
{
    Q_OBJECT
public:
    explicit CToolBoxWnd(QWidget* parent = nullptr);
    ~CToolBoxWnd() override;

    CToolBoxCtrl* ToolBox() const { return m_toolBox; }

    int SelectedToolId() const override;
    void SelectPointerTool() override;
    void EnableToolOfKind(int kind, bool enabled) override;
    bool IsToolOfKindEnabled(int kind) const override;
    QPixmap ToolIcon(int kind) const override;

signals:
    // The picked tool changed, by a click or by the program.
    void ToolChanged(int toolId);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    CToolBoxCtrl* m_toolBox;
};

} // namespace panes
