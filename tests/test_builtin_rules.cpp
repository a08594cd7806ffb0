// The program's own options, priorities and rules as loadFromPpd builds them
// from small PPDs, checked through the links they leave and the blocks that
// marking choices places.
#include "model/builtin_steps.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/ppd_import.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<vOptionSet> loadPath(const QString &path)
{
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        return nullptr;
    auto store = std::make_unique<vOptionSet>();
    loadFromPpd(ppd, store.get());
    ppdClose(ppd);
    return store;
}

std::unique_ptr<vOptionSet> load(const char *name)
{
    return loadPath(QStringLiteral(ORDOVAN_TEST_DATA "/") + QLatin1String(name));
}

vChoice *choiceOf(vOptionSet *store, const QString &option, const QString &choice)
{
    vOption *o = store->findOption(option);
    return o ? o->findChoice(choice) : nullptr;
}

// Whether o1=c1 carries a pairwise rule with o2=c2 (and the reverse link exists too).
bool linked(vOptionSet *store, const QString &o1, const QString &c1, const QString &o2, const QString &c2)
{
    vChoice *a = choiceOf(store, o1, c1);
    vChoice *b = choiceOf(store, o2, c2);
    if (!a || !b)
        return false;
    const bool forward = a->conflicts().contains(vChoiceRef(b->option(), b));
    const bool backward = b->conflicts().contains(vChoiceRef(a->option(), a));
    return forward && backward;
}

bool blocked(vOptionSet *store, const QString &option, const QString &choice)
{
    vChoice *c = choiceOf(store, option, choice);
    return c && c->hasConstraints();
}

int priorityOf(vOptionSet *store, const QString &option)
{
    vOption *o = store->findOption(option);
    return o ? o->priority() : -1;
}

QStringList keywordsOf(const QList<vChoice *> &choices)
{
    QStringList keywords;
    for (const vChoice *c : choices)
        keywords << c->keyword();
    return keywords;
}

// Links of a choice as "Option=choice" strings.
QStringList linksOf(vOptionSet *store, const QString &option, const QString &choice)
{
    QStringList result;
    if (vChoice *c = choiceOf(store, option, choice)) {
        for (const vChoiceRef &link : c->conflicts())
            result << link.first->keyword() + QLatin1Char('=') + link.second->keyword();
    }
    return result;
}

QStringList groupText(const vGroup &group)
{
    QStringList members;
    for (const vChoiceRef &member : group)
        members << member.first->keyword() + QLatin1Char('=') + member.second->keyword();
    return members;
}

// A synthetic two-choice option as the import leaves it: no current, no
// default, not from the PPD.
void checkSwitch(vOptionSet *store, const QString &keyword, const QStringList &choices)
{
    vOption *o = store->findOption(keyword);
    QVERIFY2(o, qPrintable(keyword));
    QCOMPARE(keywordsOf(o->choices()), choices);
    QVERIFY(!o->currentChoice());
    QVERIFY(!o->defaultChoice());
    QVERIFY(!o->isFromPpd());
}

// Every option and choice constant the code names keywords by.
const QString *const kOptionConstants[] = {
    &kw::BackCvrM, &kw::BFpS, &kw::BiFldB, &kw::CaCR, &kw::CaColorSpace, &kw::CaHb, &kw::CaHc, &kw::CaHg, &kw::CaHm,
    &kw::CaHr, &kw::CaHueMaster, &kw::CaHy, &kw::CaMG, &kw::CaYB, &kw::Cabt, &kw::Cact, &kw::Cadj, &kw::Cast,
    &kw::CIE, &kw::Coll, &kw::ColorModel, &kw::Crep, &kw::CvrM, &kw::Duplex, &kw::FldA, &kw::FldB, &kw::FldC,
    &kw::FldD, &kw::Fold, &kw::GBTn, &kw::InputSlot, &kw::JobName, &kw::Madj, &kw::MediaType, &kw::Option01,
    &kw::Option8, &kw::Option17, &kw::Option18, &kw::Option19, &kw::Option20, &kw::Option21, &kw::Option22,
    &kw::Option23, &kw::Option24, &kw::Option25, &kw::Option26, &kw::Option27, &kw::Option28, &kw::OutputBin,
    &kw::PageRegion, &kw::PageSize, &kw::Pmed, &kw::Pnch, &kw::RCM, &kw::Resolution, &kw::Rotate, &kw::Scnt,
    &kw::Sep, &kw::Smoothing, &kw::Stpl, &kw::Tmed, &kw::Tnsv, &kw::Trap, &kw::VMoirePrevention, &kw::VSCREENMODE,
    &kw::VZBooklet, &kw::VZCollate1, &kw::VZGlossmode, &kw::VZSuperWatermark, &kw::VqManagment, &kw::Wang,
    &kw::Wclr, &kw::Wflg, &kw::Wfnt, &kw::Wren, &kw::Wsze, &kw::Wtrans, &kw::Wtxt, &kw::Wtyp, &kw::ZFldC,
    &kw::ZFldD, &kw::cBiFld, &kw::cCovBRad, &kw::cCovBut, &kw::cCovPOBI, &kw::cCovPOBO, &kw::cCovPOFI,
    &kw::cCovPOFO, &kw::cCovTRad, &kw::cCustomBox, &kw::cEmail, &kw::cEngrFld, &kw::cHole, &kw::cInsBut,
    &kw::cInsPrnB, &kw::cInsPrnF, &kw::cIntBut, &kw::cIntPrn, &kw::cJobAccount, &kw::cJobName, &kw::cJobStore,
    &kw::cMaxPassword, &kw::cPrivatePrint, &kw::cStpl, &kw::cSuper, &kw::cTriFld, &kw::cTriFldZ, &kw::cUserLogin,
    &kw::ePrivatePrint, &kw::PQXColorMode, &kw::PQXDuplex, &kw::PQXToggle, &kw::PQXTonsave,
};

