// The option store of one print queue: options, choices, priorities and the
// pairwise and group rules that block conflicting choices.
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class vOption;
class vChoice;

// A rule partner: a choice together with its option.
using vChoiceRef = QPair<vOption *, vChoice *>;
// A group rule: three or more members, strongest option first.
using vGroup = QList<vChoiceRef>;

class vChoice
{
public:
    vChoice();
    vChoice(vOption *option, const QString &keyword, const QString &text);

    QString keyword() const { return m_keyword; }
    QString text() const { return m_text; }
    vOption *option() const { return m_option; }
    bool isValid() const;

    QList<vChoiceRef> conflicts() const { return m_conflicts; }
    QList<vGroup> groupConflicts() const { return m_groupConflicts; }
    QList<vChoiceRef> blockedBy() const { return m_blockedBy; }
    QList<vGroup> groupBlocks() const { return m_groupBlocks; }

    void addConflict(vOption *option, vChoice *choice);
    void addGroupConflict(const vGroup &group);
    void addBlockedBy(vChoice *c);
    void removeBlockedBy(vChoice *c);
    void addGroupBlock(const vGroup &group);
    void removeGroupBlock(const vGroup &group);

    void mark();
    void unmark();

    // True while any marked choice or completed group blocks this choice.
    bool hasConstraints() const { return !m_blockedBy.isEmpty() || !m_groupBlocks.isEmpty(); }

private:
    QString m_keyword;
    QString m_text;
    vOption *m_option = nullptr;
    QList<vChoiceRef> m_conflicts;
    QList<vChoiceRef> m_blockedBy;
    QList<vGroup> m_groupConflicts;
    QList<vGroup> m_groupBlocks;
};

class vOption
{
public:
    vOption();
    vOption(const QString &keyword, const QString &text);
    ~vOption();
    vOption(const vOption &) = delete;
    vOption &operator=(const vOption &) = delete;

    bool isValid() const;
    QString keyword() const { return m_keyword; }
    QString text() const { return m_text; }

    void addChoice(const QString &keyword, const QString &text);
    bool hasChoice(const QString &keyword) const;
    vChoice *findChoice(const QString &keyword) const;
    vChoice *findChoiceByText(const QString &text) const;
    QList<vChoice *> choices() const { return m_choices; }
    int choiceCount() const { return m_choices.size(); }

    void setCurrentChoice(vChoice *choice);
    vChoice *currentChoice() const { return m_currentChoice; }
    // Whether setCurrentChoice ran since the store's last constraint reset.
    bool choiceSetSinceReset() const { return m_choiceSetSinceReset; }
    void forgetChoiceSetting() { m_choiceSetSinceReset = false; }
    void setDefaultChoice(vChoice *choice);
    vChoice *defaultChoice() const { return m_defaultChoice; }
    QString defaultChoiceKeyword() const;

    void setFromPpd(bool fromPpd) { m_fromPpd = fromPpd; }
    bool isFromPpd() const { return m_fromPpd; }
    void setPriority(int priority) { m_priority = priority; }
    int priority() const { return m_priority; }

private:
    bool m_fromPpd = false;
    QString m_keyword;
    QString m_text;
    QList<vChoice *> m_choices;
    vChoice *m_currentChoice = nullptr;
    vChoice *m_defaultChoice = nullptr;
    int m_priority = 99;
    bool m_choiceSetSinceReset = false;
};

class vOptionSet
{
public:
    vOptionSet();
    ~vOptionSet();
    vOptionSet(const vOptionSet &) = delete;
    vOptionSet &operator=(const vOptionSet &) = delete;

    void setPrinterName(const QString &name) { m_printerName = name; }
    QString printerName() const { return m_printerName; }
    void setModelName(const QString &name) { m_modelName = name; }
    QString modelName() const { return m_modelName; }
    void setGeneric(bool generic) { m_generic = generic; }
    bool isGeneric() const { return m_generic; }
    void setHasVpslFilter(bool has) { m_hasVpslFilter = has; }
    bool hasVpslFilter() const { return m_hasVpslFilter; }

    vOption *findOption(const QString &keyword) const;
    // Takes ownership. An option displaced under the same keyword stays owned
    // by the store (rules of other choices may still point at its choices)
    // and is deleted with it.
    void insertOption(vOption *option);
    QList<vOption *> allOptions() const { return m_options.values(); }
    QList<vOption *> installableOptions() const;

    void setOptionPriority(const QString &keyword, int priority);
    void markOptionChoice(const QString &optionKeyword, const QString &choiceKeyword);
    void addConstraint(const QString &option1, const QString &choice1,
                       const QString &option2, const QString &choice2);
    void addGroupConstraint(const QList<QPair<QString, QString>> &members);

    void setPpdDefault(const QString &keyword, const QString &choice);
    QHash<QString, QString> ppdDefaults() const { return m_ppdDefaults; }

    void resetConstraintState();
    // Marks again the current choice of every option whose choice nobody
    // set since resetConstraintState, so that it blocks what it blocked.
    void markUnsetCurrentChoices();

private:
    bool m_generic = false;
    bool m_hasVpslFilter = false;
    QString m_printerName;
    QString m_modelName;
    QHash<QString, vOption *> m_options;
    QHash<QString, QString> m_ppdDefaults;
    QList<vOption *> m_displaced;
};
