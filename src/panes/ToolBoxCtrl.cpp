#include "panes/ToolBoxCtrl.h"

namespace panes {

CToolBoxCtrl::CToolBoxCtrl(QWidget* parent) : QWidget(parent) {}

CToolBoxCtrl::~CToolBoxCtrl() = default;

} // namespace panes
