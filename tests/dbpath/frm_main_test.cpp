#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "dbpath/frm_main.h"
#include "support/temp_database.h"
#include "ui/radio_group.h"
#include "ui/scripted_dialogs.h"

namespace {

using zel::dbpath::TfrmMain;
using zel::ui::Answer;
using zel::ui::ScriptedDialogs;

class ZelbaseTest : public ::testing::Test {
  protected:
    void writeCfg(const QByteArray& bytes) {
        QFile file(dir.filePath("root.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray cfgBytes() const {
        QFile file(dir.filePath("root.cfg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    std::unique_ptr<TfrmMain> open() {
        auto window = std::make_unique<TfrmMain>(dir.path());
        window->show();
        return window;
    }
    static zel::ui::RadioGroup* kind(TfrmMain& w) {
        return w.findChild<zel::ui::RadioGroup*>("RadioGroup1");
    }
    static QLineEdit* edit(TfrmMain& w, const char* name) { return w.findChild<QLineEdit*>(name); }
    static QPushButton* button(TfrmMain& w, const char* name) {
        return w.findChild<QPushButton*>(name);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

TEST_F(ZelbaseTest, ShowsARemoteLocationWithoutTheColon) {
    writeCfg("db-server:\r\n/srv/zelvan.gdb\r\n1491\r\n");
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Путь к БД"));
    EXPECT_EQ(kind(*w)->itemIndex(), TfrmMain::kRemote);
    EXPECT_EQ(edit(*w, "Edit1")->text(), "db-server");
    EXPECT_TRUE(edit(*w, "Edit1")->isEnabled());
    EXPECT_EQ(edit(*w, "Edit2")->text(), "/srv/zelvan.gdb");
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(ZelbaseTest, DropsTheLastCharacterOfLineOneWhateverItIs) {
    writeCfg("server\r\n/p.gdb\r\n");
    auto w = open();
    EXPECT_EQ(edit(*w, "Edit1")->text(), "serve");
}

TEST_F(ZelbaseTest, LocalLocationDisablesTheServerField) {
    writeCfg("\r\n/srv/zelvan.gdb\r\n");
    auto w = open();
    EXPECT_EQ(kind(*w)->itemIndex(), TfrmMain::kLocal);
    EXPECT_FALSE(edit(*w, "Edit1")->isEnabled());
    kind(*w)->setItemIndex(TfrmMain::kRemote);
    EXPECT_TRUE(edit(*w, "Edit1")->isEnabled());
}

TEST_F(ZelbaseTest, MissingFileIsReportedAndTheWindowOpensEmptyAndLocal) {
    auto w = open();
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().kind, zel::ui::DialogKind::Error);
    EXPECT_TRUE(dialogs.texts().first().contains("root.cfg"));
    EXPECT_EQ(kind(*w)->itemIndex(), TfrmMain::kLocal);
    EXPECT_TRUE(edit(*w, "Edit1")->text().isEmpty());
    EXPECT_TRUE(edit(*w, "Edit2")->text().isEmpty());
}

TEST_F(ZelbaseTest, OkWritesExactlyTwoLinesAndDropsTheMarker) {
    writeCfg("old:\r\n/old.gdb\r\n1491\r\n");
    auto w = open();
    edit(*w, "Edit1")->setText("new-host");
    edit(*w, "Edit2")->setText(QString::fromUtf8("/базы/новая.gdb"));
    button(*w, "Button1")->click();
    EXPECT_EQ(cfgBytes(),
              QByteArray("new-host:\r\n/\xE1\xE0\xE7\xFB/\xED\xEE\xE2\xE0\xFF.gdb\r\n"));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ZelbaseTest, SavingUnchangedWritesTheSameLineOneBack) {
    writeCfg("srv:\r\n/p.gdb\r\n1491\r\n");
    auto w = open();
    button(*w, "Button1")->click();
    EXPECT_EQ(cfgBytes(), QByteArray("srv:\r\n/p.gdb\r\n"));
}

TEST_F(ZelbaseTest, LocalOkWritesAnEmptyLineOneEvenWithServerText) {
    writeCfg("srv:\r\n/p.gdb\r\n");
    auto w = open();
    kind(*w)->setItemIndex(TfrmMain::kLocal);
    button(*w, "Button1")->click();
    EXPECT_EQ(cfgBytes(), QByteArray("\r\n/p.gdb\r\n"));
}

TEST_F(ZelbaseTest, OkWithTheFileGoneReportsItWritesNothingAndStays) {
    writeCfg("\r\n/p.gdb\r\n");
    auto w = open();
    QFile::remove(dir.filePath("root.cfg"));
    button(*w, "Button1")->click();
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().kind, zel::ui::DialogKind::Error);
    EXPECT_FALSE(QFile::exists(dir.filePath("root.cfg")));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ZelbaseTest, CancelClosesWithoutWriting) {
    writeCfg("srv:\r\n/p.gdb\r\n1491\r\n");
    auto w = open();
    edit(*w, "Edit2")->setText("/other.gdb");
    button(*w, "Button2")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(cfgBytes(), QByteArray("srv:\r\n/p.gdb\r\n1491\r\n"));
}

TEST_F(ZelbaseTest, BrowsingOffersGdbAndFdbAndCancelKeepsThePath) {
    writeCfg("\r\n/p.gdb\r\n");
    auto w = open();
    button(*w, "Button4")->click();
    ASSERT_EQ(dialogs.fileRequests().size(), 1);
    EXPECT_TRUE(dialogs.fileRequests().first().filter.contains("*.gdb"));
    EXPECT_TRUE(dialogs.fileRequests().first().filter.contains("*.fdb"));
    EXPECT_EQ(edit(*w, "Edit2")->text(), "/p.gdb");

    dialogs.chooseFileNext("/data/chosen.fdb");
    button(*w, "Button4")->click();
    EXPECT_EQ(edit(*w, "Edit2")->text(), "/data/chosen.fdb");
}

TEST_F(ZelbaseTest, TestReportsSuccessAndFailureFromTheTypedTextsOnly) {
    zel::testing::TempDatabase database;
    writeCfg("\r\n/nowhere/in/the/file.gdb\r\n");
    auto w = open();
    edit(*w, "Edit2")->setText(database.path());
    button(*w, "Button3")->click();
    button(*w, "Button3")->click();  // the second test closes the first connection first
    EXPECT_EQ(dialogs.texts(), QStringList({QString::fromUtf8("Успешное соединение!!!"),
                                            QString::fromUtf8("Успешное соединение!!!")}));
    EXPECT_TRUE(w->isTestConnected());

    edit(*w, "Edit2")->setText(dir.filePath("absent.fdb"));
    button(*w, "Button3")->click();
    EXPECT_EQ(dialogs.texts().last(), QString::fromUtf8("Нет соеденения с БД!!!"));
    EXPECT_FALSE(w->isTestConnected());
    EXPECT_EQ(cfgBytes(), QByteArray("\r\n/nowhere/in/the/file.gdb\r\n"));
}

}  // namespace
