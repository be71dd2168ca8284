#include "panes/ToolBoxWnd.h"

namespace panes {

CToolBoxWnd::CToolBoxWnd(QWidget* parent) : QDockWidget(parent) {}

CToolBoxWnd::~CToolBoxWnd() = default;

} // namespace panes