const QPair<const QString *, const QString *> kChoiceConstants[] = {
    {&kw::FldA, &kw::Bifold}, {&kw::FldA, &kw::Trifold}, {&kw::FldA, &kw::Zfold}, {&kw::FldA, &kw::EngrFold},
    {&kw::Duplex, &kw::DuplexNoTumble}, {&kw::Duplex, &kw::DuplexTumble}, {&kw::Duplex, &kw::None},
    {&kw::ColorModel, &kw::CMYK}, {&kw::ColorModel, &kw::RGB}, {&kw::ColorModel, &kw::Gray}, {&kw::Wclr, &kw::Red},
    {&kw::Wclr, &kw::Green}, {&kw::Wclr, &kw::Blue}, {&kw::VZBooklet, &kw::Left}, {&kw::VZBooklet, &kw::Right},
    {&kw::CvrM, &kw::Inserter1}, {&kw::CvrM, &kw::Inserter2}, {&kw::VZCollate1, &kw::JobStorage},
    {&kw::VqManagment, &kw::Default}, {&kw::PageSize, &kw::Custom}, {&kw::JobName, &kw::off},
    {&kw::cCovBut, &kw::True}, {&kw::cCovBut, &kw::False}, {&kw::PQXToggle, &kw::On}, {&kw::PQXToggle, &kw::Off},
};

} // namespace

class TestBuiltinRules : public QObject
{
    Q_OBJECT

private slots:
    void priorityTable();
    void printManagementSwitches();
    void policiesBlockPrintingChoices();
    void duplexPolicyInheritsTwoSidedRules();
    void coverOptionsWithInserter();
    void coverOptionsWithoutInserter();
    void interleaveNeedsTransparencies();
    void jobOptions();
    void privatePrintByAttributeValue_data();
    void privatePrintByAttributeValue();
    void userLoginRuleNeedsBothOptions();
    void watermarkRules();
    void uiConstraintGroupsSortedByPriority();
    void foldGroupsOnlyWithFolder();
    void foldSwitchesWithoutFolder();
    void bookletAndStapleGroups();
    void switchesTakeLinksCommonToAllChoices();
    void commonLinksIsATrueIntersection();
    void collationSorterInheritsRules();
    void tokenMap();
    void keywordConstantsAreStoreKeywords();
};

void TestBuiltinRules::priorityTable()
{
    auto store = load("builtin-priority.ppd");
    QVERIFY(store);
    QCOMPARE(priorityOf(store.get(), "Option17"), 0);
    QCOMPARE(priorityOf(store.get(), "PQXToggle"), 0);
    QCOMPARE(priorityOf(store.get(), "Option8"), 1);
    QCOMPARE(priorityOf(store.get(), "Option28"), 1);
    QCOMPARE(priorityOf(store.get(), "PQXTonsave"), 1);
    QCOMPARE(priorityOf(store.get(), "PQXColorMode"), 1);
    QCOMPARE(priorityOf(store.get(), "PageSize"), 3);
    QCOMPARE(priorityOf(store.get(), "MediaType"), 3);
    QCOMPARE(priorityOf(store.get(), "PQXDuplex"), 4);
    QCOMPARE(priorityOf(store.get(), "Duplex"), 5);
    QCOMPARE(priorityOf(store.get(), "Wtyp"), 6);
    QCOMPARE(priorityOf(store.get(), "Coll"), 11);
    // Not in the table: a PPD option and a built-in one.
    QCOMPARE(priorityOf(store.get(), "VZSideNote"), 99);
    QCOMPARE(priorityOf(store.get(), "cMaxPassword"), 99);
    // PageRegion is a PPD option the table does not list.
    QCOMPARE(priorityOf(store.get(), "PageRegion"), 99);
    // The inserter option alone does not create the cover switches.
    QVERIFY(!store->findOption("cCovBut"));

    // MediaType (3) outranks Duplex (5): only the media choice blocks.
    QVERIFY(linked(store.get(), "MediaType", "Labels", "Duplex", "DuplexTumble"));
    store->markOptionChoice("Duplex", "DuplexTumble");
    QVERIFY(!blocked(store.get(), "MediaType", "Labels"));
    store->markOptionChoice("MediaType", "Labels");
    QVERIFY(blocked(store.get(), "Duplex", "DuplexTumble"));
    store->markOptionChoice("MediaType", "Plain");
    QVERIFY(!blocked(store.get(), "Duplex", "DuplexTumble"));
}

