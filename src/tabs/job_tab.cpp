#include "tabs/job_tab.h"

#include "app/vel_dialog.h"

JobTab::JobTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void JobTab::setTabName()
{
    tabName = tr("Job");
}

void JobTab::buildWidgets()
{
    tabName = tr("Job");
}

QIcon JobTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-job"));
}

QIcon JobTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-job-constraint"));
}

bool JobTab::hasOptions()
{
    return false;
}
