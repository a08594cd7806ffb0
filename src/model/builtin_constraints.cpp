// Pairwise rules the program adds to every queue on top of the PPD's own:
// covers and inserts against one-sided printing and collation, the
// print-management switches against the printing options they override, and
// the watermark colour and flag rules.
#include "model/builtin_steps.h"
#include "model/option_model.h"

namespace {

void addRule(vOptionSet *store, const char *o1, const char *c1, const char *o2, const char *c2)
{
    store->addConstraint(QLatin1String(o1), QLatin1String(c1), QLatin1String(o2), QLatin1String(c2));
}

} // namespace

void addBuiltInConstraints(vOptionSet *store)
{
    if (!store)
        return;

    addRule(store, "cCovPOFI", "True", "Duplex", "None");
    addRule(store, "cCovPOBO", "True", "Duplex", "None");
    addRule(store, "cInsPrnB", "True", "Duplex", "None");

    // Interleaving is only possible on transparencies.
    if (vOption *media = store->findOption(QStringLiteral("MediaType"))) {
        const QList<vChoice *> choices = media->choices();
        for (vChoice *choice : choices) {
            if (choice->keyword() != QLatin1String("Transparency"))
                store->addConstraint(QStringLiteral("MediaType"), choice->keyword(),
                                     QStringLiteral("cIntBut"), QStringLiteral("True"));
        }
    }

    addRule(store, "cCovBut", "True", "Coll", "False");
    addRule(store, "cInsBut", "True", "Coll", "False");
    addRule(store, "cIntBut", "True", "Coll", "False");
    addRule(store, "cJobStore", "True", "Coll", "False");
    addRule(store, "cSuper", "True", "Coll", "False");

    addRule(store, "PQXToggle", "Off", "PQXDuplex", "On");
    addRule(store, "PQXToggle", "Off", "PQXTonsave", "On");
    addRule(store, "PQXToggle", "Off", "PQXColorMode", "On");
    addRule(store, "PQXDuplex", "On", "Duplex", "None");
    addRule(store, "PQXTonsave", "On", "Tnsv", "Off");
    addRule(store, "PQXColorMode", "On", "ColorModel", "CMYK");
    addRule(store, "PQXColorMode", "On", "ColorModel", "RGB");
    addRule(store, "PQXToggle", "On", "cJobAccount", "True");
    addRule(store, "PQXToggle", "On", "cUserLogin", "True");
    addRule(store, "PQXToggle", "On", "cJobStore", "True");
    addRule(store, "PQXToggle", "On", "cCovBut", "True");
    addRule(store, "PQXToggle", "On", "cInsBut", "True");
    addRule(store, "PQXToggle", "On", "cIntBut", "True");

    addRule(store, "Wren", "False", "Wflg", "True");
    addRule(store, "ColorModel", "Gray", "Wclr", "Red");
    addRule(store, "ColorModel", "Gray", "Wclr", "Green");
    addRule(store, "ColorModel", "Gray", "Wclr", "Blue");
}
