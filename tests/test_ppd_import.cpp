// Reading PPD files through libcups into the option store.
#include <QtTest>

#include <memory>

#include "model/option_model.h"
#include "model/ppd_import.h"

namespace {

struct PpdCloser {
    void operator()(ppd_file_t *p) const
    {
        if (p)
            ppdClose(p);
    }
};
using PpdPtr = std::unique_ptr<ppd_file_t, PpdCloser>;

PpdPtr openPpd(const char *name)
{
    const QByteArray path = QByteArray(ORDOVAN_TEST_DATA) + '/' + name;
    return PpdPtr(ppdOpenFile(path.constData()));
}

std::unique_ptr<vOptionSet> load(const char *name)
{
    PpdPtr ppd = openPpd(name);
    if (!ppd)
        return nullptr;
    auto store = std::make_unique<vOptionSet>();
    loadFromPpd(ppd.get(), store.get());
    return store;
}

vChoice *choiceOf(const vOptionSet &set, const char *option, const char *choice)
{
    vOption *o = set.findOption(QLatin1String(option));
    return o ? o->findChoice(QLatin1String(choice)) : nullptr;
}

bool linked(const vOptionSet &set, const char *o1, const char *c1, const char *o2, const char *c2)
{
    vChoice *a = choiceOf(set, o1, c1);
    vChoice *b = choiceOf(set, o2, c2);
    if (!a || !b)
        return false;
    return a->conflicts().contains(vChoiceRef(b->option(), b))
        && b->conflicts().contains(vChoiceRef(a->option(), a));
}

} // namespace

class TestPpdImport : public QObject
{
    Q_OBJECT

private slots:
    void nullArgumentsLeaveStoreEmpty();
    void optionsChoicesAndDefaults();
    void customDefaultsAreNormalised_data();
    void customDefaultsAreNormalised();
    void customPageSizeWithoutLetter();
    void defaultsLinkedByRuleAreBothBlocked();
    void collateRulesAreSkipped();
    void mediaTypeDuplexTiesMediaOptions();
    void incompleteRulesAddNothing();
    void duplicateRulesLinkOnce();
    void duplicateKeywordLaterOptionWins();
    void filterFlagsAndModelName();
    void maxPasswordOption();
    void subgroupOptionsAsLibcupsReportsThem();
    void installableOptionsFromPpd();
    void localisedTexts();
    void realisticPpd();
};

void TestPpdImport::nullArgumentsLeaveStoreEmpty()
{
    vOptionSet store;
    loadFromPpd(nullptr, &store);
    QVERIFY(store.allOptions().isEmpty());
    QVERIFY(store.modelName().isEmpty());
    PpdPtr ppd = openPpd("import-basic.ppd");
    QVERIFY(ppd);
    loadFromPpd(ppd.get(), nullptr); // must simply return

    // A PPD without a model name gives an empty one.
    PpdPtr bare = openPpd("import-bare.ppd");
    QVERIFY(bare);
    char *modelName = bare->modelname;
    bare->modelname = nullptr;
    vOptionSet other;
    loadFromPpd(bare.get(), &other);
    bare->modelname = modelName; // libcups frees its own strings
    QVERIFY(other.modelName().isEmpty());
    QVERIFY(!other.isGeneric());
    QVERIFY(!other.hasVpslFilter());
}

void TestPpdImport::optionsChoicesAndDefaults()
{
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    vOption *duplex = store->findOption(QStringLiteral("Duplex"));
    QVERIFY(duplex);
    QVERIFY(duplex->isFromPpd());
    QCOMPARE(duplex->text(), QStringLiteral("Two-Sided"));
    QStringList keys, texts;
    for (vChoice *c : duplex->choices()) {
        keys << c->keyword();
        texts << c->text();
    }
    QCOMPARE(keys, QStringList({"None", "DuplexNoTumble", "DuplexTumble"}));
    QCOMPARE(texts, QStringList({"Off", "Long Edge", "Short Edge"}));
    QCOMPARE(duplex->defaultChoiceKeyword(), QStringLiteral("None"));
    QCOMPARE(duplex->currentChoice(), duplex->defaultChoice());
    QCOMPARE(store->ppdDefaults().value(QStringLiteral("Duplex")), QStringLiteral("None"));
    QCOMPARE(store->ppdDefaults().value(QStringLiteral("InputSlot")), QStringLiteral("Tray2"));
    QVERIFY(!store->findOption(QStringLiteral("duplex")));
}

