#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "main/frm_add_edit_user.h"
#include "support/temp_database.h"
#include "ui/scripted_dialogs.h"
#include "ui/typing.h"

namespace {

using Mode = zelvan::TfrmAddEditUser::Mode;
using zel::DatasetState;
using zel::ui::DialogKind;

class UserEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
        execute(
            "insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) values (1, 'admin', "
            "'admin', 0)");
        execute(
            "insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) values (2, 'Иванова', "
            "'1111', 1)");
        execute("set generator USERS_KOD_USER_GEN to 2");
        // What the users window's opener does: a refresh cycle opening the role lists.
        dm.refresh(QVariant(), {dm.DSetAdmin, dm.DSetMan, dm.DSetTechn, dm.DSetUsers});
        window.show();
    }

    void execute(const char* sql) {
        fb::Statement(dm.transaction(), QString::fromUtf8(sql)).execute();
    }
    QVariant selectValue(const char* sql) {
        fb::Statement select(dm.transaction(), QString::fromUtf8(sql));
        select.execute();
        return select.value(0);
    }

    // Starts the editor in a mode and shows it, as the users window does.
    void start(Mode mode) {
        ASSERT_TRUE(editor.start(mode));
        editor.open();
    }
    QLineEdit* edit(const char* name) { return editor.findChild<QLineEdit*>(name); }
    QPushButton* ok() { return editor.findChild<QPushButton*>("BitBtn1"); }
    void retype(const char* name, const QString& text) {
        edit(name)->selectAll();
        if (text.isEmpty()) {
            edit(name)->del();
        }
        zel::testing::typeText(edit(name), text);
    }

    zel::testing::TempDatabase database;
    zelvan::TDM dm;
    zel::ui::ScriptedDialogs dialogs;
    QWidget window;
    zelvan::TfrmAddEditUser editor{dm, &window};
};

TEST_F(UserEditorTest, OkNeedsANameAndThePasswordTypedTwiceAlike) {
    struct Case {
        const char* name;
        const char* password;
        const char* confirmation;
        bool enabled;
    };
    const Case cases[] = {
        {"Соколов", "", "", true},  // no password at all
        {"Соколов", "abc", "abc", true},
        {"", "abc", "abc", false},
        {"", "", "", false},
        {"Соколов", "abc", "abC", false},  // letter case
        {"Соколов", "abc", "ab", false},
        {"Соколов", "abc", "abcd", false},
        {"Соколов", "", "x", false},
        {"Соколов", "abc", "", false},
    };
    start(Mode::AddMan);
    EXPECT_FALSE(ok()->isEnabled());
    for (const Case& each : cases) {
        SCOPED_TRACE(std::string(each.name) + "/" + each.password + "/" + each.confirmation);
        retype("DBEdit1", QString::fromUtf8(each.name));
        retype("DBEdit2", QString::fromUtf8(each.password));
        retype("Edit1", QString::fromUtf8(each.confirmation));
        EXPECT_EQ(ok()->isEnabled(), each.enabled);
    }
}

TEST_F(UserEditorTest, ThePasswordTakesTenCharactersSoALongerConfirmationNeverMatches) {
    start(Mode::AddTechn);
    retype("DBEdit1", QString::fromUtf8("Петров"));
    retype("DBEdit2", "12345678901");
    retype("Edit1", "12345678901");
    EXPECT_EQ(edit("DBEdit2")->text(), QString("1234567890"));
    EXPECT_EQ(dm.DSetTechn->asString("PASS_USER"), QString("1234567890"));
    EXPECT_FALSE(ok()->isEnabled());
    retype("DBEdit1", QString(40, QChar('n')));
    EXPECT_EQ(dm.DSetTechn->asString("NAME_USER").size(), 32);
}

