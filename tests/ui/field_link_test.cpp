#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "typing.h"
#include "ui/field_link.h"
#include "ui/radio_group.h"
#include "ui/scripted_dialogs.h"
#include "ui_database.h"

namespace {

using zel::Dataset;
using zel::DatasetState;
using zel::ui::RadioGroup;

// Two process cards with different values in every bound column.
class FieldLinkTest : public zel::testing::UiDatabaseTest {
  protected:
    void SetUp() override {
        UiDatabaseTest::SetUp();
        execute(
            "insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NAME, NOTE, ONESTOR, C1, DOLYA, "
            "KOLTIRAZ, KOLSTR, DATA1) values (1, 7, 2, 'Резка листов', 'строка 1', '1', 'Х', "
            "1, 1500.5, 4, '15.03.2024')");
        execute(
            "insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NAME, NOTE, ONESTOR, C1, DOLYA, "
            "KOLTIRAZ, KOLSTR, DATA1) values (2, 7, 0, 'Печать', null, '0', null, 0, "
            "null, null, null)");
        cards = tableDataset("ZAKPROC", "select * from ZAKPROC order by KOD");
    }

    QVariant stored(const char* column, int kod) {
        return selectValue(QStringLiteral("select %1 from ZAKPROC where KOD = %2")
                               .arg(QLatin1String(column))
                               .arg(kod));
    }

