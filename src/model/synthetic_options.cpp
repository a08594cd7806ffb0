// The program's own on/off options: cover, page insert and interleave
// switches, job switches, the super-watermark switch and the four
// print-management switches.
#include "model/builtin_steps.h"
#include "model/option_model.h"
#include "model/rule_tables.h"

#include <QCoreApplication>
#include <cstring>

namespace {

using SwitchList = QVector<QPair<QString, QString>>;

const SwitchList &coverSwitches()
{
    static const SwitchList list = {
        {QStringLiteral("cCovBut"), QStringLiteral("Cover mode")},
        {QStringLiteral("cCovTRad"), QStringLiteral("Cover mode front")},
        {QStringLiteral("cCovBRad"), QStringLiteral("Cover mode front and back")},
        {QStringLiteral("cCovPOFO"), QStringLiteral("Cover mode front outside")},
        {QStringLiteral("cCovPOFI"), QStringLiteral("Cover mode front inside")},
        {QStringLiteral("cCovPOBO"), QStringLiteral("Cover mode back outside")},
        {QStringLiteral("cCovPOBI"), QStringLiteral("Cover mode back inside")},
        {QStringLiteral("cInsBut"), QStringLiteral("Page insert mode")},
        {QStringLiteral("cInsPrnF"), QStringLiteral("Page insert print onto front")},
        {QStringLiteral("cInsPrnB"), QStringLiteral("Page insert print onto back")},
        {QStringLiteral("cIntBut"), QStringLiteral("Transparency interleaving mode")},
        {QStringLiteral("cIntPrn"), QStringLiteral("Transparency print onto backing")},
    };
    return list;
}

const RuleRow kCoverRows[] = {
    // A print-onto switch needs its mode switched on.
    {"cCovBut", "False", "cCovPOFI", "True"},
    {"cCovBut", "False", "cCovPOFO", "True"},
    {"cCovBut", "False", "cCovPOBI", "True"},
    {"cCovBut", "False", "cCovPOBO", "True"},
    {"cCovBRad", "False", "cCovPOBI", "True"},
    {"cCovBRad", "False", "cCovPOBO", "True"},
    {"cInsBut", "False", "cInsPrnF", "True"},
    {"cInsBut", "False", "cInsPrnB", "True"},
    {"cIntBut", "False", "cIntPrn", "True"},
    // Interleaving excludes covers and inserts.
    {"cCovBut", "True", "cIntBut", "True"},
    {"cInsBut", "True", "cIntBut", "True"},
};

// Sheets taken from the inserter trays cannot be printed on.
const RuleRow kTrayRows[] = {
    {"CvrM", "Inserter1", "cCovPOFI", "True"},     {"CvrM", "Inserter2", "cCovPOFI", "True"},
    {"CvrM", "Inserter1", "cCovPOFO", "True"},     {"CvrM", "Inserter2", "cCovPOFO", "True"},
    {"BackCvrM", "Inserter1", "cCovPOBI", "True"}, {"BackCvrM", "Inserter2", "cCovPOBI", "True"},
    {"BackCvrM", "Inserter1", "cCovPOBO", "True"}, {"BackCvrM", "Inserter2", "cCovPOBO", "True"},
    {"Pmed", "Inserter1", "cInsPrnF", "True"},     {"Pmed", "Inserter2", "cInsPrnF", "True"},
    {"Pmed", "Inserter1", "cInsPrnB", "True"},     {"Pmed", "Inserter2", "cInsPrnB", "True"},
    {"Tmed", "Inserter1", "cIntPrn", "True"},      {"Tmed", "Inserter2", "cIntPrn", "True"},
};

} // namespace

void addCoverOptions(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    const bool hasCoverMedia = ppdFindOption(ppd, "CvrM") != nullptr;
    const bool hasInserter = ppdFindOption(ppd, "Option28") != nullptr;
    if (!hasCoverMedia)
        return;

    QList<vOption *> created;
    for (const auto &entry : coverSwitches())
        created.append(makeSwitch(entry.first, entry.second));
    for (vOption *option : qAsConst(created))
        store->insertOption(option);

    static const QVector<RuleStrings> coverRules = ruleStrings(kCoverRows);
    addRules(store, coverRules);

    if (!hasInserter)
        return;
    static const QVector<RuleStrings> trayRules = ruleStrings(kTrayRows);
    addRules(store, trayRules);
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

    store->addConstraint(QStringLiteral("cJobAccount"), QStringLiteral("True"), QStringLiteral("cUserLogin"),
                         QStringLiteral("True"));
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
    static const QString keywords[][2] = {
        {QStringLiteral("PQXToggle"), QStringLiteral("Quorix")},
        {QStringLiteral("PQXDuplex"), QStringLiteral("Quorix Duplex")},
        {QStringLiteral("PQXTonsave"), QStringLiteral("Quorix Tonsave")},
        {QStringLiteral("PQXColorMode"), QStringLiteral("Quorix Color Mode")},
    };
    static const QString off = QStringLiteral("Off");
    static const QString on = QStringLiteral("On");
    // The choice texts follow the current translation.
    const QString offText = QCoreApplication::translate("QObject", "Off");
    const QString onText = QCoreApplication::translate("QObject", "On");
    for (const auto &entry : keywords) {
        auto *option = new vOption(entry[0], entry[1]);
        option->addChoice(off, offText);
        option->addChoice(on, onText);
        store->insertOption(option);
    }
}
