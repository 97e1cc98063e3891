#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "core/fb/connection.h"
#include "core/fb/transaction.h"
#include "orders/frm_client.h"
#include "orders/frm_izd.h"
#include "orders/frm_zakaz.h"
#include "orders_fixture.h"
#include "ui/typing.h"

namespace {

using zel::ui::Answer;
using zel::ui::DialogKind;
using zelvan::TfrmZakaz;
using Mode = zelvan::TfrmZakaz::Mode;

const QString kFormatQuestion =
    QStringLiteral("Был изменен формат издания! Изменить ли его в калькуляции?");
const QString kColourQuestion =
    QStringLiteral("Была изменена красочность издания! Изменить ли его в калькуляции?");

class FrmZakazTest : public zelvan::testing::OrdersTest {
  protected:
    // Order 10: current list, 4+4 with an inner block of 1+1, A4, three print parts
    // calculated with those values; committed.
    void addCalculatedOrder() {
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, "
            "KODMANAGER, NAMEMANAGER, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, "
            "PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL) values (10, 0, "
            "'2026-02-10 14:30:00', '5', 'Вручную', 'Сидоров', '111', 'Журнал', 2, "
            "'Иванова', 'A4', 297, 210, 4, 4, '4', '4', '4+4', 1, 1, '1', '1', '1+1', "
            "'4+4; 1+1')");
        for (int part = 0; part < 3; ++part) {
            const int colours = part == 0 ? 4 : 1;
            execute(QStringLiteral("insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, LENIZD, "
                                   "WIDIZD, PAINTLEFT, PAINTRIGHT) values (%1, 10, %2, 'Часть', "
                                   "297, 210, %3, %3)")
                        .arg(101 + part)
                        .arg(part)
                        .arg(colours));
        }
        commit();
    }

    std::unique_ptr<TfrmZakaz> openCard(Mode mode, const QVariant& kod = QVariant()) {
        openForCard(kod);
        auto card = std::make_unique<TfrmZakaz>(dm, session);
        card->prepare(mode);
        card->open();
        QApplication::processEvents();
        return card;
    }

    // What the main window does after the card: the refresh cycle, which commits.
    void closeCycle(const TfrmZakaz& card) { dm.refresh(card.reportedKod()); }

    template <typename Widget>
    static Widget* child(const QWidget& window, const char* name) {
        auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void retype(const QWidget& window, const char* name, const QString& text) {
        auto* edit = child<QLineEdit>(window, name);
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            zel::testing::typeText(edit, text);
        }
    }

