// The option store's blocking rules, exercised on stores built by hand.
#include <QtTest>

#include "model/option_model.h"

namespace {

vOption *addOption(vOptionSet &set, const QString &keyword, const QStringList &choices, int priority = 99)
{
    auto *o = new vOption(keyword, keyword + QStringLiteral(" text"));
    for (const QString &c : choices)
        o->addChoice(c, c + QStringLiteral(" text"));
    o->setPriority(priority);
    set.insertOption(o);
    return o;
}

bool blocked(const vOptionSet &set, const QString &option, const QString &choice)
{
    vOption *o = set.findOption(option);
    vChoice *c = o ? o->findChoice(choice) : nullptr;
    return c && c->hasConstraints();
}

} // namespace

class TestOptionModel : public QObject
{
    Q_OBJECT

private slots:
    void invalidRecords();
    void choiceLookup();
    void defaults();
    void pairwiseEqualPriorityBlocksBothWays();
    void pairwiseStrongerIsNeverBlocked();
    void nullChoiceWithdrawsBlocks();
    void markingMissingChoiceChangesNothing();
    void rulesAreDeduplicated();
    void rulesNeedExistingOptionsAndChoices();
    void groupBlocksWeakestMember();
    void groupWithUnsetMemberStillBlocks();
    void weakestMemberBlocksItself();
    void groupRejectedWhenIncomplete();
    void groupSortedByPriority();
    void resetWithdrawsEveryBlock();
    void installableOptionsOrder();
    void displacedOptionStaysOwned();
};

void TestOptionModel::invalidRecords()
{
    vOption o;
    QVERIFY(!o.isValid());
    QCOMPARE(o.keyword(), QStringLiteral("VNULL"));
    QCOMPARE(o.priority(), 99);
    QVERIFY(!o.isFromPpd());
    QVERIFY(!o.currentChoice());
    vChoice c;
    QVERIFY(!c.isValid());
    QVERIFY(!c.hasConstraints());

    // Only both fields equal to the marker make a record invalid.
    vOption half(QStringLiteral("VNULL"), QStringLiteral("Something"));
    QVERIFY(half.isValid());
}

void TestOptionModel::choiceLookup()
{
    vOption o(QStringLiteral("Duplex"), QStringLiteral("Two-Sided"));
    o.addChoice(QStringLiteral("None"), QStringLiteral("Off"));
    o.addChoice(QStringLiteral("DuplexNoTumble"), QStringLiteral("Long Edge"));
    o.addChoice(QStringLiteral("none"), QStringLiteral("Off"));
    QCOMPARE(o.choiceCount(), 3);
    QVERIFY(o.hasChoice(QStringLiteral("None")));
    QVERIFY(!o.hasChoice(QStringLiteral("NONE")));
    // First match in list order, for keywords and for texts.
    QCOMPARE(o.findChoiceByText(QStringLiteral("Off"))->keyword(), QStringLiteral("None"));
    QCOMPARE(o.findChoice(QStringLiteral("none"))->keyword(), QStringLiteral("none"));
    QVERIFY(!o.findChoice(QStringLiteral("DuplexTumble")));
    QVERIFY(!o.findChoiceByText(QStringLiteral("off")));
    QCOMPARE(o.findChoice(QStringLiteral("None"))->option(), &o);
}

void TestOptionModel::defaults()
{
    vOptionSet set;
    vOption *a = addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")});
    vOption *b = addOption(set, QStringLiteral("B"), {QStringLiteral("b1")});
    QCOMPARE(a->defaultChoiceKeyword(), QStringLiteral("ANULL"));
    a->setDefaultChoice(b->findChoice(QStringLiteral("b1")));
    QVERIFY(!a->defaultChoice());
    a->setDefaultChoice(a->findChoice(QStringLiteral("a2")));
    QCOMPARE(a->defaultChoiceKeyword(), QStringLiteral("a2"));
    a->setDefaultChoice(nullptr);
    QCOMPARE(a->defaultChoiceKeyword(), QStringLiteral("a2"));
}

