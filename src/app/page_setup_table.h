// Page-setup blocks (GTK key-file format) for the paper sizes of the
// printer description, written into gedit's page-setup file on Apply.
#pragma once

#include <QHash>
#include <QString>

// A new hash: paper keyword -> "[Page Setup]" block text.
QHash<QString, QString> buildPageSetupTable();

class PageSetupTable
{
public:
    PageSetupTable();

    // Paper keyword (the "PageSize" choice keyword) -> block text; keys
    // compare exactly, an unknown key yields an empty text.
    QHash<QString, QString> table;
};
