#include <gtest/gtest.h>

#include <QDateTime>
#include <QMap>
#include <QSet>

#include "core/fb/connection.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "core/schema/schema.h"
#include "support/temp_database.h"

namespace {

using zel::schema::ColumnType;
using zel::schema::Table;

// What the database's own catalogue says about one column.
struct CatalogColumn {
    int fieldType = 0;  // 7 smallint, 8 integer, 27 double, 35 date-and-time, 37 varchar, 261 blob
    int length = 0;
    bool notNull = false;
    QString defaultSource;
    int characterSet = 0;
};

class SchemaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        connection.attach(database.path());
        transaction.start();
    }

    QMap<QString, CatalogColumn> catalog(const QString& table) {
        fb::Statement select(transaction,
                             "select rf.RDB$FIELD_NAME, f.RDB$FIELD_TYPE, f.RDB$CHARACTER_LENGTH, "
                             "rf.RDB$NULL_FLAG, rf.RDB$DEFAULT_SOURCE, f.RDB$CHARACTER_SET_ID "
                             "from RDB$RELATION_FIELDS rf join RDB$FIELDS f on f.RDB$FIELD_NAME = "
                             "rf.RDB$FIELD_SOURCE "
                             "where rf.RDB$RELATION_NAME = :NAME");
        select.setParameter("NAME", table);
        select.open();
        QMap<QString, CatalogColumn> columns;
        while (select.fetch()) {
            columns.insert(select.value(0).toString().trimmed(),
                           CatalogColumn{select.value(1).toInt(), select.value(2).toInt(),
                                         select.value(3).toInt() == 1,
                                         QString::fromUtf8(select.value(4).toByteArray()).trimmed(),
                                         select.value(5).toInt()});
        }
        return columns;
    }

    zel::testing::TempDatabase database;
    fb::Connection connection;
    fb::Transaction transaction{connection};
};

int catalogType(ColumnType type) {
    switch (type) {
        case ColumnType::SmallInt:
            return 7;
        case ColumnType::Integer:
            return 8;
        case ColumnType::Double:
            return 27;
        case ColumnType::Date:
            return 35;
        case ColumnType::Varchar:
            return 37;
        case ColumnType::Blob:
            return 261;
    }
    return 0;
}

TEST_F(SchemaTest, EveryTableHasExactlyItsColumnsTypesSizesAndDefaults) {
    const QMap<QString, int> columnCounts = {
        {"ZAKAZ", 45},     {"DOPOSTPECH", 10},  {"ZAKMAT", 9},       {"ZAKPROC", 40},
        {"ZAK_PRILAD", 4}, {"ZAKPRINT", 252},   {"USERS", 4},        {"OBSH", 15},
        {"MACHINE", 17},   {"TIPPECH", 5},      {"NAKLRASX", 5},     {"PRILAD", 5},
        {"PRILADKA", 4},   {"PROCPRILADKA", 5}, {"RABOTY", 5},       {"GOTIZD", 5},
        {"KLIENT", 7},     {"PRODUCT", 3},      {"TIPMATERIALS", 4}, {"MATERIALS", 19},
        {"MOVE", 12},      {"POSTAV", 7}};
    ASSERT_EQ(zel::schema::tables().size(), columnCounts.size());
    for (const Table& table : zel::schema::tables()) {
        SCOPED_TRACE(table.name.toStdString());
        const QMap<QString, CatalogColumn> actual = catalog(table.name);
        EXPECT_EQ(actual.size(), columnCounts.value(table.name, -1));
        ASSERT_EQ(actual.size(), table.columns.size());
        for (const zel::schema::Column& column : table.columns) {
            SCOPED_TRACE(column.name.toStdString());
            ASSERT_TRUE(actual.contains(column.name));
            const CatalogColumn& found = actual.value(column.name);
            EXPECT_EQ(found.fieldType, catalogType(column.type));
            if (column.type == ColumnType::Varchar) {
                EXPECT_EQ(found.length, column.length);
                EXPECT_EQ(found.characterSet, 52);  // WIN1251
            }
            EXPECT_EQ(found.notNull, column.required || column.name == table.key);
            EXPECT_EQ(found.defaultSource, column.defaultValue
                                               ? QString("DEFAULT %1").arg(*column.defaultValue)
                                               : QString());
        }
    }
}

