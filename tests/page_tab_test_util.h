#pragma once

// Helpers for the tests of the page tabs (Basic, Layout, Finishing,
// Imaging): queues made from the test descriptions, the main dialog opened
// on one of them, and what the dialog leaves in the store and lpoptions.

#include <QAbstractButton>
#include <QHash>
#include <QScopedPointer>
#include <QStringList>
#include <QtTest>

#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "ui/option_widgets.h"

namespace pagetabtest {

// Adds a queue to the private server for each test description named
// ("sample" for the shipped sample description), each queue's name made
// from prefix; queues maps the description's name to its queue.
inline void addQueues(QHash<QString, QString> &queues, const QString &prefix, const QStringList &ppds)
{
    for (const QString &ppd : ppds) {
        queues.insert(ppd, cupstest::uniqueQueueName(prefix));
        const QString path = ppd == QLatin1String("sample")
                                 ? QStringLiteral(ORDOVAN_TEST_SOURCE_DIR "/../resources/ppd/velmora-wexa-sample.ppd")
                                 : QStringLiteral(ORDOVAN_TEST_DATA "/") + ppd + QStringLiteral(".ppd");
        QVERIFY(cupstest::addQueue(queues.value(ppd), path));
    }
}

inline void removeQueues(const QHash<QString, QString> &queues)
{
    for (const QString &queue : queues)
        cupstest::removeQueue(queue);
}

// A new main dialog in d, with the per-user directory base, on queue
// selected without any box. The queue's settings file holds the lines
// stored; without lines there is none, and the first selection writes it.
inline void openOnQueue(QScopedPointer<VelDialog> &d, const QString &base, const QString &queue,
                        const QStringList &stored = {})
{
    d.reset(new VelDialog(nullptr));
    userDir = base + QStringLiteral("/");
    QFile file(userDir + queue + QStringLiteral(".cfg"));
    file.remove();
    if (!stored.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write((stored.join('\n') + '\n').toUtf8());
    file.close();
    dialogtest::BoxCloser boxes;
    QVERIFY(dialogtest::selectQueue(*d, queue));
    QCOMPARE(boxes.texts, QStringList());
}

// The words after "Dest <queue>" in the user's lpoptions file.
inline QStringList lpoptionsOf(const QString &queue)
{
    const QStringList lines = dialogtest::fileLines(QDir::homePath() + QStringLiteral("/.cups/lpoptions"));
    for (const QString &line : lines) {
        if (line.section(QLatin1Char(' '), 1, 1) == queue)
            return line.section(QLatin1Char(' '), 2).split(QLatin1Char(' '));
    }
    return QStringList();
}

// The keyword of the option's current choice; empty when there is none.
inline QString current(const QString &option)
{
    vOption *o = currentOptionSet->findOption(option);
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QString();
}

inline void click(VelButtonGroup *group, const QString &name)
{
    group->buttonList().value(group->buttonNames().indexOf(name))->click();
}

} // namespace pagetabtest
