#include "model/option_model.h"

#include "model/option_keywords.h"

// ---------------------------------------------------------------- vChoice

vChoice::vChoice() : m_keyword(kw::VNULL), m_text(kw::VNULL) {}

vChoice::vChoice(vOption *option, const QString &keyword, const QString &text)
    : m_keyword(keyword), m_text(text), m_option(option)
{
}

bool vChoice::isValid() const
{
    return !(m_keyword == kw::VNULL && m_text == kw::VNULL);
}

void vChoice::addConflict(vOption *option, vChoice *choice)
{
    const vChoiceRef ref(option, choice);
    if (!m_conflicts.contains(ref))
        m_conflicts.append(ref);
}

void vChoice::addGroupConflict(const vGroup &group)
{
    if (!m_groupConflicts.contains(group))
        m_groupConflicts.append(group);
}

void vChoice::addBlockedBy(vChoice *c)
{
    if (!c)
        return;
    const vChoiceRef ref(c->option(), c);
    if (!m_blockedBy.contains(ref))
        m_blockedBy.append(ref);
}

void vChoice::removeBlockedBy(vChoice *c)
{
    if (!c)
        return;
    m_blockedBy.removeOne(vChoiceRef(c->option(), c));
}

void vChoice::addGroupBlock(const vGroup &group)
{
    if (!m_groupBlocks.contains(group))
        m_groupBlocks.append(group);
}

void vChoice::removeGroupBlock(const vGroup &group)
{
    m_groupBlocks.removeOne(group);
}

void vChoice::mark()
{
    const int own = m_option ? m_option->priority() : 99;
    for (const vChoiceRef &partner : qAsConst(m_conflicts)) {
        if (partner.first && partner.second && partner.first->priority() >= own)
            partner.second->addBlockedBy(this);
    }

    for (const vGroup &group : qAsConst(m_groupConflicts)) {
        if (group.isEmpty())
            continue;
        const vChoiceRef last = group.last();
        for (const vChoiceRef &member : group) {
            if (member == last) {
                last.second->addGroupBlock(group);
                break;
            }
            vChoice *current = member.first->currentChoice();
            if (!current)
                continue;
            if (current->keyword() == member.second->keyword())
                continue;
            break;
        }
    }
}

void vChoice::unmark()
{
    for (const vChoiceRef &partner : qAsConst(m_conflicts)) {
        if (partner.second)
            partner.second->removeBlockedBy(this);
    }
    for (const vGroup &group : qAsConst(m_groupConflicts)) {
        if (group.isEmpty())
            continue;
        vChoice *last = group.last().second;
        if (last != this)
            last->removeGroupBlock(group);
    }
}

// ---------------------------------------------------------------- vOption

vOption::vOption() : m_keyword(kw::VNULL), m_text(kw::VNULL) {}

vOption::vOption(const QString &keyword, const QString &text) : m_keyword(keyword), m_text(text) {}

vOption::~vOption()
{
    qDeleteAll(m_choices);
}

bool vOption::isValid() const
{
    return !(m_keyword == kw::VNULL && m_text == kw::VNULL);
}

void vOption::addChoice(const QString &keyword, const QString &text)
{
    m_choices.append(new vChoice(this, keyword, text));
}

bool vOption::hasChoice(const QString &keyword) const
{
    return findChoice(keyword) != nullptr;
}

vChoice *vOption::findChoice(const QString &keyword) const
{
    for (vChoice *c : m_choices)
        if (c->keyword() == keyword)
            return c;
    return nullptr;
}

vChoice *vOption::findChoiceByText(const QString &text) const
{
    for (vChoice *c : m_choices)
        if (c->text() == text)
            return c;
    return nullptr;
}

void vOption::setCurrentChoice(vChoice *choice)
{
    m_choiceSetSinceReset = true;
    if (m_currentChoice)
        m_currentChoice->unmark();
    if (choice && m_choices.contains(choice)) {
        m_currentChoice = choice;
        choice->mark();
    }
}

void vOption::setDefaultChoice(vChoice *choice)
{
    if (choice && m_choices.contains(choice))
        m_defaultChoice = choice;
}

