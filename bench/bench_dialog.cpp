// Speed of the main dialog against a private CUPS server with many queues.
//
//   bench_dialog [--queues N] [--rounds N] [--switches N] [--large-ppd FILE]
//
// Starts its own CUPS server (the test fixture's scripts in tests/support)
// in a temporary directory, adds N maker queues (default 50): one from the
// large PPD (FILE, e.g. written by `bench_import --save FILE`; default: the
// realistic Wexa description of the tests) and N - 1 from the realistic
// Wexa description, and measures on the offscreen platform:
//   start:   constructing the main dialog up to the populated queue table;
//   switch:  choosing the large queue in the table (store built from its PPD,
//            every tab reloaded, one constraint loop), first time and again;
//   loop:    one constraint loop triggered by toggling an installed option;
//   memory:  resident size before and after N printer switches (default 100).
// Each of these is measured two ways: "before", the way earlier versions
// asked CUPS (one lpstat per row, a destination enumeration per loop pass,
// replaced stores kept), which the program no longer has and this benchmark
// emulates around the present dialog (see namespace earlier), and "after",
// the way the program works now; the rounds of the two alternate, and the
// ratio of the best figures is printed with its target. To show where the
// time goes it also times the pieces: cupsGetDests, the names-only request,
// fetching and opening one PPD, lpstat for one queue and for all. Then, the
// way the program works now only, the tabs' own figures:
//   basic:      choosing the next media type on the Basic tab (its choice
//               recorded, one constraint loop), and reloading the Basic and
//               Layout tabs alone (part of every switch);
//   job:        one constraint pass with the Job tab's storage section on;
//   publishing: the page-list check on its costliest inputs and one
//               constraint pass on the large queue;
//   imaging:    the Imaging tab's reload, its dialogs' reads and its part of
//               a constraint pass on the large queue;
// and on queues of their own the Watermark tab (200 stored watermarks), the
// Quorix tab (a login answered by a local server) and the Finishing tab (a
// switch to a queue with stored finishing choices, the tab's reload and
// reset). Each figure is the best and the mean of the rounds. The panel
// refuses root: run it as an ordinary user (see the README).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "app/credential_cipher.h"
#include "app/cups_queries.h"
#include "app/printer_status.h"
#include "app/program_state.h"
#include "app/resources_init.h"
#include "app/vcurl.h"
#include "app/vel_dialog.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "profiles/tab_list_ref.h"
#include "tabs/booklet_tab.h"
#include "tabs/finishing_tab.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "tabs/adjustment_dialog.h"
#include "tabs/mono_dialog.h"
#include "tabs/job_tab.h"
#include "tabs/pqx_tab.h"
#include "tabs/publishing_tab.h"
#include "tabs/watermark_tab.h"
#include "ui/option_widgets.h"
#include "ui/printer_tab.h"

#include "../tests/support/tls_test_server.h"

namespace {

const QString kSourceDir = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral(".."));

bool run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProgram(program);
    p.setArguments(args);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start();
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

struct Figure
{
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    double best() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
    double mean() const
    {
        double sum = 0;
        for (double v : ms)
            sum += v;
        return ms.empty() ? 0 : sum / ms.size();
    }
};

void report(const char *name, const Figure &f)
{
    std::printf("%-48s best %9.2f ms   mean %9.2f ms   (%zu rounds)\n", name, f.best(), f.mean(), f.ms.size());
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

// Adds an enabled queue printing to nowhere from the description at ppd.
bool addQueue(const QString &lpadmin, const QString &queue, const QString &ppd)
{
    return run(lpadmin, {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                         QStringLiteral("file:///dev/null"), QStringLiteral("-P"), ppd});
}

// A new dialog, the program-wide state of the one before forgotten, after
// the queue's settings file was written with stored; null when it cannot be.
VelDialog *dialogWithSettings(const QString &settingsDir, const QString &queue, const QByteArray &stored)
{
    currentOptionSet = nullptr;
    settingsSource.clear();
    QFile file(settingsDir + queue + QStringLiteral(".cfg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return nullptr;
    file.write(stored);
    file.close();
    auto *dialog = new VelDialog(nullptr);
    userDir = settingsDir;
    return dialog;
}

int rowOf(QTableWidget *table, const QString &name)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == name)
            return row;
    }
    return -1;
}

