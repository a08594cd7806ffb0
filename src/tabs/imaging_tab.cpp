#include "tabs/imaging_tab.h"

#include "ui/option_widgets.h"
#include "app/vel_dialog.h"

ImagingTab::ImagingTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void ImagingTab::setTabName()
{
    tabName = tr("Imaging");
}

void ImagingTab::buildWidgets()
{
    tabName = tr("Imaging");
    colorModeGroup = new VelButtonGroup(this, tr("Color") + QStringLiteral(": "));
    colorModeGroup->setAccessibleName(QStringLiteral("butGroupColorModel"));
    colorModeGroup->addButton(tr("Full color"), QStringLiteral(":/icons/color"));
    colorModeGroup->addButton(tr("Black & white"), QStringLiteral(":/icons/monochrome"));
    colorModeGroup->hide();
}

QIcon ImagingTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging"));
}

QIcon ImagingTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging-constraint"));
}

bool ImagingTab::hasOptions()
{
    return false;
}

void ImagingTab::clearDialogSettings(int selection)
{
    if (selection == 0)
        ++monoResets;
    else
        ++colorResets;
}

void ImagingTab::clearDialogSettings()
{
    clearDialogSettings(colorModeGroup->checkedIndex());
}
