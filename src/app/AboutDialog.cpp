#include "app/AboutDialog.h"

#include "TicketVersion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于 Designer"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/ticket-designer.svg")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* name =
        new QLabel(QStringLiteral("打印模板设计器，%1 版").arg(QStringLiteral(TICKET_VERSION)), this);
    auto* maker = new QLabel(QStringLiteral("排队叫号票据打印机模板设计工具"), this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(maker);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(texts, 1);
    row->addWidget(buttons, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace app
