#pragma once

#include <QWidget>

namespace panes {

// The toolbox's custom-drawn list of tools: the pointer and one tool per
// printable element kind.
class CToolBoxCtrl : public QWidget
{
    Q_OBJECT
public:
    explicit CToolBoxCtrl(QWidget* parent = nullptr);
    ~CToolBoxCtrl() override;
};

} // namespace panes
