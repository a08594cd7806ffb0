// The import over malformed PPDs that libcups still opens: it must finish,
// never crash, and leave a store whose every choice can be marked.
#include "model/builtin_steps.h"
#include "model/option_model.h"
#include "model/ppd_import.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const char kHeader[] =
    "*PPD-Adobe: \"4.3\"\n"
    "*FormatVersion: \"4.3\"\n"
    "*FileVersion: \"1.0\"\n"
    "*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n"
    "*PCFileName: \"BROKEN.PPD\"\n"
    "*Product: \"(Velmora Broken)\"\n"
    "*ModelName: \"Velmora Broken\"\n"
    "*ShortNickName: \"Velmora Broken\"\n"
    "*NickName: \"Velmora Broken\"\n"
    "*Manufacturer: \"Velmora\"\n"
    "*1284DeviceID: \"MFG:Wexa;MDL:Broken;\"\n"
    "*cupsFilter: \"application/vnd.cups-postscript 0 velfilter_H\"\n"
    "*PSVersion: \"(3010.000) 0\"\n"
    "*LanguageLevel: \"3\"\n"
    "*ColorDevice: True\n"
    "*DefaultColorSpace: CMYK\n"
    "*FileSystem: False\n"
    "*Throughput: \"30\"\n"
    "*TTRasterizer: Type42\n"
    "*OpenUI *PageSize/Page Size: PickOne\n"
    "*OrderDependency: 10 AnySetup *PageSize\n"
    "*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
    "*PageSize A3/A3: \"<</PageSize[842 1191]>>setpagedevice\"\n"
    "*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n"
    "*OrderDependency: 10 AnySetup *PageRegion\n"
    "*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
    "*PageRegion A3/A3: \"<</PageSize[842 1191]>>setpagedevice\"\n"
    "*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n"
    "*ImageableArea A4/A4: \"12 12 583 830\"\n"
    "*ImageableArea A3/A3: \"12 12 830 1179\"\n"
    "*DefaultPaperDimension: A4\n"
    "*PaperDimension A4/A4: \"595 842\"\n"
    "*PaperDimension A3/A3: \"842 1191\"\n";

QByteArray option(const QByteArray &keyword, const QList<QByteArray> &choices, const QByteArray &def)
{
    QByteArray s = "*OpenUI *" + keyword + "/" + keyword + ": PickOne\n*OrderDependency: 20 AnySetup *"
        + keyword + "\n*Default" + keyword + ": " + def + "\n";
    for (const QByteArray &c : choices)
        s += "*" + keyword + " " + c + "/" + c + ": \"\"\n";
    s += "*CloseUI: *" + keyword + "\n";
    return s;
}

// A PPD with the usual header and the given body.
QByteArray ppdText(const QByteArray &body)
{
    return QByteArray(kHeader) + body + "*% End of file\n";
}

QByteArray finishingBody()
{
    return option("Duplex", {"None", "DuplexNoTumble", "DuplexTumble"}, "None")
        + option("MediaType", {"Plain", "Labels", "Transparency"}, "Plain")
        + option("OutputBin", {"Standard", "FLDTRAY"}, "Standard")
        + option("FldA", {"None", "Bifold", "Trifold"}, "None")
        + option("Stpl", {"None", "Center"}, "None") + option("Coll", {"False", "True"}, "True")
        + option("Option24", {"False", "True"}, "False") + option("Option18", {"None", "Sorter"}, "None")
        + option("VZBooklet", {"None", "Left"}, "None") + option("Option22", {"False", "True"}, "False");
}

struct Loaded
{
    std::unique_ptr<vOptionSet> store;
    bool opened = false;
};