void TestPpdImport::customDefaultsAreNormalised_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("defchoice");
    QTest::addColumn<QString>("expected");
    QTest::newRow("page size") << "PageSize" << "Custom.8.5x11in" << "Letter";
    QTest::newRow("page region") << "PageRegion" << "custom.210x297mm" << "Letter";
    QTest::newRow("contains PageSize") << "BackPageSizeX" << "CUSTOM" << "Letter";
    QTest::newRow("page size named") << "PageSize" << "A4" << "A4";
    QTest::newRow("watermark text") << "Wtxt" << "custom" << "Confidential";
    QTest::newRow("watermark text plain") << "Wtxt" << "Draft" << "Draft";
    QTest::newRow("job name") << "JobName" << "Custom" << "off";
    QTest::newRow("job name in keyword") << "eJobNameText" << "MyCustomName" << "off";
    QTest::newRow("other keyword") << "MediaType" << "Custom" << "Custom";
    QTest::newRow("keyword case") << "pagesize" << "Custom" << "Custom";
    QTest::newRow("page size wins") << "PageSizeWtxt" << "Custom" << "Letter";
    QTest::newRow("empty") << "PageSize" << "" << "";
}

void TestPpdImport::customDefaultsAreNormalised()
{
    QFETCH(QString, keyword);
    QFETCH(QString, defchoice);
    QFETCH(QString, expected);
    const QByteArray raw = defchoice.toUtf8();
    QCOMPARE(normalizePpdDefault(keyword, raw.constData()), expected);
    QCOMPARE(normalizePpdDefault(keyword, nullptr), QString());
}

void TestPpdImport::customPageSizeWithoutLetter()
{
    auto basic = load("import-basic.ppd");
    QVERIFY(basic);
    QCOMPARE(basic->findOption(QStringLiteral("PageSize"))->defaultChoiceKeyword(), QStringLiteral("Letter"));
    QCOMPARE(basic->ppdDefaults().value(QStringLiteral("PageSize")), QStringLiteral("Letter"));
    QCOMPARE(basic->findOption(QStringLiteral("Wtxt"))->defaultChoiceKeyword(), QStringLiteral("Confidential"));
    QCOMPARE(basic->findOption(QStringLiteral("JobName"))->defaultChoiceKeyword(), QStringLiteral("off"));

    // The custom default "Letter" names no choice here: no default at all.
    auto vpsl = load("import-vpsl.ppd");
    QVERIFY(vpsl);
    vOption *pageSize = vpsl->findOption(QStringLiteral("PageSize"));
    QVERIFY(pageSize);
    QVERIFY(pageSize->hasChoice(QStringLiteral("Custom")));
    QVERIFY(!pageSize->defaultChoice());
    QVERIFY(!pageSize->currentChoice());
    QVERIFY(!vpsl->ppdDefaults().contains(QStringLiteral("PageSize")));
}

void TestPpdImport::defaultsLinkedByRuleAreBothBlocked()
{
    // InputSlot=Tray2 and MediaType=Thick are both defaults and linked by a
    // rule; every option has the same priority while defaults are marked.
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    QVERIFY(choiceOf(*store, "InputSlot", "Tray2")->hasConstraints());
    QVERIFY(choiceOf(*store, "MediaType", "Thick")->hasConstraints());
    // Thick also blocks the non-default long-edge duplex.
    QVERIFY(choiceOf(*store, "Duplex", "DuplexNoTumble")->hasConstraints());
    QVERIFY(!choiceOf(*store, "Duplex", "None")->hasConstraints());
    QVERIFY(!choiceOf(*store, "InputSlot", "Tray1")->hasConstraints());
}

void TestPpdImport::collateRulesAreSkipped()
{
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    for (vOption *o : {store->findOption(QStringLiteral("Coll")), store->findOption(QStringLiteral("VZCollate1"))}) {
        QVERIFY(o);
        for (vChoice *c : o->choices()) {
            for (const vChoiceRef &partner : c->conflicts()) {
                const QString other = partner.first->keyword();
                QVERIFY2(other != QLatin1String("Coll") && other != QLatin1String("VZCollate1"),
                         qPrintable(o->keyword() + "=" + c->keyword() + " ~ " + other));
            }
        }
    }
    QVERIFY(!choiceOf(*store, "Coll", "True")->hasConstraints());
    QVERIFY(!choiceOf(*store, "VZCollate1", "Sort")->hasConstraints());
}

