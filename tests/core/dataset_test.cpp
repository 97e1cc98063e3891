#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/dataset.h"
#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "core/schema/schema.h"
#include "support/temp_database.h"

namespace {

using zel::Dataset;
using zel::DatasetError;
using zel::DatasetState;

class DatasetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        connection.attach(database.path());
        transaction.start();
    }

    void execute(const QString& sql) { fb::Statement(transaction, sql).execute(); }

    // `count` clients named "Клиент 1".."Клиент N" with KOD 1..N (up to 100 000), in one
    // statement: the numbers come from five crossed lists of digits.
    void addClients(int count) {
        QStringList digits;
        for (int digit = 0; digit <= 9; ++digit) {
            digits.append(QStringLiteral("select %1 as n from rdb$database").arg(digit));
        }
        execute(QStringLiteral(
                    "insert into KLIENT (KOD, NAME) "
                    "select k, 'Клиент ' || k from (select cast(1 + a.n + 10 * b.n + 100 * c.n "
                    "+ 1000 * d.n + 10000 * e.n as integer) as k from (%1) a, (%1) b, (%1) c, (%1) "
                    "d, (%1) e) "
                    "where k <= %2")
                    .arg(digits.join(QStringLiteral(" union all ")))
                    .arg(count));
    }

    std::unique_ptr<Dataset> clients(const QString& sql = "select * from KLIENT order by KOD") {
        auto dataset = std::make_unique<Dataset>("DSetClients", transaction);
        dataset->setSelectSql(sql);
        dataset->setUpdateTable(zel::schema::table("KLIENT"), "KLIENT_KOD_GEN");
        return dataset;
    }

    zel::testing::TempDatabase database;
    fb::Connection connection;
    fb::Transaction transaction{connection};
};

TEST_F(DatasetTest, OpeningALargeTableReadsOnlyTheFirstBatch) {
    addClients(100000);
    auto dataset = clients();
    dataset->open();
    EXPECT_EQ(dataset->fetchedCount(), Dataset::kDefaultBatch);
    EXPECT_FALSE(dataset->isFullyFetched());
    EXPECT_EQ(dataset->asString("NAME"), QString::fromUtf8("Клиент 1"));

    // A locate reads only as far as the row it finds.
    ASSERT_TRUE(dataset->locate("KOD", 2500));
    EXPECT_EQ(dataset->asInt("KOD"), 2500);
    EXPECT_LT(dataset->fetchedCount(), 5000);

    EXPECT_EQ(dataset->recordCount(), 100000);
    EXPECT_TRUE(dataset->isFullyFetched());
}

TEST_F(DatasetTest, NavigatesAndLocatesByKeyAfterReopen) {
    addClients(5);
    auto dataset = clients();
    dataset->open();
    dataset->next();
    dataset->next();
    EXPECT_EQ(dataset->asInt("KOD"), 3);
    dataset->prior();
    EXPECT_EQ(dataset->asInt("KOD"), 2);
    dataset->last();
    EXPECT_EQ(dataset->asInt("KOD"), 5);
    EXPECT_TRUE(dataset->eof());
    dataset->first();
    EXPECT_TRUE(dataset->bof());
    EXPECT_EQ(dataset->asInt("KOD"), 1);

    dataset->moveTo(3);
    dataset->reopen();
    EXPECT_EQ(dataset->asInt("KOD"), 4);

    EXPECT_TRUE(dataset->locate("NAME", QString::fromUtf8("Клиент 2")));
    EXPECT_EQ(dataset->currentRow(), 1);
    execute("delete from KLIENT where KOD = 5");
    dataset->reopen();
    EXPECT_FALSE(dataset->locate("KOD", 5));
    EXPECT_EQ(dataset->asInt("KOD"), 2);
}

TEST_F(DatasetTest, NullReadsAsZeroOrEmpty) {
    execute("insert into ZAKAZ (KOD) values (1)");
    Dataset orders("DSetZakaz", transaction);
    orders.setSelectSql("select * from ZAKAZ");
    orders.open();
    EXPECT_FALSE(orders.value("TIRAZ").isValid());
    EXPECT_EQ(orders.asInt("TIRAZ"), 0);
    EXPECT_EQ(orders.asDouble("KURS"), 0.0);
    EXPECT_EQ(orders.asString("NAMEORG"), QString());
    EXPECT_EQ(orders.displayText(0, "TIRAZ"), QString());
}