// The figures of one way of asking CUPS.
struct WayFigures
{
    Figure start, firstSwitch, switchAgain, loop, retranslate;
};

// The way earlier versions asked CUPS, which the program no longer has,
// emulated around the present dialog: one `lpstat -p QUEUE` per listed row
// at every listing and every printer switch (the switch re-translated the
// Status column that way), each listed queue's device looked up on its own
// at a listing, a full destination enumeration after every pass of the
// constraint loop, and every replaced option store kept. The emulated
// figures also hold what the present way does at the same points and the
// earlier one did not (one lpstat for all rows per listing and switch, one
// names-only request per user action): a few per cent of them.
namespace earlier {

QString deviceUriOf(const QString &queue)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    if (!dest)
        return QString();
    const QString uri = QString::fromUtf8(cupsGetOption("device-uri", dest->num_options, dest->options));
    cupsFreeDests(1, dest);
    return uri;
}

// The Status column (with devices: and the Destination column) filled row
// by row, one lpstat and one device lookup per queue.
void fillPerRow(PrinterTab *tab, bool devices)
{
    QTableWidget *table = tab->printerTable;
    const QSignalBlocker quiet(table);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString queue = table->item(row, 0) ? table->item(row, 0)->text() : QString();
        if (devices)
            table->setItem(row, 1, new QTableWidgetItem(deviceUriOf(queue)));
        table->setItem(row, 2, new QTableWidgetItem(queueStatus(queue).text()));
    }
}

// Joins the dialog's tabs without a page of its own, so that the constraint
// loop and a printer switch call it where they call every tab.
class Probe : public Tab
{
public:
    explicit Probe(VelDialog *dialog)
        : Tab(dialog)
        , owner(dialog)
    {
        hide();
    }
    void setTabName() override { tabName = QStringLiteral("Earlier way"); }
    void buildWidgets() override {}
    bool hasOptions() override { return false; }
    // Every pass: all destinations enumerated and compared with the listing.
    bool enableOptions() override
    {
        cups_dest_t *dests = nullptr;
        const int count = cupsGetDests(&dests);
        QSet<QString> names;
        for (int i = 0; i < count; ++i)
            names.insert(QString::fromUtf8(dests[i].name));
        cupsFreeDests(count, dests);
        listingChanged = names != printerSet;
        return false;
    }
    // Every switch re-translates the tabs: the Status column row by row.
    void retranslate() override { fillPerRow(owner->printerTab, false); }

    bool listingChanged = false;

private:
    VelDialog *owner;
};

void attach(VelDialog *dialog)
{
    dialog->tabs.append(new Probe(dialog));
}

// A store like the one the Printer tab builds for the queue, as the earlier
// way kept one at every switch.
std::unique_ptr<vOptionSet> storeOf(const QString &queue)
{
    auto store = std::make_unique<vOptionSet>();
    const char *path = cupsGetPPD(queue.toUtf8().constData());
    if (!path)
        return store;
    const QByteArray copy(path);
    if (ppd_file_t *ppd = ppdOpenFile(copy.constData())) {
        loadFromPpd(ppd, store.get());
        ppdClose(ppd);
    }
    unlink(copy.constData());
    return store;
}

} // namespace earlier

// The first enabled check box among the Printer tab's installed options.
QCheckBox *installedCheckBox(VelDialog *dialog)
{
    const QHash<QString, QWidget *> controls = dialog->printerTab->getControls();
    for (QWidget *w : controls) {
        auto *box = qobject_cast<QCheckBox *>(w);
        if (box && box->isEnabled())
            return box;
    }
    return nullptr;
}

