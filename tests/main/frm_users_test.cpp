#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/fb/statement.h"
#include "main/frm_users.h"
#include "support/temp_database.h"
#include "ui/db_grid.h"
#include "ui/scripted_dialogs.h"
#include "ui/typing.h"

namespace {

using zel::ui::Answer;
using zel::ui::DbGrid;
using zelvan::TfrmUsers;

class UsersWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
    }

    // Users of each role named by role and number: admin1, admin2, man1, techn1, ...
    void addUsers(int admins, int managers, int technologists) {
        const auto add = [this](const char* prefix, int count, int role) {
            for (int i = 1; i <= count; ++i) {
                fb::Statement(dm.transaction(),
                              QStringLiteral("insert into USERS (KOD_USER, NAME_USER, PASS_USER, "
                                             "TIP_USER) values (gen_id(USERS_KOD_USER_GEN, 1), "
                                             "'%1%2', 'p', %3)")
                                  .arg(prefix)
                                  .arg(i)
                                  .arg(role))
                    .execute();
            }
        };
        add("admin", admins, 0);
        add("man", managers, 1);
        add("techn", technologists, 2);
    }

    // The main window's wrapper: refresh cycle opening the role lists, then the window.
    void openWindow() {
        dm.refresh(QVariant(), {dm.DSetAdmin, dm.DSetMan, dm.DSetTechn, dm.DSetUsers});
        users.show();
        QApplication::processEvents();
    }

    QVariant selectValue(const QString& sql) {
        fb::Statement select(dm.transaction(), sql);
        select.execute();
        return select.value(0);
    }
    template <typename T>
    T* control(const char* name) {
        T* found = users.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool enabled(const char* name) { return control<QWidget>(name)->isEnabled(); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    zel::testing::TempDatabase database;
    zelvan::TDM dm;
    zelvan::Session session;
    zel::ui::ScriptedDialogs dialogs;
    TfrmUsers users{dm, session};
};

TEST_F(UsersWindowTest, ShowsEachRoleInItsGroupByName) {
    addUsers(2, 1, 1);
    openWindow();
    EXPECT_EQ(users.windowTitle(), QString::fromUtf8("Управление пользователями"));
    const auto names = [this](const char* gridName) {
        QStringList shown;
        auto* grid = control<DbGrid>(gridName);
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            shown.append(grid->model()->index(row, 0).data().toString());
        }
        EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(),
                  QString::fromUtf8("Имя пользователя"));
        return shown;
    };
    EXPECT_EQ(names("dbgrAdm"), QStringList({"admin1", "admin2"}));
    EXPECT_EQ(names("dbgrMan"), QStringList({"man1"}));
    EXPECT_EQ(names("dbgrTechn"), QStringList({"techn1"}));
}

TEST_F(UsersWindowTest, ButtonsFollowHowManyUsersEachRoleHas) {
    struct Case {
        int admins, managers, technologists;
        bool delAdmin, managerRows, technologistRows;
    };
    const Case cases[] = {
        {1, 0, 0, false, false, false},
        {2, 1, 0, true, true, false},
        {1, 0, 3, false, false, true},
        {3, 2, 2, true, true, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(testing::Message()
                     << each.admins << " " << each.managers << " " << each.technologists);
        users.hide();
        fb::Statement(dm.transaction(), "delete from USERS").execute();
        addUsers(each.admins, each.managers, each.technologists);
        openWindow();
        EXPECT_EQ(enabled("btnDelAdmin"), each.delAdmin);
        EXPECT_TRUE(enabled("btnAddAdmin"));
        EXPECT_TRUE(enabled("btnEditAdmin"));
        EXPECT_TRUE(enabled("dbgrAdm"));
        for (const char* name : {"dbgrMan", "btnEditMan", "btnDelMan"}) {
            EXPECT_EQ(enabled(name), each.managerRows) << name;
        }
        for (const char* name : {"dbgrTechn", "btnEditTechn", "btnDelTechn"}) {
            EXPECT_EQ(enabled(name), each.technologistRows) << name;
        }
        EXPECT_TRUE(enabled("btnAddMan"));
        EXPECT_TRUE(enabled("btnAddTechn"));
    }
}

TEST_F(UsersWindowTest, TheFirstManagerAddedEnablesTheManagersGridAndButtons) {
    addUsers(1, 0, 0);
    openWindow();
    ASSERT_FALSE(enabled("btnEditMan"));

    click("btnAddMan");
    zelvan::TfrmAddEditUser* editor = users.editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->mode(), zelvan::TfrmAddEditUser::Mode::AddMan);
    zel::testing::typeText(editor->findChild<QLineEdit*>("DBEdit1"), QString::fromUtf8("Смирнов"));
    zel::testing::typeText(editor->findChild<QLineEdit*>("DBEdit2"), "2222");
    zel::testing::typeText(editor->findChild<QLineEdit*>("Edit1"), "2222");
    QTest::mouseClick(editor->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);

    EXPECT_FALSE(editor->isVisible());
    for (const char* name : {"dbgrMan", "btnEditMan", "btnDelMan"}) {
        EXPECT_TRUE(enabled(name)) << name;
    }
    EXPECT_EQ(selectValue("select TIP_USER from USERS where NAME_USER = 'Смирнов'").toInt(), 1);
}

TEST_F(UsersWindowTest, DeleteAsksAndRemovesOnlyOnYes) {
    addUsers(2, 1, 0);
    openWindow();
    dm.DSetAdmin->locate("NAME_USER", "admin2");

    dialogs.answerNext(Answer::No);
    click("btnDelAdmin");
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().text,
              QString::fromUtf8("Вы действительно хотите удалить запись?"));
    EXPECT_EQ(dialogs.requests().first().buttons, QVector<Answer>({Answer::Yes, Answer::No}));
    EXPECT_EQ(dm.DSetAdmin->recordCount(), 2);
    EXPECT_TRUE(enabled("btnDelAdmin"));

    dialogs.answerNext(Answer::Yes);
    click("btnDelAdmin");
    EXPECT_EQ(dm.DSetAdmin->recordCount(), 1);
    EXPECT_EQ(selectValue("select count(*) from USERS where NAME_USER = 'admin2'").toInt(), 0);
    // The last administrator stays.
    EXPECT_FALSE(enabled("btnDelAdmin"));

    dialogs.answerNext(Answer::Yes);
    click("btnDelMan");
    EXPECT_EQ(selectValue("select count(*) from USERS where TIP_USER = 1").toInt(), 0);
    for (const char* name : {"dbgrMan", "btnEditMan", "btnDelMan"}) {
        EXPECT_FALSE(enabled(name)) << name;
    }
}

TEST_F(UsersWindowTest, ADoubleClickOnAUserEditsHim) {
    addUsers(1, 2, 0);
    openWindow();
    auto* grid = control<DbGrid>("dbgrMan");
    const QRect second = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second.center());

    zelvan::TfrmAddEditUser* editor = users.editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->mode(), zelvan::TfrmAddEditUser::Mode::EditMan);
    EXPECT_EQ(editor->findChild<QLineEdit*>("DBEdit1")->text(), QString("man2"));
    EXPECT_EQ(dm.DSetMan->state(), zel::DatasetState::Edit);
    editor->reject();
}

}  // namespace
