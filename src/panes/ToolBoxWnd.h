#pragma once

#include <QDockWidget>

namespace panes {

// The "Tool Box" pane on the left of the main window.
class CToolBoxWnd : public QDockWidget
{
    Q_OBJECT
public:
    explicit CToolBoxWnd(QWidget* parent = nullptr);
    ~CToolBoxWnd() override;
};

} // namespace panes
