// Run as root, the main dialog shows its refusal box and the program exits
// with status 0 without writing anything. The dialog is built in a child
// process (this executable started again with "--child"), because the
// refusal ends the process.
#include <QtTest>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

#include "app/resources_init.h"
#include "app/vel_dialog.h"
#include "dialog_test_util.h"

namespace {

// The child: closes the box from a timer after printing its title and text,
// then lets the dialog's constructor end the process.
int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    initOrdovanResources();
    dialogtest::ModalPoller closer([](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            std::printf("BOX[%s][%s]\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
            box->close();
        }
    });
    VelDialog dialog(nullptr);
    // Reached only when the refusal did not end the process.
    std::printf("BUILT\n");
    std::fflush(stdout);
    return 3;
}

} // namespace

class TestRootRefusal : public QObject
{
    Q_OBJECT
private slots:
    void refusedAsRoot()
    {
        if (geteuid() != 0)
            QSKIP("needs to run as root");
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString user = QStringLiteral("ordovan-refusal-%1").arg(QCoreApplication::applicationPid());
        const QString perUserDir = QStringLiteral(ORDOVAN_USER_DIR_BASE) + user;

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("USER"), user);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QStringLiteral("--child")});
        child.start();
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY2(output.contains(QStringLiteral("BOX[Ordovan][Please do not run Ordovan as root.]")),
                 qPrintable(output));
        QVERIFY(!output.contains(QStringLiteral("BUILT")));
        QVERIFY(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        QVERIFY(!QFileInfo::exists(perUserDir));
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    TestRootRefusal test;
    return ordovantest::exec(&test, argc, argv);
}

#include "test_root_refusal.moc"
