// Reading a queue's PPD (opened through libcups) into an option store.
#pragma once

#include <QString>
#include <cups/ppd.h>

class vOptionSet;

void loadFromPpd(ppd_file_t *ppd, vOptionSet *store);

void readPpdFilters(ppd_file_t *ppd, vOptionSet *store);
void loadPpdOptions(ppd_file_t *ppd, vOptionSet *store);
void importPpdConstraints(ppd_file_t *ppd, vOptionSet *store);
void markDefaultChoices(vOptionSet *store);
bool findVpslFilter(ppd_file_t *ppd);

QString normalizePpdDefault(const QString &keyword, const char *defchoice);
bool isCustomPageDefault(const QString &keyword, const QString &defaultChoice);
bool isCustomWatermarkTextDefault(const QString &keyword, const QString &defaultChoice);
bool isCustomJobNameDefault(const QString &keyword, const QString &defaultChoice);

void tieChoiceToDuplex(vOptionSet *store, const QString &option, const QString &choice);
void tieDuplexToChoice(vOptionSet *store, const QString &option, const QString &choice);

// Whether the PPD has the option of that keyword.
inline bool ppdHasOption(ppd_file_t *ppd, const QString &keyword)
{
    return ppdFindOption(ppd, keyword.toLatin1().constData()) != nullptr;
}

// Text from libcups; a null pointer reads as empty.
inline QString ppdText(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}
