#include "tabs/booklet_tab.h"

#include "app/vel_dialog.h"

BookletTab::BookletTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void BookletTab::setTabName()
{
    tabName = tr("Layout");
}

void BookletTab::buildWidgets()
{
    tabName = tr("Layout");
}

QIcon BookletTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-layout"));
}

QIcon BookletTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-layout-constraint"));
}

bool BookletTab::hasOptions()
{
    return false;
}
