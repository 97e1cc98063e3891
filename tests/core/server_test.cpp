#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "core/schema/create_database.h"

namespace {

// These tests talk to the Firebird server on 127.0.0.1 that the test command starts,
// through the remote syntax "localhost:/path" of the first line of root.cfg.
class ServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The server process runs under its own account and must be able to write here.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::WriteOther | QFileDevice::ExeOther);
        location = "localhost:" + dir.filePath("server.fdb");
        fb::Connection creator;
        zel::schema::createDatabase(creator, location);
        creator.detach();
    }

    QTemporaryDir dir;
    QString location;
};

TEST_F(ServerTest, ConnectsByHostAndPathInDialectOne) {
    fb::Connection connection;
    connection.attach(location);
    EXPECT_EQ(connection.sqlDialect(), 1);
    fb::Transaction transaction(connection);
    transaction.start();
    fb::Statement insert(transaction,
                         "insert into USERS (KOD_USER, NAME_USER, TIP_USER) values (:K, :N, 1)");
    insert.setParameter("K", fb::nextGeneratorValue(transaction, "USERS_KOD_USER_GEN"));
    insert.setParameter("N", QString::fromUtf8("Менеджер"));
    insert.execute();
    transaction.commit();
    transaction.start();
    fb::Statement select(transaction, "select NAME_USER from USERS");
    select.execute();
    EXPECT_EQ(select.value(0).toString(), QString::fromUtf8("Менеджер"));
}

TEST_F(ServerTest, ConcurrentWorkstationsConflictAtOnceAndNothingIsLost) {
    fb::Connection first;
    fb::Connection second;
    first.attach(location);
    second.attach(location);
    fb::Transaction firstTransaction(first);
    fb::Transaction secondTransaction(second);
    firstTransaction.start();
    fb::Statement(firstTransaction, "insert into ZAKAZ (KOD, NAMEORG) values (1, 'Начало')")
        .execute();
    firstTransaction.commit();
    firstTransaction.start();
    secondTransaction.start();

    fb::Statement(firstTransaction, "update ZAKAZ set NAMEORG = 'Первая станция' where KOD = 1")
        .execute();
    try {
        fb::Statement(secondTransaction,
                      "update ZAKAZ set NAMEORG = 'Вторая станция' where KOD = 1")
            .execute();
        FAIL() << "the second workstation's update was not refused";
    } catch (const fb::Error& error) {
        EXPECT_TRUE(error.text().contains("update conflicts with concurrent update"))
            << error.what();
    }
    // The second workstation's snapshot still shows the committed row.
    fb::Statement stale(secondTransaction, "select NAMEORG from ZAKAZ where KOD = 1");
    stale.execute();
    EXPECT_EQ(stale.value(0).toString(), QString::fromUtf8("Начало"));

    firstTransaction.commit();
    secondTransaction.commit();
    secondTransaction.start();
    fb::Statement fresh(secondTransaction, "select NAMEORG from ZAKAZ where KOD = 1");
    fresh.execute();
    EXPECT_EQ(fresh.value(0).toString(), QString::fromUtf8("Первая станция"));
}

}  // namespace