TEST_F(SchemaTest, ColumnsAsTheShopRecordsThem) {
    struct Expected {
        const char* table;
        const char* column;
        int fieldType;
        int length;
        const char* defaultSource;
        bool notNull;
    };
    const Expected expected[] = {
        {"ZAKAZ", "NAMEIZD", 37, 1024, "", false},
        {"ZAKAZ", "TIPPROD", 7, 0, "DEFAULT 0", false},
        {"ZAKAZ", "DATA", 35, 0, "", false},
        {"ZAKAZ", "NUM", 37, 10, "", false},
        {"ZAKPROC", "PICT", 261, 0, "", false},
        {"ZAKPRINT", "VSTR", 7, 0, "DEFAULT 4", false},
        {"ZAKPRINT", "KOLPREDREZ", 7, 0, "DEFAULT 1", false},
        {"ZAKPRINT", "KOLKLSH", 7, 0, "DEFAULT 1", false},
        {"ZAKPRINT", "PROGONVYS", 7, 0, "DEFAULT 1", false},
        {"ZAKPRINT", "TIPTISN", 7, 0, "DEFAULT 0", false},
        {"ZAKPRINT", "POSTAVBUM", 37, 128, "", false},
        {"ZAKPRINT", "KOLBUMLIST", 8, 0, "", false},
        {"USERS", "KOD_USER", 8, 0, "", true},
        {"USERS", "NAME_USER", 37, 32, "", true},
        {"USERS", "PASS_USER", 37, 10, "", false},
        {"USERS", "TIP_USER", 7, 0, "", true},
        {"OBSH", "KOD", 7, 0, "", true},
        {"OBSH", "EMBL", 261, 0, "", false},
        {"OBSH", "TIPNDS", 7, 0, "DEFAULT 0", false},
        {"MACHINE", "TIP", 7, 0, "", true},
        {"MACHINE", "TIPNAKL", 7, 0, "DEFAULT 0", false},
        {"RABOTY", "KOD", 7, 0, "", true},
        {"TIPMATERIALS", "TIPVISIBLE", 7, 0, "DEFAULT 0", false},
        {"MATERIALS", "KOD_TIP", 7, 0, "", true},
        {"MOVE", "KOD_MATERIAL", 8, 0, "", true},
        {"MOVE", "DATA", 35, 0, "", false},
        {"POSTAV", "NAME", 37, 128, "", false},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(std::string(e.table) + "." + e.column);
        const QMap<QString, CatalogColumn> columns = catalog(e.table);
        ASSERT_TRUE(columns.contains(e.column));
        const CatalogColumn& found = columns.value(e.column);
        EXPECT_EQ(found.fieldType, e.fieldType);
        if (e.length > 0) {
            EXPECT_EQ(found.length, e.length);
        }
        EXPECT_EQ(found.defaultSource, QString(e.defaultSource));
        EXPECT_EQ(found.notNull, e.notNull);
    }
}

TEST_F(SchemaTest, EveryTableButTheSettingsHasItsKeyGeneratorAndOneSettingsRowExists) {
    fb::Statement generators(
        transaction, "select RDB$GENERATOR_NAME from RDB$GENERATORS where RDB$SYSTEM_FLAG = 0");
    generators.open();
    QSet<QString> names;
    while (generators.fetch()) {
        names.insert(generators.value(0).toString().trimmed());
    }
    QSet<QString> expected;
    for (const Table& table : zel::schema::tables()) {
        if (table.name != "OBSH") {
            expected.insert(table.name + "_" + table.key + "_GEN");
        }
    }
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(names.contains("USERS_KOD_USER_GEN"));
    EXPECT_TRUE(zel::schema::table("OBSH").generator.isEmpty());

    fb::Statement settings(transaction, "select KOD, TIP_CALCFOLG, TIPSROKIZG, TIPNDS from OBSH");
    settings.open();
    ASSERT_TRUE(settings.fetch());
    EXPECT_EQ(settings.value(0).toInt(), 1);
    EXPECT_EQ(settings.value(1).toInt(), 0);
    EXPECT_FALSE(settings.fetch());
}

