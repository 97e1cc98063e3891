#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "core/fb/error.h"
#include "typing.h"
#include "ui/db_actions.h"
#include "ui/db_grid.h"
#include "ui/field_link.h"
#include "ui/scripted_dialogs.h"
#include "ui_database.h"

namespace {

using zel::Dataset;
using zel::DatasetState;
using zel::ui::DialogKind;

// Two clients committed; a second attachment to the same database file plays another
// workstation.
class LockConflictTest : public zel::testing::UiDatabaseTest {
  protected:
    void SetUp() override {
        UiDatabaseTest::SetUp();
        execute("insert into KLIENT (KOD, NAME) values (1, 'Старое имя')");
        execute("insert into KLIENT (KOD, NAME) values (2, 'Второй')");
        transaction.commit();
        transaction.start();
        clients = tableDataset("KLIENT", "select * from KLIENT order by KOD");
        clients->open();
        other.attach(database.path());
        otherTransaction.start();
    }

    // The other workstation changes the first client and keeps its transaction open.
    void otherWorkstationUpdatesFirstClient() {
        fb::Statement(otherTransaction, "update KLIENT set NAME = 'Чужое' where KOD = 1").execute();
    }

    bool reportedConflict() const {
        return dialogs.requests().size() == 1 &&
               dialogs.requests().first().kind == DialogKind::Error &&
               dialogs.texts().first().contains("update conflicts with concurrent update");
    }

    std::unique_ptr<Dataset> clients;
    fb::Connection other;
    fb::Transaction otherTransaction{other};
    zel::ui::ScriptedDialogs dialogs;
    QWidget window;
};

TEST_F(LockConflictTest, AFailedPostShowsTheServersTextAndKeepsTheUsersEdit) {
    auto* name = new QLineEdit(&window);
    zel::ui::bindLineEdit(name, *clients, "NAME");
    window.show();
    name->selectAll();
    zel::testing::typeText(name, QString::fromUtf8("Моё имя"));
    otherWorkstationUpdatesFirstClient();

    EXPECT_FALSE(zel::ui::postOrShowError(&window, *clients));
    EXPECT_TRUE(reportedConflict()) << dialogs.texts().join("|").toStdString();
    EXPECT_EQ(clients->state(), DatasetState::Edit);
    EXPECT_EQ(clients->asString("NAME"), QString::fromUtf8("Моё имя"));
    EXPECT_EQ(name->text(), QString::fromUtf8("Моё имя"));

    // Once the other workstation gives up, the same edit posts.
    otherTransaction.rollback();
    EXPECT_TRUE(zel::ui::postOrShowError(&window, *clients));
    EXPECT_EQ(clients->state(), DatasetState::Browse);
    EXPECT_EQ(selectValue("select NAME from KLIENT where KOD = 1").toString(),
              QString::fromUtf8("Моё имя"));
    EXPECT_EQ(dialogs.requests().size(), 1);
}

TEST_F(LockConflictTest, LeavingAGridRowWhosePostFailsStaysOnTheRow) {
    zel::ui::DbGrid grid(&window);
    grid.setDataset(clients.get());
    grid.setColumns({{"NAME", "Наименование"}});
    grid.setEditable(true);
    grid.resize(300, 200);
    window.resize(300, 200);
    window.show();
    QApplication::processEvents();
    ASSERT_TRUE(grid.model()->setData(grid.model()->index(0, 0), QString::fromUtf8("Моё имя")));
    otherWorkstationUpdatesFirstClient();

    const QRect second = grid.visualRect(grid.model()->index(1, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QApplication::processEvents();
    EXPECT_TRUE(reportedConflict()) << dialogs.texts().join("|").toStdString();
    EXPECT_EQ(clients->currentRow(), 0);
    EXPECT_EQ(clients->state(), DatasetState::Edit);
    EXPECT_EQ(clients->asString("NAME"), QString::fromUtf8("Моё имя"));
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(grid.selectedRows(), QList<int>({0}));
}

}  // namespace
