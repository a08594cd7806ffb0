// The fixed priority table: a lower number makes an option stronger in every
// pairwise and group rule it takes part in.
#include "model/builtin_steps.h"
#include "model/option_model.h"

#include <QHash>

namespace {

struct PriorityRow
{
    int priority;
    const char *const *keywords;
};

const char *const kPriority0[] = {"Option17", "PQXToggle", nullptr};
const char *const kPriority1[] = {"PQXTonsave", "PQXColorMode", "Option8",  "Option18", "Option19",
                                  "Option20",   "Option21",     "Option22", "Option23", "Option24",
                                  "Option25",   "Option26",     "Option27", "Option28", "Option01",
                                  nullptr};
const char *const kPriority2[] = {"InputSlot", "ColorModel", "Wren", nullptr};
const char *const kPriority3[] = {"PageSize", "MediaType", "Crep", "Wclr", "Wang", nullptr};
const char *const kPriority4[] = {"PQXDuplex", "VZBooklet", nullptr};
const char *const kPriority5[] = {"Wflg", "Wtrans", "Cadj", "AdjustmentMethod", "Duplex", "Tnsv",
                                  "Resolution", "RCM", "VSCREENMODE", "VSCREENMODEText",
                                  "VSCREENMODEImage", "VSCREENMODEGraphics", nullptr};
// The watermark-type option is spelt both ways in the field; both get the row.
const char *const kPriority6[] = {
    "VIR",          "ColBalCyanFull",    "ColBalCyanHigh",    "ColBalCyanMed",    "ColBalCyanLow",
    "ColBalMagentaFull", "ColBalMagentaHigh", "ColBalMagentaMed", "ColBalMagentaLow",
    "ColBalYellowFull",  "ColBalYellowHigh",  "ColBalYellowMed",  "ColBalYellowLow",
    "ColBalBlackFull",   "ColBalBlackHigh",   "ColBalBlackMed",   "ColBalBlackLow",
    "GrayComp",     "GrayCompText",      "GrayCompImage",     "GrayCompGraphics", "VMoirePrevention",
    "VZGlossmode",  "CaHueMaster",       "CaHr",              "CaHy",             "CaHg",
    "CaHc",         "CaHb",              "CaHm",              "Cast",             "Cabt",
    "Cact",         "CaCR",              "CaMG",              "CaYB",             "Fold",
    "FldA",         "Sep",               "Stpl",              "Pnch",             "Rotate",
    "Wtyp",         "WTyp",              nullptr};
const char *const kPriority7[] = {"cStpl", "cPnch", "cBiFld", "cTriFld", "cTriFldZ", "cEngrFld",
                                  "cHole", nullptr};
const char *const kPriority8[] = {"cCovBut", "cIntBut", "cInsBut", "VZCollate1", "cJobAccount",
                                  "cUserLogin", "cJobStore", nullptr};
const char *const kPriority9[] = {"cCovTRad", "cCovBRad", "cCovPOFO", "cCovPOFI", "cCovPOBO",
                                  "cCovPOBI", "cInsPrnF", "cInsPrnB", "cIntPrn", "CvrM",
                                  "BackCvrM", "Pmed",     "Tmed",     "cSuper",  nullptr};
const char *const kPriority10[] = {"OutputBin", "VZSuperWatermark", nullptr};
const char *const kPriority11[] = {"Coll", nullptr};

const PriorityRow kRows[] = {
    {0, kPriority0}, {1, kPriority1}, {2, kPriority2},  {3, kPriority3},
    {4, kPriority4}, {5, kPriority5}, {6, kPriority6},  {7, kPriority7},
    {8, kPriority8}, {9, kPriority9}, {10, kPriority10}, {11, kPriority11},
};

// Keyword to priority, built once from the rows above.
const QHash<QString, int> &priorityTable()
{
    static const QHash<QString, int> table = [] {
        QHash<QString, int> t;
        for (const PriorityRow &row : kRows) {
            for (const char *const *keyword = row.keywords; *keyword; ++keyword)
                t.insert(QLatin1String(*keyword), row.priority);
        }
        return t;
    }();
    return table;
}

} // namespace

void applyOptionPriority(vOptionSet *store)
{
    if (!store)
        return;
    // Each keyword has one row, so setting the stored options from the table
    // gives the same numbers as applying the rows one by one.
    const QHash<QString, int> &table = priorityTable();
    const QList<vOption *> options = store->allOptions();
    for (vOption *option : options) {
        const auto row = table.constFind(option->keyword());
        if (row != table.constEnd())
            option->setPriority(row.value());
    }
}