void TestBuiltinRules::printManagementSwitches()
{
    auto store = load("builtin-pqx.ppd");
    QVERIFY(store);
    const QStringList offOn{"Off", "On"};
    for (const char *keyword : {"PQXToggle", "PQXDuplex", "PQXTonsave", "PQXColorMode"})
        checkSwitch(store.get(), keyword, offOn);
    QCOMPARE(store->findOption("PQXToggle")->text(), QStringLiteral("Quorix"));
    QCOMPARE(store->findOption("PQXColorMode")->text(), QStringLiteral("Quorix Color Mode"));

    // A policy switched on never blocks the connection switch.
    store->markOptionChoice("PQXDuplex", "On");
    store->markOptionChoice("PQXTonsave", "On");
    store->markOptionChoice("PQXColorMode", "On");
    QVERIFY(!blocked(store.get(), "PQXToggle", "Off"));

    // Switching the connection off blocks every policy's "On".
    store->markOptionChoice("PQXToggle", "Off");
    QVERIFY(blocked(store.get(), "PQXDuplex", "On"));
    QVERIFY(blocked(store.get(), "PQXTonsave", "On"));
    QVERIFY(blocked(store.get(), "PQXColorMode", "On"));
    QVERIFY(!blocked(store.get(), "PQXDuplex", "Off"));
    store->markOptionChoice("PQXDuplex", "Off");
    store->markOptionChoice("PQXDuplex", "On");
    QVERIFY(!blocked(store.get(), "PQXToggle", "Off"));

    // Switching it on frees the policies and blocks the job switches.
    store->markOptionChoice("PQXToggle", "On");
    QVERIFY(!blocked(store.get(), "PQXDuplex", "On"));
    QVERIFY(!blocked(store.get(), "PQXColorMode", "On"));
    for (const char *keyword : {"cJobAccount", "cUserLogin", "cJobStore", "cCovBut", "cInsBut", "cIntBut"}) {
        QVERIFY2(store->findOption(keyword), keyword);
        QVERIFY2(blocked(store.get(), keyword, "True"), keyword);
        QVERIFY2(!blocked(store.get(), keyword, "False"), keyword);
    }
    store->markOptionChoice("cJobStore", "True");
    QVERIFY(!blocked(store.get(), "PQXToggle", "On"));
}

void TestBuiltinRules::policiesBlockPrintingChoices()
{
    auto store = load("builtin-pqx.ppd");
    QVERIFY(store);

    store->markOptionChoice("PQXDuplex", "On");
    QVERIFY(blocked(store.get(), "Duplex", "None"));
    QVERIFY(!blocked(store.get(), "Duplex", "DuplexNoTumble"));
    store->markOptionChoice("Duplex", "None");
    QVERIFY(!blocked(store.get(), "PQXDuplex", "On"));

    store->markOptionChoice("PQXTonsave", "On");
    QVERIFY(blocked(store.get(), "Tnsv", "Off"));
    QVERIFY(!blocked(store.get(), "Tnsv", "On"));

    store->markOptionChoice("PQXColorMode", "On");
    QVERIFY(blocked(store.get(), "ColorModel", "CMYK"));
    QVERIFY(blocked(store.get(), "ColorModel", "RGB"));
    QVERIFY(!blocked(store.get(), "ColorModel", "Gray"));
    store->markOptionChoice("ColorModel", "CMYK");
    QVERIFY(!blocked(store.get(), "PQXColorMode", "On"));

    store->markOptionChoice("PQXColorMode", "Off");
    QVERIFY(!blocked(store.get(), "ColorModel", "CMYK"));
    store->markOptionChoice("PQXTonsave", "Off");
    QVERIFY(!blocked(store.get(), "Tnsv", "Off"));
}

void TestBuiltinRules::duplexPolicyInheritsTwoSidedRules()
{
    auto store = load("builtin-pqx.ppd");
    QVERIFY(store);
    // Tray2 (10) is weaker than the policy (4) and is inherited; MediaType (3)
    // is stronger and is not; the one-sided choice's rules never are.
    QVERIFY(linked(store.get(), "PQXDuplex", "On", "OutputBin", "Tray2"));
    QVERIFY(!linked(store.get(), "PQXDuplex", "On", "MediaType", "Labels"));
    QVERIFY(!linked(store.get(), "PQXDuplex", "On", "OutputBin", "Standard"));
    QCOMPARE(linksOf(store.get(), "PQXDuplex", "On"),
             QStringList({"PQXToggle=Off", "Duplex=None", "OutputBin=Tray2"}));

    store->markOptionChoice("PQXDuplex", "On");
    QVERIFY(blocked(store.get(), "OutputBin", "Tray2"));
    store->markOptionChoice("PQXDuplex", "Off");
    QVERIFY(!blocked(store.get(), "OutputBin", "Tray2"));
}