TEST_F(DatasetTest, InsertTakesAKeyAtOnceAndTheTablesDefaults) {
    execute("insert into ZAKAZ (KOD) values (41)");
    Dataset parts("DSetZakPrint", transaction);
    parts.setSelectSql("select * from ZakPrint where kod_zakaz=:kod order by tip");
    parts.setUpdateTable(zel::schema::table("ZAKPRINT"), "ZAKPRINT_KOD_GEN");
    parts.setParam("kod", 41);
    parts.open();
    parts.append();
    EXPECT_EQ(parts.state(), DatasetState::Insert);
    EXPECT_EQ(parts.asInt("KOD"), 1);  // from the generator, before the post
    EXPECT_EQ(parts.asInt("VSTR"), 4);
    EXPECT_EQ(parts.asInt("KOLPREDREZ"), 1);
    EXPECT_EQ(parts.asInt("KOLKLSH"), 1);
    EXPECT_EQ(parts.asInt("PROGONVYS"), 1);
    for (const char* switchColumn :
         {"LAKIR", "PRIPR", "TIPFALTS", "TIPTISN", "TIPSHTAMP", "OBOROT"}) {
        EXPECT_EQ(parts.value(switchColumn), QVariant(0)) << switchColumn;
    }
    parts.setValue("KOD_ZAKAZ", 41);
    parts.setValue("NAMETIP", QString::fromUtf8("Обложка"));
    parts.post();

    fb::Statement stored(transaction, "select KOD, NAMETIP, VSTR, KOLPREDREZ from ZAKPRINT");
    stored.execute();
    EXPECT_EQ(stored.value(0).toInt(), 1);
    EXPECT_EQ(stored.value(1).toString(), QString::fromUtf8("Обложка"));
    EXPECT_EQ(stored.value(2).toInt(), 4);
    EXPECT_EQ(stored.value(3).toInt(), 1);
}

TEST_F(DatasetTest, EditPostCancelAndRemoveGoThroughTheStandardStatements) {
    addClients(3);
    auto dataset = clients();
    dataset->open();
    dataset->moveTo(1);
    dataset->setValue("NOTE", QString::fromUtf8("постоянный"));
    EXPECT_EQ(dataset->state(), DatasetState::Edit);
    dataset->post();
    EXPECT_EQ(dataset->state(), DatasetState::Browse);

    dataset->setValue("NOTE", QString::fromUtf8("передумал"));
    dataset->cancel();
    EXPECT_EQ(dataset->asString("NOTE"), QString::fromUtf8("постоянный"));

    dataset->insert();
    EXPECT_EQ(dataset->currentRow(), 1);
    dataset->cancel();
    EXPECT_EQ(dataset->fetchedCount(), 3);
    EXPECT_EQ(dataset->asInt("KOD"), 2);

    dataset->remove();
    EXPECT_EQ(dataset->fetchedCount(), 2);
    EXPECT_EQ(dataset->asInt("KOD"), 3);

    fb::Statement check(transaction, "select list(KOD || ':' || coalesce(NOTE, '-')) from KLIENT");
    check.execute();
    EXPECT_EQ(QString::fromUtf8(check.value(0).toByteArray()), QString::fromUtf8("1:-,3:-"));
    dataset->reopen();
    EXPECT_TRUE(dataset->locate("KOD", 1));
    EXPECT_FALSE(dataset->locate("KOD", 2));
}

TEST_F(DatasetTest, MovingAwayPostsThePendingEdit) {
    addClients(2);
    auto dataset = clients();
    dataset->open();
    dataset->setValue("TEL", "123-45-67");
    dataset->next();
    dataset->reopen();
    dataset->first();
    EXPECT_EQ(dataset->asString("TEL"), "123-45-67");
}

TEST_F(DatasetTest, RefusesWhatItCannotDo) {
    addClients(1);
    Dataset readOnly("DSetTipMater", transaction);
    readOnly.setSelectSql("select * from KLIENT");
    readOnly.open();
    EXPECT_THROW(readOnly.edit(), DatasetError);
    EXPECT_THROW(readOnly.setValue("NAME", "x"), DatasetError);
    EXPECT_THROW(readOnly.remove(), DatasetError);
    EXPECT_EQ(readOnly.state(), DatasetState::Browse);

    auto dataset = clients("select * from KLIENT where KOD = 0");
    dataset->open();
    EXPECT_THROW(dataset->remove(), DatasetError);

    Dataset orders("DSetZakaz", transaction);
    orders.setSelectSql("select * from ZAKAZ");
    orders.setUpdateTable(zel::schema::table("ZAKAZ"), "ZAKAZ_KOD_GEN");
    orders.open();
    orders.append();
    EXPECT_THROW(orders.setValue("TIRAZ", "тысяча"), DatasetError);
    orders.setValue("TIRAZ", "1000");
    orders.setValue("KURS", "92,5");
    EXPECT_EQ(orders.value("TIRAZ"), QVariant(1000));
    EXPECT_EQ(orders.value("KURS"), QVariant(92.5));
}