// What a return to the event loop does between two clicks: widgets and
// stores given up are deleted.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One round: a new dialog, the large queue chosen (first time and again),
// the status column re-translated, one constraint loop; the earlier way's
// when earlierWay. Returns the number of listed queues.
int measureDialogRound(WayFigures &f, const QString &settingsDir, const QString &largeQueue,
                       const QString &otherQueue, bool earlierWay)
{
    currentOptionSet = nullptr;
    settingsSource.clear();
    // Every round starts without settings files, so the first choice of
    // the large queue writes its file and runs lpoptions.
    QDir(settingsDir).removeRecursively();
    QDir().mkpath(settingsDir);

    VelDialog *dialog = nullptr;
    f.start.add(timeMs([&] {
        dialog = new VelDialog(nullptr);
        if (earlierWay)
            earlier::fillPerRow(dialog->printerTab, true);
    }));
    if (earlierWay)
        earlier::attach(dialog);
    userDir = settingsDir;
    QTableWidget *table = dialog->printerTab->printerTable;
    const int listed = table->rowCount();

    f.firstSwitch.add(timeMs([&] { table->setCurrentCell(rowOf(table, largeQueue), 0); }));
    settle();
    table->setCurrentCell(rowOf(table, otherQueue), 0);
    settle();
    f.switchAgain.add(timeMs([&] { table->setCurrentCell(rowOf(table, largeQueue), 0); }));
    settle();

    f.retranslate.add(timeMs([&] {
        dialog->printerTab->retranslate();
        if (earlierWay)
            earlier::fillPerRow(dialog->printerTab, false);
    }));
    if (QCheckBox *box = installedCheckBox(dialog))
        f.loop.add(timeMs([&] { box->toggle(); }));
    else
        f.loop.add(timeMs([&] { dialog->setConstraints(); }));
    delete dialog;
    settle();
    return listed;
}

// Resident set size of this process in KiB.
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

struct MemoryFigure
{
    long beforeKiB = 0;
    long afterKiB = 0;
    double growth() const { return beforeKiB ? 100.0 * (afterKiB - beforeKiB) / beforeKiB : 0; }
};

// Resident memory before and after `switches` printer switches in one
// dialog, after a few switches that let caches settle; with keepStores, one
// store of the chosen queue kept at every switch, as the earlier way kept
// every replaced one.
MemoryFigure measureMemory(const QString &settingsDir, const QString &largeQueue, const QString &otherQueue,
                           int switches, bool keepStores)
{
    currentOptionSet = nullptr;
    userDir = settingsDir;
    VelDialog dialog(nullptr);
    userDir = settingsDir;
    QTableWidget *table = dialog.printerTab->printerTable;
    const int rows[2] = {rowOf(table, largeQueue), rowOf(table, otherQueue)};
    const QString names[2] = {largeQueue, otherQueue};
    std::vector<std::unique_ptr<vOptionSet>> kept;
    auto choose = [&](int i) {
        table->setCurrentCell(rows[i % 2], 0);
        settle();
        if (keepStores)
            kept.push_back(earlier::storeOf(names[i % 2]));
    };
    for (int i = 0; i < 6; ++i)
        choose(i);
    MemoryFigure m;
    m.beforeKiB = residentKiB();
    for (int i = 0; i < switches; ++i)
        choose(i);
    m.afterKiB = residentKiB();
    currentOptionSet = nullptr;
    return m;
}

void compare(const char *name, const Figure &before, const Figure &after, double target)
{
    const double ratio = before.best() > 0 ? after.best() / before.best() : 0;
    std::printf("%-48s %9.2f / %9.2f %9.2f / %9.2f %8.3f", name, before.best(), before.mean(), after.best(),
                after.mean(), ratio);
    if (target > 0)
        std::printf("  (target <= %.2f: %s)", target, ratio <= target ? "met" : "MISSED");
    std::printf("\n");
}

