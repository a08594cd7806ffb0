// Built-in steps not written yet; each is replaced by its own source file.
#include "model/builtin_steps.h"

void addFinishingOptions(ppd_file_t *, vOptionSet *) {}
void addCoverOptions(ppd_file_t *, vOptionSet *) {}
void addJobOptions(ppd_file_t *, vOptionSet *) {}
void addSuperWatermarkOption(ppd_file_t *, vOptionSet *) {}
void addPQXOptions(vOptionSet *) {}
void addBuiltInConstraints(vOptionSet *) {}
void applyOptionPriority(vOptionSet *) {}
void importUiConstraints(ppd_file_t *, vOptionSet *) {}
void addDerivedConstraints(vOptionSet *) {}