    static void choose(const QWidget& window, const char* name, const QString& item) {
        auto* combo = child<QComboBox>(window, name);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    static void click(const QWidget& window, const char* name) {
        child<QPushButton>(window, name)->click();
    }

    // PAINTLEFT, PAINTRIGHT, LENIZD and WIDIZD of the three print parts of order 10.
    QVector<QVector<int>> printParts() {
        QVector<QVector<int>> parts;
        for (int kod = 101; kod <= 103; ++kod) {
            QVector<int> part;
            for (const char* column : {"PAINTLEFT", "PAINTRIGHT", "LENIZD", "WIDIZD"}) {
                part.append(selectValue(QStringLiteral("select %1 from ZAKPRINT where KOD=%2")
                                            .arg(QString::fromLatin1(column))
                                            .arg(kod))
                                .toInt());
            }
            parts.append(part);
        }
        return parts;
    }

    QVariant orderValue(int kod, const char* column) {
        return selectValue(QStringLiteral("select %1 from ZAKAZ where KOD=%2")
                               .arg(QString::fromLatin1(column))
                               .arg(kod));
    }

    int orderCount() { return selectValue("select count(*) from ZAKAZ").toInt(); }
};

TEST_F(FrmZakazTest, ANewOrderGoesIntoTheListShownWithTheCurrentUserAsManager) {
    logIn(zelvan::kManager, kManagerKod, QStringLiteral("Иванова"));
    for (const int list : {0, 1}) {
        SCOPED_TRACE(list);
        session.listIndex = list;
        auto card = openCard(Mode::Add);
        child<QDateEdit>(*card, "DateZakaz")->setDate(QDate(2026, 3, 5));
        retype(*card, "DBEdit4", QStringLiteral("ООО Ромашка"));
        retype(*card, "DBEdit8", QStringLiteral("5000"));
        click(*card, "btnOK");
        EXPECT_FALSE(card->isVisible());
        closeCycle(*card);

        const int kod = card->reportedKod().toInt();
        EXPECT_EQ(orderValue(kod, "NAMEORG").toString(), QStringLiteral("ООО Ромашка"));
        EXPECT_EQ(orderValue(kod, "TIRAZ").toInt(), 5000);
        EXPECT_EQ(orderValue(kod, "KOD_ARCHIV").toInt(), list);
        EXPECT_EQ(orderValue(kod, "KODMANAGER").toInt(), kManagerKod);
        EXPECT_EQ(orderValue(kod, "NAMEMANAGER").toString(), QStringLiteral("Иванова"));
        EXPECT_EQ(orderValue(kod, "DATA").toDateTime().date(), QDate(2026, 3, 5));
        EXPECT_EQ(dm.DSetZakaz->value("KOD").toInt(), kod);
    }
    EXPECT_EQ(orderCount(), 2);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(FrmZakazTest, TheManagerChosenByAnAdministratorCountsOnlyWhenEditing) {
    addCalculatedOrder();
    auto card = openCard(Mode::Add);
    choose(*card, "ZakManager", QStringLiteral("Петров"));
    click(*card, "btnOK");
    closeCycle(*card);
    const int added = card->reportedKod().toInt();
    EXPECT_EQ(orderValue(added, "KODMANAGER").toInt(), kAdminKod);
    EXPECT_EQ(orderValue(added, "NAMEMANAGER").toString(), QStringLiteral("admin"));

    card = openCard(Mode::Edit, 10);
    choose(*card, "ZakManager", QStringLiteral("Петров"));
    click(*card, "btnOK");
    closeCycle(*card);
    EXPECT_EQ(orderValue(10, "KODMANAGER").toInt(), kTechnologistKod);
    EXPECT_EQ(orderValue(10, "NAMEMANAGER").toString(), QStringLiteral("Петров"));
}

TEST_F(FrmZakazTest, TheNextNumberIsTheLargestWholeNumberOfAllListsPlusOne) {
    execute("insert into ZAKAZ (KOD, KOD_ARCHIV, NUM, KODMANAGER) values (1, 0, '7', 1)");
    execute("insert into ZAKAZ (KOD, KOD_ARCHIV, NUM, KODMANAGER) values (2, 1, 'abc', 1)");
    execute("insert into ZAKAZ (KOD, KOD_ARCHIV, NUM, KODMANAGER) values (3, 2, '15', 1)");
    execute("insert into ZAKAZ (KOD, KOD_ARCHIV, KODMANAGER) values (4, 0, 1)");
    commit();
    auto card = openCard(Mode::Add);
    click(*card, "btnNumZak");
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit1")->text(), "16");
    EXPECT_TRUE(dialogs.requests().isEmpty());

    // A number is there now: replacing it is asked, and No keeps it.
    retype(*card, "DBEdit1", QStringLiteral("3"));
    dialogs.answerNext(Answer::No);
    click(*card, "btnNumZak");
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit1")->text(), "3");
    dialogs.answerNext(Answer::Yes);
    click(*card, "btnNumZak");
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit1")->text(), "16");
    EXPECT_EQ(dialogs.texts(),
              QStringList(2, QStringLiteral("У заказа уже есть номер. Заменить на новый?")));

    click(*card, "btnOK");
    closeCycle(*card);
    EXPECT_EQ(orderValue(card->reportedKod().toInt(), "NUM").toString(), "16");
}

TEST_F(FrmZakazTest, TheFirstOrderNumberIsOne) {
    auto card = openCard(Mode::Add);
    click(*card, "btnNumZak");
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit1")->text(), "1");
}

TEST_F(FrmZakazTest, TypedColoursAreStoredAsNumbersTextsAndSummary) {
    struct Case {
        const char* typed[4];  // main front, main back, inner front, inner back
        int numbers[4];        // PLEFT, PRIGHT, PLEFT2, PRIGHT2
        const char* paint;
        const char* paint2;
        const char* summary;
    };
    const Case cases[] = {
        {{"4", "", "", ""}, {4, 0, 0, 0}, "4+0", "0+0", "4+0"},
        {{"4", "4", "1", "1"}, {4, 4, 1, 1}, "4+4", "1+1", "4+4; 1+1"},
        {{"x", "1", "0", "2"}, {0, 1, 0, 2}, "0+1", "0+2", "0+1; 0+2"},
        {{"0", "0", "0", "0"}, {0, 0, 0, 0}, "0+0", "0+0", "0+0"},
    };
    const char* edits[4] = {"DBEdit11", "DBEdit12", "DBEdit5", "DBEdit13"};
    const char* numberColumns[4] = {"PLEFT", "PRIGHT", "PLEFT2", "PRIGHT2"};
    const char* textColumns[4] = {"PSTRLEFT", "PSTRRIGHT", "PSTRLEFT2", "PSTRRIGHT2"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.summary);
        auto card = openCard(Mode::Add);
        for (int i = 0; i < 4; ++i) {
            retype(*card, edits[i], QString::fromUtf8(c.typed[i]));
        }
        click(*card, "btnOK");
        closeCycle(*card);
        const int kod = card->reportedKod().toInt();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(orderValue(kod, numberColumns[i]).toInt(), c.numbers[i]) << numberColumns[i];
            EXPECT_EQ(orderValue(kod, textColumns[i]).toString(), QString::number(c.numbers[i]))
                << textColumns[i];
        }
        EXPECT_EQ(orderValue(kod, "PAINT").toString(), c.paint);
        EXPECT_EQ(orderValue(kod, "PAINT2").toString(), c.paint2);
        EXPECT_EQ(orderValue(kod, "PAINTPREDL").toString(), c.summary);
    }
}

