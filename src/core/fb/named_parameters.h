#pragma once

#include <QString>
#include <QStringList>

namespace fb {

// A statement text with its ":NAME" parameters replaced by "?" and the names in the
// order of their places (a name used twice appears twice). Names are upper-cased.
struct PositionalSql {
    QString sql;
    QStringList names;
};

// Quoted text ('…' and "…", the latter a string literal in SQL dialect 1) and comments
// are copied unchanged, so a colon inside them is never taken for a parameter.
PositionalSql toPositional(const QString& sql);

}  // namespace fb