TEST_F(UserEditorTest, AddingPostsANewUserOfTheGroupsRole) {
    start(Mode::AddTechn);
    EXPECT_EQ(dm.DSetTechn->state(), DatasetState::Insert);
    EXPECT_EQ(edit("DBEdit1")->text(), QString());
    EXPECT_EQ(edit("Edit1")->text(), QString());
    EXPECT_EQ(editor.focusWidget(), edit("DBEdit1"));

    zel::testing::typeText(edit("DBEdit1"), QString::fromUtf8("Петров"));
    zel::testing::typeText(edit("DBEdit2"), "3333");
    zel::testing::typeText(edit("Edit1"), "3333");
    QTest::mouseClick(ok(), Qt::LeftButton);

    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dm.DSetTechn->state(), DatasetState::Browse);
    EXPECT_EQ(selectValue("select count(*) from USERS where NAME_USER = 'Петров' and "
                          "PASS_USER = '3333' and TIP_USER = 2")
                  .toInt(),
              1);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(UserEditorTest, EditingStartsWithTheConfirmationFilledAndPostsTheChange) {
    start(Mode::EditMan);
    EXPECT_EQ(dm.DSetMan->state(), DatasetState::Edit);
    EXPECT_EQ(edit("DBEdit1")->text(), QString::fromUtf8("Иванова"));
    EXPECT_EQ(edit("DBEdit2")->text(), QString("1111"));
    EXPECT_EQ(edit("Edit1")->text(), QString("1111"));
    EXPECT_TRUE(ok()->isEnabled());

    retype("DBEdit2", "2222");
    EXPECT_FALSE(ok()->isEnabled());
    retype("Edit1", "2222");
    QTest::keyClick(edit("Edit1"), Qt::Key_Return);

    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(selectValue("select PASS_USER from USERS where KOD_USER = 2").toString(),
              QString("2222"));
    EXPECT_EQ(selectValue("select TIP_USER from USERS where KOD_USER = 2").toInt(), 1);
}

TEST_F(UserEditorTest, CancelDropsANewRowOrTheEdits) {
    start(Mode::AddAdmin);
    zel::testing::typeText(edit("DBEdit1"), QString::fromUtf8("Лишний"));
    QTest::mouseClick(editor.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dm.DSetAdmin->state(), DatasetState::Browse);
    EXPECT_EQ(dm.DSetAdmin->recordCount(), 1);

    start(Mode::EditAdmin);
    retype("DBEdit1", QString::fromUtf8("root"));
    QTest::keyClick(edit("DBEdit1"), Qt::Key_Escape);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dm.DSetAdmin->asString("NAME_USER"), QString("admin"));
    EXPECT_EQ(selectValue("select count(*) from USERS").toInt(), 2);
    EXPECT_EQ(selectValue("select NAME_USER from USERS where KOD_USER = 1").toString(),
              QString("admin"));
}

TEST_F(UserEditorTest, TheModeChoosesTheDatasetTheFieldsWriteTo) {
    start(Mode::EditAdmin);
    EXPECT_EQ(edit("DBEdit1")->text(), QString("admin"));
    editor.reject();

    start(Mode::EditMan);
    EXPECT_EQ(editor.dataset(), dm.DSetMan);
    EXPECT_EQ(edit("DBEdit1")->text(), QString::fromUtf8("Иванова"));
    retype("DBEdit1", QString::fromUtf8("Иванова-Петрова"));
    EXPECT_EQ(dm.DSetMan->asString("NAME_USER"), QString::fromUtf8("Иванова-Петрова"));
    EXPECT_EQ(dm.DSetAdmin->state(), DatasetState::Browse);
    EXPECT_EQ(dm.DSetAdmin->asString("NAME_USER"), QString("admin"));
    editor.reject();
}

TEST_F(UserEditorTest, EditingARoleWithoutUsersDoesNotStart) {
    EXPECT_FALSE(editor.start(Mode::EditTechn));
    EXPECT_EQ(dm.DSetTechn->state(), DatasetState::Browse);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(UserEditorTest, ALockConflictOnOkShowsTheServersTextAndKeepsTheEditOpen) {
    fb::Connection other;
    other.attach(database.path());
    fb::Transaction otherTransaction(other);
    otherTransaction.start();
    fb::Statement(otherTransaction, "update USERS set PASS_USER = 'z' where KOD_USER = 2")
        .execute();

    start(Mode::EditMan);
    retype("DBEdit2", "2222");
    retype("Edit1", "2222");
    QTest::mouseClick(ok(), Qt::LeftButton);

    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().kind, DialogKind::Error);
    EXPECT_TRUE(dialogs.texts().first().contains("conflict"))
        << dialogs.texts().first().toStdString();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(dm.DSetMan->state(), DatasetState::Edit);
    EXPECT_EQ(edit("DBEdit2")->text(), QString("2222"));

    // Once the other workstation lets go, the same OK goes through.
    otherTransaction.rollback();
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(selectValue("select PASS_USER from USERS where KOD_USER = 2").toString(),
              QString("2222"));
}

}  // namespace