void TestPpdImport::mediaTypeDuplexTiesMediaOptions()
{
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    // MediaType=Transparency ~ Duplex=DuplexTumble ties the cover and insert
    // media to both duplex modes.
    for (const char *x : {"CvrM", "Pmed"}) {
        QVERIFY2(linked(*store, x, "Transparency", "Duplex", "DuplexNoTumble"), x);
        QVERIFY2(linked(*store, x, "Transparency", "Duplex", "DuplexTumble"), x);
        QVERIFY(!linked(*store, x, "Plain", "Duplex", "DuplexTumble"));
    }
    QVERIFY(linked(*store, "MediaType", "Transparency", "Duplex", "DuplexTumble"));
    QVERIFY(!linked(*store, "MediaType", "Transparency", "Duplex", "DuplexNoTumble"));
    // Tmed has no Transparency choice: nothing tied.
    for (vChoice *c : store->findOption(QStringLiteral("Tmed"))->choices())
        for (const vChoiceRef &p : c->conflicts())
            QVERIFY(p.first->keyword() != QLatin1String("Duplex"));

    // The reverse order (Duplex first): BackCvrM and Tmed Labels are tied.
    auto vpsl = load("import-vpsl.ppd");
    QVERIFY(vpsl);
    for (const char *x : {"BackCvrM", "Tmed"}) {
        QVERIFY2(linked(*vpsl, x, "Labels", "Duplex", "DuplexNoTumble"), x);
        QVERIFY2(linked(*vpsl, x, "Labels", "Duplex", "DuplexTumble"), x);
    }
    QVERIFY(linked(*vpsl, "MediaType", "Labels", "Duplex", "DuplexTumble"));
}

void TestPpdImport::incompleteRulesAddNothing()
{
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    // "*Option8 False *Duplex" (any choice), a missing option and a missing
    // choice add no link.
    for (vChoice *c : store->findOption(QStringLiteral("Option8"))->choices())
        QVERIFY(c->conflicts().isEmpty());
    for (vChoice *c : store->findOption(QStringLiteral("Rsln"))->choices())
        QVERIFY(c->conflicts().isEmpty());
}

void TestPpdImport::duplicateRulesLinkOnce()
{
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    // The same rule appears three times in the file, in both directions.
    vChoice *tray1 = choiceOf(*store, "InputSlot", "Tray1");
    vChoice *transparency = choiceOf(*store, "MediaType", "Transparency");
    QCOMPARE(tray1->conflicts().count(vChoiceRef(transparency->option(), transparency)), 1);
    QCOMPARE(transparency->conflicts().count(vChoiceRef(tray1->option(), tray1)), 1);
}

void TestPpdImport::duplicateKeywordLaterOptionWins()
{
    auto store = load("import-basic.ppd");
    QVERIFY(store);
    vOption *rsln = store->findOption(QStringLiteral("Rsln"));
    QVERIFY(rsln);
    QCOMPARE(rsln->text(), QStringLiteral("Resolution Again"));
    QCOMPARE(rsln->defaultChoiceKeyword(), QStringLiteral("600dpi"));
    QCOMPARE(store->ppdDefaults().value(QStringLiteral("Rsln")), QStringLiteral("600dpi"));
    int count = 0;
    for (vOption *o : store->allOptions())
        count += o->keyword() == QLatin1String("Rsln");
    QCOMPARE(count, 1);
}

void TestPpdImport::filterFlagsAndModelName()
{
    auto basic = load("import-basic.ppd");
    QVERIFY(basic);
    QVERIFY(basic->isGeneric());
    QVERIFY(!basic->hasVpslFilter());
    QCOMPARE(basic->modelName(), QStringLiteral("Wexa Import Basic"));

    auto vpsl = load("import-vpsl.ppd");
    QVERIFY(vpsl);
    QVERIFY(!vpsl->isGeneric());
    QVERIFY(vpsl->hasVpslFilter());
    QCOMPARE(vpsl->modelName(), QStringLiteral("Wexa Import Vpsl"));

    auto bare = load("import-bare.ppd");
    QVERIFY(bare);
    QVERIFY(!bare->isGeneric());
    QVERIFY(!bare->hasVpslFilter());
    QCOMPARE(bare->modelName(), QStringLiteral("Wexa Import Bare"));
    // Only built-in options; none of them is from the PPD or current.
    for (vOption *o : bare->allOptions()) {
        QVERIFY(!o->isFromPpd());
        QVERIFY(!o->defaultChoice());
    }
    QVERIFY(bare->ppdDefaults().isEmpty());
}

void TestPpdImport::maxPasswordOption()
{
    auto basic = load("import-basic.ppd");
    QVERIFY(basic);
    vOption *maxPassword = basic->findOption(QStringLiteral("cMaxPassword"));
    QVERIFY(maxPassword); // the attribute's value "False" does not matter
    QCOMPARE(maxPassword->text(), QStringLiteral("Max Password"));
    QCOMPARE(maxPassword->choiceCount(), 1);
    QCOMPARE(maxPassword->choices().first()->keyword(), QStringLiteral("True"));
    QVERIFY(!maxPassword->isFromPpd());
    QVERIFY(!maxPassword->defaultChoice());
    QVERIFY(!maxPassword->currentChoice());

    auto vpsl = load("import-vpsl.ppd");
    QVERIFY(vpsl);
    QVERIFY(!vpsl->findOption(QStringLiteral("cMaxPassword")));
}