void TestBuiltinRules::coverOptionsWithInserter()
{
    auto store = load("builtin-cover.ppd");
    QVERIFY(store);
    const QStringList falseTrue{"False", "True"};
    const char *const switches[] = {"cCovBut", "cCovTRad", "cCovBRad", "cCovPOFO", "cCovPOFI", "cCovPOBO",
                                    "cCovPOBI", "cInsBut", "cInsPrnF", "cInsPrnB", "cIntBut", "cIntPrn"};
    for (const char *keyword : switches)
        checkSwitch(store.get(), keyword, falseTrue);
    QCOMPARE(store->findOption("cCovBRad")->text(), QStringLiteral("Cover mode front and back"));
    QCOMPARE(store->findOption("cIntPrn")->text(), QStringLiteral("Transparency print onto backing"));
    QCOMPARE(priorityOf(store.get(), "cCovBut"), 8);
    QCOMPARE(priorityOf(store.get(), "cCovPOFI"), 9);

    // Print-onto switches need their mode; interleaving excludes covers and inserts.
    QVERIFY(linked(store.get(), "cCovBut", "False", "cCovPOFI", "True"));
    QVERIFY(linked(store.get(), "cCovBut", "False", "cCovPOBO", "True"));
    QVERIFY(linked(store.get(), "cCovBRad", "False", "cCovPOBI", "True"));
    QVERIFY(linked(store.get(), "cInsBut", "False", "cInsPrnB", "True"));
    QVERIFY(linked(store.get(), "cIntBut", "False", "cIntPrn", "True"));
    QVERIFY(linked(store.get(), "cCovBut", "True", "cIntBut", "True"));
    QVERIFY(linked(store.get(), "cInsBut", "True", "cIntBut", "True"));
    QVERIFY(!linked(store.get(), "cCovTRad", "False", "cCovPOFI", "True"));

    // Tray rules: only the inserter choices, only where option and choice exist.
    QVERIFY(linked(store.get(), "CvrM", "Inserter1", "cCovPOFI", "True"));
    QVERIFY(linked(store.get(), "CvrM", "Inserter2", "cCovPOFO", "True"));
    QVERIFY(linked(store.get(), "BackCvrM", "Inserter1", "cCovPOBI", "True"));
    QVERIFY(linked(store.get(), "BackCvrM", "Inserter2", "cCovPOBO", "True"));
    QVERIFY(linked(store.get(), "Pmed", "Inserter1", "cInsPrnF", "True"));
    QVERIFY(linked(store.get(), "Pmed", "Inserter1", "cInsPrnB", "True"));
    QVERIFY(linksOf(store.get(), "CvrM", "Tray1").isEmpty());
    QCOMPARE(linksOf(store.get(), "cIntPrn", "True"), QStringList({"cIntBut=False"}));

    // Behaviour under the priorities: the mode (8) blocks its print-onto switches (9).
    store->markOptionChoice("cCovBut", "False");
    QVERIFY(blocked(store.get(), "cCovPOFI", "True"));
    QVERIFY(!blocked(store.get(), "cCovTRad", "True"));
    store->markOptionChoice("cCovBut", "True");
    QVERIFY(!blocked(store.get(), "cCovPOFI", "True"));
    QVERIFY(blocked(store.get(), "cIntBut", "True"));
    QVERIFY(blocked(store.get(), "Coll", "False"));
    store->markOptionChoice("CvrM", "Inserter2");
    QVERIFY(blocked(store.get(), "cCovPOFO", "True"));
    // One-sided printing blocks printing onto a cover's inside.
    store->markOptionChoice("Duplex", "None");
    QVERIFY(blocked(store.get(), "cCovPOFI", "True"));
    QVERIFY(blocked(store.get(), "cInsPrnB", "True"));
    QVERIFY(!blocked(store.get(), "cInsPrnF", "True"));
}

void TestBuiltinRules::coverOptionsWithoutInserter()
{
    auto store = load("builtin-cover-noinserter.ppd");
    QVERIFY(store);
    QVERIFY(store->findOption("cCovBut"));
    QVERIFY(store->findOption("cIntPrn"));
    QVERIFY(linked(store.get(), "cCovBut", "False", "cCovPOFI", "True"));
    QVERIFY(linked(store.get(), "cInsBut", "True", "cIntBut", "True"));
    QVERIFY(!linked(store.get(), "CvrM", "Inserter1", "cCovPOFI", "True"));
    QVERIFY(linksOf(store.get(), "CvrM", "Inserter1").isEmpty());
    QVERIFY(linksOf(store.get(), "BackCvrM", "Inserter2").isEmpty());
    QVERIFY(linksOf(store.get(), "Pmed", "Inserter1").isEmpty());
}

void TestBuiltinRules::interleaveNeedsTransparencies()
{
    auto store = load("builtin-cover.ppd");
    QVERIFY(store);
    QStringList mediaLinks;
    for (const QString &link : linksOf(store.get(), "cIntBut", "True")) {
        if (link.startsWith("MediaType="))
            mediaLinks << link;
    }
    // The lower-case media keyword differs from "Transparency" and gets a rule too.
    QCOMPARE(mediaLinks, QStringList({"MediaType=Plain", "MediaType=labels"}));

    store->markOptionChoice("MediaType", "labels");
    QVERIFY(blocked(store.get(), "cIntBut", "True"));
    store->markOptionChoice("MediaType", "Transparency");
    QVERIFY(!blocked(store.get(), "cIntBut", "True"));
    store->markOptionChoice("cIntBut", "True");
    QVERIFY(!blocked(store.get(), "MediaType", "Plain"));
}