TEST_F(FrmZakazTest, ANameTypedOnThreeLinesIsStoredOnOneLine) {
    auto card = openCard(Mode::Add);
    auto* memo = child<QPlainTextEdit>(*card, "DBMemo2");
    zel::testing::typeText(memo, QStringLiteral("Книга"));
    QTest::keyClick(memo, Qt::Key_Return);
    zel::testing::typeText(memo, QStringLiteral("о вкусной"));
    QTest::keyClick(memo, Qt::Key_Return);
    zel::testing::typeText(memo, QStringLiteral("пище "));
    click(*card, "btnOK");
    closeCycle(*card);
    EXPECT_EQ(orderValue(card->reportedKod().toInt(), "NAMEIZD").toString(),
              QStringLiteral("Книга о вкусной пище"));
}

TEST_F(FrmZakazTest, AColourChangeReachesThePrintPartsOnlyWhenTheUserSaysYes) {
    struct Case {
        Answer answer;
        QVector<QVector<int>> parts;
    };
    const Case cases[] = {
        {Answer::No, {{4, 4, 297, 210}, {1, 1, 297, 210}, {1, 1, 297, 210}}},
        {Answer::Yes, {{4, 4, 297, 210}, {2, 0, 297, 210}, {2, 0, 297, 210}}},
    };
    addCalculatedOrder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer == Answer::Yes ? "Yes" : "No");
        auto card = openCard(Mode::Edit, 10);
        retype(*card, "DBEdit5", QStringLiteral("2"));
        retype(*card, "DBEdit13", QStringLiteral("0"));
        dialogs.answerNext(c.answer);
        click(*card, "btnOK");
        EXPECT_FALSE(card->isVisible());
        closeCycle(*card);
        ASSERT_FALSE(dialogs.requests().isEmpty());
        EXPECT_EQ(dialogs.texts().last(), kColourQuestion);
        EXPECT_EQ(printParts(), c.parts);
        EXPECT_EQ(orderValue(10, "PAINTPREDL").toString(), "4+4; 2+0");
        EXPECT_FALSE(dm.DSetZakPrint->isActive());
        // Back to 1+1 for the next case, without carrying it over.
        card = openCard(Mode::Edit, 10);
        retype(*card, "DBEdit5", QStringLiteral("1"));
        retype(*card, "DBEdit13", QStringLiteral("1"));
        dialogs.answerNext(Answer::No);
        click(*card, "btnOK");
        closeCycle(*card);
    }
    EXPECT_EQ(dialogs.texts(), QStringList(4, kColourQuestion));
}