    std::unique_ptr<Dataset> cards;
    QWidget window;
    zel::ui::ScriptedDialogs dialogs;
};

TEST_F(FieldLinkTest, WidgetsShowTheCurrentRowAndFollowItsMoves) {
    auto* name = new QLineEdit(&window);
    auto* note = new QPlainTextEdit(&window);
    auto* oneSide = new QCheckBox(&window);
    auto* share = new QCheckBox(&window);
    auto* cyan = new QCheckBox(&window);
    auto* stage = new RadioGroup("Этап", {"0", "1", "2", "3"}, 2, &window);
    auto* start = new QDateEdit(&window);
    zel::ui::bindLineEdit(name, *cards, "NAME");
    zel::ui::bindPlainText(note, *cards, "NOTE");
    zel::ui::bindCheckBox(oneSide, *cards, "ONESTOR");
    zel::ui::bindCheckBox(share, *cards, "DOLYA");
    zel::ui::bindCheckBox(cyan, *cards, "C1", QString::fromUtf8("Х"), QVariant());
    zel::ui::bindRadioGroup(stage, *cards, "TIP");
    zel::ui::bindDateEdit(start, *cards, "DATA1");

    cards->open();
    EXPECT_EQ(name->text(), QString::fromUtf8("Резка листов"));
    EXPECT_EQ(note->toPlainText(), QString::fromUtf8("строка 1"));
    EXPECT_TRUE(oneSide->isChecked());
    EXPECT_TRUE(share->isChecked());
    EXPECT_TRUE(cyan->isChecked());
    EXPECT_EQ(stage->itemIndex(), 2);
    EXPECT_EQ(start->date(), QDate(2024, 3, 15));

    cards->next();
    EXPECT_EQ(name->text(), QString::fromUtf8("Печать"));
    EXPECT_TRUE(note->toPlainText().isEmpty());
    EXPECT_FALSE(oneSide->isChecked());
    EXPECT_FALSE(share->isChecked());
    EXPECT_FALSE(cyan->isChecked());
    EXPECT_EQ(stage->itemIndex(), 0);
    EXPECT_EQ(start->dateTime(), start->minimumDateTime());  // null shows blank
    EXPECT_EQ(start->text().trimmed(), QString());

    cards->close();
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_EQ(stage->itemIndex(), -1);
    EXPECT_EQ(cards->state(), DatasetState::Inactive);

    // Showing never writes: the dataset stays in browse state throughout.
    cards->open();
    EXPECT_EQ(name->text(), QString::fromUtf8("Резка листов"));
    EXPECT_EQ(cards->state(), DatasetState::Browse);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(FieldLinkTest, UserInputEditsTheRowAndIsPosted) {
    auto* name = new QLineEdit(&window);
    auto* note = new QPlainTextEdit(&window);
    auto* oneSide = new QCheckBox(&window);
    auto* share = new QCheckBox(&window);
    auto* cyan = new QCheckBox(&window);
    auto* stage = new RadioGroup("Этап", {"0", "1", "2", "3"}, 2, &window);
    auto* start = new QDateEdit(&window);
    cards->open();
    zel::ui::bindLineEdit(name, *cards, "NAME");
    zel::ui::bindPlainText(note, *cards, "NOTE");
    zel::ui::bindCheckBox(oneSide, *cards, "ONESTOR");
    zel::ui::bindCheckBox(share, *cards, "DOLYA");
    zel::ui::bindCheckBox(cyan, *cards, "C1", QString::fromUtf8("Х"), QVariant());
    zel::ui::bindRadioGroup(stage, *cards, "TIP");
    zel::ui::bindDateEdit(start, *cards, "DATA1");
    window.show();

    name->selectAll();
    zel::testing::typeText(name, QString::fromUtf8("Фальцовка"));
    EXPECT_EQ(cards->state(), DatasetState::Edit);
    EXPECT_EQ(cards->asString("NAME"), QString::fromUtf8("Фальцовка"));
    EXPECT_EQ(name->text(), QString::fromUtf8("Фальцовка"));

    note->moveCursor(QTextCursor::End);
    zel::testing::typeText(note, QString::fromUtf8(" и ещё"));
    oneSide->click();
    share->click();
    cyan->click();
    stage->findChildren<QRadioButton*>().at(3)->click();
    start->setDate(QDate(2024, 4, 1));
    EXPECT_EQ(cards->asString("ONESTOR"), "0");
    EXPECT_EQ(cards->value("DOLYA"), QVariant(0));
    EXPECT_FALSE(cards->value("C1").isValid());
    EXPECT_EQ(cards->asInt("TIP"), 3);

    cards->post();
    EXPECT_EQ(stored("NAME", 1).toString(), QString::fromUtf8("Фальцовка"));
    EXPECT_EQ(stored("NOTE", 1).toString(), QString::fromUtf8("строка 1 и ещё"));
    EXPECT_EQ(stored("ONESTOR", 1).toString(), "0");
    EXPECT_EQ(stored("DOLYA", 1).toInt(), 0);
    EXPECT_FALSE(stored("C1", 1).isValid());
    EXPECT_EQ(stored("TIP", 1).toInt(), 3);
    EXPECT_EQ(stored("DATA1", 1).toDateTime(), QDateTime(QDate(2024, 4, 1), QTime(0, 0)));

    // Ticking again stores the ticked values; clearing the date stores null.
    cards->next();
    oneSide->click();
    share->click();
    cyan->click();
    start->setDate(QDate(2024, 5, 2));
    start->setDateTime(start->minimumDateTime());
    cards->post();
    EXPECT_EQ(stored("ONESTOR", 2).toString(), "1");
    EXPECT_EQ(stored("DOLYA", 2).toInt(), 1);
    EXPECT_EQ(stored("C1", 2).toString(), QString::fromUtf8("Х"));
    EXPECT_FALSE(stored("DATA1", 2).isValid());
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(FieldLinkTest, NumberEditsRefuseLettersAndTakeACommaOrAPoint) {
    auto* run = new QLineEdit(&window);    // KOLTIRAZ, fractional
    auto* pages = new QLineEdit(&window);  // KOLSTR, whole
    auto* name = new QLineEdit(&window);
    zel::ui::bindLineEdit(run, *cards, "KOLTIRAZ");  // bound while closed: the type comes
    zel::ui::bindLineEdit(pages, *cards, "KOLSTR");  // with opening
    zel::ui::bindLineEdit(name, *cards, "NAME");
    cards->open();
    window.show();
    EXPECT_EQ(run->text(), "1500.5");

    run->selectAll();
    zel::testing::typeText(run, "2x5,7a5");
    EXPECT_EQ(run->text(), "25,75");
    EXPECT_DOUBLE_EQ(cards->asDouble("KOLTIRAZ"), 25.75);

    run->selectAll();
    zel::testing::typeText(run, "-3.5.1");
    EXPECT_EQ(run->text(), "-3.51");
    EXPECT_DOUBLE_EQ(cards->asDouble("KOLTIRAZ"), -3.51);

    pages->selectAll();
    zel::testing::typeText(pages, "1,2b3");
    EXPECT_EQ(pages->text(), "123");
    EXPECT_EQ(cards->value("KOLSTR"), QVariant(123));

    pages->clear();
    EXPECT_FALSE(cards->value("KOLSTR").isValid());

    // Text fields take anything.
    name->selectAll();
    zel::testing::typeText(name, "A-1,5");
    EXPECT_EQ(cards->asString("NAME"), "A-1,5");

    cards->post();
    EXPECT_DOUBLE_EQ(stored("KOLTIRAZ", 1).toDouble(), -3.51);
    EXPECT_FALSE(stored("KOLSTR", 1).isValid());
}

TEST_F(FieldLinkTest, LookupShowsAndStoresTheNameOfTheChosenRow) {
    execute("insert into MACHINE (KOD, TIP, NAME) values (101, 4, 'Резак А')");
    execute("insert into MACHINE (KOD, TIP, NAME) values (102, 4, 'Резак Б')");
    execute("insert into MACHINE (KOD, TIP, NAME) values (103, 4, 'Резак В')");
    execute("update ZAKPROC set NAMEMACHTIP = 'Резак Б' where KOD = 1");
    execute("update ZAKPROC set NAMEMACHTIP = 'Списанный' where KOD = 2");
    auto machines = tableDataset("MACHINE", "select * from MACHINE where TIP = 4 order by KOD");
    machines->setBatchSize(1);  // the list is read in full all the same
    machines->open();
    cards->open();
    auto* combo = new QComboBox(&window);
    zel::ui::bindLookupCombo(combo, *cards, "NAMEMACHTIP", *machines);
    QString seenByHandler;
    QObject::connect(combo, &QComboBox::activated, combo,
                     [&] { seenByHandler = cards->asString("NAMEMACHTIP"); });
    window.show();

    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("Резак Б"));
    cards->next();
    EXPECT_EQ(combo->currentIndex(), -1);  // a name not in the list
    EXPECT_EQ(cards->state(), DatasetState::Browse);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("Резак А"));
    EXPECT_EQ(cards->state(), DatasetState::Edit);
    EXPECT_EQ(cards->asString("NAMEMACHTIP"), QString::fromUtf8("Резак А"));
    EXPECT_EQ(seenByHandler, QString::fromUtf8("Резак А"));
    cards->post();
    EXPECT_EQ(stored("NAMEMACHTIP", 2).toString(), QString::fromUtf8("Резак А"));

    // The list follows its dataset.
    machines->append();
    machines->setValue("TIP", 4);
    machines->setValue("NAME", QString::fromUtf8("Резак Г"));
    machines->post();
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(3), QString::fromUtf8("Резак Г"));
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("Резак А"));
    EXPECT_EQ(cards->state(), DatasetState::Browse);
}

TEST_F(FieldLinkTest, WritingToAReadOnlyDatasetShowsTheErrorAndTheFieldAgain) {
    Dataset view("DSetView", transaction);
    view.setSelectSql("select KOD, NAME from ZAKPROC order by KOD");
    view.open();
    auto* name = new QLineEdit(&window);
    zel::ui::bindLineEdit(name, view, "NAME");
    name->setText(QString::fromUtf8("Другое"));
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().kind, zel::ui::DialogKind::Error);
    EXPECT_EQ(name->text(), QString::fromUtf8("Резка листов"));
    EXPECT_EQ(view.state(), DatasetState::Browse);
}

}  // namespace