void TestBuiltinRules::jobOptions()
{
    auto store = load("builtin-job.ppd");
    QVERIFY(store);
    const QStringList falseTrue{"False", "True"};
    const QList<QPair<const char *, const char *>> expected = {
        {"cJobStore", "Job storage"},   {"cJobAccount", "Job accounting"},
        {"cUserLogin", "User login"},   {"cColBalCMYK", "Color Balance (CMYK)"},
        {"cEmail", "Email notification"}, {"cJobName", "Custom job name"},
        {"cPrivatePrint", "Private print"}, {"cCustomBox", "Custom box"},
    };
    for (const auto &entry : expected) {
        checkSwitch(store.get(), entry.first, falseTrue);
        QCOMPARE(store->findOption(entry.first)->text(), QString::fromLatin1(entry.second));
    }
    QVERIFY(!store->findOption("ePrivatePrint"));
    QVERIFY(!store->findOption("cSuper"));
    QCOMPARE(priorityOf(store.get(), "cJobStore"), 8);
    QCOMPARE(priorityOf(store.get(), "cUserLogin"), 8);
    QCOMPARE(priorityOf(store.get(), "cPrivatePrint"), 99);
    QCOMPARE(priorityOf(store.get(), "cEmail"), 99);
    QVERIFY(linked(store.get(), "cJobAccount", "True", "cUserLogin", "True"));
    // Job storage cannot go with uncollated copies.
    store->markOptionChoice("cJobStore", "True");
    QVERIFY(blocked(store.get(), "Coll", "False"));
}

static QString writeVariant(const QTemporaryDir &dir, const QString &from, const QString &to)
{
    QFile in(QStringLiteral(ORDOVAN_TEST_DATA "/builtin-job.ppd"));
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = in.readAll();
    text.replace(from.toLatin1(), to.toLatin1());
    const QString path = dir.filePath("variant.ppd");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size())
        return QString();
    return path;
}

void TestBuiltinRules::privatePrintByAttributeValue_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("True") << "*SupportsPrivatePrint: \"True\"" << "cPrivatePrint";
    QTest::newRow("False") << "*SupportsPrivatePrint: \"False\"" << "";
    QTest::newRow("TRUE") << "*SupportsPrivatePrint: \"TRUE\"" << "ePrivatePrint";
    QTest::newRow("false") << "*SupportsPrivatePrint: false" << "ePrivatePrint";
    QTest::newRow("empty") << "*SupportsPrivatePrint: \"\"" << "ePrivatePrint";
    QTest::newRow("absent") << "" << "";
}

void TestBuiltinRules::privatePrintByAttributeValue()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeVariant(dir, "*SupportsPrivatePrint: \"True\"", line);
    QVERIFY(!path.isEmpty());
    auto store = loadPath(path);
    QVERIFY(store);
    QCOMPARE(store->findOption("cPrivatePrint") != nullptr, expected == "cPrivatePrint");
    QCOMPARE(store->findOption("ePrivatePrint") != nullptr, expected == "ePrivatePrint");
    if (!expected.isEmpty()) {
        checkSwitch(store.get(), expected, {"False", "True"});
        QCOMPARE(store->findOption(expected)->text(), QStringLiteral("Private print"));
        QCOMPARE(priorityOf(store.get(), expected), 99);
    }
}

void TestBuiltinRules::userLoginRuleNeedsBothOptions()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeVariant(dir, "*SupportsUserLogin: True\n", "");
    QVERIFY(!path.isEmpty());
    auto store = loadPath(path);
    QVERIFY(store);
    QVERIFY(store->findOption("cJobAccount"));
    QVERIFY(!store->findOption("cUserLogin"));
    QCOMPARE(linksOf(store.get(), "cJobAccount", "True"), QStringList({"PQXToggle=On"}));
}

void TestBuiltinRules::watermarkRules()
{
    auto store = load("builtin-watermark.ppd");
    QVERIFY(store);
    QCOMPARE(priorityOf(store.get(), "WTyp"), 6);
    QCOMPARE(priorityOf(store.get(), "Wren"), 2);
    QCOMPARE(priorityOf(store.get(), "Wflg"), 5);

    store->markOptionChoice("Wren", "True");
    store->markOptionChoice("Wflg", "True");
    QVERIFY(!blocked(store.get(), "Wren", "False"));
    store->markOptionChoice("Wren", "False");
    QVERIFY(blocked(store.get(), "Wflg", "True"));
    QVERIFY(!blocked(store.get(), "Wflg", "False"));

    store->markOptionChoice("Wclr", "Red");
    QVERIFY(!blocked(store.get(), "ColorModel", "Gray"));
    store->markOptionChoice("ColorModel", "Gray");
    QVERIFY(blocked(store.get(), "Wclr", "Red"));
    QVERIFY(blocked(store.get(), "Wclr", "Green"));
    QVERIFY(blocked(store.get(), "Wclr", "Blue"));
    QVERIFY(!blocked(store.get(), "Wclr", "Black"));
    store->markOptionChoice("ColorModel", "CMYK");
    QVERIFY(!blocked(store.get(), "Wclr", "Red"));

    // Without an RGB choice only that one colour-policy rule is missing.
    QCOMPARE(linksOf(store.get(), "PQXColorMode", "On"), QStringList({"PQXToggle=Off", "ColorModel=CMYK"}));
    // Without MediaType, Tnsv or Duplex their rules are dropped, the rest stay.
    QCOMPARE(linksOf(store.get(), "PQXToggle", "Off"),
             QStringList({"PQXDuplex=On", "PQXTonsave=On", "PQXColorMode=On"}));
    QVERIFY(linksOf(store.get(), "PQXDuplex", "On") == QStringList({"PQXToggle=Off"}));
}

