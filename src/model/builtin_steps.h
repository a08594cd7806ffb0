// The program's own options, rules and priorities, added by loadFromPpd
// after the PPD's options, constraints and defaults, in this order.
#pragma once

#include "model/option_model.h"

#include <QList>
#include <QString>
#include <cups/ppd.h>

void addFinishingOptions(ppd_file_t *ppd, vOptionSet *store);
void addCoverOptions(ppd_file_t *ppd, vOptionSet *store);
void addJobOptions(ppd_file_t *ppd, vOptionSet *store);
void addSuperWatermarkOption(ppd_file_t *ppd, vOptionSet *store);
void addPQXOptions(vOptionSet *store);
void addBuiltInConstraints(vOptionSet *store);
void applyOptionPriority(vOptionSet *store);
void importUiConstraints(ppd_file_t *ppd, vOptionSet *store);
void addDerivedConstraints(vOptionSet *store);

// Replaces a fold, staple or punch token of a cupsUIConstraints value by the
// keyword of its finishing switch (other tokens stay as they are) and returns it.
QString mapUiConstraintToken(QString &token);

// The links (pairwise rule partners) that every choice of the option other
// than "None" has; empty when any two of them have none in common. The order
// is that of the first such choice's links.
QList<vChoiceRef> commonLinks(const vOption *option);
