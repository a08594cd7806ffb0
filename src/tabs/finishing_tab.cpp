#include "tabs/finishing_tab.h"

#include "app/vel_dialog.h"

FinishingTab::FinishingTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void FinishingTab::setTabName()
{
    tabName = tr("Finishing");
}

void FinishingTab::buildWidgets()
{
    tabName = tr("Finishing");
}

QIcon FinishingTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing"));
}

QIcon FinishingTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing-constraint"));
}

bool FinishingTab::hasOptions()
{
    return false;
}
