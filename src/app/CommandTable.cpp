#include "app/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>

namespace app {

namespace {

QString Translate(const char* text)
{
    return QCoreApplication::translate("app::CommandTable", text);
}

QList<QKeySequence> KeySequences(const char* keys)
{
    QList<QKeySequence> sequences;
    if (keys == nullptr) {
        return sequences;
    }
    for (const QString& key : QString::fromLatin1(keys).split(QStringLiteral("; "))) {
        sequences.append(QKeySequence::fromString(key, QKeySequence::PortableText));
    }
    return sequences;
}

} // namespace

CommandTable::CommandTable(QObject* parent) : QObject(parent)
{
    for (const CommandEntry& entry : CommandEntries()) {
        const QString prompt = entry.prompt != nullptr ? Translate(entry.prompt) : QString();
        const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
        const QString statusTip = split < 0 ? prompt : prompt.left(split);
        const QString toolTip = split < 0 ? prompt : prompt.mid(split + 1);

        auto* action = new QAction(this);
        action->setText(entry.text != nullptr ? Translate(entry.text) : toolTip);
        action->setStatusTip(statusTip);
        if (!toolTip.isEmpty()) {
            action->setToolTip(toolTip);
        }
        action->setShortcuts(KeySequences(entry.keys));
        action->setCheckable(entry.checkable);
        if (entry.icon != nullptr) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon))));
        }
        action->setData(entry.id);
        action->setEnabled(false);
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        m_actions.insert(id, action);
        m_order.append(id);
    }
}

QAction* CommandTable::Action(int id) const
{
    return m_actions.value(id, nullptr);
}

void CommandTable::SetHandler(int id, std::function<void()> handler)
{
    m_handlers.insert(id, std::move(handler));
}

void CommandTable::SetUpdateRule(int id, std::function<CommandState()> rule)
{
    m_rules.insert(id, std::move(rule));
}

void CommandTable::UpdateAll()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        QAction* action = it.value();
        if (m_suspended || !m_handlers.contains(it.key())) {
            action->setEnabled(false);
            continue;
        }
        const auto rule = m_rules.constFind(it.key());
        const CommandState state = rule != m_rules.cend() ? (*rule)() : CommandState{};
        action->setEnabled(state.enabled);
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void CommandTable::SetSuspended(bool suspended)
{
    m_suspended = suspended;
    UpdateAll();
}

void CommandTable::Run(int id)
{
    if (m_suspended) {
        return;
    }
    const auto handler = m_handlers.constFind(id);
    if (handler != m_handlers.cend()) {
        // A copy: the handler may replace itself (or the table's state) while it runs.
        const std::function<void()> run = *handler;
        run();
    }
    UpdateAll();
}

} // namespace app