void reportMemory(const char *name, const MemoryFigure &m)
{
    std::printf("  %-8s %8ld KiB -> %8ld KiB  growth %6.2f%%\n", name, m.beforeKiB, m.afterKiB, m.growth());
}

// One control change on the Basic tab: the next media type of the list.
double changeMediaType(VelDialog *dialog)
{
    ComboBoxEx *media = dialog->generalTab->mediaTypeCombo;
    if (media->count() < 2)
        return timeMs([dialog] { dialog->setConstraints(); });
    return timeMs([media] { media->setCurrentIndex((media->currentIndex() + 1) % media->count()); });
}

// The Publishing tab on the large queue, whose description has the cover,
// insert and interleave sources: one page-list check on the inputs that cost
// it the most of what the edit admits (up to its 32767 characters of digits,
// blanks, commas and hyphens), and one constraint pass with the tab enabled.
// A list ending in a comma runs every step of the check; the cost grows with
// the number of items.
struct PublishingFigures
{
    Figure repeatedRanges; // "2-3,2-3,...,": 8191 ranges
    Figure singlePages;    // "2,2,...,": 16383 pages
    Figure hugeRange;      // "2-2147483647"
    Figure pass;
};

void measurePublishing(VelDialog *dialog, PublishingFigures &f)
{
    PublishingTab *tab = dialog->publishingTab;
    if (!tab->hasOptions())
        return;
    // The section is switched on without a constraint pass (the tab's
    // controls are quiet meanwhile): on this description the missing sorter
    // (Option18) blocks page insert.
    tab->BlockAllSignals(true);
    tab->pageInsertButton->setChecked(true);
    QLineEdit *edit = tab->insertPagesEdit;
    auto check = [&](Figure &figure, const QString &piece, bool repeat) {
        QString text = piece;
        while (repeat && text.size() + piece.size() <= edit->maxLength())
            text += piece;
        edit->setText(text);
        figure.add(timeMs([&] { tab->checkPageInsertInputText(); }));
    };
    check(f.repeatedRanges, QStringLiteral("2-3,"), true);
    check(f.singlePages, QStringLiteral("2,"), true);
    check(f.hugeRange, QStringLiteral("2-2147483647"), false);
    edit->clear();
    tab->pageInsertButton->setChecked(false);
    tab->BlockAllSignals(false);
    f.pass.add(timeMs([&] { dialog->setConstraints(); }));
}

// The Imaging tab's share of a switch to the large queue: its reload (which
// has both adjustment dialogs read their stored values), the dialogs' reads
// alone, and the tab's part of a constraint pass.
struct ImagingFigures
{
    Figure reload;
    Figure dialogs;
    Figure pass;
};

void measureImaging(VelDialog *dialog, ImagingFigures &f)
{
    ImagingTab *tab = dialog->imagingTab;
    if (!tab->hasOptions())
        return;
    f.reload.add(timeMs([tab] { tab->reload(); }));
    f.dialogs.add(timeMs([tab] {
        tab->colorAdjustmentDialog->loadSettings();
        tab->monoAdjustmentDialog->loadSettings();
    }));
    f.pass.add(timeMs([tab] {
        tab->enableOptions();
        tab->markAllOptions();
    }));
}

void reportImaging(const ImagingFigures &f)
{
    std::printf("Imaging tab, large queue:\n");
    report("  reload (part of every switch)", f.reload);
    report("  of which the adjustment dialogs' reads", f.dialogs);
    report("  its part of a constraint pass", f.pass);
}