TEST_F(FrmZakazTest, AMainColourChangeGoesToTheFirstPartAndTheInnerBlockToTheOthers) {
    addCalculatedOrder();
    auto card = openCard(Mode::Edit, 10);
    retype(*card, "DBEdit12", QStringLiteral("0"));
    dialogs.answerNext(Answer::Yes);
    click(*card, "btnOK");
    closeCycle(*card);
    EXPECT_EQ(dialogs.texts(), QStringList{kColourQuestion});
    EXPECT_EQ(printParts(),
              (QVector<QVector<int>>{{4, 0, 297, 210}, {1, 1, 297, 210}, {1, 1, 297, 210}}));
}

TEST_F(FrmZakazTest, AFormatChangeReachesThePrintPartsOnlyWhenTheUserSaysYes) {
    struct Case {
        Answer answer;
        int len;
        int wid;
    };
    addCalculatedOrder();
    for (const Case& c : {Case{Answer::No, 297, 210}, Case{Answer::Yes, 210, 148}}) {
        SCOPED_TRACE(c.answer == Answer::Yes ? "Yes" : "No");
        auto card = openCard(Mode::Edit, 10);
        choose(*card, "FormatIzd", QStringLiteral("A5"));
        EXPECT_EQ(child<QLineEdit>(*card, "DBEdit9")->text(), "210");
        EXPECT_EQ(child<QLineEdit>(*card, "DBEdit10")->text(), "148");
        dialogs.answerNext(c.answer);
        click(*card, "btnOK");
        closeCycle(*card);
        EXPECT_EQ(dialogs.texts().last(), kFormatQuestion);
        EXPECT_EQ(orderValue(10, "FORMAT").toString(), "A5");
        EXPECT_EQ(orderValue(10, "LEN").toInt(), 210);
        for (const QVector<int>& part : printParts()) {
            EXPECT_EQ(part[2], c.len);
            EXPECT_EQ(part[3], c.wid);
        }
        EXPECT_EQ(printParts()[1][0], 1) << "colours untouched";
        // Back to A4 for the next case, without carrying it over.
        card = openCard(Mode::Edit, 10);
        choose(*card, "FormatIzd", QStringLiteral("A4"));
        click(*card, "btnOK");
        closeCycle(*card);
    }
}

TEST_F(FrmZakazTest, EditingWithoutChangingFormatOrColoursAsksNothing) {
    addCalculatedOrder();
    // An older order whose colour columns were never filled.
    execute(
        "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, KODMANAGER) values (11, 0, "
        "'2026-02-11 09:00:00', 1)");
    execute(
        "insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, PAINTLEFT, PAINTRIGHT, LENIZD, WIDIZD) "
        "values (111, 11, 0, 4, 4, 100, 100)");
    commit();
    const auto partsBefore = printParts();
    for (const int kod : {10, 11}) {
        SCOPED_TRACE(kod);
        auto card = openCard(Mode::Edit, kod);
        retype(*card, "DBEdit14", QStringLiteral("срочно"));
        click(*card, "btnOK");
        EXPECT_FALSE(card->isVisible());
        closeCycle(*card);
        EXPECT_EQ(orderValue(kod, "NOTE").toString(), QStringLiteral("срочно"));
    }
    EXPECT_TRUE(dialogs.requests().isEmpty()) << dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(printParts(), partsBefore);
    EXPECT_EQ(selectValue("select PAINTLEFT from ZAKPRINT where KOD=111").toInt(), 4);
    EXPECT_EQ(orderValue(11, "PAINTPREDL").toString(), "0+0");
}