void TestBuiltinRules::uiConstraintGroupsSortedByPriority()
{
    auto store = load("builtin-uigroups.ppd");
    QVERIFY(store);

    // Fold tokens name the fold switch; members sort strongest first.
    const QList<vGroup> trayGroups = choiceOf(store.get(), "OutputBin", "FLDTRAY")->groupConflicts();
    QCOMPARE(trayGroups.size(), 1);
    QCOMPARE(groupText(trayGroups.first()),
             QStringList({"PageSize=A3", "cBiFld=True", "OutputBin=FLDTRAY"}));
    // Equal priorities (PageSize and MediaType, 3) end in reverse input order.
    const QList<vGroup> labelGroups = choiceOf(store.get(), "MediaType", "Labels")->groupConflicts();
    QCOMPARE(labelGroups.size(), 1);
    QCOMPARE(groupText(labelGroups.first()),
             QStringList({"MediaType=Labels", "PageSize=A6", "cStpl=True"}));

    // A member without choice, two members only, or a doubled blank: no group.
    QVERIFY(choiceOf(store.get(), "InputSlot", "Manual")->groupConflicts().isEmpty());
    QVERIFY(choiceOf(store.get(), "Duplex", "DuplexTumble")->groupConflicts().isEmpty());
    QCOMPARE(choiceOf(store.get(), "PageSize", "A3")->groupConflicts().size(), 1);
    // No folding unit option: the built-in fold groups are left out.
    QVERIFY(choiceOf(store.get(), "FldA", "Bifold")->groupConflicts().isEmpty());

    // The weakest member is blocked once the others are current.
    store->markOptionChoice("cBiFld", "False");
    store->markOptionChoice("PageSize", "A3");
    QVERIFY(!blocked(store.get(), "OutputBin", "FLDTRAY"));
    store->markOptionChoice("cBiFld", "True");
    QVERIFY(blocked(store.get(), "OutputBin", "FLDTRAY"));
    QVERIFY(!blocked(store.get(), "PageSize", "A3"));
    store->markOptionChoice("PageSize", "A4");
    QVERIFY(!blocked(store.get(), "OutputBin", "FLDTRAY"));

    store->markOptionChoice("MediaType", "Labels");
    store->markOptionChoice("PageSize", "A6");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
}

void TestBuiltinRules::foldGroupsOnlyWithFolder()
{
    auto store = load("builtin-fold.ppd");
    QVERIFY(store);
    const char *const switches[] = {"cBiFld", "cTriFld", "cTriFldZ", "cEngrFld"};
    for (const char *keyword : switches) {
        checkSwitch(store.get(), keyword, {"False", "True"});
        QCOMPARE(priorityOf(store.get(), keyword), 7);
    }
    QCOMPARE(store->findOption("cEngrFld")->text(), QStringLiteral("Engineering-fold Mode"));
    QCOMPARE(store->findOption("cTriFldZ")->text(), QStringLiteral("Z-fold Mode"));

    // Every pair of fold switches excludes each other, once each way.
    for (const char *a : switches) {
        QStringList foldLinks;
        for (const QString &link : linksOf(store.get(), a, "True")) {
            if (link.startsWith('c'))
                foldLinks << link;
        }
        QCOMPARE(foldLinks.size(), 3);
        QVERIFY(!foldLinks.contains(QString::fromLatin1(a) + "=True"));
        for (const char *b : switches) {
            if (a != b)
                QVERIFY(linked(store.get(), a, "True", b, "True"));
        }
    }
    // Each switch inherits its fold choice's PPD rules.
    QVERIFY(linked(store.get(), "cBiFld", "True", "MediaType", "Labels"));
    QVERIFY(linked(store.get(), "cTriFldZ", "True", "OutputBin", "Standard"));
    QVERIFY(linked(store.get(), "cEngrFld", "True", "MediaType", "Labels"));
    QVERIFY(!linked(store.get(), "cTriFld", "True", "MediaType", "Labels"));

    store->markOptionChoice("cBiFld", "True");
    QVERIFY(blocked(store.get(), "cTriFld", "True"));
    QVERIFY(blocked(store.get(), "cTriFldZ", "True"));
    QVERIFY(blocked(store.get(), "cEngrFld", "True"));
    store->markOptionChoice("MediaType", "Labels");
    QVERIFY(blocked(store.get(), "cEngrFld", "True"));
    store->markOptionChoice("cBiFld", "False");
    QVERIFY(!blocked(store.get(), "cTriFld", "True"));
    QVERIFY(blocked(store.get(), "cEngrFld", "True"));

    // Fold tray by page size.
    store->markOptionChoice("FldA", "Bifold");
    store->markOptionChoice("PageSize", "A3");
    QVERIFY(blocked(store.get(), "OutputBin", "FLDTRAY"));
    store->markOptionChoice("PageSize", "A4");
    QVERIFY(!blocked(store.get(), "OutputBin", "FLDTRAY"));
    store->markOptionChoice("PageSize", "B4");
    QVERIFY(blocked(store.get(), "OutputBin", "FLDTRAY"));
    store->markOptionChoice("FldA", "Trifold");
    QVERIFY(!blocked(store.get(), "OutputBin", "FLDTRAY"));
    store->markOptionChoice("PageSize", "Tabloid");
    QVERIFY(blocked(store.get(), "OutputBin", "FLDTRAY"));

    // Stacker bins with Option24 off (its default).
    QCOMPARE(store->findOption("Option24")->currentChoice()->keyword(), QStringLiteral("False"));
    store->markOptionChoice("FldA", "Bifold");
    QVERIFY(blocked(store.get(), "OutputBin", "FDStackerA"));
    QVERIFY(blocked(store.get(), "OutputBin", "FDStackerB"));
    store->markOptionChoice("Option24", "True");
    QVERIFY(!blocked(store.get(), "OutputBin", "FDStackerA"));
    store->markOptionChoice("Option24", "False");
    store->markOptionChoice("FldA", "Trifold");
    QVERIFY(!blocked(store.get(), "OutputBin", "FDStackerA"));
    QVERIFY(blocked(store.get(), "OutputBin", "FDStackerB"));
    store->markOptionChoice("FldA", "Zfold");
    QVERIFY(!blocked(store.get(), "OutputBin", "FDStackerB"));
}