void TestOptionModel::pairwiseEqualPriorityBlocksBothWays()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")});
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1"), QStringLiteral("b2")});
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));

    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    QVERIFY(!blocked(set, QStringLiteral("B"), QStringLiteral("b2")));
    QVERIFY(!blocked(set, QStringLiteral("A"), QStringLiteral("a1")));

    // Marking the partner while a1 is current blocks a1 as well: both are flagged.
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b1"));
    QVERIFY(blocked(set, QStringLiteral("A"), QStringLiteral("a1")));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b1")));

    // Moving A away withdraws its block; b1's block on a1 remains.
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a2"));
    QVERIFY(!blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    QVERIFY(blocked(set, QStringLiteral("A"), QStringLiteral("a1")));
    QCOMPARE(set.findOption(QStringLiteral("A"))->currentChoice()->keyword(), QStringLiteral("a2"));
}

void TestOptionModel::pairwiseStrongerIsNeverBlocked()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")}, 5);
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1"), QStringLiteral("b2")}, 3);
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));

    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    QVERIFY(!blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b1"));
    QVERIFY(blocked(set, QStringLiteral("A"), QStringLiteral("a1")));

    // Negative numbers compare as signed values: -1 is stronger than 3.
    set.setOptionPriority(QStringLiteral("A"), -1);
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b2"));
    QVERIFY(!blocked(set, QStringLiteral("A"), QStringLiteral("a1")));
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b1"));
    QVERIFY(!blocked(set, QStringLiteral("A"), QStringLiteral("a1")));
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
}

void TestOptionModel::nullChoiceWithdrawsBlocks()
{
    vOptionSet set;
    vOption *a = addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")});
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1"), QStringLiteral("b2")});
    addOption(set, QStringLiteral("C"), {QStringLiteral("c1")});
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));
    set.addConstraint(QStringLiteral("C"), QStringLiteral("c1"), QStringLiteral("B"), QStringLiteral("b1"));
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    set.markOptionChoice(QStringLiteral("C"), QStringLiteral("c1"));

    a->setCurrentChoice(nullptr);
    QCOMPARE(a->currentChoice()->keyword(), QStringLiteral("a1"));
    // Still blocked, but by C alone.
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    set.markOptionChoice(QStringLiteral("C"), QStringLiteral("c1"));
    set.findOption(QStringLiteral("C"))->setCurrentChoice(nullptr);
    QVERIFY(!blocked(set, QStringLiteral("B"), QStringLiteral("b1")));

    // A choice of another option is treated like null.
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    a->setCurrentChoice(set.findOption(QStringLiteral("B"))->findChoice(QStringLiteral("b2")));
    QCOMPARE(a->currentChoice()->keyword(), QStringLiteral("a1"));
    QVERIFY(!blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
}

void TestOptionModel::markingMissingChoiceChangesNothing()
{
    vOptionSet set;
    vOption *a = addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")});
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1")});
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));

    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("A1"));
    set.markOptionChoice(QStringLiteral("A"), QString());
    set.markOptionChoice(QStringLiteral("Missing"), QStringLiteral("a1"));
    set.setOptionPriority(QStringLiteral("Missing"), 1);
    QCOMPARE(a->currentChoice()->keyword(), QStringLiteral("a1"));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    QVERIFY(!set.findOption(QStringLiteral("Missing")));
}

