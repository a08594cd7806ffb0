// Group rules: one per cupsUIConstraints attribute of the PPD, then the
// program's own booklet, staple, fold and output-tray combinations.
#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "model/rule_tables.h"

#include <QStringList>

namespace {

using Member = QPair<QString, QString>;

bool isFoldToken(const QString &token)
{
    return token == kw::Bifold || token == kw::Trifold || token == kw::Zfold || token == kw::EngrFold;
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
            members.append(Member(mapUiConstraintToken(t1), kw::True));
        else if (t0 == kw::Stpl || t0 == kw::Pnch)
            members.append(Member(mapUiConstraintToken(t0), kw::True));
        else
            members.append(Member(t0, t1));
    }
    return members;
}

// The page sizes and output trays the booklet and fold rules name.
const QString kStatement = QStringLiteral("Statement");
const QString kA5 = QStringLiteral("A5");
const QString kB4 = QStringLiteral("B4");
const QString kP12X18 = QStringLiteral("P12X18");
const QString kP8K = QStringLiteral("P8K");
const QString kA3 = QStringLiteral("A3");
const QString kSRA3 = QStringLiteral("SRA3");
const QString kTabloid = QStringLiteral("Tabloid");
const QString kLegal = QStringLiteral("Legal");
const QString kOficioII = QStringLiteral("OficioII");
const QString kFLDTRAY = QStringLiteral("FLDTRAY");
const QString kFDStackerA = QStringLiteral("FDStackerA");
const QString kFDStackerB = QStringLiteral("FDStackerB");

// Stapling against booklet mode, Option22 and the small page sizes.
const GroupRow kBookletRows[] = {
    {{{kw::VZBooklet, kw::Left}, {kw::Option22, kw::False}, {kw::cStpl, kw::True}}},
    {{{kw::VZBooklet, kw::Right}, {kw::Option22, kw::False}, {kw::cStpl, kw::True}}},
    {{{kw::VZBooklet, kw::None}, {kw::PageSize, kStatement}, {kw::cStpl, kw::True}}},
    {{{kw::VZBooklet, kw::None}, {kw::PageSize, kA5}, {kw::cStpl, kw::True}}},
};

const GroupRow kFoldRows[] = {
    // Folding these page sizes excludes the fold tray.
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kB4}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kP12X18}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kP8K}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kA3}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kSRA3}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kTabloid}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kLegal}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Bifold}, {kw::PageSize, kOficioII}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Trifold}, {kw::PageSize, kA3}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Trifold}, {kw::PageSize, kTabloid}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Zfold}, {kw::PageSize, kA3}, {kw::OutputBin, kFLDTRAY}}},
    {{{kw::FldA, kw::Zfold}, {kw::PageSize, kTabloid}, {kw::OutputBin, kFLDTRAY}}},
    // Folding with Option24 off excludes the stacker bins.
    {{{kw::FldA, kw::Bifold}, {kw::Option24, kw::False}, {kw::OutputBin, kFDStackerA}}},
    {{{kw::FldA, kw::Bifold}, {kw::Option24, kw::False}, {kw::OutputBin, kFDStackerB}}},
    {{{kw::FldA, kw::Trifold}, {kw::Option24, kw::False}, {kw::OutputBin, kFDStackerB}}},
};

} // namespace

QString mapUiConstraintToken(QString &token)
{
    if (token == kw::Bifold)
        token = kw::cBiFld;
    else if (token == kw::Trifold)
        token = kw::cTriFld;
    else if (token == kw::Zfold)
        token = kw::cTriFldZ;
    else if (token == kw::EngrFold)
        token = kw::cEngrFld;
    else if (token == kw::Stpl)
        token = kw::cStpl;
    else if (token == kw::Pnch)
        token = kw::cHole;
    return token;
}

void importUiConstraints(ppd_file_t *ppd, vOptionSet *store)
{
    if (!ppd || !store)
        return;
    const bool hasFolder = ppdHasOption(ppd, kw::Option24);

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
