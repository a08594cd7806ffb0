// The program's own options, rules and priorities, added by loadFromPpd
// after the PPD's options, constraints and defaults, in this order.
#pragma once

#include <cups/ppd.h>

class vOptionSet;

void addFinishingOptions(ppd_file_t *ppd, vOptionSet *store);
void addCoverOptions(ppd_file_t *ppd, vOptionSet *store);
void addJobOptions(ppd_file_t *ppd, vOptionSet *store);
void addSuperWatermarkOption(ppd_file_t *ppd, vOptionSet *store);
void addPQXOptions(vOptionSet *store);
void addBuiltInConstraints(vOptionSet *store);
void applyOptionPriority(vOptionSet *store);
void importUiConstraints(ppd_file_t *ppd, vOptionSet *store);
void addDerivedConstraints(vOptionSet *store);
