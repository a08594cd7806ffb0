#include "tabs/general_tab.h"

#include "ui/option_widgets.h"
#include "app/vel_dialog.h"

GeneralTab::GeneralTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void GeneralTab::setTabName()
{
    tabName = tr("Basic");
}

void GeneralTab::buildWidgets()
{
    tabName = tr("Basic");
    colorModeGroup = new VelButtonGroup(this, tr("Color") + QStringLiteral(": "));
    colorModeGroup->setAccessibleName(QStringLiteral("butGroupColorModelGeneral"));
    colorModeGroup->addButton(tr("Full color"), QStringLiteral(":/icons/color"));
    colorModeGroup->addButton(tr("Black & white"), QStringLiteral(":/icons/monochrome"));
    colorModeGroup->hide();
}

QIcon GeneralTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic"));
}

QIcon GeneralTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic-constraint"));
}

bool GeneralTab::hasOptions()
{
    return false;
}
