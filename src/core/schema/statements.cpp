#include "core/schema/schema.h"

namespace zel::schema {
namespace {

QString columnType(const Column& column) {
    switch (column.type) {
        case ColumnType::SmallInt:
            return QStringLiteral("SMALLINT");
        case ColumnType::Integer:
            return QStringLiteral("INTEGER");
        case ColumnType::Double:
            return QStringLiteral("DOUBLE PRECISION");
        case ColumnType::Date:
            return QStringLiteral("DATE");
        case ColumnType::Varchar:
            return QStringLiteral("VARCHAR(%1) CHARACTER SET WIN1251").arg(column.length);
        case ColumnType::Blob:
            return QStringLiteral("BLOB SUB_TYPE 0");
    }
    return {};
}

QString columnDefinition(const Table& table, const Column& column) {
    QString definition = column.name + QLatin1Char(' ') + columnType(column);
    if (column.defaultValue) {
        definition += QStringLiteral(" DEFAULT %1").arg(*column.defaultValue);
    }
    if (column.required || column.name == table.key) {
        definition += QStringLiteral(" NOT NULL");
    }
    return definition;
}

QString createTable(const Table& table) {
    QStringList definitions;
    for (const Column& column : table.columns) {
        definitions.append(columnDefinition(table, column));
    }
    definitions.append(
        QStringLiteral("CONSTRAINT PK_%1 PRIMARY KEY (%2)").arg(table.name, table.key));
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)")
        .arg(table.name, definitions.join(QStringLiteral(",\n  ")));
}

}  // namespace

UpdateStatements updateStatements(const Table& table) {
    QStringList assignments;
    QStringList parameters;
    for (const Column& column : table.columns) {
        assignments.append(column.name + QStringLiteral(" = :") + column.name);
        parameters.append(QLatin1Char(':') + column.name);
    }
    const QString& key = table.key;
    return UpdateStatements{
        QStringLiteral("update %1 set %2 where %3 = :OLD_%3")
            .arg(table.name, assignments.join(QStringLiteral(", ")), key),
        QStringLiteral("insert into %1 (%2) values (%3)")
            .arg(table.name, table.columnNames().join(QStringLiteral(", ")),
                 parameters.join(QStringLiteral(", "))),
        QStringLiteral("delete from %1 where %2 = :OLD_%2").arg(table.name, key),
        QStringLiteral("select * from %1 where %2 = :%2").arg(table.name, key)};
}

QStringList ddlStatements() {
    QStringList statements;
    for (const Table& table : tables()) {
        statements.append(createTable(table));
        for (const QString& column : table.indexedColumns) {
            statements.append(
                QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%2)").arg(table.name, column));
        }
        if (!table.generator.isEmpty()) {
            statements.append(QStringLiteral("CREATE GENERATOR %1").arg(table.generator));
        }
    }
    // Deleting a material from the warehouse takes its movement journal with it: the
    // storekeeper is warned of exactly that before the delete.
    statements.append(
        QStringLiteral("CREATE TRIGGER MATERIALS_DELETE_MOVES FOR MATERIALS AFTER DELETE AS\n"
                       "BEGIN\n"
                       "  DELETE FROM MOVE WHERE KOD_MATERIAL = OLD.KOD;\n"
                       "END"));
    return statements;
}

}  // namespace zel::schema