// The Watermark tab with 200 stored custom watermarks: one reload of the
// tab and one Apply (the settings collected, the file written, lpoptions
// run), on a queue of its own added to the running server.
void benchWatermarks(const QString &lpadmin, const QString &data, const QString &settingsDir, int rounds)
{
    const QString queue = QStringLiteral("BenchWatermark");
    if (!addQueue(lpadmin, queue, data + QStringLiteral("/watermark-tab.ppd"))) {
        std::fprintf(stderr, "bench_dialog: lpadmin failed for %s\n", qPrintable(queue));
        return;
    }
    QStringList lines{QStringLiteral("Wren=True;False"), QStringLiteral("CustomWatermarkSet=Watermark 100")};
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("CustomWatermarkStore=Watermark %1=%2 2 1 3 0 1 %3").arg(i, 3, 10, QLatin1Char('0')).arg(i % 3).arg(i % 2);
    Figure reload, collect, apply;
    int loaded = 0;
    for (int r = 0; r < rounds; ++r) {
        VelDialog *dialog = dialogWithSettings(settingsDir, queue, lines.join(QLatin1Char('\n')).toUtf8() + '\n');
        if (!dialog)
            return;
        QTableWidget *table = dialog->printerTab->printerTable;
        table->setCurrentCell(rowOf(table, queue), 0);
        reload.add(timeMs([&] { dialog->watermarkTab->reload(); }));
        collect.add(timeMs([&] { collectTabOptions(*dialog->tabListRef); }));
        apply.add(timeMs([&] { dialog->writeTolpoptions(); }));
        loaded = dialog->watermarkTab->customWatermarks.size();
        delete dialog;
    }
    std::printf("custom watermarks in the tab after Apply: %d\n", loaded);
    report("watermark tab reload, 200 stored watermarks", reload);
    report("Apply with 200 stored watermarks", apply);
    report("  of which collecting the tabs' settings", collect);
}

// The Finishing tab on a queue of the full test description, whose settings
// file holds a tri-fold, a staple and a punch choice: a switch to that queue
// (every tab reloaded; the Finishing tab's fold buttons change with their
// slots running, and one constraint loop), one reload of the tab as within a
// switch (no constraint pass may run), one on its own (its live slots then
// run their constraint passes) and the tab's reset of its fold buttons.
void benchFinishing(const QString &lpadmin, const QString &data, const QString &settingsDir, int rounds)
{
    const QString queue = QStringLiteral("BenchFinishing");
    if (!addQueue(lpadmin, queue, data + QStringLiteral("/page-full.ppd"))) {
        std::fprintf(stderr, "bench_dialog: lpadmin failed for %s\n", qPrintable(queue));
        return;
    }
    const QByteArray stored("FldA=Trifold;None\nFldC=RtoL;None\nStpl=Center;None\nPnch=3Hole;None\n");
    Figure toQueue, inSwitch, reload, reset;
    for (int r = 0; r < rounds; ++r) {
        VelDialog *dialog = dialogWithSettings(settingsDir, queue, stored);
        if (!dialog)
            return;
        QTableWidget *table = dialog->printerTab->printerTable;
        table->setCurrentCell(rowOf(table, QStringLiteral("BenchQueue_00")), 0);
        toQueue.add(timeMs([&] { table->setCurrentCell(rowOf(table, queue), 0); }));
        dialog->reloadingTabs = true;
        inSwitch.add(timeMs([&] { dialog->finishingTab->reload(); }));
        dialog->reloadingTabs = false;
        reload.add(timeMs([&] { dialog->finishingTab->reload(); }));
        reset.add(timeMs([&] { dialog->finishingTab->resetCheckButtons(); }));
        delete dialog;
    }
    report("switch to the full finishing queue", toQueue);
    report("  Finishing tab reload within a switch", inSwitch);
    report("  Finishing tab reload on its own", reload);
    report("  Finishing tab resetCheckButtons", reset);
}

// One constraint pass with the Job tab enabled: the queue of the realistic
// Wexa description is chosen and the tab's storage section switched on (no
// pass of its own), so the pass runs the tab's storage, e-mail, login,
// accounting and job-name checks besides every other tab's work; the tab's
// own steps of a pass are timed apart too.
void measureJobPass(VelDialog *dialog, QTableWidget *table, const QString &queue, Figure &pass, Figure &steps)
{
    table->setCurrentCell(rowOf(table, queue), 0);
    JobTab *tab = dialog->jobTab;
    if (!tab->hasOptions())
        return;
    {
        const QSignalBlocker quiet(tab->storageButton);
        tab->storageButton->setChecked(true);
    }
    pass.add(timeMs([&] { dialog->setConstraints(); }));
    steps.add(timeMs([&] {
        tab->prepareConstraintMarks();
        tab->clearConstraintMarks();
        tab->markCustomConstraints();
        tab->isConstrained();
        tab->markAllOptions();
    }));
}

