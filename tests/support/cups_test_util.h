#pragma once

// Helpers for tests that use the private CUPS server of the test run (tests
// added with the CUPS flag; CUPS_SERVER names the server's socket).  Every
// tool runs through QProcess with an argument list and inherits CUPS_SERVER.
//
//   const QString q = cupstest::uniqueQueueName("MyTest");
//   QVERIFY(cupstest::addQueue(q, QStringLiteral(ORDOVAN_TEST_DATA "/my.ppd")));
//   ...
//   cupstest::removeQueue(q);

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

namespace cupstest {

// Runs program with args; true when it started and exited with status 0.
// The combined output is stored in *output when given.
inline bool runTool(const QString &program, const QStringList &args, QString *output = nullptr,
                    int timeoutMs = 30000)
{
    // The administration tools live in sbin, which an ordinary user's PATH
    // may lack.
    QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        executable = QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (executable.isEmpty())
        executable = program;
    QProcess p;
    p.setProgram(executable);
    p.setArguments(args);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start();
    if (!p.waitForStarted(timeoutMs))
        return false;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    const QString text = QString::fromUtf8(p.readAll());
    if (output)
        *output = text;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(args.join(QLatin1Char(' '))),
                 qPrintable(text));
        return false;
    }
    return true;
}

// True when CUPS_SERVER names the private server's socket.
inline bool usingPrivateServer()
{
    return QString::fromLocal8Bit(qgetenv("CUPS_SERVER")).startsWith(QLatin1Char('/'));
}

// A queue name unique to this test process: prefix + pid + counter.
inline QString uniqueQueueName(const QString &prefix)
{
    static int counter = 0;
    return QStringLiteral("%1_%2_%3").arg(prefix).arg(QCoreApplication::applicationPid()).arg(++counter);
}

// Adds an enabled, accepting queue from the PPD at ppdPath.
inline bool addQueue(const QString &name, const QString &ppdPath,
                     const QString &deviceUri = QStringLiteral("file:///dev/null"))
{
    if (!usingPrivateServer())
        return false;
    return runTool(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), deviceUri,
                    QStringLiteral("-P"), ppdPath});
}

inline bool removeQueue(const QString &name)
{
    if (!usingPrivateServer())
        return false;
    return runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

inline bool disableQueue(const QString &name)
{
    return usingPrivateServer() && runTool(QStringLiteral("cupsdisable"), {name});
}

inline bool enableQueue(const QString &name)
{
    return usingPrivateServer() && runTool(QStringLiteral("cupsenable"), {name});
}

// The baseline queues the fixture adds: one ready, one disabled.
inline QString baseQueue() { return QStringLiteral("OrdovanBase"); }
inline QString pausedQueue() { return QStringLiteral("OrdovanPaused"); }

// The default choice of option in queue's description as CUPS has it now;
// empty when the description or the option cannot be had.
// (libcups 2.4 marks the PPD interface deprecated.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
inline QString queueDefault(const QString &queue, const char *option)
{
    const QByteArray name = queue.toUtf8();
    const char *path = cupsGetPPD(name.constData());
    if (!path)
        return QString();
    ppd_file_t *ppd = ppdOpenFile(path);
    QString value;
    if (ppd) {
        if (ppd_option_t *o = ppdFindOption(ppd, option))
            value = QString::fromUtf8(o->defchoice);
        ppdClose(ppd);
    }
    unlink(path);
    return value;
}
#pragma GCC diagnostic pop

} // namespace cupstest
