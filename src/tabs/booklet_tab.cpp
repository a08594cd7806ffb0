#include "tabs/booklet_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>

#include "app/program_state.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

BookletTab::BookletTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    Tab::connectSignals();

    auto *page = new QHBoxLayout;
    setLayout(page);
    auto *grid = new QGridLayout;
    grid->addWidget(bookletGroup, 0, 1, 1, 1, Qt::AlignLeft);
    grid->addWidget(foldCheckBox, 1, 1, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    page->addLayout(grid, 0);
}

void BookletTab::setTabName()
{
    tabName = tr("Layout");
}

void BookletTab::buildWidgets()
{
    tabName = tr("Layout");
    bookletGroup = named(new VelButtonGroup(this, tr("Booklet") + QStringLiteral(":")), "butGroupVZBooklet");
    bookletGroup->addButton(tr("Off"), QStringLiteral(":/icons/booklet-off"), {kw::None});
    bookletGroup->addButton(tr("Left edge binding"), QStringLiteral(":/icons/booklet-left"), {kw::Left});
    bookletGroup->addButton(tr("Right edge binding"), QStringLiteral(":/icons/booklet-right"), {kw::Right});

    foldCheckBox = named(new QCheckBox(tr("Booklet fold")), "chkBxFold");

    controls.insert(kw::VZBooklet, bookletGroup);
    controls.insert(kw::Fold, foldCheckBox);
    labels.insert(kw::VZBooklet, bookletGroup);
    labels.insert(kw::Fold, foldCheckBox);
}

void BookletTab::addCustomConstraints() {}

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
    return hasBoundOption();
}

void BookletTab::connectSignals()
{
    Tab::connectSignals();
}