void TestOptionModel::rulesAreDeduplicated()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1")});
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1")});
    addOption(set, QStringLiteral("C"), {QStringLiteral("c1")});
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));
    set.addConstraint(QStringLiteral("B"), QStringLiteral("b1"), QStringLiteral("A"), QStringLiteral("a1"));
    vChoice *a1 = set.findOption(QStringLiteral("A"))->findChoice(QStringLiteral("a1"));
    vChoice *b1 = set.findOption(QStringLiteral("B"))->findChoice(QStringLiteral("b1"));
    QCOMPARE(a1->conflicts().size(), 1);
    QCOMPARE(b1->conflicts().size(), 1);
    QCOMPARE(a1->conflicts().first().second, b1);

    const QList<QPair<QString, QString>> group = {
        {QStringLiteral("A"), QStringLiteral("a1")},
        {QStringLiteral("B"), QStringLiteral("b1")},
        {QStringLiteral("C"), QStringLiteral("c1")}};
    set.addGroupConstraint(group);
    set.addGroupConstraint(group);
    QCOMPARE(a1->groupConflicts().size(), 1);

    // A block is recorded once however often the same choice is re-marked.
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    set.findOption(QStringLiteral("A"))->findChoice(QStringLiteral("a1"))->mark();
    QCOMPARE(b1->blockedBy().size(), 1);
}

void TestOptionModel::rulesNeedExistingOptionsAndChoices()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1")});
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1")});
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b2"));
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("X"), QStringLiteral("b1"));
    set.addConstraint(QStringLiteral("A"), QString(), QStringLiteral("B"), QStringLiteral("b1"));
    QVERIFY(set.findOption(QStringLiteral("A"))->findChoice(QStringLiteral("a1"))->conflicts().isEmpty());
    QVERIFY(set.findOption(QStringLiteral("B"))->findChoice(QStringLiteral("b1"))->conflicts().isEmpty());
}

