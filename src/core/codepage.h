#pragma once

#include <QByteArray>
#include <QString>

namespace zel {

// Text of the configuration file is in Windows-1251, the code page of the Russian
// workstations the programs were made for.
QString decodeCp1251(const QByteArray& bytes);

// Characters Windows-1251 cannot hold are written as '?'.
QByteArray encodeCp1251(const QString& text);

}  // namespace zel
