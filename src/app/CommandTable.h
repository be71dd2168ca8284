#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class QAction;

namespace app {

// How one command reads in the menu, on a toolbar and in the status bar.
// Texts are English source texts; they are translated when actions are made.
struct CommandEntry
{
    int id;
    const char* text;   // menu caption, or nullptr for toolbar- and key-only commands
    const char* prompt; // status-bar prompt, "\n", tooltip; either half may be empty
    const char* keys;   // portable key sequences separated by "; ", or nullptr
    const char* icon;   // base name under :/icons, or nullptr
    bool checkable;
};

// Every command the frame knows, in one place.
const QList<CommandEntry>& CommandEntries();
const CommandEntry* FindCommandEntry(int id);

// What an update pass sets on a command.
struct CommandState
{
    bool enabled = true;
    bool checked = false;
};

// One QAction per command id. Later parts of the program give a command a
// handler and, when it is not always available, an update rule; a command
// without a handler stays disabled but visible.
class CommandTable : public QObject
{
    Q_OBJECT
public:
    explicit CommandTable(QObject* parent = nullptr);

    QAction* Action(int id) const;
    QList<int> Ids() const { return m_order; }

    void SetHandler(int id, std::function<void()> handler);
    void SetUpdateRule(int id, std::function<CommandState()> rule);
    bool HasHandler(int id) const { return m_handlers.contains(id); }

    // Enables and checks every command from its rule.
    void UpdateAll();
    // While suspended (the print preview) every command is disabled, its
    // keys included.
    void SetSuspended(bool suspended);
    bool IsSuspended() const { return m_suspended; }

private:
    void Run(int id);

    QList<int> m_order;
    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QHash<int, std::function<CommandState()>> m_rules;
    bool m_suspended = false;
};

} // namespace app
