#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include "core/fb/connection.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "main/dm.h"
#include "main/frm_main.h"
#include "main/startup.h"
#include "orders/frm_zakaz.h"
#include "reports/scripted_preview.h"
#include "support/temp_database.h"
#include "ui/db_grid.h"
#include "ui/radio_group.h"
#include "ui/scripted_dialogs.h"

namespace {

using zelvan::TDM;
using zelvan::TfrmMain;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
        // Orders 1..3 of manager 2, order 4 of manager 3, order 5 without a manager;
        // order 6 is an estimate of manager 2.
        for (const char* row : {"(1, 0, '2026-12-03 10:00:00', 'Б', 2, 300)",
                                "(2, 0, '2026-12-01 10:00:00', 'В', 2, 100)",
                                "(3, 0, '2026-12-02 10:00:00', 'А', 2, 200)",
                                "(4, 0, '2026-12-04 10:00:00', 'Г', 3, 400)",
                                "(5, 0, '2026-12-05 10:00:00', 'Д', 0, 500)",
                                "(6, 1, '2026-12-06 10:00:00', 'Е', 2, 600)"}) {
            fb::Statement(
                dm.transaction(),
                QStringLiteral(
                    "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEORG, KODMANAGER, STOIM) "
                    "values %1")
                    .arg(QString::fromUtf8(row)))
                .execute();
        }
        dm.transaction().commit();
        dm.transaction().start();
        session.startFolder = folder.path();
        writeCfg("\r\n" + database.path().toUtf8() + "\r\n");
    }

    void writeCfg(const QByteArray& bytes) {
        QFile file(folder.filePath("root.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray cfgBytes() const {
        QFile file(folder.filePath("root.cfg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TfrmMain> login(int role, int kodUser) {
        session.user = {role, kodUser, QStringLiteral("Тест")};
        auto window =
            std::make_unique<TfrmMain>(dm, session, zel::DatabaseLocation{"", database.path()});
        window->showAfterLogin();
        return window;
    }

    QList<int> listedKeys() {
        QList<int> keys;
        const int rows = dm.DSetZakaz->recordCount();
        for (int row = 0; row < rows; ++row) {
            keys.append(dm.DSetZakaz->valueAt(row, "KOD").toInt());
        }
        return keys;
    }

    static bool visible(TfrmMain& window, const char* action) {
        return window.action(action)->isVisible();
    }
    static bool enabled(TfrmMain& window, const char* action) {
        return window.action(action)->isEnabled();
    }

    zel::testing::TempDatabase database;
    QTemporaryDir folder;
    TDM dm;
    zelvan::Session session;
    zel::ui::ScriptedDialogs dialogs;
};

TEST_F(MainWindowTest, ListsFollowTheManagerCondition) {
    auto admin = login(zelvan::kAdministrator, 1);
    EXPECT_EQ(dm.DSetZakaz->selectSql(),
              "select * from ZAKAZ where kod_archiv=0 and kodmanager<>0 order by data");
    EXPECT_EQ(listedKeys(), QList<int>({2, 3, 1, 4}));  // by date; order 5 has no manager

    session.listIndex = 1;
    admin->rebuildList();
    EXPECT_EQ(listedKeys(), QList<int>({6}));

    auto manager = login(zelvan::kManager, 3);
    session.listIndex = 0;
    manager->rebuildList();
    EXPECT_EQ(dm.DSetZakaz->selectSql(),
              "select * from ZAKAZ where kod_archiv=0 and kodmanager=3 order by data");
    EXPECT_EQ(listedKeys(), QList<int>({4}));
    session.listIndex = 1;
    manager->rebuildList();
    EXPECT_TRUE(dm.DSetZakaz->isEmpty());

    auto technologist = login(zelvan::kTechnologist, 4);
    session.listIndex = 0;
    technologist->rebuildList();
    EXPECT_EQ(listedKeys(), QList<int>({2, 3, 1, 4}));
}

TEST_F(MainWindowTest, TitleClicksSortUntilTheNextRebuildAndKeepTheCurrentOrder) {
    auto window = login(zelvan::kAdministrator, 1);
    ASSERT_TRUE(dm.DSetZakaz->locate("KOD", 1));
    auto* grid = window->findChild<zel::ui::DbGrid*>("dbgrZakaz");
    ASSERT_NE(grid, nullptr);
    emit grid->titleClicked("NAMEORG");
    EXPECT_EQ(listedKeys(), QList<int>({3, 1, 2, 4}));
    EXPECT_EQ(dm.DSetZakaz->asInt("KOD"), 1);
    emit grid->titleClicked("STOIM");
    EXPECT_EQ(listedKeys(), QList<int>({2, 3, 1, 4}));
    window->action("Refresh")->trigger();
    EXPECT_TRUE(dm.DSetZakaz->selectSql().endsWith("order by data"));
    EXPECT_EQ(dm.DSetZakaz->asInt("KOD"), 1);
}

TEST_F(MainWindowTest, RoleRulesHideTheSettingsMenuAndTheOrderActions) {
    struct Case {
        int role;
        bool settings;
        bool orderActions;
    };
    for (const Case& c :
         {Case{zelvan::kAdministrator, true, true}, Case{zelvan::kManager, false, true},
          Case{zelvan::kTechnologist, false, false}}) {
        SCOPED_TRACE(c.role);
        auto window = login(c.role, 2);
        EXPECT_EQ(window->settingsMenu()->menuAction()->isVisible(), c.settings);
        for (const char* name : {"AddZakaz", "EditZakaz", "DelZakaz", "Calc", "vArchiv"}) {
            EXPECT_EQ(visible(*window, name), c.orderActions) << name;
        }
        for (const char* name : {"See", "Sost", "Print", "Refresh", "ChUser", "Archiv", "Zapros"}) {
            EXPECT_TRUE(visible(*window, name)) << name;
        }
    }
}

TEST_F(MainWindowTest, ActionStateFollowsTheListAndItsContents) {
    auto window = login(zelvan::kManager, 3);
    EXPECT_TRUE(enabled(*window, "EditZakaz"));
    EXPECT_TRUE(visible(*window, "VRaschet"));
    EXPECT_FALSE(visible(*window, "VTekush"));
    EXPECT_FALSE(visible(*window, "CopyZakaz"));

    window->findChild<zel::ui::RadioGroup*>("RadioGroup1")
        ->setItemIndex(1);  // estimates: none of manager 3
    EXPECT_EQ(session.listIndex, 1);
    for (const char* name :
         {"EditZakaz", "DelZakaz", "Calc", "See", "Sost", "vArchiv", "VTekush"}) {
        EXPECT_FALSE(enabled(*window, name)) << name;
    }
    EXPECT_TRUE(enabled(*window, "AddZakaz"));
    EXPECT_TRUE(visible(*window, "VTekush"));
    EXPECT_TRUE(visible(*window, "CopyZakaz"));
    EXPECT_FALSE(visible(*window, "VRaschet"));

    window->findChild<zel::ui::RadioGroup*>("RadioGroup1")->setItemIndex(0);
    EXPECT_TRUE(enabled(*window, "EditZakaz"));
    EXPECT_TRUE(visible(*window, "VRaschet"));
}

TEST_F(MainWindowTest, ATechnologistsDoubleClickStillOpensTheOrderCard) {
    auto window = login(zelvan::kTechnologist, 4);
    zelvan::TfrmZakaz card(dm, session, window.get());
    window->setDialogs({nullptr, &card, nullptr, nullptr, nullptr, nullptr});
    ASSERT_TRUE(dm.DSetZakaz->locate("KOD", 3));
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = card.isVisible();
        card.reject();
    });
    emit window->findChild<zel::ui::DbGrid*>("dbgrZakaz")->rowDoubleClicked();
    EXPECT_TRUE(shown);
    EXPECT_EQ(dm.DSetZakaz->asInt("KOD"), 3);
}

TEST_F(MainWindowTest, ClosingCommitsAndLeavesTheCleanShutdownMarker) {
    writeCfg("\r\n" + database.path().toUtf8() + "\r\n");
    auto window = login(zelvan::kAdministrator, 1);
    dm.DSetZakaz->setValue("NOTE", QStringLiteral("срочно"));
    dm.DSetZakaz->post();
    window->close();
    EXPECT_EQ(cfgBytes(), "\r\n" + database.path().toUtf8() + "\r\n1491\r\n");

    fb::Connection other;
    other.attach(database.path());
    fb::Transaction otherTransaction(other);
    otherTransaction.start();
    fb::Statement check(otherTransaction, "select count(*) from ZAKAZ where NOTE = 'срочно'");
    check.execute();
    EXPECT_EQ(check.value(0).toInt(), 1);
}

TEST_F(MainWindowTest, PrintShowsTheListShownInThePreview) {
    auto window = login(zelvan::kAdministrator, 1);
    zel::reports::ScriptedPreview preview;
    window->action("Print")->trigger();
    ASSERT_EQ(preview.documents().size(), 1);
    const QString text = preview.documents().first().toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Текущие заказы")));
    EXPECT_TRUE(text.contains(QStringLiteral("Всего заказов: 4")));
}

TEST(StartUp, AMissingConfigurationOrDatabaseEndsWithItsMessage) {
    QTemporaryDir folder;
    zel::ui::ScriptedDialogs dialogs;
    {
        TDM dm;
        EXPECT_FALSE(zelvan::connectDataModule(dm, folder.path()));
        ASSERT_EQ(dialogs.texts().size(), 1);
        EXPECT_TRUE(dialogs.texts().first().contains("root.cfg"));
    }
    {
        QFile file(folder.filePath("root.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\r\n" + folder.filePath("absent.fdb").toUtf8() + "\r\n");
        file.close();
        TDM dm;
        EXPECT_FALSE(zelvan::connectDataModule(dm, folder.path()));
        EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Ошибка связи с БД!!!"));
    }
    {
        QFile file(folder.filePath("root.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("host-only:");  // a single line: the connection string is line 1 alone
        file.close();
        TDM dm;
        EXPECT_FALSE(zelvan::connectDataModule(dm, folder.path()));
        EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Ошибка связи с БД!!!"));
    }
    zel::testing::TempDatabase database;
    QFile file(folder.filePath("root.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\r\n" + database.path().toUtf8() + "\r\n");
    file.close();
    TDM dm;
    const auto location = zelvan::connectDataModule(dm, folder.path());
    ASSERT_TRUE(location);
    EXPECT_EQ(location->path, database.path());
    EXPECT_TRUE(dm.DSetObsh->isActive());
}

}  // namespace
