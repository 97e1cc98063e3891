#include <firebird/Interface.h>
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "core/fb/client.h"
#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "support/temp_database.h"

namespace {

using fb::Statement;

class DatabaseAccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        connection.attach(database.path());
        transaction.start();
    }

    QVariant selectOne(const QString& sql, const QString& key = {}, const QVariant& value = {}) {
        Statement select(transaction, sql);
        if (!key.isEmpty()) {
            select.setParameter(key, value);
        }
        select.open();
        EXPECT_TRUE(select.fetch()) << sql.toStdString();
        return select.value(0);
    }

    zel::testing::TempDatabase database;
    fb::Connection connection;
    fb::Transaction transaction{connection};
};

TEST_F(DatabaseAccessTest, CyrillicTextSurvivesTheWin1251Database) {
    const QString name = QString::fromUtf8(
        "ООО «Ёлочка» — типография №1: АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ "
        "абвгдежзийклмнопрстуфхцчшщъыьэюя");
    Statement insert(transaction,
                     "insert into KLIENT (KOD, NAME, NOTE) values (:KOD, :NAME, :NOTE)");
    insert.setParameter("KOD", 1);
    insert.setParameter("NAME", name.left(64));
    insert.setParameter("NOTE", name);
    insert.execute();
    transaction.commit();
    transaction.start();

    Statement select(transaction,
                     "select NAME, NOTE from KLIENT where NAME like \"%\" || :PART || \"%\"");
    select.setParameter("PART", QString::fromUtf8("Ёлочка"));
    select.open();
    ASSERT_TRUE(select.fetch());
    EXPECT_EQ(select.value(0).toString(), name.left(64));
    EXPECT_EQ(select.value(1).toString(), name);
    EXPECT_FALSE(select.fetch());

    // What the database holds is Windows-1251: one byte per letter.
    EXPECT_EQ(selectOne("select octet_length(NOTE) from KLIENT").toInt(), name.size());
}

TEST_F(DatabaseAccessTest, ValuesOfEveryColumnTypeAndNullRoundTrip) {
    QByteArray picture;
    for (int i = 0; i < 70000; ++i) {
        picture.append(static_cast<char>(i % 256));
    }
    const QDateTime due(QDate(2026, 12, 24), QTime(17, 45, 30));
    Statement insert(transaction,
                     "insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, KOLTIRAZ, DATA1, NAME, PICT) "
                     "values (:KOD, :KOD_ZAKAZ, :TIP, :KOLTIRAZ, :DATA1, :NAME, :PICT)");
    insert.setParameter("KOD", 7);
    insert.setParameter("KOD_ZAKAZ", 2000000000);
    insert.setParameter("TIP", 8);
    insert.setParameter("KOLTIRAZ", 1234.5678);
    insert.setParameter("DATA1", due);
    insert.setParameter("NAME", QString::fromUtf8("Резка"));
    insert.setParameter("PICT", picture);
    insert.execute();
    Statement empty(transaction, "insert into ZAKPROC (KOD) values (:KOD)");
    empty.setParameter("KOD", 8);
    empty.execute();

    Statement select(transaction,
                     "select KOD_ZAKAZ, TIP, KOLTIRAZ, DATA1, NAME, PICT from ZAKPROC "
                     "where KOD = :KOD");
    select.setParameter("KOD", 7);
    select.open();
    ASSERT_TRUE(select.fetch());
    EXPECT_EQ(select.value(0), QVariant(2000000000));
    EXPECT_EQ(select.value(1), QVariant(8));
    EXPECT_EQ(select.value(2).toDouble(), 1234.5678);
    EXPECT_EQ(select.value(3).toDateTime(), due);
    EXPECT_EQ(select.value(4).toString(), QString::fromUtf8("Резка"));
    EXPECT_EQ(select.value(5).toByteArray(), picture);

    select.setParameter("KOD", 8);
    select.open();
    ASSERT_TRUE(select.fetch());
    for (int column = 0; column < select.columns().size(); ++column) {
        EXPECT_FALSE(select.value(column).isValid()) << column;
    }
}