void TestBuiltinRules::foldSwitchesWithoutFolder()
{
    auto store = load("builtin-fold-nofolder.ppd");
    QVERIFY(store);
    QVERIFY(store->findOption("cBiFld"));
    QVERIFY(store->findOption("cTriFld"));
    QVERIFY(!store->findOption("cTriFldZ"));
    QVERIFY(!store->findOption("cEngrFld"));
    QCOMPARE(linksOf(store.get(), "cBiFld", "True"), QStringList({"cTriFld=True"}));
    QCOMPARE(linksOf(store.get(), "cTriFld", "True"), QStringList({"MediaType=Labels", "cBiFld=True"}));

    QVERIFY(choiceOf(store.get(), "FldA", "Bifold")->groupConflicts().isEmpty());
    store->markOptionChoice("FldA", "Bifold");
    store->markOptionChoice("PageSize", "A3");
    QVERIFY(!blocked(store.get(), "OutputBin", "FLDTRAY"));
}

void TestBuiltinRules::bookletAndStapleGroups()
{
    auto store = load("builtin-booklet.ppd");
    QVERIFY(store);
    QCOMPARE(store->findOption("Option22")->currentChoice()->keyword(), QStringLiteral("False"));

    store->markOptionChoice("VZBooklet", "Left");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
    QVERIFY(!blocked(store.get(), "cStpl", "False"));
    store->markOptionChoice("Option22", "False");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
    store->markOptionChoice("Option22", "True");
    QVERIFY(!blocked(store.get(), "cStpl", "True"));
    store->markOptionChoice("VZBooklet", "Right");
    QVERIFY(!blocked(store.get(), "cStpl", "True"));
    store->markOptionChoice("Option22", "False");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
    store->markOptionChoice("VZBooklet", "None");
    QVERIFY(!blocked(store.get(), "cStpl", "True"));

    store->markOptionChoice("PageSize", "A5");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
    store->markOptionChoice("PageSize", "A4");
    QVERIFY(!blocked(store.get(), "cStpl", "True"));
    store->markOptionChoice("PageSize", "Statement");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
    // Marking the switch itself while blocked keeps it flagged.
    store->markOptionChoice("cStpl", "True");
    QVERIFY(blocked(store.get(), "cStpl", "True"));
}

void TestBuiltinRules::switchesTakeLinksCommonToAllChoices()
{
    // Staple: Center {Labels}, Left {Labels, A5}: the switch gets Labels only.
    auto booklet = load("builtin-booklet.ppd");
    QVERIFY(booklet);
    QCOMPARE(linksOf(booklet.get(), "cStpl", "True"), QStringList({"MediaType=Labels"}));
    booklet->markOptionChoice("MediaType", "Labels");
    QVERIFY(blocked(booklet.get(), "cStpl", "True"));

    // Punch: h2 {Labels}, h3 {Tray2}, h4 {Manual}: nothing is common to all
    // three, so the switch gets no link; the None choice's rule is ignored.
    // A staple option whose one choice has no links gives none either.
    auto punch = load("builtin-punch.ppd");
    QVERIFY(punch);
    checkSwitch(punch.get(), "cHole", {"False", "True"});
    QCOMPARE(punch->findOption("cHole")->text(), QStringLiteral("Punch Mode"));
    QVERIFY(linksOf(punch.get(), "cHole", "True").isEmpty());
    QVERIFY(linksOf(punch.get(), "cStpl", "True").isEmpty());
    punch->markOptionChoice("InputSlot", "Manual");
    punch->markOptionChoice("MediaType", "Labels");
    punch->markOptionChoice("OutputBin", "Tray2");
    QVERIFY(!blocked(punch.get(), "cHole", "True"));
}

