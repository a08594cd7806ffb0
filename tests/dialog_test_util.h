#pragma once

// Helpers for tests that drive the main dialog: closing the modal boxes it
// opens, finding queue rows and controls.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include "app/program_state.h"
#include "app/vel_dialog.h"
#include "ui/printer_tab.h"

namespace dialogtest {

// Closes every modal box that opens while it lives and records the boxes'
// titles and texts.
class BoxCloser : public QObject
{
public:
    BoxCloser()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                titles << box->windowTitle();
                texts << box->text();
            } else {
                titles << modal->windowTitle();
                texts << QString();
            }
            modal->close();
        });
        timer.start(20);
    }
    QStringList titles;
    QStringList texts;

private:
    QTimer timer;
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

// Forgets what an earlier dialog left in the program-wide state.
inline void resetProgramState()
{
    currentOptionSet = nullptr;
    settingsSource.clear();
    settingsValid = false;
    printerSet.clear();
}

} // namespace dialogtest
