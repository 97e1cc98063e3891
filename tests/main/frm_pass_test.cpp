#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "core/fb/statement.h"
#include "core/root_cfg.h"
#include "main/frm_pass.h"
#include "support/temp_database.h"
#include "ui/scripted_dialogs.h"
#include "ui/typing.h"

namespace {

using zel::ui::Answer;
using zel::ui::DialogKind;
using zelvan::Session;
using zelvan::TDM;
using zelvan::TfrmPass;

const QString kGuardQuestion = QString::fromUtf8(
    "Программа Zelvan уже запущена или предыдущее завершение программы было аварийным. "
    "Нажмите Игнорировать, если требуется возобновление работы после аврийного завершения.");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// One workstation: its data module, its session and its hidden main window, started
// from the folder of the test database, whose root.cfg points at it.
struct Workstation {
    Workstation(const zel::testing::TempDatabase& database)
        : loggedIn(&login, &TfrmPass::loggedIn) {
        dm.connectTo(database.path());
        session.startFolder = database.folder();
        session.endProgram = [this] { ++programEnds; };
    }

    void type(const QString& name, const QString& password) {
        auto* edName = login.findChild<QLineEdit*>("edName_User");
        auto* edPass = login.findChild<QLineEdit*>("edPass_User");
        edName->clear();
        edPass->clear();
        zel::testing::typeText(edName, name);
        zel::testing::typeText(edPass, password);
    }
    void clickEnter() {
        QTest::mouseClick(login.findChild<QPushButton*>("btnEnter"), Qt::LeftButton);
    }
    QString name() const { return login.findChild<QLineEdit*>("edName_User")->text(); }
    QString password() const { return login.findChild<QLineEdit*>("edPass_User")->text(); }

    TDM dm;
    Session session;
    QWidget mainWindow;
    TfrmPass login{dm, session, &mainWindow};
    int programEnds = 0;
    QSignalSpy loggedIn;
};

class LoginTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fb::Connection connection;
        connection.attach(database.path());
        fb::Transaction transaction(connection);
        transaction.start();
        for (const char* sql : {"insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) "
                                "values (1, 'admin', 'admin', 0)",
                                "insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) "
                                "values (2, 'Иванова', '1111', 1)",
                                "insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) "
                                "values (3, 'Петров', null, 2)",
                                "insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) "
                                "values (4, '007', 'x', 1)",
                                "set generator USERS_KOD_USER_GEN to 4"}) {
            fb::Statement(transaction, QString::fromUtf8(sql)).execute();
        }
        transaction.commit();
        rootCfg.writeWithMarker(location);
        station = std::make_unique<Workstation>(database);
        station->login.showAtStartup();
    }

    zel::testing::TempDatabase database;
    zel::RootCfg rootCfg{database.folder()};
    const zel::DatabaseLocation location{QString(), database.path()};
    zel::ui::ScriptedDialogs dialogs;
    std::unique_ptr<Workstation> station;
};

TEST_F(LoginTest, StartUpDisablesTheMainWindowAndShowsTheLoginWithTheUsersOpen) {
    EXPECT_FALSE(station->mainWindow.isEnabled());
    EXPECT_FALSE(station->mainWindow.isVisible());
    EXPECT_TRUE(station->login.isVisible());
    EXPECT_FALSE(station->login.isModal());
    EXPECT_TRUE(station->dm.DSetUsers->isActive());
    EXPECT_EQ(station->login.windowTitle(), QString::fromUtf8("Введите имя пользователя и пароль"));
}

