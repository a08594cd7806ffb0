// The program's own on/off options: cover, page insert and interleave
// switches, job switches, the super-watermark switch and the four
// print-management switches.
#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "model/rule_tables.h"

#include <QCoreApplication>

namespace {

using SwitchList = QVector<QPair<QString, QString>>;

const SwitchList &coverSwitches()
{
    static const SwitchList list = {
        {kw::cCovBut, QStringLiteral("Cover mode")},
        {kw::cCovTRad, QStringLiteral("Cover mode front")},
        {kw::cCovBRad, QStringLiteral("Cover mode front and back")},
        {kw::cCovPOFO, QStringLiteral("Cover mode front outside")},
        {kw::cCovPOFI, QStringLiteral("Cover mode front inside")},
        {kw::cCovPOBO, QStringLiteral("Cover mode back outside")},
        {kw::cCovPOBI, QStringLiteral("Cover mode back inside")},
        {kw::cInsBut, QStringLiteral("Page insert mode")},
        {kw::cInsPrnF, QStringLiteral("Page insert print onto front")},
        {kw::cInsPrnB, QStringLiteral("Page insert print onto back")},
        {kw::cIntBut, QStringLiteral("Transparency interleaving mode")},
        {kw::cIntPrn, QStringLiteral("Transparency print onto backing")},
    };
    return list;
}

const RuleRow kCoverRows[] = {
    // A print-onto switch needs its mode switched on.
    {kw::cCovBut, kw::False, kw::cCovPOFI, kw::True},
    {kw::cCovBut, kw::False, kw::cCovPOFO, kw::True},
    {kw::cCovBut, kw::False, kw::cCovPOBI, kw::True},
    {kw::cCovBut, kw::False, kw::cCovPOBO, kw::True},
    {kw::cCovBRad, kw::False, kw::cCovPOBI, kw::True},
    {kw::cCovBRad, kw::False, kw::cCovPOBO, kw::True},
    {kw::cInsBut, kw::False, kw::cInsPrnF, kw::True},
    {kw::cInsBut, kw::False, kw::cInsPrnB, kw::True},
    {kw::cIntBut, kw::False, kw::cIntPrn, kw::True},
    // Interleaving excludes covers and inserts.
    {kw::cCovBut, kw::True, kw::cIntBut, kw::True},
    {kw::cInsBut, kw::True, kw::cIntBut, kw::True},
};

// Sheets taken from the inserter trays cannot be printed on.
const RuleRow kTrayRows[] = {
    {kw::CvrM, kw::Inserter1, kw::cCovPOFI, kw::True},     {kw::CvrM, kw::Inserter2, kw::cCovPOFI, kw::True},
    {kw::CvrM, kw::Inserter1, kw::cCovPOFO, kw::True},     {kw::CvrM, kw::Inserter2, kw::cCovPOFO, kw::True},
    {kw::BackCvrM, kw::Inserter1, kw::cCovPOBI, kw::True}, {kw::BackCvrM, kw::Inserter2, kw::cCovPOBI, kw::True},
    {kw::BackCvrM, kw::Inserter1, kw::cCovPOBO, kw::True}, {kw::BackCvrM, kw::Inserter2, kw::cCovPOBO, kw::True},
    {kw::Pmed, kw::Inserter1, kw::cInsPrnF, kw::True},     {kw::Pmed, kw::Inserter2, kw::cInsPrnF, kw::True},
    {kw::Pmed, kw::Inserter1, kw::cInsPrnB, kw::True},     {kw::Pmed, kw::Inserter2, kw::cInsPrnB, kw::True},
    {kw::Tmed, kw::Inserter1, kw::cIntPrn, kw::True},      {kw::Tmed, kw::Inserter2, kw::cIntPrn, kw::True},
};

} // namespace

void addCoverOptions(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    const bool hasCoverMedia = ppdHasOption(ppd, kw::CvrM);
    const bool hasInserter = ppdHasOption(ppd, kw::Option28);
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
    if (ppdHasOption(ppd, kw::VZCollate1))
        store->insertOption(makeSwitch(kw::cJobStore, QStringLiteral("Job storage")));
    if (ppdHasOption(ppd, kw::VqManagment))
        store->insertOption(makeSwitch(kw::cJobAccount, QStringLiteral("Job accounting")));
    if (ppdFindAttr(ppd, "SupportsUserLogin", nullptr))
        store->insertOption(makeSwitch(kw::cUserLogin, QStringLiteral("User login")));
    if (ppdFindAttr(ppd, "SupportsColorBalanceCMYK", nullptr))
        store->insertOption(makeSwitch(QStringLiteral("cColBalCMYK"), QStringLiteral("Color Balance (CMYK)")));
    if (ppdFindAttr(ppd, "JobFinishNotice", nullptr))
        store->insertOption(makeSwitch(kw::cEmail, QStringLiteral("Email notification")));
    if (ppdFindAttr(ppd, "SupportsCustomJobName", nullptr))
        store->insertOption(makeSwitch(kw::cJobName, QStringLiteral("Custom job name")));
    if (ppd_attr_t *attr = ppdFindAttr(ppd, "SupportsPrivatePrint", nullptr)) {
        // Only the exact value "True" selects the standard private print;
        // any other value but "False" selects the variant.
        const QString value = ppdText(attr->value);
        if (value != kw::False) {
            const bool standard = value == kw::True;
            store->insertOption(
                makeSwitch(standard ? kw::cPrivatePrint : kw::ePrivatePrint, QStringLiteral("Private print")));
        }
    }
    if (ppdFindAttr(ppd, "SupportsCustomBox", nullptr))
        store->insertOption(makeSwitch(kw::cCustomBox, QStringLiteral("Custom box")));

    store->addConstraint(kw::cJobAccount, kw::True, kw::cUserLogin, kw::True);
}

void addSuperWatermarkOption(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    if (ppdHasOption(ppd, kw::VZSuperWatermark))
        store->insertOption(makeSwitch(kw::cSuper, QStringLiteral("Super Watermark")));
}

void addPQXOptions(vOptionSet *store)
{
    if (!store)
        return;
    static const QString keywords[][2] = {
        {kw::PQXToggle, QStringLiteral("Quorix")},
        {kw::PQXDuplex, QStringLiteral("Quorix Duplex")},
        {kw::PQXTonsave, QStringLiteral("Quorix Tonsave")},
        {kw::PQXColorMode, QStringLiteral("Quorix Color Mode")},
    };
    // The choice texts follow the current translation.
    const QString offText = QCoreApplication::translate("QObject", "Off");
    const QString onText = QCoreApplication::translate("QObject", "On");
    for (const auto &entry : keywords) {
        auto *option = new vOption(entry[0], entry[1]);
        option->addChoice(kw::Off, offText);
        option->addChoice(kw::On, onText);
        store->insertOption(option);
    }
}