void TestBuiltinRules::commonLinksIsATrueIntersection()
{
    vOptionSet store;
    auto *punch = new vOption("Pnch", "Punch");
    for (const char *c : {"None", "h2", "h3", "h4"})
        punch->addChoice(c, c);
    store.insertOption(punch);
    for (const char *keyword : {"A", "B", "E"}) {
        auto *o = new vOption(keyword, keyword);
        o->addChoice("x", "x");
        o->addChoice("y", "y");
        store.insertOption(o);
    }
    auto common = [&]() {
        QStringList links;
        for (const vChoiceRef &link : commonLinks(punch))
            links << link.first->keyword() + '=' + link.second->keyword();
        return links;
    };

    QVERIFY(common().isEmpty());
    store.addConstraint("Pnch", "None", "B", "y");
    store.addConstraint("Pnch", "h2", "A", "x");
    store.addConstraint("Pnch", "h3", "A", "x");
    store.addConstraint("Pnch", "h3", "B", "y");
    store.addConstraint("Pnch", "h4", "A", "x");
    store.addConstraint("Pnch", "h4", "E", "x");
    QCOMPARE(common(), QStringList({"A=x"}));

    // An emptied intersection stays empty, whatever later choices hold.
    vOptionSet other;
    auto *staple = new vOption("Stpl", "Staple");
    for (const char *c : {"None", "h2", "h3", "h4", "h5"})
        staple->addChoice(c, c);
    other.insertOption(staple);
    for (const char *keyword : {"A", "B", "E"}) {
        auto *o = new vOption(keyword, keyword);
        o->addChoice("x", "x");
        other.insertOption(o);
    }
    other.addConstraint("Stpl", "h2", "A", "x");
    other.addConstraint("Stpl", "h3", "B", "x");
    other.addConstraint("Stpl", "h4", "E", "x");
    other.addConstraint("Stpl", "h5", "E", "x");
    QVERIFY(commonLinks(staple).isEmpty());
    QVERIFY(commonLinks(nullptr).isEmpty());
}

void TestBuiltinRules::collationSorterInheritsRules()
{
    auto store = load("builtin-derived.ppd");
    QVERIFY(store);
    const QStringList links = linksOf(store.get(), "Option18", "None");
    // Weaker than Option18 (1): copied; equal (Option8) or stronger (Option17): not.
    for (const char *link : {"OutputBin=Tray2", "VZSideNote=On", "cJobStore=True", "VZCollate1=Store",
                             "VZCollate1=Proof", "cPrivatePrint=True", "cCustomBox=True"})
        QVERIFY2(links.contains(link), link);
    QVERIFY(!links.contains("Option8=True"));
    QVERIFY(!links.contains("Option17=True"));
    QVERIFY(!links.contains("VZCollate1=None"));
    QVERIFY(!links.contains("Coll=False"));
    QVERIFY(linksOf(store.get(), "Option18", "Sorter").isEmpty());

    store->markOptionChoice("Option18", "None");
    QVERIFY(blocked(store.get(), "OutputBin", "Tray2"));
    QVERIFY(blocked(store.get(), "VZCollate1", "Store"));
    QVERIFY(blocked(store.get(), "cPrivatePrint", "True"));
    QVERIFY(!blocked(store.get(), "Option8", "True"));
    QVERIFY(!blocked(store.get(), "VZCollate1", "None"));
    store->markOptionChoice("Option18", "Sorter");
    QVERIFY(!blocked(store.get(), "OutputBin", "Tray2"));
    QVERIFY(!blocked(store.get(), "cCustomBox", "True"));
}

void TestBuiltinRules::tokenMap()
{
    const QList<QPair<QString, QString>> cases = {
        {"Bifold", "cBiFld"},   {"Trifold", "cTriFld"}, {"Zfold", "cTriFldZ"}, {"EngrFold", "cEngrFld"},
        {"Stpl", "cStpl"},      {"Pnch", "cHole"},      {"bifold", "bifold"},  {"", ""},
        {"PageSize", "PageSize"},
    };
    for (const auto &c : cases) {
        QString token = c.first;
        QCOMPARE(mapUiConstraintToken(token), c.second);
        QCOMPARE(token, c.second);
    }
}

// A misspelt keyword constant would silently disable every rule and look-up
// that names it: each option constant is an option, and each choice
// constant a choice of its option, in a store built from a test description.
void TestBuiltinRules::keywordConstantsAreStoreKeywords()
{
    QHash<QString, QSet<QString>> choicesOf;
    const QStringList files = QDir(QStringLiteral(ORDOVAN_TEST_DATA)).entryList({QStringLiteral("*.ppd")});
    for (const QString &file : files) {
        const auto store = loadPath(QStringLiteral(ORDOVAN_TEST_DATA "/") + file);
        for (const vOption *option : store ? store->allOptions() : QList<vOption *>()) {
            for (const vChoice *choice : option->choices())
                choicesOf[option->keyword()].insert(choice->keyword());
        }
    }
    for (const QString *option : kOptionConstants)
        QVERIFY2(choicesOf.contains(*option), qPrintable(*option));
    for (const auto &choice : kChoiceConstants)
        QVERIFY2(choicesOf.value(*choice.first).contains(*choice.second),
                 qPrintable(*choice.first + QLatin1Char('=') + *choice.second));
}

QTEST_GUILESS_MAIN(TestBuiltinRules)
#include "test_builtin_rules.moc"
