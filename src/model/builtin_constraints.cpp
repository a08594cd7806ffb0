// Pairwise rules the program adds to every queue on top of the PPD's own:
// covers and inserts against one-sided printing and collation, the
// print-management switches against the printing options they override, and
// the watermark colour and flag rules.
#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/rule_tables.h"

namespace {

const RuleRow kOneSidedRows[] = {
    {kw::cCovPOFI, kw::True, kw::Duplex, kw::None},
    {kw::cCovPOBO, kw::True, kw::Duplex, kw::None},
    {kw::cInsPrnB, kw::True, kw::Duplex, kw::None},
};

const RuleRow kOtherRows[] = {
    {kw::cCovBut, kw::True, kw::Coll, kw::False},
    {kw::cInsBut, kw::True, kw::Coll, kw::False},
    {kw::cIntBut, kw::True, kw::Coll, kw::False},
    {kw::cJobStore, kw::True, kw::Coll, kw::False},
    {kw::cSuper, kw::True, kw::Coll, kw::False},
    {kw::PQXToggle, kw::Off, kw::PQXDuplex, kw::On},
    {kw::PQXToggle, kw::Off, kw::PQXTonsave, kw::On},
    {kw::PQXToggle, kw::Off, kw::PQXColorMode, kw::On},
    {kw::PQXDuplex, kw::On, kw::Duplex, kw::None},
    {kw::PQXTonsave, kw::On, kw::Tnsv, kw::Off},
    {kw::PQXColorMode, kw::On, kw::ColorModel, kw::CMYK},
    {kw::PQXColorMode, kw::On, kw::ColorModel, kw::RGB},
    {kw::PQXToggle, kw::On, kw::cJobAccount, kw::True},
    {kw::PQXToggle, kw::On, kw::cUserLogin, kw::True},
    {kw::PQXToggle, kw::On, kw::cJobStore, kw::True},
    {kw::PQXToggle, kw::On, kw::cCovBut, kw::True},
    {kw::PQXToggle, kw::On, kw::cInsBut, kw::True},
    {kw::PQXToggle, kw::On, kw::cIntBut, kw::True},
    {kw::Wren, kw::False, kw::Wflg, kw::True},
    {kw::ColorModel, kw::Gray, kw::Wclr, kw::Red},
    {kw::ColorModel, kw::Gray, kw::Wclr, kw::Green},
    {kw::ColorModel, kw::Gray, kw::Wclr, kw::Blue},
};

} // namespace

void addBuiltInConstraints(vOptionSet *store)
{
    if (!store)
        return;
    static const QVector<RuleStrings> oneSided = ruleStrings(kOneSidedRows);
    static const QVector<RuleStrings> others = ruleStrings(kOtherRows);

    addRules(store, oneSided);

    // Interleaving is only possible on transparencies.
    const QString mediaType = kw::MediaType;
    if (vOption *media = store->findOption(mediaType)) {
        const QString interleave = kw::cIntBut;
        const QString on = kw::True;
        const QList<vChoice *> choices = media->choices();
        for (vChoice *choice : choices) {
            if (choice->keyword() != QLatin1String("Transparency"))
                store->addConstraint(mediaType, choice->keyword(), interleave, on);
        }
    }

    addRules(store, others);
}