TEST_F(DatasetTest, ADetailFollowsItsMasterAndClosesWithIt) {
    // Keys well past the generator, which hands the next new machine 1.
    execute("insert into MACHINE (KOD, TIP, NAME) values (101, 0, 'GTO')");
    execute("insert into MACHINE (KOD, TIP, NAME) values (102, 0, 'SM 74')");
    execute("insert into TIPPECH (KOD, KOD_MACH, NAME) values (1, 101, 'Быстрый')");
    execute("insert into TIPPECH (KOD, KOD_MACH, NAME) values (2, 102, 'Обычный')");
    execute("insert into TIPPECH (KOD, KOD_MACH, NAME) values (3, 102, 'Точный')");
    Dataset machines("DSetMach", transaction);
    machines.setSelectSql("select * from MACHINE where tip=0 order by KOD");
    machines.setUpdateTable(zel::schema::table("MACHINE"), "MACHINE_KOD_GEN");
    Dataset modes("DSetTipPech", transaction);
    modes.setSelectSql("select * from TIPPECH where kod_mach=:kod order by name");
    modes.setMaster(&machines);
    machines.open();
    modes.open();
    EXPECT_EQ(modes.recordCount(), 1);
    machines.next();
    EXPECT_EQ(modes.recordCount(), 2);
    EXPECT_EQ(modes.asString("NAME"), QString::fromUtf8("Обычный"));

    // A new master row has its key at once, so its details are empty and can link to it.
    machines.append();
    EXPECT_TRUE(modes.isActive());
    EXPECT_TRUE(modes.isEmpty());
    machines.cancel();

    machines.close();
    EXPECT_FALSE(modes.isActive());
}

TEST_F(DatasetTest, ComputedFieldsAreFilledOnReadAndOnChange) {
    execute("insert into DOPOSTPECH (KOD, KOLVO, CENA) values (1, 10, 2.5)");
    Dataset works("DSetZakPos", transaction);
    works.setSelectSql("select * from DOPOSTPECH");
    works.setUpdateTable(zel::schema::table("DOPOSTPECH"), "DOPOSTPECH_KOD_GEN");
    works.setComputedFields({"TOTAL"}, [](Dataset::RowAccess& row) {
        row.setValue("TOTAL", row.asInt("KOLVO") * row.asDouble("CENA"));
    });
    QSignalSpy changed(&works, &Dataset::rowChanged);
    works.open();
    EXPECT_TRUE(works.isComputed("TOTAL"));
    EXPECT_EQ(works.asDouble("TOTAL"), 25.0);
    works.setValue("KOLVO", 4);
    EXPECT_EQ(works.asDouble("TOTAL"), 10.0);
    EXPECT_EQ(changed.count(), 1);
    works.post();  // the computed field is not a column: the post writes only the table's columns
    works.reopen();
    EXPECT_EQ(works.asDouble("TOTAL"), 10.0);
}

TEST_F(DatasetTest, ALockConflictOnPostKeepsTheRowInEditState) {
    addClients(1);
    transaction.commit();
    transaction.start();
    fb::Connection other;
    other.attach(database.path());
    fb::Transaction otherTransaction(other);
    otherTransaction.start();
    fb::Statement(otherTransaction, "update KLIENT set NAME = 'Другая станция' where KOD = 1")
        .execute();

    auto dataset = clients();
    dataset->open();
    dataset->setValue("NAME", QString::fromUtf8("Моя правка"));
    try {
        dataset->post();
        FAIL() << "posted over another workstation's uncommitted change";
    } catch (const fb::Error& error) {
        EXPECT_TRUE(error.text().contains("update conflicts with concurrent update"))
            << error.what();
    }
    EXPECT_EQ(dataset->state(), DatasetState::Edit);
    EXPECT_EQ(dataset->asString("NAME"), QString::fromUtf8("Моя правка"));
}

}  // namespace
