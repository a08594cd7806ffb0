// The Layout tab: booklet binding and booklet folding.
#pragma once

#include "ui/tab.h"

class QCheckBox;
class VelDialog;
class VelButtonGroup;

class BookletTab : public Tab
{
    Q_OBJECT
public:
    explicit BookletTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    void addCustomConstraints() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // Enabled while the queue has booklet binding or booklet folding.
    bool hasOptions() override;

    // The base wiring of the tab's two controls.
    virtual void connectSignals();

    VelButtonGroup *bookletGroup = nullptr;
    QCheckBox *foldCheckBox = nullptr;
};
