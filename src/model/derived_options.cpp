// The finishing switches that stand for the PPD's fold, punch and staple
// choices, and the rules that some choices inherit from the choices they
// stand for.
#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "model/rule_tables.h"

namespace {

// Only one kind of fold at a time: each pair of fold switches, named both ways.
const RuleRow kFoldExclusions[] = {
    {kw::cTriFld, kw::True, kw::cBiFld, kw::True},    {kw::cTriFld, kw::True, kw::cTriFldZ, kw::True},
    {kw::cTriFld, kw::True, kw::cEngrFld, kw::True},  {kw::cBiFld, kw::True, kw::cTriFld, kw::True},
    {kw::cBiFld, kw::True, kw::cTriFldZ, kw::True},   {kw::cBiFld, kw::True, kw::cEngrFld, kw::True},
    {kw::cTriFldZ, kw::True, kw::cTriFld, kw::True},  {kw::cTriFldZ, kw::True, kw::cBiFld, kw::True},
    {kw::cTriFldZ, kw::True, kw::cEngrFld, kw::True}, {kw::cEngrFld, kw::True, kw::cTriFld, kw::True},
    {kw::cEngrFld, kw::True, kw::cBiFld, kw::True},   {kw::cEngrFld, kw::True, kw::cTriFldZ, kw::True},
};

const RuleRow kTwoFoldExclusion[] = {
    {kw::cTriFld, kw::True, kw::cBiFld, kw::True},
};

const RuleRow kSorterRows[] = {
    {kw::Option18, kw::None, kw::cPrivatePrint, kw::True},
    {kw::Option18, kw::None, kw::cCustomBox, kw::True},
};

// Adds target=choice ~ partner for every link in the list.
void addLinks(vOptionSet *store, const QString &target, const QString &choice,
              const QList<vChoiceRef> &links)
{
    for (const vChoiceRef &link : links) {
        if (link.first && link.second)
            store->addConstraint(target, choice, link.first->keyword(), link.second->keyword());
    }
}

// Copies every link of option=choiceKeyword (a snapshot taken first) to switchKeyword=True.
void copyChoiceLinks(vOptionSet *store, vOption *option, const QString &choiceKeyword, const QString &switchKeyword)
{
    if (!option)
        return;
    vChoice *choice = option->findChoice(choiceKeyword);
    if (!choice)
        return;
    addLinks(store, switchKeyword, kw::True, choice->conflicts());
}

// Adds target=choice ~ partner for every link of `from` whose option is
// weaker (a greater number) than the target option.
void inheritWeakerLinks(vOptionSet *store, const vChoice *from, const QString &target, const QString &choice)
{
    const vOption *targetOption = store->findOption(target);
    if (!from || !targetOption)
        return;
    const QList<vChoiceRef> links = from->conflicts();
    for (const vChoiceRef &link : links) {
        if (link.first->priority() > targetOption->priority())
            store->addConstraint(target, choice, link.first->keyword(), link.second->keyword());
    }
}

} // namespace

QList<vChoiceRef> commonLinks(const vOption *option)
{
    QList<vChoiceRef> common;
    if (!option)
        return common;
    bool first = true;
    const QList<vChoice *> choices = option->choices();
    for (const vChoice *choice : choices) {
        if (choice->keyword() == kw::None)
            continue;
        const QList<vChoiceRef> links = choice->conflicts(); // each partner once
        if (first) {
            common = links;
            first = false;
            continue;
        }
        // A true intersection: once no link is common to all, none can be.
        for (int i = common.size() - 1; i >= 0; --i) {
            if (!links.contains(common.at(i)))
                common.removeAt(i);
        }
    }
    return common;
}

void addFinishingOptions(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    const bool hasFold = ppdHasOption(ppd, kw::FldA);
    const bool hasPunch = ppdHasOption(ppd, kw::Pnch);
    const bool hasStaple = ppdHasOption(ppd, kw::Stpl);
    const bool hasFolder = ppdHasOption(ppd, kw::Option24);

    if (hasFold) {
        store->insertOption(makeSwitch(kw::cBiFld, QStringLiteral("Bi-fold Mode")));
        store->insertOption(makeSwitch(kw::cTriFld, QStringLiteral("Tri-fold Mode")));
        if (hasFolder) {
            store->insertOption(makeSwitch(kw::cTriFldZ, QStringLiteral("Z-fold Mode")));
            store->insertOption(makeSwitch(kw::cEngrFld, QStringLiteral("Engineering-fold Mode")));
        }

        vOption *fold = store->findOption(kw::FldA);
        copyChoiceLinks(store, fold, kw::Bifold, kw::cBiFld);
        copyChoiceLinks(store, fold, kw::Trifold, kw::cTriFld);
        if (hasFolder) {
            copyChoiceLinks(store, fold, kw::Zfold, kw::cTriFldZ);
            copyChoiceLinks(store, fold, kw::EngrFold, kw::cEngrFld);
            static const QVector<RuleStrings> exclusions = ruleStrings(kFoldExclusions);
            addRules(store, exclusions);
        } else {
            static const QVector<RuleStrings> exclusion = ruleStrings(kTwoFoldExclusion);
            addRules(store, exclusion);
        }
    }

    if (hasPunch) {
        store->insertOption(makeSwitch(kw::cHole, QStringLiteral("Punch Mode")));
        addLinks(store, kw::cHole, kw::True, commonLinks(store->findOption(kw::Pnch)));
    }
    if (hasStaple) {
        store->insertOption(makeSwitch(kw::cStpl, QStringLiteral("Staple Mode")));
        addLinks(store, kw::cStpl, kw::True, commonLinks(store->findOption(kw::Stpl)));
    }
}

void addDerivedConstraints(vOptionSet *store)
{
    if (!store)
        return;
    // Option18=None takes over Coll=False's rules against weaker options.
    vOption *coll = store->findOption(kw::Coll);
    if (coll)
        inheritWeakerLinks(store, coll->findChoice(kw::False), kw::Option18, kw::None);

    // The duplex policy takes over the two-sided choices' rules against weaker options.
    if (vOption *duplex = store->findOption(kw::Duplex)) {
        for (const QString *sided : {&kw::DuplexTumble, &kw::DuplexNoTumble})
            inheritWeakerLinks(store, duplex->findChoice(*sided), kw::PQXDuplex, kw::On);
    }

    if (vOption *collate = store->findOption(kw::VZCollate1)) {
        const QList<vChoice *> choices = collate->choices();
        for (vChoice *choice : choices) {
            if (choice->keyword() != kw::None)
                store->addConstraint(kw::Option18, kw::None, collate->keyword(), choice->keyword());
        }
    }

    static const QVector<RuleStrings> sorterRules = ruleStrings(kSorterRows);
    addRules(store, sorterRules);
}
