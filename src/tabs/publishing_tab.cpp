#include "tabs/publishing_tab.h"

#include <QLabel>

#include "ui/option_widgets.h"
#include "app/vel_dialog.h"

PublishingTab::PublishingTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

void PublishingTab::setTabName()
{
    tabName = tr("Publishing");
}

void PublishingTab::buildWidgets()
{
    tabName = tr("Publishing");
    coverModeButton = new VelCheckBoxButton(this, tr("Cover mode:"), QIcon(QStringLiteral(":/icons/covermode")));
    frontCoverSourceCombo = new ComboBoxEx();
    frontCoverSourceCombo->setParent(this);
    backCoverSourceCombo = new ComboBoxEx();
    backCoverSourceCombo->setParent(this);
    frontPrintOntoLabel = new QLabel(tr("Front"), this);
    frontPrintOntoLabel->setAccessibleName(QStringLiteral("lblCvrFront"));
    backPrintOntoLabel = new QLabel(tr("Back"), this);
    backPrintOntoLabel->setAccessibleName(QStringLiteral("lblCvrBack"));
    for (QWidget *w : {static_cast<QWidget *>(coverModeButton), static_cast<QWidget *>(frontCoverSourceCombo),
                       static_cast<QWidget *>(backCoverSourceCombo), static_cast<QWidget *>(frontPrintOntoLabel),
                       static_cast<QWidget *>(backPrintOntoLabel)})
        w->hide();
    connect(frontCoverSourceCombo, SIGNAL(currentIndexChanged(int)), dialog, SLOT(togglePublishingFronAndBackLabel()),
            Qt::UniqueConnection);
    connect(backCoverSourceCombo, SIGNAL(currentIndexChanged(int)), dialog, SLOT(togglePublishingFronAndBackLabel()),
            Qt::UniqueConnection);
}

QIcon PublishingTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing"));
}

QIcon PublishingTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing-constraint"));
}

bool PublishingTab::hasOptions()
{
    return false;
}
