#include "tabs/pqx_tab.h"

#include "app/vel_dialog.h"

PQXTab::PQXTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void PQXTab::setTabName()
{
    tabName = QStringLiteral("uLmera");
}

void PQXTab::buildWidgets()
{
    tabName = QStringLiteral("uLmera");
    connect(this, SIGNAL(colorchanged()), dialog, SLOT(toggleColorMode()));
}

QIcon PQXTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-pqx"));
}

QIcon PQXTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-pqx-constraint"));
}

bool PQXTab::hasOptions()
{
    return false;
}