// The Quorix tab switched on for a queue of the realistic Wexa description,
// with its stored login answered by a local HTTPS server: the time from the
// reply's arrival to the end of the constraint pass it sets off (the reply
// read, the policies marked, every tab re-marked), and one more constraint
// pass with the tab on and verified. The policies force monochrome, toner
// saving and duplex printing.
void benchQuorix(const QString &queue, const QString &settingsDir, int rounds)
{
    tlstest::Certificates certs;
    QString error;
    if (!certs.create(&error)) {
        std::fprintf(stderr, "bench_dialog: no certificates for the Quorix server: %s\n", qPrintable(error));
        return;
    }
    tlstest::trustForDefault(certs.trusted);
    tlstest::Server server(certs.trusted, certs.trustedKey);
    if (!server.start())
        return;
    server.fallback = tlstest::Reply::answer(
        200, R"({"Policies":{"JE.FullColorPrint":"ON","DR.TonsaveRestriction":"PV.On","DR.DuplexRestriction":"PV.On"}})");
    int length = 0;
    unsigned char *cipher = encipherCredential("secret", &length);
    if (!cipher)
        return;
    const QByteArray hex = QByteArray(reinterpret_cast<const char *>(cipher), length).toHex();
    free(cipher);
    Figure reply, pass;
    bool verified = false;
    const QByteArray stored = "PQX_enabled=ON\nPQX_notify=ON\nPQX_blocking=OFF\nPQX_server=127.0.0.1\nPQX_port="
                              + QByteArray::number(server.serverPort()) + "\nPQX_username=bench\nPQX_password=" + hex
                              + '\n';
    for (int r = 0; r < rounds; ++r) {
        VelDialog *dialog = dialogWithSettings(settingsDir, queue, stored);
        if (!dialog)
            return;
        PQXTab *tab = dialog->pqxTab;
        // The network library reports the finished reply before the client
        // reads it; the client's signal reaches this lambda after the pass.
        QElapsedTimer clock;
        QObject::connect(tab->loginClient->findChild<QNetworkAccessManager *>(), &QNetworkAccessManager::finished,
                         [&clock] { clock.start(); });
        double elapsed = -1;
        QObject::connect(tab->loginClient, &vcurl::messageReady,
                         [&] { elapsed = clock.isValid() ? clock.nsecsElapsed() / 1e6 : -1; });
        QTableWidget *table = dialog->printerTab->printerTable;
        table->setCurrentCell(rowOf(table, queue), 0);
        QElapsedTimer wait;
        wait.start();
        while (elapsed < 0 && wait.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (elapsed >= 0)
            reply.add(elapsed);
        verified = !tab->isConstrained();
        pass.add(timeMs([&] { dialog->setConstraints(); }));
        delete dialog;
    }
    std::printf("Quorix login verified with policies: %s\n", verified ? "yes" : "no");
    report("Quorix reply to the end of its pass", reply);
    report("constraint pass, Quorix tab on", pass);
}

} // namespace

