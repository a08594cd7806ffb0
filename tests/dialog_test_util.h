#pragma once

// Helpers for tests that drive the main dialog: closing the modal boxes it
// opens, finding queue rows and controls.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

#include "app/program_state.h"
#include "app/vel_dialog.h"
#include "ui/printer_tab.h"

namespace dialogtest {

// The number of BoxCloser objects alive: while one lives, boxes are
// expected.
inline int &expectedBoxes()
{
    static int count = 0;
    return count;
}

// Hands the active modal widget to handle every interval ms while it lives
// (nothing while none is open); boxes are expected meanwhile.
class ModalPoller : public QObject
{
public:
    explicit ModalPoller(const std::function<void(QWidget *modal)> &handle, int interval = 20)
    {
        ++expectedBoxes();
        connect(&timer, &QTimer::timeout, this, [handle] {
            if (QWidget *modal = QApplication::activeModalWidget())
                handle(modal);
        });
        timer.start(interval);
    }
    ~ModalPoller() override { --expectedBoxes(); }
    void stop() { timer.stop(); }

private:
    QTimer timer;
};

// Hands handle, delay ms from now, the modal widget active then (null when
// none is).
inline void onNextModal(int delay, const std::function<void(QWidget *modal)> &handle)
{
    QTimer::singleShot(delay, [handle] { handle(QApplication::activeModalWidget()); });
}

// A message box as the tests record it: "title|text".
inline QString boxLine(const QMessageBox *box)
{
    return box->windowTitle() + QLatin1Char('|') + box->text();
}

// Runs work, ending every message box it opens with result (what the box's
// exec() returns); "title|text" of each.
inline QStringList boxesOf(const std::function<void()> &work, int result = 0, int interval = 20)
{
    QStringList seen;
    ModalPoller poller(
        [&seen, result](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                seen << boxLine(box);
                box->done(result);
            }
        },
        interval);
    work();
    return seen;
}

// Closes every modal box that opens while it lives and records the boxes'
// titles and texts.
class BoxCloser : public ModalPoller
{
public:
    BoxCloser()
        : ModalPoller([this](QWidget *modal) {
            const auto *box = qobject_cast<QMessageBox *>(modal);
            titles << modal->windowTitle();
            texts << (box ? box->text() : QString());
            modal->close();
        })
    {
    }
    QStringList titles;
    QStringList texts;
};

// Closes a modal box that no BoxCloser waits for and fails the running test
// at once, instead of leaving it blocked until the test's time limit. A box
// is given a moment for a closer of the test's own. One member of the test
// class puts every test function under watch:
//     dialogtest::ModalWatchdog watchdog;
class ModalWatchdog : public QObject
{
public:
    ModalWatchdog()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || expectedBoxes() > 0 || modal != seen) {
                seen = modal;
                return;
            }
            seen = nullptr;
            const auto *box = qobject_cast<QMessageBox *>(modal);
            const QString what = QStringLiteral("Unexpected modal box \"%1\": %2")
                                     .arg(modal->windowTitle(), box ? box->text() : QString());
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
            QTest::qFail(qPrintable(what), __FILE__, __LINE__);
        });
        timer.start(250);
    }

private:
    QTimer timer;
    // Guarded: a later box may be built where a closed one stood.
    QPointer<QWidget> seen;
};

// The first row of the Printer tab's table that names queue, or -1.
inline int rowOf(const VelDialog &dialog, const QString &queue)
{
    QTableWidget *table = dialog.printerTab->printerTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == queue)
            return row;
    }
    return -1;
}

inline int rowCountOf(const VelDialog &dialog, const QString &queue)
{
    int count = 0;
    QTableWidget *table = dialog.printerTab->printerTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == queue)
            ++count;
    }
    return count;
}

// The queue whose row is highlighted, or an empty string.
inline QString selectedQueue(const VelDialog &dialog)
{
    QTableWidget *table = dialog.printerTab->printerTable;
    const QList<QTableWidgetItem *> items = table->selectedItems();
    for (QTableWidgetItem *item : items) {
        if (item->column() == 0)
            return item->text();
    }
    return QString();
}

// Selects the queue's row the way a click does.
inline bool selectQueue(VelDialog &dialog, const QString &queue)
{
    const int row = rowOf(dialog, queue);
    if (row < 0)
        return false;
    dialog.printerTab->printerTable->setCurrentCell(row, 0);
    return true;
}

template <typename T>
T *findByAccessibleName(QWidget *root, const QString &name)
{
    const QList<T *> widgets = root->findChildren<T *>();
    for (T *w : widgets) {
        if (w->accessibleName() == name)
            return w;
    }
    return nullptr;
}

// The non-empty lines of a file; none when it cannot be read.
inline QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Forgets what an earlier dialog left in the program-wide state.
inline void resetProgramState()
{
    currentOptionSet = nullptr;
    settingsSource.clear();
    settingsValid = false;
    printerSet.clear();
}

} // namespace dialogtest
