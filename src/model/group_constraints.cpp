// Group rules: one per cupsUIConstraints attribute of the PPD, then the
// program's own booklet, staple, fold and output-tray combinations.
#include "model/builtin_steps.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "model/rule_tables.h"

#include <QStringList>

namespace {

using Member = QPair<QString, QString>;

bool isFoldToken(const QString &token)
{
    return token == QLatin1String("Bifold") || token == QLatin1String("Trifold")
        || token == QLatin1String("Zfold") || token == QLatin1String("EngrFold");
}

QList<Member> membersOf(const QString &rawValue)
{
    // A quoted PPD value may run over several lines; line breaks and tabs
    // separate tokens like blanks do.
    QString value = rawValue;
    value.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\t'), QLatin1Char(' '));
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

// Stapling against booklet mode, Option22 and the small page sizes.
const GroupRow kBookletRows[] = {
    {{{"VZBooklet", "Left"}, {"Option22", "False"}, {"cStpl", "True"}}},
    {{{"VZBooklet", "Right"}, {"Option22", "False"}, {"cStpl", "True"}}},
    {{{"VZBooklet", "None"}, {"PageSize", "Statement"}, {"cStpl", "True"}}},
    {{{"VZBooklet", "None"}, {"PageSize", "A5"}, {"cStpl", "True"}}},
};

const GroupRow kFoldRows[] = {
    // Folding these page sizes excludes the fold tray.
    {{{"FldA", "Bifold"}, {"PageSize", "B4"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "P12X18"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "P8K"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "A3"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "SRA3"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "Tabloid"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "Legal"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Bifold"}, {"PageSize", "OficioII"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Trifold"}, {"PageSize", "A3"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Trifold"}, {"PageSize", "Tabloid"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Zfold"}, {"PageSize", "A3"}, {"OutputBin", "FLDTRAY"}}},
    {{{"FldA", "Zfold"}, {"PageSize", "Tabloid"}, {"OutputBin", "FLDTRAY"}}},
    // Folding with Option24 off excludes the stacker bins.
    {{{"FldA", "Bifold"}, {"Option24", "False"}, {"OutputBin", "FDStackerA"}}},
    {{{"FldA", "Bifold"}, {"Option24", "False"}, {"OutputBin", "FDStackerB"}}},
    {{{"FldA", "Trifold"}, {"Option24", "False"}, {"OutputBin", "FDStackerB"}}},
};

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

    static const QVector<GroupMembers> booklet = groupStrings(kBookletRows);
    for (const GroupMembers &members : booklet)
        store->addGroupConstraint(members);

    if (!hasFolder)
        return;
    static const QVector<GroupMembers> fold = groupStrings(kFoldRows);
    for (const GroupMembers &members : fold)
        store->addGroupConstraint(members);
}
