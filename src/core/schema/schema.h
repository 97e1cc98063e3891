#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zel::schema {

// Column types of SQL dialect 1: Date holds date and time of day together, Varchar is
// WIN1251 text, Blob an uninterpreted byte string.
enum class ColumnType { SmallInt, Integer, Double, Date, Varchar, Blob };

struct Column {
    QString name;
    ColumnType type;
    int length = 0;  // characters of a Varchar
    bool required = false;
    std::optional<int> defaultValue;
};

struct Table {
    QString name;
    QString key;        // KOD, or KOD_USER for USERS
    QString generator;  // empty for the single-row settings table
    QVector<Column> columns;
    QStringList indexedColumns;  // columns children and lists are looked up by

    const Column* column(const QString& name) const;
    QStringList columnNames() const;
};

// Every table of the database, in creation order.
const QVector<Table>& tables();
// Throws std::out_of_range for an unknown name.
const Table& table(const QString& name);

// The four statements every editable dataset writes through: change all columns of the
// row keyed by :OLD_<key>, insert all columns, delete by :OLD_<key>, reread by :<key>.
struct UpdateStatements {
    QString modify;
    QString insert;
    QString remove;
    QString refresh;
};
UpdateStatements updateStatements(const Table& table);

// Statements that create the whole schema, one per entry, for execution one by one.
QStringList ddlStatements();

}  // namespace zel::schema