TEST_F(LoginTest, AFailedAttemptNamesWhatWasWrongAndClearsTheFieldsToRetype) {
    struct Case {
        const char* name;
        const char* password;
        const char* message;
        const char* nameAfter;
    };
    const QString wrongName = QString::fromUtf8("Не правильно введено имя пользователя.");
    const QString wrongPassword = QString::fromUtf8("Не правильно введен пароль.");
    const Case cases[] = {
        {"иванова", "1111", "name", ""},  // letter case of the name
        {"ADMIN", "admin", "name", ""},
        {"Иванова ", "1111", "name", ""},  // a trailing blank
        {"7", "x", "name", ""},            // "007" is a name, not the number 7
        {"", "", "name", ""},
        {"Иванова", "1112", "password", "Иванова"},
        {"admin", "Admin", "password", "admin"},  // letter case of the password
        {"Иванова", "1111 ", "password", "Иванова"},
        {"Петров", "x", "password", "Петров"},  // a user without a password
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(std::string(each.name) + " / " + each.password);
        const qsizetype asked = dialogs.requests().size();
        station->type(QString::fromUtf8(each.name), QString::fromUtf8(each.password));
        station->clickEnter();

        ASSERT_EQ(dialogs.requests().size(), asked + 1);
        EXPECT_EQ(dialogs.texts().last(),
                  std::string(each.message) == "name" ? wrongName : wrongPassword);
        EXPECT_EQ(station->name(), QString::fromUtf8(each.nameAfter));
        EXPECT_EQ(station->password(), QString());
        QLineEdit* focused = std::string(each.message) == "name"
                                 ? station->login.findChild<QLineEdit*>("edName_User")
                                 : station->login.findChild<QLineEdit*>("edPass_User");
        EXPECT_EQ(station->login.focusWidget(), focused);
        EXPECT_TRUE(station->login.isVisible());
        EXPECT_FALSE(station->mainWindow.isEnabled());
    }
    EXPECT_EQ(station->loggedIn.count(), 0);
    EXPECT_EQ(station->programEnds, 0);
    EXPECT_TRUE(rootCfg.read().hasMarker());
}

TEST_F(LoginTest, ALoginAfterACleanEndIsSilentRemembersTheUserAndRemovesTheMarker) {
    station->type(QString::fromUtf8("Иванова"), "1111");
    station->clickEnter();

    EXPECT_TRUE(dialogs.requests().isEmpty()) << dialogs.texts().join("|").toStdString();
    EXPECT_EQ(station->loggedIn.count(), 1);
    EXPECT_TRUE(station->mainWindow.isEnabled());
    EXPECT_FALSE(station->login.isVisible());
    EXPECT_EQ(station->session.user.role, zelvan::kManager);
    EXPECT_EQ(station->session.user.kodUser, 2);
    EXPECT_EQ(station->session.user.name, QString::fromUtf8("Иванова"));
    EXPECT_TRUE(station->dm.DSetObsh->isActive());
    EXPECT_TRUE(station->dm.transaction().inTransaction());

    const zel::RootCfgContent after = rootCfg.read();
    EXPECT_FALSE(after.hasMarker());
    EXPECT_EQ(after.location.server, QString());
    EXPECT_EQ(after.location.path, database.path());
    EXPECT_EQ(station->programEnds, 0);
}

TEST_F(LoginTest, AUserWithoutAPasswordLogsInWithAnEmptyField) {
    station->type(QString::fromUtf8("Петров"), "");
    station->clickEnter();
    EXPECT_EQ(station->loggedIn.count(), 1);
    EXPECT_EQ(station->session.user.role, zelvan::kTechnologist);
    EXPECT_EQ(station->session.user.kodUser, 3);
}

