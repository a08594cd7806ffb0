// The program's own on/off options: cover, page insert and interleave
// switches, job switches, the super-watermark switch and the four
// print-management switches.
#include "model/builtin_steps.h"
#include "model/option_model.h"

#include <QCoreApplication>
#include <cstring>

namespace {

vOption *makeSwitch(const char *keyword, const char *text)
{
    auto *option = new vOption(QLatin1String(keyword), QLatin1String(text));
    option->addChoice(QStringLiteral("False"), QStringLiteral("False"));
    option->addChoice(QStringLiteral("True"), QStringLiteral("True"));
    return option;
}

void addRule(vOptionSet *store, const char *o1, const char *c1, const char *o2, const char *c2)
{
    store->addConstraint(QLatin1String(o1), QLatin1String(c1), QLatin1String(o2), QLatin1String(c2));
}

} // namespace

void addCoverOptions(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    const bool hasCoverMedia = ppdFindOption(ppd, "CvrM") != nullptr;
    const bool hasInserter = ppdFindOption(ppd, "Option28") != nullptr;
    if (!hasCoverMedia)
        return;

    static const char *const switches[][2] = {
        {"cCovBut", "Cover mode"},
        {"cCovTRad", "Cover mode front"},
        {"cCovBRad", "Cover mode front and back"},
        {"cCovPOFO", "Cover mode front outside"},
        {"cCovPOFI", "Cover mode front inside"},
        {"cCovPOBO", "Cover mode back outside"},
        {"cCovPOBI", "Cover mode back inside"},
        {"cInsBut", "Page insert mode"},
        {"cInsPrnF", "Page insert print onto front"},
        {"cInsPrnB", "Page insert print onto back"},
        {"cIntBut", "Transparency interleaving mode"},
        {"cIntPrn", "Transparency print onto backing"},
    };
    QList<vOption *> created;
    for (const auto &entry : switches)
        created.append(makeSwitch(entry[0], entry[1]));
    for (vOption *option : qAsConst(created))
        store->insertOption(option);

    // A print-onto switch needs its mode switched on.
    addRule(store, "cCovBut", "False", "cCovPOFI", "True");
    addRule(store, "cCovBut", "False", "cCovPOFO", "True");
    addRule(store, "cCovBut", "False", "cCovPOBI", "True");
    addRule(store, "cCovBut", "False", "cCovPOBO", "True");
    addRule(store, "cCovBRad", "False", "cCovPOBI", "True");
    addRule(store, "cCovBRad", "False", "cCovPOBO", "True");
    addRule(store, "cInsBut", "False", "cInsPrnF", "True");
    addRule(store, "cInsBut", "False", "cInsPrnB", "True");
    addRule(store, "cIntBut", "False", "cIntPrn", "True");
    // Interleaving excludes covers and inserts.
    addRule(store, "cCovBut", "True", "cIntBut", "True");
    addRule(store, "cInsBut", "True", "cIntBut", "True");

    if (!hasInserter)
        return;
    // Sheets taken from the inserter trays cannot be printed on.
    static const char *const trayRules[][2] = {
        {"CvrM", "cCovPOFI"},     {"CvrM", "cCovPOFO"},     {"BackCvrM", "cCovPOBI"},
        {"BackCvrM", "cCovPOBO"}, {"Pmed", "cInsPrnF"},     {"Pmed", "cInsPrnB"},
        {"Tmed", "cIntPrn"},
    };
    for (const auto &rule : trayRules) {
        addRule(store, rule[0], "Inserter1", rule[1], "True");
        addRule(store, rule[0], "Inserter2", rule[1], "True");
    }
}

void addJobOptions(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    if (ppdFindOption(ppd, "VZCollate1"))
        store->insertOption(makeSwitch("cJobStore", "Job storage"));
    if (ppdFindOption(ppd, "VqManagment"))
        store->insertOption(makeSwitch("cJobAccount", "Job accounting"));
    if (ppdFindAttr(ppd, "SupportsUserLogin", nullptr))
        store->insertOption(makeSwitch("cUserLogin", "User login"));
    if (ppdFindAttr(ppd, "SupportsColorBalanceCMYK", nullptr))
        store->insertOption(makeSwitch("cColBalCMYK", "Color Balance (CMYK)"));
    if (ppdFindAttr(ppd, "JobFinishNotice", nullptr))
        store->insertOption(makeSwitch("cEmail", "Email notification"));
    if (ppdFindAttr(ppd, "SupportsCustomJobName", nullptr))
        store->insertOption(makeSwitch("cJobName", "Custom job name"));
    if (ppd_attr_t *attr = ppdFindAttr(ppd, "SupportsPrivatePrint", nullptr)) {
        // Only the exact value "True" selects the standard private print;
        // any other value but "False" selects the variant.
        const char *value = attr->value ? attr->value : "";
        if (std::strcmp(value, "False") != 0) {
            const bool standard = std::strcmp(value, "True") == 0;
            store->insertOption(makeSwitch(standard ? "cPrivatePrint" : "ePrivatePrint", "Private print"));
        }
    }
    if (ppdFindAttr(ppd, "SupportsCustomBox", nullptr))
        store->insertOption(makeSwitch("cCustomBox", "Custom box"));

    addRule(store, "cJobAccount", "True", "cUserLogin", "True");
}

void addSuperWatermarkOption(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    if (ppdFindOption(ppd, "VZSuperWatermark"))
        store->insertOption(makeSwitch("cSuper", "Super Watermark"));
}

void addPQXOptions(vOptionSet *store)
{
    if (!store)
        return;
    static const char *const options[][2] = {
        {"PQXToggle", "Quorix"},
        {"PQXDuplex", "Quorix Duplex"},
        {"PQXTonsave", "Quorix Tonsave"},
        {"PQXColorMode", "Quorix Color Mode"},
    };
    for (const auto &entry : options) {
        auto *option = new vOption(QLatin1String(entry[0]), QLatin1String(entry[1]));
        option->addChoice(QStringLiteral("Off"), QCoreApplication::translate("QObject", "Off"));
        option->addChoice(QStringLiteral("On"), QCoreApplication::translate("QObject", "On"));
        store->insertOption(option);
    }
}