Loaded loadText(const QTemporaryDir &dir, const QByteArray &text)
{
    Loaded result;
    const QString path = dir.filePath(QStringLiteral("broken.ppd"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return result;
    file.close();
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        return result;
    result.opened = true;
    result.store = std::make_unique<vOptionSet>();
    loadFromPpd(ppd, result.store.get());
    ppdClose(ppd);
    return result;
}

// Marks every choice of every option in turn, then withdraws every block.
void exercise(vOptionSet *store)
{
    const QList<vOption *> options = store->allOptions();
    for (vOption *o : options) {
        for (vChoice *c : o->choices())
            store->markOptionChoice(o->keyword(), c->keyword());
        o->setCurrentChoice(nullptr);
    }
    store->resetConstraintState();
}

// Whether a block survives a reset: one placed by a choice of an option in
// the store, or a group block of a group with more than one distinct member
// (a group of one choice named three times blocks itself for good).
bool anyBlocked(vOptionSet *store)
{
    const QList<vOption *> options = store->allOptions();
    for (vOption *o : options) {
        for (vChoice *c : o->choices()) {
            for (const vChoiceRef &by : c->blockedBy()) {
                if (store->findOption(by.first->keyword()) == by.first)
                    return true;
            }
            for (const vGroup &group : c->groupBlocks()) {
                for (const vChoiceRef &member : group) {
                    if (member != group.last())
                        return true;
                }
            }
        }
    }
    return false;
}

} // namespace

class TestImportRobustness : public QObject
{
    Q_OBJECT

private slots:
    void nullArguments();
    void malformedPpds_data();
    void malformedPpds();
    void groupNamingOneMemberTwice();
    void tenThousandRules();
    void groupValueOverSeveralLines();
};

void TestImportRobustness::nullArguments()
{
    vOptionSet store;
    loadFromPpd(nullptr, &store);
    QVERIFY(store.allOptions().isEmpty());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Loaded loaded = loadText(dir, ppdText(QByteArray()));
    QVERIFY(loaded.opened);
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(dir.filePath("broken.ppd")).constData());
    QVERIFY(ppd);
    loadFromPpd(ppd, nullptr);
    for (auto step : {addFinishingOptions, addCoverOptions, addJobOptions, addSuperWatermarkOption,
                      importUiConstraints})
        step(ppd, nullptr);
    ppdClose(ppd);
    for (auto step : {addPQXOptions, addBuiltInConstraints, applyOptionPriority, addDerivedConstraints})
        step(nullptr);
}

