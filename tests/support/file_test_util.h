#pragma once

// Reading the files a test made or the program wrote (header-only, QtCore).

#include <QByteArray>
#include <QFile>
#include <QString>

namespace filetest {

// The whole file; empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace filetest
