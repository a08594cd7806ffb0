// Fixed rule tables of the built-in steps: written with the keyword constants
// and copied into lists once per process, so that an import only looks them up.
#pragma once

#include "model/option_keywords.h"
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
    auto *option = new vOption(keyword, text);
    option->addChoice(kw::False, kw::False);
    option->addChoice(kw::True, kw::True);
    return option;
}

// One pairwise rule option1=choice1 ~ option2=choice2, written with the
// keyword constants.
struct RuleRow
{
    const QString &option1;
    const QString &choice1;
    const QString &option2;
    const QString &choice2;
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
        result.append({row.option1, row.choice1, row.option2, row.choice2});
    }
    return result;
}

// Adds every rule of the table, in table order.
inline void addRules(vOptionSet *store, const QVector<RuleStrings> &rules)
{
    for (const RuleStrings &rule : rules)
        store->addConstraint(rule.option1, rule.choice1, rule.option2, rule.choice2);
}

// One three-member group rule: each member an option and its choice.
struct GroupMember
{
    const QString &option;
    const QString &choice;
};

struct GroupRow
{
    GroupMember members[3];
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
            members.append({member.option, member.choice});
        result.append(members);
    }
    return result;
}