TEST_F(DatabaseAccessTest, TextFromEditsFillsNumberAndDateParameters) {
    Statement insert(
        transaction,
        "insert into ZAKAZ (KOD, TIRAZ, KURS, DATA) values (:KOD, :TIRAZ, :KURS, :DATA)");
    insert.setParameter("KOD", "5");
    insert.setParameter("TIRAZ", "");
    insert.setParameter("KURS", "92,5");
    insert.setParameter("DATA", "01.12.2026 00:00:01");
    insert.execute();
    Statement select(transaction, "select TIRAZ, KURS, DATA from ZAKAZ where KOD = 5");
    select.execute();
    EXPECT_FALSE(select.value(0).isValid());
    EXPECT_EQ(select.value(1).toDouble(), 92.5);
    EXPECT_EQ(select.value(2).toDateTime(), QDateTime(QDate(2026, 12, 1), QTime(0, 0, 1)));

    insert.setParameter("TIRAZ", "много");
    EXPECT_THROW(insert.execute(), fb::Error);
}

TEST_F(DatabaseAccessTest, GeneratorsHandOutIncreasingKeys) {
    const qint64 first = fb::nextGeneratorValue(transaction, "ZAKAZ_KOD_GEN");
    const qint64 second = fb::nextGeneratorValue(transaction, "ZAKAZ_KOD_GEN");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

TEST_F(DatabaseAccessTest, ServerErrorsCarryTheServersFullText) {
    try {
        Statement bad(transaction, "select NO_SUCH_COLUMN from ZAKAZ");
        FAIL() << "prepared an invalid statement";
    } catch (const fb::Error& error) {
        EXPECT_TRUE(error.text().contains("Column unknown")) << error.what();
        EXPECT_TRUE(error.text().contains("NO_SUCH_COLUMN")) << error.what();
    }
    Statement select(transaction, "select * from ZAKAZ where KOD = :KOD");
    EXPECT_THROW(select.setParameter("NOPE", 1), fb::Error);
}

TEST_F(DatabaseAccessTest, SecondWriterOfARowFailsAtOnceAndTheFirstWriterKeepsItsData) {
    Statement insert(transaction, "insert into KLIENT (KOD, NAME) values (1, 'Старое имя')");
    insert.execute();
    transaction.commit();
    transaction.start();

    fb::Connection other;
    other.attach(database.path());
    fb::Transaction otherTransaction(other);
    otherTransaction.start();

    Statement first(transaction, "update KLIENT set NAME = :NAME where KOD = 1");
    first.setParameter("NAME", QString::fromUtf8("Первый"));
    first.execute();

    Statement second(otherTransaction, "update KLIENT set NAME = :NAME where KOD = 1");
    second.setParameter("NAME", QString::fromUtf8("Второй"));
    try {
        second.execute();
        FAIL() << "the second writer was not stopped";
    } catch (const fb::Error& error) {
        EXPECT_TRUE(error.text().contains("update conflicts with concurrent update"))
            << error.what();
    }
    otherTransaction.rollback();
    transaction.commit();

    otherTransaction.start();
    Statement check(otherTransaction, "select NAME from KLIENT where KOD = 1");
    check.execute();
    EXPECT_EQ(check.value(0).toString(), QString::fromUtf8("Первый"));
}

TEST(DatabaseConnection, RefusesADatabaseOfAnotherDialect) {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("dialect3.fdb").toUtf8();
    fb::call([&](Firebird::ThrowStatusWrapper& status) {
        Firebird::IXpbBuilder* dpb =
            fb::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&status, isc_dpb_user_name, fb::kUser);
        dpb->insertString(&status, isc_dpb_password, fb::kPassword);
        dpb->insertInt(&status, isc_dpb_sql_dialect, 3);
        Firebird::IAttachment* attachment = fb::provider()->createDatabase(
            &status, path.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status));
        dpb->dispose();
        attachment->detach(&status);
    });
    fb::Connection connection;
    try {
        connection.attach(QString::fromUtf8(path));
        FAIL() << "attached to a dialect 3 database";
    } catch (const fb::Error& error) {
        EXPECT_TRUE(error.text().contains(QString::fromUtf8("диалект"))) << error.what();
    }
    EXPECT_FALSE(connection.isConnected());
}

TEST(DatabaseConnection, MissingDatabaseFails) {
    QTemporaryDir dir;
    fb::Connection connection;
    EXPECT_THROW(connection.attach(dir.filePath("absent.fdb")), fb::Error);
    EXPECT_FALSE(connection.isConnected());
}

TEST(DatabaseConnection, AnExistingDatabaseIsNeverOverwritten) {
    zel::testing::TempDatabase database;
    fb::Connection connection;
    EXPECT_THROW(connection.create(database.path()), fb::Error);
    connection.attach(database.path());
    fb::Transaction transaction(connection);
    transaction.start();
    Statement settings(transaction, "select count(*) from OBSH");
    settings.execute();
    EXPECT_EQ(settings.value(0).toInt(), 1);
}

}  // namespace
