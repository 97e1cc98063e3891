#pragma once

#include <QString>
#include <QStringList>

namespace zeldb {

// Splits a script into statements at the ';' that ends a statement; semicolons inside
// quoted text and comment lines starting with "--" are not statement ends.
QStringList splitSqlScript(const QString& script);

}  // namespace zeldb
