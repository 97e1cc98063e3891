#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "orders/frm_client.h"
#include "orders/frm_izd.h"
#include "orders_fixture.h"
#include "ui/db_grid.h"
#include "ui/typing.h"

namespace {

using zel::ui::Answer;
using zel::ui::DbGrid;
using zelvan::TfrmClient;
using zelvan::TfrmIzd;
using Opener = zelvan::DirectoryWindow::Opener;

class ClientDirectoryTest : public zelvan::testing::OrdersTest {
  protected:
    void SetUp() override {
        OrdersTest::SetUp();
        // By name: Альфа, Альфапринт, Бета, Гамма, Дельта.
        execute(
            "insert into KLIENT (KOD, NAME, FIO, TEL, RNN) values (1, 'Бета', 'Орлова', "
            "'333', '123456')");
        execute(
            "insert into KLIENT (KOD, NAME, FIO, TEL, RNN) values (2, 'Альфапринт', 'Белов', "
            "'222', '654321')");
        execute("insert into KLIENT (KOD, NAME, RNN) values (3, 'Альфа', '123999')");
        execute("insert into KLIENT (KOD, NAME, RNN) values (4, 'Гамма', '777')");
        execute("insert into KLIENT (KOD, NAME, RNN) values (5, 'Дельта', '123000')");
        execute(
            "insert into ZAKAZ (KOD, KOD_ARCHIV, NAMEORG, FIO, KODMANAGER) values (10, 0, "
            "'Бета', 'Орлова', 1)");
        commit();
    }

    std::unique_ptr<TfrmClient> openClients(Opener opener) {
        openForCard(10);
        auto window = std::make_unique<TfrmClient>(dm, session);
        window->prepare(opener);
        window->show();
        QApplication::processEvents();
        return window;
    }

    int currentKod() const { return dm.DSetClients->value("KOD").toInt(); }
    int clientCount() { return selectValue("select count(*) from KLIENT").toInt(); }