void TestImportRobustness::malformedPpds_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("no options") << ppdText(QByteArray());
    QTest::newRow("options without choices")
        << ppdText(option("FldA", {}, "None") + option("Pnch", {}, "None") + option("Stpl", {}, "None")
                   + option("MediaType", {}, "Plain") + option("Coll", {}, "False")
                   + option("VZCollate1", {}, "None") + option("Duplex", {}, "None")
                   + option("CvrM", {}, "Auto") + option("Option24", {}, "False")
                   + option("Option28", {}, "False") + option("Option18", {}, "None")
                   + option("VZSuperWatermark", {}, "None"));
    QTest::newRow("finishing choices named None only")
        << ppdText(option("Pnch", {"None"}, "None") + option("Stpl", {"None"}, "None")
                   + option("FldA", {"None"}, "None") + option("Option24", {"False"}, "False"));
    QTest::newRow("constraints naming missing options and choices")
        << ppdText(finishingBody()
                   + "*UIConstraints: *Nope Yes *Duplex DuplexTumble\n"
                     "*UIConstraints: *Duplex Nope *PageSize A4\n"
                     "*UIConstraints: *Duplex *MediaType\n"
                     "*UIConstraints: *MediaType Missing *Duplex DuplexTumble\n"
                     "*UIConstraints: *Duplex DuplexTumble *MediaType Missing\n"
                     "*UIConstraints: *FldA Bifold *Nowhere Nothing\n"
                     "*UIConstraints: *Stpl Center *Stpl Center\n"
                     "*UIConstraints: *Coll False *Coll False\n"
                     "*UIConstraints: *Coll False *VZCollate1 Store\n"
                     "*UIConstraints: *Option18 None *Option18 Sorter\n");
    QTest::newRow("odd group values")
        << ppdText(finishingBody()
                   + "*cupsUIConstraints empty: \"\"\n"
                     "*cupsUIConstraints star: \"*\"\n"
                     "*cupsUIConstraints stars: \"***\"\n"
                     "*cupsUIConstraints blank: \" \"\n"
                     "*cupsUIConstraints blanks: \"*  *  *  \"\n"
                     "*cupsUIConstraints lone: \"*Stpl\"\n"
                     "*cupsUIConstraints fold: \"*Bifold *Trifold *Zfold\"\n"
                     "*cupsUIConstraints tokens: \"* Bifold * Stpl *Pnch\"\n"
                     "*cupsUIConstraints nostar: \"Duplex None PageSize A3 MediaType Labels\"\n"
                     "*cupsUIConstraints spaces: \"*Duplex  None *PageSize A3  *MediaType   Labels\"\n"
                     "*cupsUIConstraints tabs: \"*Duplex\tNone *PageSize\tA3 *MediaType\tLabels\"\n"
                     "*cupsUIConstraints trailing: \"*Duplex None *PageSize A3 *MediaType Labels *\"\n"
                     "*cupsUIConstraints missing: \"*Pnch h2 *Zfold x *EngrFold y *Stpl z\"\n"
                     "*cupsUIConstraints latin: \"*Duplex \xe9t\xe9 *PageSize A3 *MediaType Labels\"\n"
                     "*cupsUIConstraints: \"*Duplex None *PageSize A3 *MediaType Labels\"\n");
    QTest::newRow("option keywords of the program's own switches")
        << ppdText(finishingBody() + option("cBiFld", {"False", "True"}, "True")
                   + option("PQXToggle", {"Off", "On"}, "On") + option("cStpl", {"True"}, "True")
                   + "*UIConstraints: *cBiFld True *Duplex None\n"
                     "*UIConstraints: *PQXToggle On *MediaType Labels\n"
                     "*UIConstraints: *cStpl True *Stpl Center\n");
    QTest::newRow("repeated option and choice keywords")
        << ppdText(option("Stpl", {"None", "Center", "Center", "None"}, "Center")
                   + option("MediaType", {"Plain", "Plain"}, "Plain")
                   + "*UIConstraints: *Stpl Center *MediaType Plain\n");
    QTest::newRow("latin-1 texts and odd attribute values")
        << ppdText(option("MediaType", {"Plain", "Labels"}, "Plain")
                   + "*SupportsPrivatePrint: \"\xe9\"\n*SupportsCustomBox: \"\"\n"
                     "*SupportsMaxPassword: \"\"\n*JobFinishNotice: \"x y z\"\n");
}

void TestImportRobustness::malformedPpds()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Loaded loaded = loadText(dir, text);
    QVERIFY2(loaded.opened, "libcups refused the test PPD");
    vOptionSet *store = loaded.store.get();
    // The print-management switches exist whatever the PPD holds.
    for (const char *keyword : {"PQXToggle", "PQXDuplex", "PQXTonsave", "PQXColorMode"})
        QVERIFY2(store->findOption(keyword) && store->findOption(keyword)->choiceCount() == 2, keyword);
    exercise(store);
    QVERIFY(!anyBlocked(store));
}

