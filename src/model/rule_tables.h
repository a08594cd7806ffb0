// Fixed rule tables of the built-in steps: written as keyword literals and
// turned into strings once per process, so that an import only looks them up.
#pragma once

#include "model/option_model.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVector>
#include <cstddef>

// A new on/off option of the program's own with the choices "False" and
// "True" (in that order); not yet in any store.
inline vOption *makeSwitch(const QString &keyword, const QString &text)
{
    static const QString no = QStringLiteral("False");
    static const QString yes = QStringLiteral("True");
    auto *option = new vOption(keyword, text);
    option->addChoice(no, no);
    option->addChoice(yes, yes);
    return option;
}

inline vOption *makeSwitch(const char *keyword, const char *text)
{
    return makeSwitch(QString(QLatin1String(keyword)), QString(QLatin1String(text)));
}

// One pairwise rule option1=choice1 ~ option2=choice2.
struct RuleRow
{
    const char *option1;
    const char *choice1;
    const char *option2;
    const char *choice2;
};

struct RuleStrings
{
    QString option1;
    QString choice1;
    QString option2;
    QString choice2;
};

template <std::size_t N>
QVector<RuleStrings> ruleStrings(const RuleRow (&rows)[N])
{
    QVector<RuleStrings> result;
    result.reserve(int(N));
    for (const RuleRow &row : rows) {
        result.append({QLatin1String(row.option1), QLatin1String(row.choice1), QLatin1String(row.option2),
                       QLatin1String(row.choice2)});
    }
    return result;
}

// Adds every rule of the table, in table order.
inline void addRules(vOptionSet *store, const QVector<RuleStrings> &rules)
{
    for (const RuleStrings &rule : rules)
        store->addConstraint(rule.option1, rule.choice1, rule.option2, rule.choice2);
}

// One three-member group rule.
struct GroupRow
{
    const char *members[3][2];
};

using GroupMembers = QList<QPair<QString, QString>>;

template <std::size_t N>
QVector<GroupMembers> groupStrings(const GroupRow (&rows)[N])
{
    QVector<GroupMembers> result;
    result.reserve(int(N));
    for (const GroupRow &row : rows) {
        GroupMembers members;
        for (const auto &member : row.members)
            members.append({QLatin1String(member[0]), QLatin1String(member[1])});
        result.append(members);
    }
    return result;
}
