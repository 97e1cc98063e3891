#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QVariant>

#include "core/fb/statement.h"
#include "main/dm.h"
#include "main/session.h"
#include "support/temp_database.h"
#include "ui/scripted_dialogs.h"

namespace zelvan::testing {

// A fresh database with three users, two standard finished formats, clients and
// editions, the data module attached, and the windows' dialogs answered by a script.
class OrdersTest : public ::testing::Test {
  protected:
    static constexpr int kAdminKod = 1;
    static constexpr int kManagerKod = 2;
    static constexpr int kTechnologistKod = 3;

    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
        execute("insert into USERS (KOD_USER, NAME_USER, TIP_USER) values (1, 'admin', 0)");
        execute("insert into USERS (KOD_USER, NAME_USER, TIP_USER) values (2, 'Иванова', 1)");
        execute("insert into USERS (KOD_USER, NAME_USER, TIP_USER) values (3, 'Петров', 2)");
        execute("insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (1, 0, 'A4', 297, 210)");
        execute("insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (2, 0, 'A5', 210, 148)");
        execute(
            "insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (3, 1, 'Лист', 640, 450)");
        // The rows tests insert with keys of their own stay below the generators' keys.
        for (const char* generator :
             {"ZAKAZ_KOD_GEN", "ZAKPRINT_KOD_GEN", "KLIENT_KOD_GEN", "PRODUCT_KOD_GEN"}) {
            selectValue(QStringLiteral("select gen_id(%1, 1000) from rdb$database")
                            .arg(QString::fromLatin1(generator)));
        }
        commit();
        logIn(kAdministrator, kAdminKod, QStringLiteral("admin"));
    }

    void execute(const QString& sql) { fb::Statement(dm.transaction(), sql).execute(); }

    // A value read in the data module's transaction (so posted rows are seen).
    QVariant selectValue(const QString& sql) {
        fb::Statement select(dm.transaction(), sql);
        select.execute();
        return select.value(0);
    }

    void commit() {
        dm.transaction().commit();
        dm.transaction().start();
    }

    void logIn(int role, int kod, const QString& name) { session.user = {role, kod, name}; }

    // What the main window does before the order card: the refresh cycle on the list,
    // back to order `kod`, and the datasets the card needs.
    void openForCard(const QVariant& kod = QVariant()) {
        dm.DSetZakaz->setSelectSql(
            QStringLiteral("select * from ZAKAZ where kod_archiv=%1 order by data")
                .arg(session.listIndex));
        dm.refreshCycle({dm.DSetZakaz}, dm.DSetZakaz, kod);
        for (zel::Dataset* dataset :
             {dm.DSetGotIzd, dm.DSetUsers, dm.DSetClients, dm.DSetProduct}) {
            dataset->open();
        }
    }

    zel::testing::TempDatabase database;
    TDM dm;
    Session session;
    zel::ui::ScriptedDialogs dialogs;
};

}  // namespace zelvan::testing
