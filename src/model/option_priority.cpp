// The fixed priority table: a lower number makes an option stronger in every
// pairwise and group rule it takes part in.
#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"

#include <QHash>
#include <QPair>
#include <QStringList>
#include <QVector>

namespace {

// Keyword to priority, built once from the rows below.
const QHash<QString, int> &priorityTable()
{
    static const QHash<QString, int> table = [] {
        const QVector<QPair<int, QStringList>> rows = {
            {0, {kw::Option17, kw::PQXToggle}},
            {1,
             {kw::PQXTonsave, kw::PQXColorMode, kw::Option8, kw::Option18, kw::Option19, kw::Option20, kw::Option21,
              kw::Option22, kw::Option23, kw::Option24, kw::Option25, kw::Option26, kw::Option27, kw::Option28,
              kw::Option01}},
            {2, {kw::InputSlot, kw::ColorModel, kw::Wren}},
            {3, {kw::PageSize, kw::MediaType, kw::Crep, kw::Wclr, kw::Wang}},
            {4, {kw::PQXDuplex, kw::VZBooklet}},
            {5,
             {kw::Wflg, kw::Wtrans, kw::Cadj, QStringLiteral("AdjustmentMethod"), kw::Duplex, kw::Tnsv, kw::Resolution,
              kw::RCM, kw::VSCREENMODE, QStringLiteral("VSCREENMODEText"), QStringLiteral("VSCREENMODEImage"),
              QStringLiteral("VSCREENMODEGraphics")}},
            // The watermark-type option is spelt both ways in the field; both get the row.
            {6,
             {QStringLiteral("VIR"), QStringLiteral("ColBalCyanFull"), QStringLiteral("ColBalCyanHigh"),
              QStringLiteral("ColBalCyanMed"), QStringLiteral("ColBalCyanLow"), QStringLiteral("ColBalMagentaFull"),
              QStringLiteral("ColBalMagentaHigh"), QStringLiteral("ColBalMagentaMed"),
              QStringLiteral("ColBalMagentaLow"), QStringLiteral("ColBalYellowFull"),
              QStringLiteral("ColBalYellowHigh"), QStringLiteral("ColBalYellowMed"),
              QStringLiteral("ColBalYellowLow"), QStringLiteral("ColBalBlackFull"), QStringLiteral("ColBalBlackHigh"),
              QStringLiteral("ColBalBlackMed"), QStringLiteral("ColBalBlackLow"), QStringLiteral("GrayComp"),
              QStringLiteral("GrayCompText"), QStringLiteral("GrayCompImage"), QStringLiteral("GrayCompGraphics"),
              kw::VMoirePrevention, kw::VZGlossmode, kw::CaHueMaster, kw::CaHr, kw::CaHy, kw::CaHg, kw::CaHc, kw::CaHb,
              kw::CaHm, kw::Cast, kw::Cabt, kw::Cact, kw::CaCR, kw::CaMG, kw::CaYB, kw::Fold, kw::FldA, kw::Sep,
              kw::Stpl, kw::Pnch, kw::Rotate, kw::Wtyp, QStringLiteral("WTyp")}},
            {7, {kw::cStpl, QStringLiteral("cPnch"), kw::cBiFld, kw::cTriFld, kw::cTriFldZ, kw::cEngrFld, kw::cHole}},
            {8,
             {kw::cCovBut, kw::cIntBut, kw::cInsBut, kw::VZCollate1, kw::cJobAccount, kw::cUserLogin, kw::cJobStore}},
            {9,
             {kw::cCovTRad, kw::cCovBRad, kw::cCovPOFO, kw::cCovPOFI, kw::cCovPOBO, kw::cCovPOBI, kw::cInsPrnF,
              kw::cInsPrnB, kw::cIntPrn, kw::CvrM, kw::BackCvrM, kw::Pmed, kw::Tmed, kw::cSuper}},
            {10, {kw::OutputBin, kw::VZSuperWatermark}},
            {11, {kw::Coll}},
        };
        QHash<QString, int> t;
        for (const auto &row : rows) {
            for (const QString &keyword : row.second)
                t.insert(keyword, row.first);
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