    template <typename Widget>
    static Widget* child(const QWidget& window, const char* name) {
        auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static DbGrid* grid(const QWidget& window) { return child<DbGrid>(window, "dbgrClient"); }

    static void doubleClickRow(DbGrid& grid, int row) {
        const QRect cell = grid.visualRect(grid.model()->index(row, 1));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(ClientDirectoryTest, TheOpenerDecidesTheChoiceButtonAndTheCloseCaption) {
    struct Case {
        Opener opener;
        bool choice;
        const char* close;
    };
    for (const Case& c :
         {Case{Opener::MainWindow, false, "Закрыть"}, Case{Opener::OrderCard, true, "Отмена"},
          Case{Opener::Archive, true, "Отмена"}, Case{Opener::Query, true, "Отмена"}}) {
        SCOPED_TRACE(c.close);
        auto window = openClients(c.opener);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Список клиентов"));
        EXPECT_EQ(child<QPushButton>(*window, "btnOK")->isVisible(), c.choice);
        EXPECT_EQ(child<QPushButton>(*window, "btnCancel")->text(), QString::fromUtf8(c.close));
        EXPECT_EQ(window->size(), QSize(800, 600));
        child<QPushButton>(*window, "btnCancel")->click();
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->opener().has_value()) << "the mode is cleared on closing";
    }
}

TEST_F(ClientDirectoryTest, SearchesGoDownFromTheRowAfterTheCurrentOneIgnoringCase) {
    struct Case {
        const char* edit;
        const char* button;
        int fromKod;
        const char* typed;
        int foundKod;
    };
    const Case cases[] = {
        {"edName", "btnForwName", 3, "аль", 2},  // Альфа is current: the next one below
        {"edName", "btnForwName", 2, "аль", 2},  // none further down: stays
        {"edName", "btnForwName", 3, "БЕТ", 1},
        {"edName", "btnForwName", 1, "аль", 1},  // Альфа is above: not found again
        {"edName", "btnForwName", 3, "я", 3},
        {"edRNN", "btnForwRNN", 3, "123", 1},  // Альфа 123999 → Бета 123456
        {"edRNN", "btnForwRNN", 1, "123", 5},  // → Дельта 123000
        {"edRNN", "btnForwRNN", 5, "123", 5},
    };
    auto window = openClients(Opener::OrderCard);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " from " + std::to_string(c.fromKod));
        ASSERT_TRUE(dm.DSetClients->locate("KOD", c.fromKod));
        child<QLineEdit>(*window, c.edit)->setText(QString::fromUtf8(c.typed));
        child<QPushButton>(*window, c.button)->click();
        EXPECT_EQ(currentKod(), c.foundKod);
        EXPECT_EQ(grid(*window)->currentIndex().row(), dm.DSetClients->currentRow());
    }
}

TEST_F(ClientDirectoryTest, EnterSearchesWhileTheSearchFieldHasTheFocusAndChoosesOtherwise) {
    QLineEdit filter;
    auto window = openClients(Opener::Archive);
    window->setNameFilter(Opener::Archive, &filter);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* edName = child<QLineEdit>(*window, "edName");
    edName->setFocus();
    zel::testing::typeText(edName, QStringLiteral("г"));
    QTest::keyClick(edName, Qt::Key_Return);
    EXPECT_EQ(currentKod(), 4);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(grid(*window)->hasFocus());

    QTest::keyClick(grid(*window), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(filter.text(), QStringLiteral("Гамма"));
}

TEST_F(ClientDirectoryTest, AChosenClientGoesIntoTheFilterOfItsOpenerOnly) {
    for (const Opener opener : {Opener::Archive, Opener::Query}) {
        QLineEdit archiveFilter;
        QLineEdit queryFilter;
        auto window = openClients(opener);
        window->setNameFilter(Opener::Archive, &archiveFilter);
        window->setNameFilter(Opener::Query, &queryFilter);
        doubleClickRow(*grid(*window), 1);
        EXPECT_FALSE(window->isVisible());
        const QString chosen = QStringLiteral("Альфапринт");
        EXPECT_EQ(archiveFilter.text(), opener == Opener::Archive ? chosen : QString());
        EXPECT_EQ(queryFilter.text(), opener == Opener::Query ? chosen : QString());
    }
    EXPECT_EQ(selectValue("select NAMEORG from ZAKAZ where KOD=10").toString(),
              QStringLiteral("Бета"));
}

TEST_F(ClientDirectoryTest, ChoosingWhileMaintainingDoesNothing) {
    auto window = openClients(Opener::MainWindow);
    ASSERT_TRUE(dm.DSetClients->locate("KOD", 4));
    window->chooseRow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(selectValue("select NAMEORG from ZAKAZ where KOD=10").toString(),
              QStringLiteral("Бета"));
}

TEST_F(ClientDirectoryTest, ATitleClickSortsByItsColumnOnTheSameRowAndTheSortStays) {
    auto window = openClients(Opener::MainWindow);
    ASSERT_TRUE(dm.DSetClients->locate("KOD", 4));
    QHeaderView* header = grid(*window)->horizontalHeader();
    const int telColumn = 3;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(telColumn) + 5, 5));
    EXPECT_EQ(dm.DSetClients->selectSql(), "select * from KLIENT order by TEL");
    EXPECT_EQ(currentKod(), 4);
    // Null phones first, then 222 and 333.
    dm.DSetClients->last();
    EXPECT_EQ(currentKod(), 1);

    child<QPushButton>(*window, "btnCancel")->click();
    openForCard(10);
    EXPECT_EQ(dm.DSetClients->selectSql(), "select * from KLIENT order by TEL");
}

TEST_F(ClientDirectoryTest, AddingStoresAnEmptyRowAtOnce) {
    auto window = openClients(Opener::MainWindow);
    child<QToolButton>(*window, "btnAdd")->click();
    EXPECT_EQ(clientCount(), 6);
    EXPECT_EQ(dm.DSetClients->state(), zel::DatasetState::Browse);
    const int added = currentKod();
    EXPECT_GT(added, 0);
    EXPECT_TRUE(
        selectValue(QStringLiteral("select NAME from KLIENT where KOD=%1").arg(added)).isNull());
    EXPECT_TRUE(grid(*window)->hasFocus() || !window->isActiveWindow());
    child<QPushButton>(*window, "btnCancel")->click();
    dm.refresh(10);
    EXPECT_EQ(clientCount(), 6);
}