QVariant sampleValue(const zel::schema::Column& column, int seed) {
    switch (column.type) {
        case ColumnType::SmallInt:
            return seed % 100 + 1;
        case ColumnType::Integer:
            return 100000 + seed;
        case ColumnType::Double:
            return seed + 0.125;
        case ColumnType::Date:
            return QDateTime(QDate(2026, 12, 1 + seed % 28), QTime(10, seed % 60, 5));
        case ColumnType::Varchar:
            return QString::fromUtf8("Ж%1 текст для проверки длины столбца")
                .arg(seed)
                .left(column.length);
        case ColumnType::Blob:
            return QByteArray(300 + seed, static_cast<char>(seed));
    }
    return {};
}

void expectRow(fb::Statement& refresh, const Table& table, int seed) {
    refresh.setParameter(table.key, 1);
    refresh.open();
    ASSERT_TRUE(refresh.fetch());
    for (int i = 0; i < table.columns.size(); ++i) {
        const zel::schema::Column& column = table.columns.at(i);
        if (column.name == table.key) {
            EXPECT_EQ(refresh.value(refresh.columnIndex(column.name)).toInt(), 1);
            continue;
        }
        SCOPED_TRACE(column.name.toStdString());
        const QVariant expected = sampleValue(column, seed + i);
        const QVariant actual = refresh.value(refresh.columnIndex(column.name));
        if (column.type == ColumnType::Double) {
            EXPECT_EQ(actual.toDouble(), expected.toDouble());
        } else {
            EXPECT_EQ(actual, expected);
        }
    }
    refresh.close();
}

TEST_F(SchemaTest, TheFourStandardStatementsWriteAndRereadEveryColumnOfEveryTable) {
    for (const Table& table : zel::schema::tables()) {
        SCOPED_TRACE(table.name.toStdString());
        const zel::schema::UpdateStatements statements = zel::schema::updateStatements(table);
        if (table.name == "OBSH") {
            fb::Statement(transaction, "delete from OBSH").execute();
        }
        fb::Statement insert(transaction, statements.insert);
        fb::Statement modify(transaction, statements.modify);
        fb::Statement refresh(transaction, statements.refresh);
        fb::Statement remove(transaction, statements.remove);
        for (int i = 0; i < table.columns.size(); ++i) {
            const zel::schema::Column& column = table.columns.at(i);
            insert.setParameter(column.name,
                                column.name == table.key ? QVariant(1) : sampleValue(column, i));
            modify.setParameter(
                column.name, column.name == table.key ? QVariant(1) : sampleValue(column, 7 + i));
        }
        insert.execute();
        expectRow(refresh, table, 0);

        modify.setParameter("OLD_" + table.key, 1);
        modify.execute();
        expectRow(refresh, table, 7);

        remove.setParameter("OLD_" + table.key, 1);
        remove.execute();
        refresh.open();
        EXPECT_FALSE(refresh.fetch());
        refresh.close();
    }
}

TEST_F(SchemaTest, DeletingAMaterialTakesItsMovementsWithIt) {
    fb::Statement(transaction, "insert into MATERIALS (KOD, KOD_TIP, NAME) values (1, 1, 'Бумага')")
        .execute();
    fb::Statement(transaction, "insert into MATERIALS (KOD, KOD_TIP, NAME) values (2, 1, 'Картон')")
        .execute();
    fb::Statement(transaction,
                  "insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, PRIXOD) values (1, 1, 1, 10)")
        .execute();
    fb::Statement(transaction,
                  "insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, PRIXOD) values (2, 2, 1, 5)")
        .execute();
    fb::Statement(transaction, "delete from MATERIALS where KOD = 1").execute();
    fb::Statement left(transaction, "select list(KOD_MATERIAL) from MOVE");
    left.execute();
    EXPECT_EQ(left.value(0).toByteArray(), QByteArray("2"));
}

}  // namespace