void TestPpdImport::subgroupOptionsAsLibcupsReportsThem()
{
    // libcups puts options of a subgroup into the enclosing group's list, so
    // they reach the store like any other option of that group.
    PpdPtr ppd = openPpd("import-vpsl.ppd");
    QVERIFY(ppd);
    bool inTopLevel = false;
    for (int g = 0; g < ppd->num_groups; ++g)
        for (int o = 0; o < ppd->groups[g].num_options; ++o)
            inTopLevel |= qstrcmp(ppd->groups[g].options[o].keyword, "SubOnly") == 0;
    vOptionSet store;
    loadFromPpd(ppd.get(), &store);
    QCOMPARE(store.findOption(QStringLiteral("SubOnly")) != nullptr, inTopLevel);
}

void TestPpdImport::installableOptionsFromPpd()
{
    auto vpsl = load("import-vpsl.ppd");
    QVERIFY(vpsl);
    QStringList order;
    for (vOption *o : vpsl->installableOptions())
        order << o->keyword();
    QCOMPARE(order, QStringList({"Option17", "Option01", "Option24", "Option28"}));
}

void TestPpdImport::localisedTexts()
{
    // libcups settles the language once per process; the German case runs
    // as its own test process with LANG=de_DE.UTF-8 (see CMakeLists.txt).
    auto store = load("import-localized.ppd");
    QVERIFY(store);
    vOption *duplex = store->findOption(QStringLiteral("Duplex"));
    QVERIFY(duplex);
    if (qgetenv("LANG").startsWith("de") && !qEnvironmentVariableIsSet("LC_ALL")) {
        QCOMPARE(duplex->text(), QStringLiteral("Beidseitig"));
        QCOMPARE(duplex->findChoice(QStringLiteral("None"))->text(), QStringLiteral("Aus"));
        QCOMPARE(duplex->findChoice(QStringLiteral("DuplexNoTumble"))->text(), QStringLiteral("Lange Kante"));
    } else {
        QCOMPARE(duplex->text(), QStringLiteral("Two-Sided"));
        QCOMPARE(duplex->findChoice(QStringLiteral("None"))->text(), QStringLiteral("Off"));
    }
}

void TestPpdImport::realisticPpd()
{
    PpdPtr ppd = openPpd("velmora-wexa-c45.ppd");
    QVERIFY(ppd);
    int ppdOptions = 0;
    for (int g = 0; g < ppd->num_groups; ++g)
        ppdOptions += ppd->groups[g].num_options;
    vOptionSet store;
    loadFromPpd(ppd.get(), &store);

    int fromPpd = 0;
    for (vOption *o : store.allOptions()) {
        if (!o->isFromPpd())
            continue;
        ++fromPpd;
        // Every PPD option with a default starts on it.
        QCOMPARE(o->currentChoice(), o->defaultChoice());
        QVERIFY2(o->defaultChoice(), qPrintable(o->keyword()));
        QCOMPARE(store.ppdDefaults().value(o->keyword()), o->defaultChoice()->keyword());
    }
    QCOMPARE(fromPpd, ppdOptions);
    QCOMPARE(store.ppdDefaults().size(), ppdOptions);

    QStringList order;
    for (vOption *o : store.installableOptions())
        order << o->keyword();
    QCOMPARE(order, QStringList({"Option17", "Option8", "Option18", "Option19", "Option20", "Option01", "Option21",
                                 "Option22", "Option23", "Option24", "Option25", "Option26", "Option27", "Option28"}));
    QVERIFY(store.isGeneric()); // the "pdf" filter line
    QVERIFY(!store.hasVpslFilter());
    QCOMPARE(store.modelName(), QStringLiteral("Wexa C45 PS"));

    // A removed duplex unit makes both duplex modes unavailable; choosing
    // a duplex mode never marks the unit itself.
    store.markOptionChoice(QStringLiteral("Option8"), QStringLiteral("False"));
    QVERIFY(choiceOf(store, "Duplex", "DuplexNoTumble")->hasConstraints());
    QVERIFY(choiceOf(store, "Duplex", "DuplexTumble")->hasConstraints());
    store.markOptionChoice(QStringLiteral("Option8"), QStringLiteral("True"));
    store.markOptionChoice(QStringLiteral("Duplex"), QStringLiteral("DuplexTumble"));
    QVERIFY(!choiceOf(store, "Duplex", "DuplexTumble")->hasConstraints());
    QVERIFY(!choiceOf(store, "Option8", "False")->hasConstraints());
}

QTEST_GUILESS_MAIN(TestPpdImport)
#include "test_ppd_import.moc"