void TestOptionModel::groupBlocksWeakestMember()
{
    vOptionSet set;
    addOption(set, QStringLiteral("PageSize"), {QStringLiteral("A3"), QStringLiteral("Letter")}, 3);
    addOption(set, QStringLiteral("FldA"), {QStringLiteral("None"), QStringLiteral("Bifold")}, 6);
    addOption(set, QStringLiteral("OutputBin"), {QStringLiteral("Auto"), QStringLiteral("FLDTRAY")}, 10);
    // Members given weakest first: the group is kept strongest first.
    set.addGroupConstraint({{QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")},
                            {QStringLiteral("FldA"), QStringLiteral("Bifold")},
                            {QStringLiteral("PageSize"), QStringLiteral("A3")}});

    set.markOptionChoice(QStringLiteral("FldA"), QStringLiteral("Bifold"));
    set.markOptionChoice(QStringLiteral("PageSize"), QStringLiteral("A3"));
    QVERIFY(blocked(set, QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")));
    QVERIFY(!blocked(set, QStringLiteral("OutputBin"), QStringLiteral("Auto")));
    QVERIFY(!blocked(set, QStringLiteral("PageSize"), QStringLiteral("A3")));
    QVERIFY(!blocked(set, QStringLiteral("FldA"), QStringLiteral("Bifold")));

    set.markOptionChoice(QStringLiteral("PageSize"), QStringLiteral("Letter"));
    QVERIFY(!blocked(set, QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")));

    // Marking the other member when the first no longer matches places nothing.
    set.markOptionChoice(QStringLiteral("FldA"), QStringLiteral("Bifold"));
    QVERIFY(!blocked(set, QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")));
    set.markOptionChoice(QStringLiteral("PageSize"), QStringLiteral("A3"));
    QVERIFY(blocked(set, QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")));
    set.markOptionChoice(QStringLiteral("FldA"), QStringLiteral("None"));
    QVERIFY(!blocked(set, QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")));
}

void TestOptionModel::groupWithUnsetMemberStillBlocks()
{
    vOptionSet set;
    addOption(set, QStringLiteral("PageSize"), {QStringLiteral("A3"), QStringLiteral("Letter")}, 3);
    addOption(set, QStringLiteral("FldA"), {QStringLiteral("None"), QStringLiteral("Bifold")}, 6);
    addOption(set, QStringLiteral("OutputBin"), {QStringLiteral("Auto"), QStringLiteral("FLDTRAY")}, 10);
    set.addGroupConstraint({{QStringLiteral("PageSize"), QStringLiteral("A3")},
                            {QStringLiteral("FldA"), QStringLiteral("Bifold")},
                            {QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")}});
    set.markOptionChoice(QStringLiteral("PageSize"), QStringLiteral("A3"));
    QVERIFY(blocked(set, QStringLiteral("OutputBin"), QStringLiteral("FLDTRAY")));
}

void TestOptionModel::weakestMemberBlocksItself()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")}, 1);
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1"), QStringLiteral("b2")}, 2);
    vOption *c = addOption(set, QStringLiteral("C"), {QStringLiteral("c1"), QStringLiteral("c2")}, 3);
    set.addGroupConstraint({{QStringLiteral("A"), QStringLiteral("a1")},
                            {QStringLiteral("B"), QStringLiteral("b1")},
                            {QStringLiteral("C"), QStringLiteral("c1")}});
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b2"));
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    // B is on another choice: nothing blocked yet.
    QVERIFY(!blocked(set, QStringLiteral("C"), QStringLiteral("c1")));
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b1"));
    set.markOptionChoice(QStringLiteral("C"), QStringLiteral("c1"));
    QVERIFY(blocked(set, QStringLiteral("C"), QStringLiteral("c1")));
    QCOMPARE(c->currentChoice()->keyword(), QStringLiteral("c1"));
    // Unmarking the weakest member itself keeps its own group block.
    set.markOptionChoice(QStringLiteral("C"), QStringLiteral("c2"));
    QVERIFY(blocked(set, QStringLiteral("C"), QStringLiteral("c1")));
    // Moving a stronger member away withdraws it.
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a2"));
    QVERIFY(!blocked(set, QStringLiteral("C"), QStringLiteral("c1")));
}

void TestOptionModel::groupRejectedWhenIncomplete()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1")});
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1")});
    addOption(set, QStringLiteral("C"), {QStringLiteral("c1")});
    set.addGroupConstraint({{QStringLiteral("A"), QStringLiteral("a1")}, {QStringLiteral("B"), QStringLiteral("b1")}});
    set.addGroupConstraint({{QStringLiteral("A"), QStringLiteral("a1")},
                            {QStringLiteral("B"), QStringLiteral("b1")},
                            {QStringLiteral("C"), QStringLiteral("c9")}});
    set.addGroupConstraint({{QStringLiteral("A"), QStringLiteral("a1")},
                            {QStringLiteral("Z"), QStringLiteral("z1")},
                            {QStringLiteral("B"), QStringLiteral("b1")},
                            {QStringLiteral("C"), QStringLiteral("c1")}});
    for (const QString &k : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        QVERIFY(set.findOption(k)->choices().first()->groupConflicts().isEmpty());
}

void TestOptionModel::groupSortedByPriority()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1")}, 7);
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1")}, 2);
    addOption(set, QStringLiteral("C"), {QStringLiteral("c1")}, 7);
    addOption(set, QStringLiteral("D"), {QStringLiteral("d1")}, 4);
    set.addGroupConstraint({{QStringLiteral("A"), QStringLiteral("a1")},
                            {QStringLiteral("B"), QStringLiteral("b1")},
                            {QStringLiteral("C"), QStringLiteral("c1")},
                            {QStringLiteral("D"), QStringLiteral("d1")}});
    const vGroup g = set.findOption(QStringLiteral("A"))->findChoice(QStringLiteral("a1"))->groupConflicts().first();
    QStringList order;
    for (const vChoiceRef &m : g)
        order << m.first->keyword();
    // Ascending priority; equal priorities in reverse input order.
    QCOMPARE(order, QStringList({"B", "D", "C", "A"}));
    // Every member holds the same sorted group.
    QCOMPARE(set.findOption(QStringLiteral("D"))->findChoice(QStringLiteral("d1"))->groupConflicts().first(), g);
}

void TestOptionModel::resetWithdrawsEveryBlock()
{
    vOptionSet set;
    addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")}, 1);
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1"), QStringLiteral("b2")}, 2);
    addOption(set, QStringLiteral("C"), {QStringLiteral("c1"), QStringLiteral("c2")}, 3);
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b2"));
    set.addGroupConstraint({{QStringLiteral("A"), QStringLiteral("a1")},
                            {QStringLiteral("B"), QStringLiteral("b1")},
                            {QStringLiteral("C"), QStringLiteral("c1")}});
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b1"));
    set.markOptionChoice(QStringLiteral("C"), QStringLiteral("c1"));
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b2")));
    QVERIFY(blocked(set, QStringLiteral("C"), QStringLiteral("c1")));

    set.resetConstraintState();
    for (vOption *o : set.allOptions())
        for (vChoice *c : o->choices())
            QVERIFY2(!c->hasConstraints(), qPrintable(o->keyword() + "=" + c->keyword()));
    QCOMPARE(set.findOption(QStringLiteral("A"))->currentChoice()->keyword(), QStringLiteral("a1"));
    QCOMPARE(set.findOption(QStringLiteral("C"))->currentChoice()->keyword(), QStringLiteral("c1"));

    // Re-marking after the reset places the blocks again.
    set.markOptionChoice(QStringLiteral("A"), QStringLiteral("a1"));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b2")));
    QVERIFY(blocked(set, QStringLiteral("C"), QStringLiteral("c1")));
}

void TestOptionModel::installableOptionsOrder()
{
    vOptionSet set;
    QVERIFY(set.installableOptions().isEmpty());
    for (const char *k : {"Option28", "Option01", "Duplex", "Option17", "Option8", "Option9"})
        addOption(set, QLatin1String(k), {QStringLiteral("True"), QStringLiteral("False")});
    QStringList order;
    for (vOption *o : set.installableOptions())
        order << o->keyword();
    QCOMPARE(order, QStringList({"Option17", "Option8", "Option01", "Option28"}));
}

void TestOptionModel::displacedOptionStaysOwned()
{
    // The first option under a keyword is replaced but stays alive: rules of
    // other choices still point at its choices and must remain safe to follow.
    vOptionSet set;
    addOption(set, QStringLiteral("B"), {QStringLiteral("b1"), QStringLiteral("b2")});
    vOption *first = addOption(set, QStringLiteral("A"), {QStringLiteral("a1")});
    set.addConstraint(QStringLiteral("A"), QStringLiteral("a1"), QStringLiteral("B"), QStringLiteral("b1"));
    vOption *second = addOption(set, QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")});
    QCOMPARE(set.findOption(QStringLiteral("A")), second);
    QCOMPARE(set.allOptions().size(), 2);

    // b1 still links to the displaced a1; marking b1 reaches it without harm.
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b1"));
    QVERIFY(first->findChoice(QStringLiteral("a1"))->hasConstraints());
    set.resetConstraintState();
    QVERIFY(!first->findChoice(QStringLiteral("a1"))->hasConstraints());

    // Blocks placed by a displaced record's current choice are withdrawn
    // when it is displaced: nothing could reach them afterwards.
    vOption *c1 = addOption(set, QStringLiteral("C"), {QStringLiteral("c1")});
    set.addConstraint(QStringLiteral("C"), QStringLiteral("c1"), QStringLiteral("B"), QStringLiteral("b1"));
    set.markOptionChoice(QStringLiteral("B"), QStringLiteral("b2"));
    c1->setCurrentChoice(c1->findChoice(QStringLiteral("c1")));
    QVERIFY(blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    addOption(set, QStringLiteral("C"), {QStringLiteral("c1")});
    QVERIFY(!blocked(set, QStringLiteral("B"), QStringLiteral("b1")));
    // Inserting the same record again is harmless.
    set.insertOption(second);
    QCOMPARE(set.findOption(QStringLiteral("A")), second);
}

QTEST_GUILESS_MAIN(TestOptionModel)
#include "test_option_model.moc"