QString vOption::defaultChoiceKeyword() const
{
    if (m_defaultChoice)
        return m_defaultChoice->keyword();
    return m_keyword + QStringLiteral("NULL");
}

// ------------------------------------------------------------- vOptionSet

vOptionSet::vOptionSet() = default;

vOptionSet::~vOptionSet()
{
    qDeleteAll(m_options);
    qDeleteAll(m_displaced);
}

vOption *vOptionSet::findOption(const QString &keyword) const
{
    return m_options.value(keyword, nullptr);
}

void vOptionSet::insertOption(vOption *option)
{
    if (!option)
        return;
    vOption *old = m_options.value(option->keyword(), nullptr);
    if (old == option)
        return;
    if (old) {
        // The displaced record can no longer be reached by keyword, so the
        // blocks its current choice placed could never be withdrawn.
        if (vChoice *current = old->currentChoice())
            current->unmark();
        m_displaced.append(old);
    }
    m_options.insert(option->keyword(), option);
}

QList<vOption *> vOptionSet::installableOptions() const
{
    static const QString *const keywords[] = {
        &kw::Option17, &kw::Option8,  &kw::Option18, &kw::Option19, &kw::Option20, &kw::Option01, &kw::Option21,
        &kw::Option22, &kw::Option23, &kw::Option24, &kw::Option25, &kw::Option26, &kw::Option27, &kw::Option28,
    };
    QList<vOption *> result;
    for (const QString *keyword : keywords) {
        if (vOption *o = findOption(*keyword))
            result.append(o);
    }
    return result;
}

void vOptionSet::setOptionPriority(const QString &keyword, int priority)
{
    if (vOption *o = findOption(keyword))
        o->setPriority(priority);
}

void vOptionSet::markOptionChoice(const QString &optionKeyword, const QString &choiceKeyword)
{
    vOption *o = findOption(optionKeyword);
    if (!o)
        return;
    vChoice *c = o->findChoice(choiceKeyword);
    if (!c)
        return;
    o->setCurrentChoice(c);
}

void vOptionSet::addConstraint(const QString &option1, const QString &choice1,
                               const QString &option2, const QString &choice2)
{
    vOption *o1 = findOption(option1);
    vOption *o2 = findOption(option2);
    if (!o1 || !o2)
        return;
    vChoice *c1 = o1->findChoice(choice1);
    vChoice *c2 = o2->findChoice(choice2);
    if (!c1 || !c2)
        return;
    c1->addConflict(o2, c2);
    c2->addConflict(o1, c1);
}

void vOptionSet::addGroupConstraint(const QList<QPair<QString, QString>> &members)
{
    vGroup resolved;
    for (const auto &member : members) {
        vOption *o = findOption(member.first);
        if (!o)
            return;
        vChoice *c = o->findChoice(member.second);
        if (!c)
            return;
        resolved.append(vChoiceRef(o, c));
    }
    if (resolved.size() < 3)
        return;

    vGroup sorted;
    for (const vChoiceRef &member : qAsConst(resolved)) {
        int at = sorted.size();
        for (int i = 0; i < sorted.size(); ++i) {
            if (sorted.at(i).first->priority() >= member.first->priority()) {
                at = i;
                break;
            }
        }
        sorted.insert(at, member);
    }

    for (const vChoiceRef &member : qAsConst(sorted))
        member.second->addGroupConflict(sorted);
}

void vOptionSet::setPpdDefault(const QString &keyword, const QString &choice)
{
    m_ppdDefaults.insert(keyword, choice);
}

void vOptionSet::resetConstraintState()
{
    for (vOption *o : qAsConst(m_options)) {
        o->forgetChoiceSetting();
        for (vChoice *c : o->choices())
            c->unmark();
    }
    for (vOption *o : qAsConst(m_displaced)) {
        for (vChoice *c : o->choices())
            c->unmark();
    }
}

void vOptionSet::markUnsetCurrentChoices()
{
    for (vOption *o : qAsConst(m_options)) {
        if (o->currentChoice() && !o->choiceSetSinceReset())
            o->setCurrentChoice(o->currentChoice());
    }
}
