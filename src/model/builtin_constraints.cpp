// Pairwise rules the program adds to every queue on top of the PPD's own:
// covers and inserts against one-sided printing and collation, the
// print-management switches against the printing options they override, and
// the watermark colour and flag rules.
#include "model/builtin_steps.h"
#include "model/option_model.h"
#include "model/rule_tables.h"

namespace {

const RuleRow kOneSidedRows[] = {
    {"cCovPOFI", "True", "Duplex", "None"},
    {"cCovPOBO", "True", "Duplex", "None"},
    {"cInsPrnB", "True", "Duplex", "None"},
};

const RuleRow kOtherRows[] = {
    {"cCovBut", "True", "Coll", "False"},
    {"cInsBut", "True", "Coll", "False"},
    {"cIntBut", "True", "Coll", "False"},
    {"cJobStore", "True", "Coll", "False"},
    {"cSuper", "True", "Coll", "False"},
    {"PQXToggle", "Off", "PQXDuplex", "On"},
    {"PQXToggle", "Off", "PQXTonsave", "On"},
    {"PQXToggle", "Off", "PQXColorMode", "On"},
    {"PQXDuplex", "On", "Duplex", "None"},
    {"PQXTonsave", "On", "Tnsv", "Off"},
    {"PQXColorMode", "On", "ColorModel", "CMYK"},
    {"PQXColorMode", "On", "ColorModel", "RGB"},
    {"PQXToggle", "On", "cJobAccount", "True"},
    {"PQXToggle", "On", "cUserLogin", "True"},
    {"PQXToggle", "On", "cJobStore", "True"},
    {"PQXToggle", "On", "cCovBut", "True"},
    {"PQXToggle", "On", "cInsBut", "True"},
    {"PQXToggle", "On", "cIntBut", "True"},
    {"Wren", "False", "Wflg", "True"},
    {"ColorModel", "Gray", "Wclr", "Red"},
    {"ColorModel", "Gray", "Wclr", "Green"},
    {"ColorModel", "Gray", "Wclr", "Blue"},
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
    const QString mediaType = QStringLiteral("MediaType");
    if (vOption *media = store->findOption(mediaType)) {
        const QString interleave = QStringLiteral("cIntBut");
        const QString on = QStringLiteral("True");
        const QList<vChoice *> choices = media->choices();
        for (vChoice *choice : choices) {
            if (choice->keyword() != QLatin1String("Transparency"))
                store->addConstraint(mediaType, choice->keyword(), interleave, on);
        }
    }

    addRules(store, others);
}
