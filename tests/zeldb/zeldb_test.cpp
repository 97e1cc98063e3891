#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/fb/connection.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "tools/zeldb/sql_script.h"

namespace {

struct ProcessResult {
    int exitCode;
    QString out;
    QString err;
};

ProcessResult zeldb(const QStringList& arguments) {
    QProcess process;
    process.start(ZELDB_PATH, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

int count(fb::Transaction& transaction, const QString& sql) {
    fb::Statement select(transaction, sql);
    select.execute();
    return select.value(0).toInt();
}

TEST(Zeldb, DemoDatabaseIsReadyToWorkWith) {
    QTemporaryDir dir;
    const QString path = dir.filePath("demo.fdb");
    const ProcessResult run = zeldb({"create", path, "--demo"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    fb::Connection connection;
    connection.attach(path);
    fb::Transaction transaction(connection);
    transaction.start();
    EXPECT_EQ(count(transaction,
                    "select count(*) from USERS where NAME_USER = 'admin' and PASS_USER = 'admin' "
                    "and TIP_USER = 0"),
              1);
    EXPECT_EQ(count(transaction, "select count(distinct TIP_USER) from USERS"), 3);
    EXPECT_EQ(count(transaction, "select count(*) from OBSH"), 1);
    EXPECT_EQ(count(transaction, "select count(distinct TIP) from MACHINE"), 10);
    EXPECT_GE(count(transaction, "select count(*) from MACHINE where TIP = 0"), 2);
    EXPECT_EQ(count(transaction, "select count(distinct KOD_TIP) from GOTIZD"), 3);
    EXPECT_EQ(count(transaction, "select count(distinct TIPVISIBLE) from TIPMATERIALS"), 3);
    EXPECT_EQ(count(transaction, "select count(distinct TIP) from RABOTY"), 2);
    EXPECT_EQ(count(transaction, "select count(distinct KOD_ARCHIV) from ZAKAZ"), 3);
    for (const char* table : {"TIPPECH", "NAKLRASX", "PRILAD", "PRILADKA", "PROCPRILADKA", "KLIENT",
                              "PRODUCT", "MATERIALS", "POSTAV", "MOVE"}) {
        EXPECT_GT(count(transaction, QString("select count(*) from %1").arg(table)), 0) << table;
    }
    // Every manager's order names its manager, and a new row gets a key past the demo rows.
    EXPECT_EQ(count(transaction,
                    "select count(*) from ZAKAZ z join USERS u on u.KOD_USER = z.KODMANAGER "
                    "where u.TIP_USER = 1 and u.NAME_USER = z.NAMEMANAGER"),
              count(transaction, "select count(*) from ZAKAZ"));
    EXPECT_GT(fb::nextGeneratorValue(transaction, "ZAKAZ_KOD_GEN"),
              count(transaction, "select max(KOD) from ZAKAZ"));
}

TEST(Zeldb, NeverOverwritesAnExistingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("taken.fdb");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    const ProcessResult run = zeldb({"create", path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("уже существует"))) << run.err.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("precious"));
}

TEST(Zeldb, AFolderThatDoesNotExistGetsTheServersReason) {
    QTemporaryDir dir;
    const ProcessResult run = zeldb({"create", dir.filePath("no/such/folder/x.fdb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("не удалось создать"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("No such file or directory")) << run.err.toStdString();
}

TEST(Zeldb, WrongWordsShowTheUsage) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"drop", "x.fdb"}, QStringList{"create"},
          QStringList{"create", "a.fdb", "b.fdb"}, QStringList{"create", "--demo"}}) {
        const ProcessResult run = zeldb(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("zeldb create")) << arguments.join(' ').toStdString();
    }
}

TEST(SqlScript, SplitsAtStatementEndsOnly) {
    const QStringList statements = zeldb::splitSqlScript(
        "-- клиенты; первая группа\n"
        "insert into KLIENT (KOD, NAME) values (1, 'ООО \"Рога; копыта\"');\n"
        "insert into KLIENT (KOD, NOTE)\n values (2, 'it''s; fine');\n"
        "update OBSH set NDS = 20 where KOD = 1;\n\n");
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(
        statements.at(0),
        QString::fromUtf8("insert into KLIENT (KOD, NAME) values (1, 'ООО \"Рога; копыта\"')"));
    EXPECT_EQ(statements.at(1), "insert into KLIENT (KOD, NOTE)\n values (2, 'it''s; fine')");
    EXPECT_EQ(statements.at(2), "update OBSH set NDS = 20 where KOD = 1");
}

}  // namespace