TEST_F(FrmZakazTest, EditingTakesThePickedDateAndKeepsTheTimeOfDay) {
    addCalculatedOrder();
    auto card = openCard(Mode::Edit, 10);
    EXPECT_EQ(child<QDateEdit>(*card, "DateZakaz")->date(), QDate(2026, 2, 10));
    child<QDateEdit>(*card, "DateZakaz")->setDate(QDate(2026, 2, 12));
    click(*card, "btnOK");
    closeCycle(*card);
    EXPECT_EQ(orderValue(10, "DATA").toDateTime(), QDateTime(QDate(2026, 2, 12), QTime(14, 30)));
    EXPECT_EQ(card->reportedKod().toInt(), 10);
}

TEST_F(FrmZakazTest, CancelLeavesNothingBehind) {
    addCalculatedOrder();
    auto card = openCard(Mode::Add, 10);
    retype(*card, "DBEdit4", QStringLiteral("Не нужен"));
    click(*card, "btnNumZak");
    click(*card, "btnCancel");
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(dm.DSetZakaz->state(), zel::DatasetState::Browse);
    EXPECT_EQ(card->reportedKod().toInt(), 10);
    closeCycle(*card);
    EXPECT_EQ(orderCount(), 1);
    EXPECT_EQ(dm.DSetZakaz->value("KOD").toInt(), 10);

    card = openCard(Mode::Edit, 10);
    retype(*card, "DBEdit4", QStringLiteral("Другая"));
    retype(*card, "DBEdit11", QStringLiteral("1"));
    QTest::keyClick(card.get(), Qt::Key_Escape);
    EXPECT_FALSE(card->isVisible());
    closeCycle(*card);
    EXPECT_EQ(orderValue(10, "NAMEORG").toString(), QStringLiteral("Вручную"));
    EXPECT_EQ(orderValue(10, "PLEFT").toInt(), 4);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(FrmZakazTest, OnlyTheAdministratorsCardHasTheManagerRowAndIsTaller) {
    struct Case {
        int role;
        bool managerRow;
    };
    QMap<int, int> heights;
    for (const Case& c : {Case{zelvan::kAdministrator, true}, Case{zelvan::kManager, false},
                          Case{zelvan::kTechnologist, false}}) {
        SCOPED_TRACE(c.role);
        logIn(c.role, kManagerKod, QStringLiteral("Иванова"));
        auto card = openCard(Mode::Add);
        EXPECT_EQ(child<QComboBox>(*card, "ZakManager")->isVisible(), c.managerRow);
        EXPECT_EQ(child<QLabel>(*card, "lbManager")->isVisible(), c.managerRow);
        heights[c.role] = card->height();
        // Every control of the card fits inside it.
        const auto* ok = child<QPushButton>(*card, "btnOK");
        EXPECT_LE(ok->geometry().bottom(), card->height());
        click(*card, "btnCancel");
    }
    EXPECT_GT(heights[zelvan::kAdministrator], heights[zelvan::kManager]);
    EXPECT_EQ(heights[zelvan::kManager], heights[zelvan::kTechnologist]);
}

class FrmZakazPickTest : public FrmZakazTest {
  protected:
    void SetUp() override {
        FrmZakazTest::SetUp();
        execute("insert into KLIENT (KOD, NAME, FIO, TEL) values (1, 'ООО Альфа', 'Белов', '222')");
        execute("insert into KLIENT (KOD, NAME, FIO, TEL) values (2, 'ООО Бета', 'Орлова', '333')");
        execute("insert into PRODUCT (KOD, NAME) values (1, 'Календарь настенный')");
        execute("insert into PRODUCT (KOD, NAME) values (2, 'Листовка')");
        commit();
    }
};

TEST_F(FrmZakazPickTest, PickingAClientOverwritesOrganisationContactAndPhones) {
    addCalculatedOrder();
    auto card = openCard(Mode::Edit, 10);
    click(*card, "btnClient");
    zelvan::TfrmClient& clients = card->clientWindow();
    ASSERT_TRUE(clients.isVisible());
    EXPECT_EQ(clients.opener(), zelvan::TfrmClient::Opener::OrderCard);
    ASSERT_TRUE(dm.DSetClients->locate("KOD", 2));
    click(clients, "btnOK");
    EXPECT_FALSE(clients.isVisible());
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit4")->text(), QStringLiteral("ООО Бета"));
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit3")->text(), QStringLiteral("Орлова"));
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit2")->text(), "333");
    // The pick has stored the row already.
    EXPECT_EQ(dm.DSetZakaz->state(), zel::DatasetState::Browse);
    EXPECT_EQ(orderValue(10, "NAMEORG").toString(), QStringLiteral("ООО Бета"));
    EXPECT_EQ(orderValue(10, "FIO").toString(), QStringLiteral("Орлова"));
    EXPECT_EQ(orderValue(10, "TEL").toString(), "333");
}

TEST_F(FrmZakazPickTest, PickingAnEditionFillsTheEditionName) {
    addCalculatedOrder();
    auto card = openCard(Mode::Edit, 10);
    click(*card, "btnIzd");
    zelvan::TfrmIzd& editions = card->izdWindow();
    ASSERT_TRUE(editions.isVisible());
    ASSERT_TRUE(dm.DSetProduct->locate("KOD", 1));
    click(editions, "btnOK");
    EXPECT_FALSE(editions.isVisible());
    EXPECT_EQ(child<QPlainTextEdit>(*card, "DBMemo2")->toPlainText(),
              QStringLiteral("Календарь настенный"));
    EXPECT_EQ(orderValue(10, "NAMEIZD").toString(), QStringLiteral("Календарь настенный"));
}

TEST_F(FrmZakazPickTest, ANewOrderAPickHasStoredStaysInItsListAfterCancel) {
    logIn(zelvan::kManager, kManagerKod, QStringLiteral("Иванова"));
    session.listIndex = 1;
    auto card = openCard(Mode::Add);
    click(*card, "btnClient");
    ASSERT_TRUE(dm.DSetClients->locate("KOD", 1));
    click(card->clientWindow(), "btnOK");
    click(*card, "btnCancel");
    closeCycle(*card);
    const int kod = card->reportedKod().toInt();
    EXPECT_EQ(orderValue(kod, "NAMEORG").toString(), QStringLiteral("ООО Альфа"));
    EXPECT_EQ(orderValue(kod, "KOD_ARCHIV").toInt(), 1);
    EXPECT_EQ(orderValue(kod, "KODMANAGER").toInt(), kManagerKod);
    EXPECT_EQ(dm.DSetZakaz->value("KOD").toInt(), kod) << "listed for its manager";
}

TEST_F(FrmZakazTest, AnOrderLockedByAnotherWorkstationIsReportedAndTheCardKeepsTheValues) {
    addCalculatedOrder();
    fb::Connection other;
    other.attach(database.path());
    fb::Transaction otherTransaction(other);
    otherTransaction.start();
    fb::Statement(otherTransaction, "update ZAKAZ set NOTE='другая станция' where KOD=10")
        .execute();

    auto card = openCard(Mode::Edit, 10);
    retype(*card, "DBEdit4", QStringLiteral("Новая организация"));
    retype(*card, "DBEdit11", QStringLiteral("2"));
    click(*card, "btnOK");
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().first().kind, DialogKind::Error);
    EXPECT_TRUE(dialogs.texts().first().contains("update conflicts with concurrent update"))
        << dialogs.texts().first().toStdString();
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit4")->text(), QStringLiteral("Новая организация"));
    EXPECT_EQ(child<QLineEdit>(*card, "DBEdit11")->text(), "2");
    EXPECT_TRUE(dm.DSetZakaz->isEditing());

    // Once the other workstation lets go, the same values are stored.
    otherTransaction.rollback();
    dialogs.answerNext(Answer::No);
    click(*card, "btnOK");
    EXPECT_FALSE(card->isVisible());
    closeCycle(*card);
    EXPECT_EQ(orderValue(10, "NAMEORG").toString(), QStringLiteral("Новая организация"));
    EXPECT_EQ(orderValue(10, "PAINT").toString(), "2+4");
    EXPECT_EQ(dialogs.texts().last(), kColourQuestion);
}

}  // namespace