void TestImportRobustness::groupNamingOneMemberTwice()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Loaded loaded = loadText(
        dir, ppdText(finishingBody()
                     + "*cupsUIConstraints twice: \"*PageSize A3 *PageSize A3 *MediaType Labels\"\n"
                       "*cupsUIConstraints thrice: \"*Duplex None *Duplex None *Duplex None\"\n"
                       "*cupsUIConstraints first: \"*MediaType Labels *MediaType Labels *PageSize A3\"\n"));
    QVERIFY(loaded.opened);
    vOptionSet *store = loaded.store.get();
    // Each member choice holds each group once.
    vChoice *a3 = store->findOption("PageSize")->findChoice("A3");
    vChoice *labels = store->findOption("MediaType")->findChoice("Labels");
    QCOMPARE(labels->groupConflicts().size(), 2);
    // PageSize=A3 is also in the two built-in fold-tray groups.
    QCOMPARE(a3->groupConflicts().size(), 4);
    QCOMPARE(store->findOption("Duplex")->findChoice("None")->groupConflicts().size(), 1);

    // A group whose doubled member is the weakest acts as the pair of its two
    // distinct choices: A3 blocks Labels.
    store->markOptionChoice("MediaType", "Plain");
    store->markOptionChoice("PageSize", "A3");
    QVERIFY(labels->hasConstraints());
    QVERIFY(!a3->hasConstraints());
    store->markOptionChoice("PageSize", "A4");
    QVERIFY(!labels->hasConstraints());
    // A group of one choice named three times blocks that choice once marked.
    vChoice *oneSided = store->findOption("Duplex")->findChoice("None");
    store->markOptionChoice("Duplex", "DuplexTumble");
    QVERIFY(!oneSided->hasConstraints());
    store->markOptionChoice("Duplex", "None");
    QVERIFY(oneSided->hasConstraints());
    exercise(store);
}

void TestImportRobustness::tenThousandRules()
{
    // 40 options of 25 choices; 10,000 pairwise rules and 10,000 group rules
    // spread over them, with a few members that no option resolves.
    QByteArray body;
    QList<QByteArray> choices;
    for (int c = 0; c < 25; ++c)
        choices << "c" + QByteArray::number(c);
    for (int o = 0; o < 40; ++o)
        body += option("Opt" + QByteArray::number(o), choices, "c0");
    body += finishingBody();
    for (int i = 0; i < 10000; ++i) {
        const QByteArray o1 = "Opt" + QByteArray::number(i % 40);
        const QByteArray o2 = "Opt" + QByteArray::number((i * 7 + 1) % 40);
        const QByteArray o3 = "Opt" + QByteArray::number((i * 13 + 3) % 40);
        const QByteArray c1 = "c" + QByteArray::number(i % 25);
        const QByteArray c2 = "c" + QByteArray::number((i / 25) % 25);
        const QByteArray c3 = i % 100 == 0 ? QByteArray("missing") : "c" + QByteArray::number((i / 7) % 25);
        body += "*UIConstraints: *" + o1 + " " + c1 + " *" + o2 + " " + c2 + "\n";
        body += "*cupsUIConstraints r" + QByteArray::number(i) + ": \"*" + o1 + " " + c1 + " *" + o2 + " "
            + c2 + " *" + o3 + " " + c3 + "\"\n";
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QElapsedTimer timer;
    timer.start();
    Loaded loaded = loadText(dir, ppdText(body));
    QVERIFY(loaded.opened);
    vOptionSet *store = loaded.store.get();
    QVERIFY(store->findOption("Opt39"));
    exercise(store);
    QVERIFY(!anyBlocked(store));
    qInfo("import and marking of 20,000 rules: %lld ms", static_cast<long long>(timer.elapsed()));
}

void TestImportRobustness::groupValueOverSeveralLines()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Loaded loaded = loadText(dir, ppdText(finishingBody()
                                          + "*cupsUIConstraints wrapped: \"*PageSize A3\n"
                                            "*MediaType Labels\r\n*Duplex\tDuplexTumble\"\n"));
    QVERIFY(loaded.opened);
    vOptionSet *store = loaded.store.get();
    vChoice *tumble = store->findOption("Duplex")->findChoice("DuplexTumble");
    QCOMPARE(tumble->groupConflicts().size(), 1);
    store->markOptionChoice("MediaType", "Labels");
    store->markOptionChoice("PageSize", "A3");
    QVERIFY(tumble->hasConstraints());
}

QTEST_GUILESS_MAIN(TestImportRobustness)
#include "test_import_robustness.moc"
