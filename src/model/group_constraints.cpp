// Group rules: one per cupsUIConstraints attribute of the PPD, then the
// program's own booklet, staple, fold and output-tray combinations.
#include "model/builtin_steps.h"
#include "model/option_model.h"
#include "model/ppd_import.h"

#include <QStringList>

namespace {

using Member = QPair<QString, QString>;

bool isFoldToken(const QString &token)
{
    return token == QLatin1String("Bifold") || token == QLatin1String("Trifold")
        || token == QLatin1String("Zfold") || token == QLatin1String("EngrFold");
}

QList<Member> membersOf(const QString &value)
{
    QList<Member> members;
    const QStringList parts = value.split(QLatin1Char('*'), Qt::KeepEmptyParts);
    for (const QString &part : parts) {
        const QStringList tokens = part.split(QLatin1Char(' '), Qt::KeepEmptyParts);
        if (tokens.size() < 2)
            continue;
        QString t0 = tokens.at(0);
        QString t1 = tokens.at(1);
        if (isFoldToken(t1))
            members.append(Member(mapUiConstraintToken(t1), QStringLiteral("True")));
        else if (t0 == QLatin1String("Stpl") || t0 == QLatin1String("Pnch"))
            members.append(Member(mapUiConstraintToken(t0), QStringLiteral("True")));
        else
            members.append(Member(t0, t1));
    }
    return members;
}

void addGroup(vOptionSet *store, const char *o1, const char *c1, const char *o2, const char *c2,
              const char *o3, const char *c3)
{
    store->addGroupConstraint({Member(QLatin1String(o1), QLatin1String(c1)),
                               Member(QLatin1String(o2), QLatin1String(c2)),
                               Member(QLatin1String(o3), QLatin1String(c3))});
}

} // namespace

QString mapUiConstraintToken(QString &token)
{
    if (token == QLatin1String("Bifold"))
        token = QStringLiteral("cBiFld");
    else if (token == QLatin1String("Trifold"))
        token = QStringLiteral("cTriFld");
    else if (token == QLatin1String("Zfold"))
        token = QStringLiteral("cTriFldZ");
    else if (token == QLatin1String("EngrFold"))
        token = QStringLiteral("cEngrFld");
    else if (token == QLatin1String("Stpl"))
        token = QStringLiteral("cStpl");
    else if (token == QLatin1String("Pnch"))
        token = QStringLiteral("cHole");
    return token;
}

void importUiConstraints(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    const bool hasFolder = ppdFindOption(ppd, "Option24") != nullptr;

    for (ppd_attr_t *attr = ppdFindAttr(ppd, "cupsUIConstraints", nullptr); attr;
         attr = ppdFindNextAttr(ppd, "cupsUIConstraints", nullptr)) {
        store->addGroupConstraint(membersOf(ppdText(attr->value)));
    }

    // Stapling against booklet mode, Option22 and the small page sizes.
    addGroup(store, "VZBooklet", "Left", "Option22", "False", "cStpl", "True");
    addGroup(store, "VZBooklet", "Right", "Option22", "False", "cStpl", "True");
    addGroup(store, "VZBooklet", "None", "PageSize", "Statement", "cStpl", "True");
    addGroup(store, "VZBooklet", "None", "PageSize", "A5", "cStpl", "True");

    if (!hasFolder)
        return;
    // Folding these page sizes excludes the fold tray.
    static const char *const foldTray[][2] = {
        {"Bifold", "B4"},      {"Bifold", "P12X18"},  {"Bifold", "P8K"},   {"Bifold", "A3"},
        {"Bifold", "SRA3"},    {"Bifold", "Tabloid"}, {"Bifold", "Legal"}, {"Bifold", "OficioII"},
        {"Trifold", "A3"},     {"Trifold", "Tabloid"}, {"Zfold", "A3"},    {"Zfold", "Tabloid"},
    };
    for (const auto &row : foldTray)
        addGroup(store, "FldA", row[0], "PageSize", row[1], "OutputBin", "FLDTRAY");
    // Folding with Option24 off excludes the stacker bins.
    addGroup(store, "FldA", "Bifold", "Option24", "False", "OutputBin", "FDStackerA");
    addGroup(store, "FldA", "Bifold", "Option24", "False", "OutputBin", "FDStackerB");
    addGroup(store, "FldA", "Trifold", "Option24", "False", "OutputBin", "FDStackerB");
}