TEST_F(ClientDirectoryTest, DeletingAsksAndDeletesOnYesOnly) {
    auto window = openClients(Opener::MainWindow);
    ASSERT_TRUE(dm.DSetClients->locate("KOD", 1));
    dialogs.answerNext(Answer::No);
    child<QToolButton>(*window, "btnDel")->click();
    EXPECT_EQ(clientCount(), 5);
    dialogs.answerNext(Answer::Yes);
    child<QToolButton>(*window, "btnDel")->click();
    EXPECT_EQ(clientCount(), 4);
    EXPECT_TRUE(selectValue("select count(*) from KLIENT where KOD=1").toInt() == 0);
    EXPECT_EQ(dialogs.texts(),
              QStringList(2, QStringLiteral("Вы действительно хотите удалить выделенную запись?")));
    // The order keeps the texts it was given.
    EXPECT_EQ(selectValue("select NAMEORG from ZAKAZ where KOD=10").toString(),
              QStringLiteral("Бета"));
}

TEST_F(ClientDirectoryTest, DeletingFromAnEmptyListOnlySaysSo) {
    execute("delete from KLIENT");
    commit();
    auto window = openClients(Opener::MainWindow);
    child<QToolButton>(*window, "btnDel")->click();
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.texts().first(), QStringLiteral("Нет записи для удаления, таблица пуста!"));
    EXPECT_EQ(dialogs.requests().first().buttons, QVector<Answer>{Answer::Ok});
}

TEST_F(ClientDirectoryTest, ClosingStoresARowStillBeingEditedAndCellsTakeNoMoreThanTheColumn) {
    auto window = openClients(Opener::MainWindow);
    ASSERT_TRUE(dm.DSetClients->locate("KOD", 4));
    DbGrid* clients = grid(*window);
    const QModelIndex rnn = clients->model()->index(dm.DSetClients->currentRow(), 4);
    clients->setCurrentIndex(rnn);
    clients->edit(rnn);
    auto* editor = clients->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    zel::testing::typeText(editor, QStringLiteral("1234567890123456"));
    EXPECT_EQ(editor->text(), "123456789012");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(dm.DSetClients->isEditing());
    child<QPushButton>(*window, "btnCancel")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(selectValue("select RNN from KLIENT where KOD=4").toString(), "123456789012");
}

class EditionDirectoryTest : public zelvan::testing::OrdersTest {};

TEST_F(EditionDirectoryTest, SearchesByNameOnlyAndSortsByItsColumns) {
    execute("insert into PRODUCT (KOD, NAME, NOTE) values (1, 'Буклет', 'b')");
    execute("insert into PRODUCT (KOD, NAME, NOTE) values (2, 'Брошюра', 'a')");
    execute("insert into PRODUCT (KOD, NAME, NOTE) values (3, 'Афиша', 'c')");
    commit();
    openForCard();
    TfrmIzd window(dm, session);
    window.prepare(Opener::MainWindow);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Выбор издания"));
    EXPECT_EQ(window.size(), QSize(600, 600));
    EXPECT_EQ(window.findChild<QLineEdit*>("edRNN"), nullptr);
    ASSERT_NE(window.findChild<DbGrid*>("dbgrIzd"), nullptr);

    window.findChild<QLineEdit*>("edName")->setText(QStringLiteral("бу"));
    window.findChild<QPushButton*>("btnForwName")->click();
    EXPECT_EQ(dm.DSetProduct->value("KOD").toInt(), 1);

    window.sortBy("NOTE");
    EXPECT_EQ(dm.DSetProduct->selectSql(), "select * from PRODUCT order by NOTE");
    EXPECT_EQ(dm.DSetProduct->value("KOD").toInt(), 1);
    EXPECT_EQ(dm.DSetProduct->currentRow(), 1);
}

}  // namespace