TEST_F(LoginTest, LoginCancelAndEscapeEndTheProgramWithoutTouchingRootCfg) {
    const QByteArray before = fileBytes(rootCfg.filePath());
    QTest::mouseClick(station->login.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    EXPECT_EQ(station->programEnds, 1);
    QTest::keyClick(station->login.findChild<QLineEdit*>("edName_User"), Qt::Key_Escape);
    EXPECT_EQ(station->programEnds, 2);
    EXPECT_EQ(fileBytes(rootCfg.filePath()), before);
    EXPECT_EQ(station->loggedIn.count(), 0);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(LoginTest, WithoutTheMarkerTheGuardAsksAndCancelEndsTheProgramLeavingRootCfgAsItWas) {
    rootCfg.writeWithoutMarker(location);
    const QByteArray before = fileBytes(rootCfg.filePath());
    dialogs.answerNext(Answer::Cancel);
    station->type("admin", "admin");
    station->clickEnter();

    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().kind, DialogKind::Confirmation);
    EXPECT_EQ(dialogs.requests().first().text, kGuardQuestion);
    EXPECT_EQ(dialogs.requests().first().buttons,
              QVector<Answer>({Answer::Cancel, Answer::Ignore}));
    EXPECT_EQ(station->programEnds, 1);
    EXPECT_EQ(station->loggedIn.count(), 0);
    EXPECT_FALSE(station->mainWindow.isEnabled());
    EXPECT_EQ(fileBytes(rootCfg.filePath()), before);
}

TEST_F(LoginTest, WithoutTheMarkerIgnoreGoesOnAndRewritesRootCfgWithoutIt) {
    // zelbase's save leaves exactly two lines.
    rootCfg.rewriteExisting(location);
    dialogs.answerNext(Answer::Ignore);
    station->type("admin", "admin");
    station->clickEnter();

    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().text, kGuardQuestion);
    EXPECT_EQ(station->programEnds, 0);
    EXPECT_EQ(station->loggedIn.count(), 1);
    EXPECT_TRUE(station->mainWindow.isEnabled());
    EXPECT_EQ(station->session.user.role, zelvan::kAdministrator);
    const zel::RootCfgContent after = rootCfg.read();
    EXPECT_FALSE(after.hasMarker());
    EXPECT_EQ(after.location.path, database.path());
}

TEST_F(LoginTest, ChangeOfUserLeavesTheMarkerAndOffersTheSameLoginAgainSilently) {
    station->type(QString::fromUtf8("Иванова"), "1111");
    station->clickEnter();
    ASSERT_EQ(station->loggedIn.count(), 1);
    station->mainWindow.show();
    ASSERT_FALSE(rootCfg.read().hasMarker());

    station->login.changeUser();

    EXPECT_FALSE(station->mainWindow.isVisible());
    EXPECT_TRUE(station->login.isVisible());
    EXPECT_TRUE(rootCfg.read().hasMarker());
    EXPECT_EQ(rootCfg.read().marker, QString("1491"));
    EXPECT_EQ(rootCfg.read().location.path, database.path());
    EXPECT_EQ(station->name(), QString::fromUtf8("Иванова"));
    EXPECT_EQ(station->password(), QString("1111"));
    EXPECT_TRUE(station->dm.DSetUsers->isActive());
    EXPECT_FALSE(station->dm.DSetObsh->isActive());

    // Enter logs the same user in again, and the guard finds the marker.
    QTest::keyClick(station->login.findChild<QLineEdit*>("edPass_User"), Qt::Key_Return);
    EXPECT_TRUE(dialogs.requests().isEmpty()) << dialogs.texts().join("|").toStdString();
    EXPECT_EQ(station->loggedIn.count(), 2);
    EXPECT_FALSE(rootCfg.read().hasMarker());
    EXPECT_EQ(station->session.user.kodUser, 2);
}

TEST_F(LoginTest, ChangeOfUserCommitsWhatWasPosted) {
    station->type("admin", "admin");
    station->clickEnter();
    zelvan::TDM& dm = station->dm;
    dm.DSetMan->open();
    dm.DSetMan->append();
    dm.DSetMan->setValue("NAME_USER", QString::fromUtf8("Новый"));
    dm.DSetMan->setValue("PASS_USER", "5");
    dm.DSetMan->post();

    station->login.changeUser();

    // Another workstation sees the new user: the work was committed.
    Workstation other(database);
    other.login.showAtStartup();
    other.type(QString::fromUtf8("Новый"), "5");
    other.clickEnter();
    EXPECT_EQ(other.loggedIn.count(), 1);
    EXPECT_EQ(other.session.user.role, zelvan::kManager);
}

TEST_F(LoginTest, ASecondCopyFromTheSameFolderIsAskedWhileTheFirstIsLoggedIn) {
    station->type("admin", "admin");
    station->clickEnter();
    ASSERT_EQ(station->loggedIn.count(), 1);

    Workstation second(database);
    second.login.showAtStartup();
    dialogs.answerNext(Answer::Cancel);
    second.type(QString::fromUtf8("Иванова"), "1111");
    second.clickEnter();
    EXPECT_EQ(dialogs.texts(), QStringList({kGuardQuestion}));
    EXPECT_EQ(second.programEnds, 1);
    EXPECT_EQ(second.loggedIn.count(), 0);
}

}  // namespace
