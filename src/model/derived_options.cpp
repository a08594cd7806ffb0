// The finishing switches that stand for the PPD's fold, punch and staple
// choices, and the rules that some choices inherit from the choices they
// stand for.
#include "model/builtin_steps.h"
#include "model/option_model.h"
#include "model/rule_tables.h"

namespace {

// Only one kind of fold at a time: each pair of fold switches, named both ways.
const RuleRow kFoldExclusions[] = {
    {"cTriFld", "True", "cBiFld", "True"},   {"cTriFld", "True", "cTriFldZ", "True"},
    {"cTriFld", "True", "cEngrFld", "True"}, {"cBiFld", "True", "cTriFld", "True"},
    {"cBiFld", "True", "cTriFldZ", "True"},  {"cBiFld", "True", "cEngrFld", "True"},
    {"cTriFldZ", "True", "cTriFld", "True"}, {"cTriFldZ", "True", "cBiFld", "True"},
    {"cTriFldZ", "True", "cEngrFld", "True"}, {"cEngrFld", "True", "cTriFld", "True"},
    {"cEngrFld", "True", "cBiFld", "True"},  {"cEngrFld", "True", "cTriFldZ", "True"},
};

const RuleRow kTwoFoldExclusion[] = {
    {"cTriFld", "True", "cBiFld", "True"},
};

const RuleRow kSorterRows[] = {
    {"Option18", "None", "cPrivatePrint", "True"},
    {"Option18", "None", "cCustomBox", "True"},
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
void copyChoiceLinks(vOptionSet *store, vOption *option, const char *choiceKeyword,
                     const char *switchKeyword)
{
    if (!option)
        return;
    vChoice *choice = option->findChoice(QLatin1String(choiceKeyword));
    if (!choice)
        return;
    addLinks(store, QLatin1String(switchKeyword), QStringLiteral("True"), choice->conflicts());
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
        if (choice->keyword() == QLatin1String("None"))
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
    const bool hasFold = ppdFindOption(ppd, "FldA") != nullptr;
    const bool hasPunch = ppdFindOption(ppd, "Pnch") != nullptr;
    const bool hasStaple = ppdFindOption(ppd, "Stpl") != nullptr;
    const bool hasFolder = ppdFindOption(ppd, "Option24") != nullptr;

    if (hasFold) {
        store->insertOption(makeSwitch("cBiFld", "Bi-fold Mode"));
        store->insertOption(makeSwitch("cTriFld", "Tri-fold Mode"));
        if (hasFolder) {
            store->insertOption(makeSwitch("cTriFldZ", "Z-fold Mode"));
            store->insertOption(makeSwitch("cEngrFld", "Engineering-fold Mode"));
        }

        vOption *fold = store->findOption(QStringLiteral("FldA"));
        copyChoiceLinks(store, fold, "Bifold", "cBiFld");
        copyChoiceLinks(store, fold, "Trifold", "cTriFld");
        if (hasFolder) {
            copyChoiceLinks(store, fold, "Zfold", "cTriFldZ");
            copyChoiceLinks(store, fold, "EngrFold", "cEngrFld");
            static const QVector<RuleStrings> exclusions = ruleStrings(kFoldExclusions);
            addRules(store, exclusions);
        } else {
            static const QVector<RuleStrings> exclusion = ruleStrings(kTwoFoldExclusion);
            addRules(store, exclusion);
        }
    }

    if (hasPunch) {
        store->insertOption(makeSwitch("cHole", "Punch Mode"));
        addLinks(store, QStringLiteral("cHole"), QStringLiteral("True"),
                 commonLinks(store->findOption(QStringLiteral("Pnch"))));
    }
    if (hasStaple) {
        store->insertOption(makeSwitch("cStpl", "Staple Mode"));
        addLinks(store, QStringLiteral("cStpl"), QStringLiteral("True"),
                 commonLinks(store->findOption(QStringLiteral("Stpl"))));
    }
}

void addDerivedConstraints(vOptionSet *store)
{
    if (!store)
        return;
    const QString none = QStringLiteral("None");
    const QString option18 = QStringLiteral("Option18");

    // Option18=None takes over Coll=False's rules against weaker options.
    vOption *coll = store->findOption(QStringLiteral("Coll"));
    if (coll)
        inheritWeakerLinks(store, coll->findChoice(QStringLiteral("False")), option18, none);

    // The duplex policy takes over the two-sided choices' rules against weaker options.
    if (vOption *duplex = store->findOption(QStringLiteral("Duplex"))) {
        for (const char *sided : {"DuplexTumble", "DuplexNoTumble"})
            inheritWeakerLinks(store, duplex->findChoice(QLatin1String(sided)), QStringLiteral("PQXDuplex"),
                               QStringLiteral("On"));
    }

    if (vOption *collate = store->findOption(QStringLiteral("VZCollate1"))) {
        const QList<vChoice *> choices = collate->choices();
        for (vChoice *choice : choices) {
            if (choice->keyword() != none)
                store->addConstraint(option18, none, collate->keyword(), choice->keyword());
        }
    }

    static const QVector<RuleStrings> sorterRules = ruleStrings(kSorterRows);
    addRules(store, sorterRules);
}
