#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/fb/statement.h"
#include "main/frm_obsh.h"
#include "support/temp_database.h"
#include "ui/scripted_dialogs.h"
#include "ui/typing.h"

namespace {

using zel::ui::Answer;

class SettingsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dm.connectTo(database.path());
        dm.transaction().start();
        fb::Statement(dm.transaction(),
                      QString::fromUtf8("update OBSH set NAMEORG = 'Типография', INN = '7701', "
                                        "DIRECT = 'Орлов', OSNVAL = 'руб.', DOPVAL = '$', "
                                        "NDS = 20, SOCOTCH = 30.2, ENRGCOST = 5.5"))
            .execute();
    }

    // The main window's wrapper: refresh cycle, the row into edit mode, the window.
    void openWindow() {
        dm.refresh(QVariant());
        dm.DSetObsh->edit();
        settings.show();
    }
    // ...and the refresh cycle after it, which commits.
    void afterWindow() { dm.refresh(QVariant()); }

    QVariant stored(const char* column) {
        fb::Statement select(dm.transaction(), QStringLiteral("select %1 from OBSH").arg(column));
        select.execute();
        return select.value(0);
    }
    QLineEdit* edit(const char* name) { return settings.findChild<QLineEdit*>(name); }
    void click(const char* name) {
        QTest::mouseClick(settings.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void retype(const char* name, const QString& text) {
        edit(name)->selectAll();
        zel::testing::typeText(edit(name), text);
    }
    const QLabel* picture() { return settings.findChild<QLabel*>("imgEmblem"); }
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray pngBytes() {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    zel::testing::TempDatabase database;
    QTemporaryDir files;
    zelvan::TDM dm;
    zel::ui::ScriptedDialogs dialogs;
    zelvan::TfrmObsh settings{dm};
};

TEST_F(SettingsWindowTest, FieldsShowTheSettingsRowAndClosePostsTheEdits) {
    openWindow();
    const std::pair<const char*, const char*> shown[] = {
        {"edNameOrg", "Типография"}, {"edINN", "7701"},  {"DBEdit1", "Орлов"},
        {"DBEdit4", "руб."},         {"DBEdit3", "$"},   {"DBEdit2", "20"},
        {"DBEdit5", "30.2"},         {"DBEdit6", "5.5"},
    };
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(edit(name)->text(), QString::fromUtf8(text)) << name;
    }

    retype("edNameOrg", QString::fromUtf8("Печатный двор"));
    retype("DBEdit3", QString::fromUtf8("EUR"));
    retype("DBEdit2", "18");
    retype("DBEdit6", "6.25");
    click("btnOk");
    EXPECT_FALSE(settings.isVisible());
    afterWindow();

    EXPECT_EQ(stored("NAMEORG").toString(), QString::fromUtf8("Печатный двор"));
    EXPECT_EQ(stored("DOPVAL").toString(), QString("EUR"));
    EXPECT_DOUBLE_EQ(stored("NDS").toDouble(), 18.0);
    EXPECT_DOUBLE_EQ(stored("ENRGCOST").toDouble(), 6.25);
    EXPECT_EQ(stored("DIRECT").toString(), QString::fromUtf8("Орлов"));
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(SettingsWindowTest, CancelLeavesTheStoredValuesAndTheWindowShowsThemAgain) {
    openWindow();
    retype("DBEdit2", "10");
    retype("DBEdit4", QString::fromUtf8("грн"));
    click("btnCancel");
    EXPECT_FALSE(settings.isVisible());
    afterWindow();

    EXPECT_DOUBLE_EQ(stored("NDS").toDouble(), 20.0);
    EXPECT_EQ(stored("OSNVAL").toString(), QString::fromUtf8("руб."));
    EXPECT_DOUBLE_EQ(dm.DSetObsh->asDouble("NDS"), 20.0);
    openWindow();
    EXPECT_EQ(edit("DBEdit2")->text(), QString("20"));
    EXPECT_EQ(edit("DBEdit4")->text(), QString::fromUtf8("руб."));
}

TEST_F(SettingsWindowTest, TextFieldsTakeNoMoreThanTheirColumnsAndNumberFieldsOnlyNumbers) {
    openWindow();
    retype("DBEdit4", "ABCDEFGHIJKL");
    retype("DBEdit3", "abcdefghijkl");
    EXPECT_EQ(dm.DSetObsh->asString("OSNVAL"), QString("ABCDEFGHIJ"));
    EXPECT_EQ(dm.DSetObsh->asString("DOPVAL"), QString("abcdefghij"));
    retype("DBEdit5", "x1y2");
    EXPECT_EQ(edit("DBEdit5")->text(), QString("12"));
    EXPECT_DOUBLE_EQ(dm.DSetObsh->asDouble("SOCOTCH"), 12.0);
}

TEST_F(SettingsWindowTest, LoadingAnEmblemStoresTheFilesBytesUnchanged) {
    openWindow();
    EXPECT_TRUE(picture()->pixmap().isNull());
    const QByteArray png = pngBytes();
    dialogs.chooseFileNext(writeFile("logo.png", png));
    click("bntLoad");

    ASSERT_EQ(dialogs.fileRequests().size(), 1);
    EXPECT_EQ(dialogs.fileRequests().first().filter,
              QString("Bitmap File (*.bmp);;Icon File(*.ico);;JPEG Bitmaps (*.jpg);;"
                      "Windows Metafile (*.wmf)"));
    EXPECT_EQ(dm.DSetObsh->value("EMBL").toByteArray(), png);
    EXPECT_EQ(picture()->pixmap().size(), QSize(8, 6));
    click("btnOk");
    afterWindow();
    EXPECT_EQ(stored("EMBL").toByteArray(), png);

    // Bytes no picture format knows are stored all the same and show an empty picture.
    QByteArray odd("\x00\x01not a picture\xff", 16);
    openWindow();
    dialogs.chooseFileNext(writeFile("logo.wmf", odd));
    QTest::mouseClick(const_cast<QLabel*>(picture()), Qt::LeftButton);
    EXPECT_TRUE(picture()->pixmap().isNull());
    click("btnOk");
    afterWindow();
    EXPECT_EQ(stored("EMBL").toByteArray(), odd);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(SettingsWindowTest, NoFileChosenChangesNothing) {
    fb::Statement update(dm.transaction(), "update OBSH set EMBL = :EMBL");
    update.setParameter("EMBL", pngBytes());
    update.execute();
    openWindow();
    click("bntLoad");
    EXPECT_EQ(dm.DSetObsh->value("EMBL").toByteArray(), pngBytes());
    EXPECT_FALSE(picture()->pixmap().isNull());
}

TEST_F(SettingsWindowTest, ClearingTheEmblemAsksFirstAndCancelBringsItBack) {
    fb::Statement update(dm.transaction(), "update OBSH set EMBL = :EMBL");
    update.setParameter("EMBL", pngBytes());
    update.execute();
    openWindow();
    ASSERT_FALSE(picture()->pixmap().isNull());

    dialogs.answerNext(Answer::No);
    click("btnClear");
    ASSERT_EQ(dialogs.texts(), QStringList({QString::fromUtf8("Вы уверены?")}));
    EXPECT_EQ(dialogs.requests().first().buttons, QVector<Answer>({Answer::Yes, Answer::No}));
    EXPECT_FALSE(picture()->pixmap().isNull());

    dialogs.answerNext(Answer::Yes);
    click("btnClear");
    EXPECT_TRUE(picture()->pixmap().isNull());
    EXPECT_FALSE(dm.DSetObsh->value("EMBL").isValid());

    click("btnCancel");
    afterWindow();
    EXPECT_EQ(stored("EMBL").toByteArray(), pngBytes());

    openWindow();
    EXPECT_FALSE(picture()->pixmap().isNull());
    dialogs.answerNext(Answer::Yes);
    click("btnClear");
    click("btnOk");
    afterWindow();
    EXPECT_FALSE(stored("EMBL").isValid());
}

}  // namespace