int main(int argc, char **argv)
{
    int queues = 50;
    int rounds = 5;
    int switches = 100;
    QString largePpd = kSourceDir + QStringLiteral("/tests/data/velmora-wexa-c45.ppd");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--queues" && i + 1 < argc)
            queues = std::max(2, std::atoi(argv[++i]));
        else if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--switches" && i + 1 < argc)
            switches = std::max(2, std::atoi(argv[++i]));
        else if (arg == "--large-ppd" && i + 1 < argc)
            largePpd = QFileInfo(QString::fromLocal8Bit(argv[++i])).absoluteFilePath();
        else {
            std::fprintf(stderr, "usage: %s [--queues N] [--rounds N] [--switches N] [--large-ppd FILE]\n", argv[0]);
            return 2;
        }
    }
    if (geteuid() == 0) {
        std::fprintf(stderr, "bench_dialog: the panel refuses root; run it as an ordinary user, e.g.\n"
                             "  sh tests/support/testuser-setup.sh build tests\n"
                             "  sh tests/support/run-unprivileged.sh build/bench/bench_dialog\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");

    // A short path: the server's local socket name is limited in length.
    QTemporaryDir work(QStringLiteral("/tmp/ordovan-bench-XXXXXX"));
    if (!work.isValid())
        return 1;
    const QString cupsDir = work.path() + QStringLiteral("/cups");
    const QString support = kSourceDir + QStringLiteral("/tests/support");
    const QString data = kSourceDir + QStringLiteral("/tests/data");
    if (!run(QStringLiteral("sh"), {support + QStringLiteral("/cupsd-start.sh"), cupsDir, support, data})) {
        std::fprintf(stderr, "bench_dialog: the private CUPS server did not start\n");
        return 1;
    }
    qputenv("CUPS_SERVER", (cupsDir + QStringLiteral("/cups.sock")).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", (cupsDir + QStringLiteral("/etc")).toLocal8Bit());
    qputenv("HOME", work.path().toLocal8Bit());
    const QString lpadmin = QFileInfo::exists(QStringLiteral("/usr/sbin/lpadmin")) ? QStringLiteral("/usr/sbin/lpadmin")
                                                                                   : QStringLiteral("lpadmin");
    auto stopServer = [&] { run(QStringLiteral("sh"), {support + QStringLiteral("/cupsd-stop.sh"), cupsDir}); };

    // The fixture adds two queues of its own; together with ours they make
    // the requested number of destinations.
    const QString largeQueue = QStringLiteral("BenchLarge");
    const QString otherQueue = QStringLiteral("BenchQueue_00");
    const int own = std::max(1, queues - 2);
    bool added = addQueue(lpadmin, largeQueue, largePpd);
    for (int i = 0; added && i < own - 1; ++i) {
        added = addQueue(lpadmin, QStringLiteral("BenchQueue_%1").arg(i, 2, 10, QLatin1Char('0')),
                         data + QStringLiteral("/velmora-wexa-c45.ppd"));
    }
    if (!added) {
        std::fprintf(stderr, "bench_dialog: lpadmin failed\n");
        stopServer();
        return 1;
    }

    QApplication app(argc, argv);
    initOrdovanResources();
    const QString settingsDir = work.path() + QStringLiteral("/user/");
    QDir().mkpath(settingsDir);

    // Both ways of asking CUPS, round by round in turn, so that a busy
    // machine weighs on both alike.
    WayFigures perQueue, batched;
    int listed = 0;
    for (int r = 0; r < rounds; ++r) {
        listed = measureDialogRound(perQueue, settingsDir, largeQueue, otherQueue, true);
        listed = measureDialogRound(batched, settingsDir, largeQueue, otherQueue, false);
    }
    // Memory last: the resident size never shrinks, so the way that keeps
    // every store goes after the one that frees them.
    const MemoryFigure batchedMemory = measureMemory(settingsDir, largeQueue, otherQueue, switches, false);
    const MemoryFigure perQueueMemory = measureMemory(settingsDir, largeQueue, otherQueue, switches, true);

    // The tabs' own figures, with the panel asking CUPS as it does now.
    PublishingFigures publishing;
    ImagingFigures imaging;
    Figure jobPass, jobSteps, basicChange, pageReload;
    for (int r = 0; r < rounds; ++r) {
        currentOptionSet = nullptr;
        settingsSource.clear();
        auto *dialog = new VelDialog(nullptr);
        userDir = settingsDir;
        QTableWidget *table = dialog->printerTab->printerTable;
        table->setCurrentCell(rowOf(table, largeQueue), 0);
        measurePublishing(dialog, publishing);
        measureImaging(dialog, imaging);
        basicChange.add(changeMediaType(dialog));
        pageReload.add(timeMs([dialog] {
            dialog->generalTab->reload();
            dialog->bookletTab->reload();
        }));
        measureJobPass(dialog, table, otherQueue, jobPass, jobSteps);
        delete dialog;
        settle();
    }

    Figure dests, names, ppd, status, statusAll;
    // The listing's one lpstat, split over every listed queue.
    const QSet<QString> listedNames = queueNames();
    const QStringList listedQueues(listedNames.begin(), listedNames.end());
    for (int r = 0; r < rounds; ++r) {
        dests.add(timeMs([] {
            cups_dest_t *d = nullptr;
            const int n = cupsGetDests(&d);
            cupsFreeDests(n, d);
        }));
        names.add(timeMs([] { queueNames(); }));
        ppd.add(timeMs([&] {
            const char *path = cupsGetPPD(largeQueue.toUtf8().constData());
            if (path) {
                const QByteArray copy(path);
                if (ppd_file_t *p = ppdOpenFile(copy.constData()))
                    ppdClose(p);
                unlink(copy.constData());
            }
        }));
        status.add(timeMs([&] { printerStatus(largeQueue); }));
        statusAll.add(timeMs([&] { queueStatuses(listedQueues, listedNames); }));
    }

    std::printf("queues on the server: %d (listed: %d), large PPD: %s, %d rounds\n", own + 2, listed,
                qPrintable(largePpd), rounds);
    std::printf("before (emulated): one lpstat per row at every listing and switch, a destination enumeration per "
                "loop pass, replaced stores kept\nafter:  one lpstat per listing and per switch, one names-only "
                "request per user action, replaced stores freed\n\n");
    std::printf("%-48s %21s %21s %9s\n", "measure (best / mean, ms)", "before", "after", "after/before");
    compare("start to populated table", perQueue.start, batched.start, 1.0 / 3);
    compare("switch to the large queue (first time)", perQueue.firstSwitch, batched.firstSwitch, 0);
    compare("switch to the large queue (again)", perQueue.switchAgain, batched.switchAgain, 1.0 / 5);
    compare("constraint loop after one control change", perQueue.loop, batched.loop, 1.0 / 3);
    compare("Printer tab retranslate (status column)", perQueue.retranslate, batched.retranslate, 0);
    std::printf("\nresident memory over %d printer switches (large queue and another in turn):\n", switches);
    reportMemory("before", perQueueMemory);
    reportMemory("after", batchedMemory);
    std::printf("  target: growth under 5%% after: %s\n", batchedMemory.growth() < 5.0 ? "met" : "MISSED");
    std::printf("\npieces:\n");
    report("  cupsGetDests (before: once per loop pass)", dests);
    report("  names-only request (after: once per action)", names);
    report("  cupsGetPPD + ppdOpenFile, large queue", ppd);
    report("  one lpstat -p for one queue (before: per row)", status);
    report("  one lpstat -p for all queues (after)", statusAll);
    report("Basic tab: next media type", basicChange);
    report("  Basic and Layout tabs' reload", pageReload);
    report("constraint pass, Job tab enabled (Wexa C45)", jobPass);
    report("  of which the Job tab's own steps", jobSteps);
    std::printf("Publishing tab, large queue:\n");
    report("  page-list check, 8191 ranges 2-3", publishing.repeatedRanges);
    report("  page-list check, 16383 single pages", publishing.singlePages);
    report("  page-list check, 2-2147483647", publishing.hugeRange);
    report("  constraint pass, tab enabled", publishing.pass);
    reportImaging(imaging);
    benchWatermarks(lpadmin, data, settingsDir, rounds);
    benchQuorix(otherQueue, settingsDir, rounds);
    benchFinishing(lpadmin, data, settingsDir, rounds);

    stopServer();
    return 0;
}
