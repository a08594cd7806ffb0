#include "tabs/watermark_tab.h"

#include "app/vel_dialog.h"

WatermarkTab::WatermarkTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void WatermarkTab::setTabName()
{
    tabName = tr("Watermark");
}

void WatermarkTab::buildWidgets()
{
    tabName = tr("Watermark");
}

QIcon WatermarkTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark"));
}

QIcon WatermarkTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark-constraint"));
}

bool WatermarkTab::hasOptions()
{
    return false;
}
