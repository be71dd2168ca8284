#pragma once

#include <QToolBar>

class QAction;

namespace panes {

// The two buttons above the property sheet: rows in build order
// (categorised) or sorted by caption (alphabetical). Exactly one is checked.
class CPropertiesToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit CPropertiesToolBar(QWidget* parent = nullptr);

    QAction* CategorizedAction() const { return m_categorized; }
    QAction* AlphabeticalAction() const { return m_alphabetical; }
    void SetAlphabetical(bool alphabetical);

signals:
    void OrderChosen(bool alphabetical);

private:
    QAction* m_categorized;
    QAction* m_alphabetical;
};

} // namespace panes
