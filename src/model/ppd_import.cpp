#include "model/ppd_import.h"

#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"

void loadFromPpd(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;

    ppdLocalize(ppd);
    readPpdFilters(ppd, store);
    loadPpdOptions(ppd, store);
    importPpdConstraints(ppd, store);
    markDefaultChoices(store);

    addFinishingOptions(ppd, store);
    addCoverOptions(ppd, store);
    addJobOptions(ppd, store);
    addSuperWatermarkOption(ppd, store);
    addPQXOptions(store);
    addBuiltInConstraints(store);
    applyOptionPriority(store);
    importUiConstraints(ppd, store);
    addDerivedConstraints(store);

    store->setHasVpslFilter(findVpslFilter(ppd));
}

void readPpdFilters(ppd_file_t *ppd, vOptionSet *store)
{
    for (int i = 0; i < ppd->num_filters; ++i) {
        const QString line = ppdText(ppd->filters[i]);
        if (line.contains(QLatin1String("ras")) || line.contains(QLatin1String("pdf")))
            store->setGeneric(true);
    }
    store->setModelName(ppdText(ppd->modelname));
}

void loadPpdOptions(ppd_file_t *ppd, vOptionSet *store)
{
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t &ppdOption = group.options[o];
            const QString keyword = ppdText(ppdOption.keyword);
            auto *option = new vOption(keyword, ppdText(ppdOption.text));
            for (int c = 0; c < ppdOption.num_choices; ++c)
                option->addChoice(ppdText(ppdOption.choices[c].choice), ppdText(ppdOption.choices[c].text));

            const QString def = normalizePpdDefault(keyword, ppdOption.defchoice);
            if (vChoice *choice = option->findChoice(def)) {
                option->setDefaultChoice(choice);
                store->setPpdDefault(keyword, def);
            }
            option->setFromPpd(true);
            store->insertOption(option);
        }
    }

    if (ppdFindAttr(ppd, "SupportsMaxPassword", nullptr)) {
        auto *option = new vOption(kw::cMaxPassword, QStringLiteral("Max Password"));
        option->addChoice(kw::True, kw::True);
        store->insertOption(option);
    }
}

bool isCustomPageDefault(const QString &keyword, const QString &defaultChoice)
{
    return (keyword.contains(kw::PageSize) || keyword.contains(kw::PageRegion))
           && defaultChoice.contains(kw::Custom, Qt::CaseInsensitive);
}

bool isCustomWatermarkTextDefault(const QString &keyword, const QString &defaultChoice)
{
    return keyword.contains(kw::Wtxt) && defaultChoice.contains(kw::Custom, Qt::CaseInsensitive);
}

bool isCustomJobNameDefault(const QString &keyword, const QString &defaultChoice)
{
    return keyword.contains(kw::JobName) && defaultChoice.contains(kw::Custom, Qt::CaseInsensitive);
}

QString normalizePpdDefault(const QString &keyword, const char *defchoice)
{
    const QString def = ppdText(defchoice);
    // The keyword tests run in order; the first keyword that matches decides.
    if (keyword.contains(kw::PageSize) || keyword.contains(kw::PageRegion))
        return isCustomPageDefault(keyword, def) ? QStringLiteral("Letter") : def;
    if (keyword.contains(kw::Wtxt))
        return isCustomWatermarkTextDefault(keyword, def) ? QStringLiteral("Confidential") : def;
    if (keyword.contains(kw::JobName))
        return isCustomJobNameDefault(keyword, def) ? kw::off : def;
    return def;
}

void tieChoiceToDuplex(vOptionSet *store, const QString &option, const QString &choice)
{
    if (!store->findOption(option))
        return;
    store->addConstraint(option, choice, kw::Duplex, kw::DuplexNoTumble);
    store->addConstraint(option, choice, kw::Duplex, kw::DuplexTumble);
}

void tieDuplexToChoice(vOptionSet *store, const QString &option, const QString &choice)
{
    if (!store->findOption(option))
        return;
    store->addConstraint(kw::Duplex, kw::DuplexNoTumble, option, choice);
    store->addConstraint(kw::Duplex, kw::DuplexTumble, option, choice);
}

void importPpdConstraints(ppd_file_t *ppd, vOptionSet *store)
{
    static const QString *const mediaOptions[] = {&kw::CvrM, &kw::Tmed, &kw::Pmed, &kw::BackCvrM};
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t &entry = ppd->consts[i];
        const QString o1 = ppdText(entry.option1);
        const QString c1 = ppdText(entry.choice1);
        const QString o2 = ppdText(entry.option2);
        const QString c2 = ppdText(entry.choice2);

        if ((o1 == kw::Coll && o2 == kw::VZCollate1) || (o1 == kw::VZCollate1 && o2 == kw::Coll))
            continue;

        if (o1 == kw::MediaType && o2 == kw::Duplex) {
            for (const QString *x : mediaOptions)
                tieChoiceToDuplex(store, *x, c1);
        } else if (o1 == kw::Duplex && o2 == kw::MediaType) {
            for (const QString *x : mediaOptions)
                tieDuplexToChoice(store, *x, c2);
        }
        store->addConstraint(o1, c1, o2, c2);
    }
}

void markDefaultChoices(vOptionSet *store)
{
    for (vOption *option : store->allOptions())
        option->setCurrentChoice(option->defaultChoice());
}

bool findVpslFilter(ppd_file_t *ppd)
{
    for (int i = 0; i < ppd->num_filters; ++i) {
        if (ppdText(ppd->filters[i]).contains(QLatin1String("velfilter_vpsl_H")))
            return true;
    }
    return false;
}
