#pragma once

// The root-writer setup of the tests (support/rootwriter-setup.sh, fixture
// "rootwriter"; tests define ORDOVAN_TEST_ROOTWRITER_DIR): this build's
// writer with its sudo rule, the test user's password and the second user
// who plays the attacker.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace rootwritertest {

inline QString stateDir() { return QStringLiteral(ORDOVAN_TEST_ROOTWRITER_DIR); }
// This build's writer, as root may run it through sudo.
inline QString writer() { return stateDir() + QStringLiteral("/bin/velPPDWrite_H"); }

inline QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// "ready", or why the setup is not there.
inline QString status()
{
    const QString text = readText(stateDir() + QStringLiteral("/status")).trimmed();
    return text.isEmpty() ? QStringLiteral("no root-writer setup was made") : text;
}

inline QString password() { return readText(stateDir() + QStringLiteral("/password")); }

// Runs the attacker script as the second test user; true when it succeeded.
inline bool attack(const QStringList &arguments)
{
    QProcess sudo;
    sudo.start(QStringLiteral(ORDOVAN_SUDO_PATH), QStringList() << QStringLiteral("-n") << QStringLiteral("-u")
                   << QStringLiteral("ordovanattack") << stateDir() + QStringLiteral("/bin/attacker.sh") << arguments);
    return sudo.waitForFinished(30000) && sudo.exitStatus() == QProcess::NormalExit && sudo.exitCode() == 0;
}

} // namespace rootwritertest

// Stops a case of the root road unless the setup is ready: as a failure when
// the suite runs as root (where the setup must work), as a skip otherwise.
#define ROOTWRITER_REQUIRE()                                                                                   \
    do {                                                                                                       \
        const QString why = rootwritertest::status();                                                          \
        if (why != QLatin1String("ready")) {                                                                   \
            if (qgetenv("ORDOVAN_TESTS_AS_ROOT") == "1")                                                       \
                QFAIL(qPrintable(QStringLiteral("root-writer setup: ") + why));                                \
            QSKIP(qPrintable(QStringLiteral("root-writer setup: ") + why));                                    \
        }                                                                                                      \
    } while (0)
