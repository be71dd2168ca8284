#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

namespace panes {

// One row of the toolbox: a tool the operator can pick.
struct CToolElement
{
    QString caption;
    // 100 for the pointer, otherwise the kind of element the tool places.
    int toolId = 0;
    QIcon icon;
    // A greyed row ignores clicks.
    bool enabled = true;
    // The row's place in the control, set by layout.
    QRect rect;
    // The caption is wider than its space: it is drawn elided and shown
    // whole as a tooltip.
    bool textTruncated = false;
};

} // namespace panes
