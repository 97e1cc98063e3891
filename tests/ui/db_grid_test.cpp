#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "typing.h"
#include "ui/db_grid.h"
#include "ui/scripted_dialogs.h"
#include "ui_database.h"

namespace {

using zel::Dataset;
using zel::DatasetState;
using zel::ui::DbGrid;

class DbGridTest : public zel::testing::UiDatabaseTest {
  protected:
    // Clients KOD 1..count named "Клиент <KOD>", in one statement: the keys are built
    // from as many crossed lists of the ten digits as the count has places.
    void addClients(int count) {
        QStringList digits;
        for (int digit = 0; digit <= 9; ++digit) {
            digits.append(QStringLiteral("select %1 as n from rdb$database").arg(digit));
        }
        QStringList places;
        QStringList lists;
        for (int weight = 1; weight < count; weight *= 10) {
            const QString name = QStringLiteral("p%1").arg(lists.size());
            places.append(QStringLiteral("%1 * %2.n").arg(weight).arg(name));
            lists.append(QStringLiteral("(%1) %2").arg(digits.join(" union all "), name));
        }
        execute(QStringLiteral("insert into KLIENT (KOD, NAME, TEL) select k, 'Клиент ' || k, k "
                               "from (select cast(1 + %1 as integer) as k from %2) where k <= %3")
                    .arg(places.join(" + "), lists.join(", "))
                    .arg(count));
    }

    std::unique_ptr<Dataset> openClients() {
        auto dataset = tableDataset("KLIENT", "select * from KLIENT order by KOD");
        dataset->open();
        return dataset;
    }

    // A shown grid of a fixed size over the dataset, its layout settled.
    std::unique_ptr<DbGrid> showGrid(Dataset& dataset) {
        auto grid = std::make_unique<DbGrid>();
        grid->setDataset(&dataset);
        grid->setColumns(
            {{"NAME", QString::fromUtf8("Наименование")}, {"TEL", QString::fromUtf8("Телефоны")}});
        grid->resize(400, 300);
        grid->show();
        QApplication::processEvents();
        return grid;
    }

    static void clickRow(DbGrid& grid, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect cell = grid.visualRect(grid.model()->index(row, 0));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    static void scrollToEnd(DbGrid& grid) {
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
        QApplication::processEvents();
    }
};

TEST_F(DbGridTest, ALargeListIsReadInBatchesAsTheGridScrolls) {
    addClients(100000);
    auto clients = openClients();
    auto grid = showGrid(*clients);
    const int batch = grid->datasetModel()->fetchBatch();

    // The first screen needs only the rows the dataset read on opening.
    EXPECT_EQ(clients->fetchedCount(), Dataset::kDefaultBatch);
    EXPECT_EQ(grid->model()->rowCount(), clients->fetchedCount());

    for (int step = 1; step <= 3; ++step) {
        scrollToEnd(*grid);
        EXPECT_EQ(clients->fetchedCount(), Dataset::kDefaultBatch + step * batch);
        EXPECT_EQ(grid->model()->rowCount(), clients->fetchedCount());
    }
    EXPECT_FALSE(clients->isFullyFetched());

    int scrolls = 0;
    while (grid->model()->canFetchMore(QModelIndex()) && scrolls < 2000) {
        const int before = clients->fetchedCount();
        scrollToEnd(*grid);
        ASSERT_EQ(clients->fetchedCount(), std::min(before + batch, 100000));
        ++scrolls;
    }
    EXPECT_TRUE(clients->isFullyFetched());
    EXPECT_EQ(grid->model()->rowCount(), 100000);
    EXPECT_EQ(grid->model()->index(99999, 0).data().toString(), QString::fromUtf8("Клиент 100000"));
}

TEST_F(DbGridTest, TheHighlightFollowsTheDatasetAndTheDatasetFollowsTheHighlight) {
    addClients(300);
    auto clients = openClients();
    auto grid = showGrid(*clients);
    EXPECT_EQ(grid->currentIndex().row(), 0);

    clients->moveTo(3);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    EXPECT_EQ(grid->selectedRows(), QList<int>({3}));

    clickRow(*grid, 1);
    EXPECT_EQ(clients->currentRow(), 1);
    EXPECT_EQ(clients->asString("NAME"), QString::fromUtf8("Клиент 2"));
    EXPECT_EQ(grid->selectedRows(), QList<int>({1}));

    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(clients->currentRow(), 2);

    // A row beyond those read so far: the grid grows to it and highlights it.
    clients->moveTo(250);
    EXPECT_GE(grid->model()->rowCount(), 251);
    EXPECT_EQ(grid->currentIndex().row(), 250);
    EXPECT_EQ(grid->selectedRows(), QList<int>({250}));

    // Reopening keeps the grid on the dataset's row.
    clients->reopen();
    EXPECT_EQ(clients->currentRow(), 250);
    EXPECT_EQ(grid->currentIndex().row(), 250);
}

TEST_F(DbGridTest, MultiSelectCollectsRowsAndSurvivesWalkingThem) {
    addClients(6);
    auto clients = openClients();
    auto grid = showGrid(*clients);
    grid->setMultiSelect(true);
    clients->moveTo(4);
    EXPECT_EQ(grid->selectedRows(), QList<int>({4}));  // nothing selected: the current row
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(4, QModelIndex()));  // and it is highlighted

    clickRow(*grid, 3);
    clickRow(*grid, 1, Qt::ControlModifier);
    clickRow(*grid, 5, Qt::ControlModifier);
    EXPECT_EQ(grid->selectedRows(), QList<int>({1, 3, 5}));

    QStringList walked;
    for (int row : grid->selectedRows()) {
        clients->moveTo(row);
        walked.append(clients->asString("NAME"));
    }
    EXPECT_EQ(walked, QStringList({QString::fromUtf8("Клиент 2"), QString::fromUtf8("Клиент 4"),
                                   QString::fromUtf8("Клиент 6")}));
    EXPECT_EQ(grid->selectedRows(), QList<int>({1, 3, 5}));

    // A single-selection grid keeps one row whatever the modifiers.
    grid->setMultiSelect(false);
    clickRow(*grid, 0);
    clickRow(*grid, 2, Qt::ControlModifier);
    EXPECT_EQ(grid->selectedRows(), QList<int>({2}));
}

TEST_F(DbGridTest, TitleClicksNameTheFieldAndDoubleClicksAreReported) {
    addClients(3);
    auto clients = openClients();
    auto grid = showGrid(*clients);
    QSignalSpy titles(grid.get(), &DbGrid::titleClicked);
    QSignalSpy doubles(grid.get(), &DbGrid::rowDoubleClicked);

    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(),
              QString::fromUtf8("Телефоны"));
    QHeaderView* header = grid->horizontalHeader();
    const QPoint second(header->sectionViewportPosition(1) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles.first().first().toString(), "TEL");

    // A real double click: a press and release, then the double-click event.
    clickRow(*grid, 2);
    const QRect cell = grid->visualRect(grid->model()->index(2, 0));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(doubles.size(), 1);
    EXPECT_EQ(clients->currentRow(), 2);
    EXPECT_EQ(clients->state(), DatasetState::Browse);  // a read-only grid never edits
}

class DbGridEditTest : public DbGridTest {
  protected:
    void SetUp() override {
        DbGridTest::SetUp();
        execute("insert into MACHINE (KOD, TIP, NAME, MAXSPEED) values (101, 0, 'Первая', 1000)");
        execute("insert into MACHINE (KOD, TIP, NAME, MAXSPEED) values (102, 0, 'Вторая', 2000)");
        machines = tableDataset("MACHINE", "select * from MACHINE order by KOD");
        machines->open();
        grid = std::make_unique<DbGrid>();
        grid->setDataset(machines.get());
        grid->setColumns({{"NAME", "Название машины"}, {"MAXSPEED", "Скорость"}});
        grid->setEditable(true);
        grid->resize(400, 300);
        grid->show();
        QApplication::processEvents();
    }

    // Opens the cell editor, types into it and confirms with Enter.
    QString typeIntoCell(int row, int column, const QString& keys) {
        const QModelIndex index = grid->model()->index(row, column);
        grid->setCurrentIndex(index);
        grid->edit(index);
        QLineEdit* editor = nullptr;  // closed editors linger until deleted later
        for (QLineEdit* candidate : grid->viewport()->findChildren<QLineEdit*>()) {
            if (candidate->isVisible()) {
                editor = candidate;
            }
        }
        if (editor == nullptr) {
            ADD_FAILURE() << "no cell editor";
            return QString();
        }
        editor->selectAll();
        zel::testing::typeText(editor, keys);
        const QString typed = editor->text();
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the cell editor commits once its key is handled
        return typed;
    }

    std::unique_ptr<Dataset> machines;
    std::unique_ptr<DbGrid> grid;
};

TEST_F(DbGridEditTest, ATypedCellEditsTheRowAndLeavingTheRowPostsIt) {
    typeIntoCell(1, 0, QString::fromUtf8("Переименована"));
    EXPECT_EQ(machines->currentRow(), 1);
    EXPECT_EQ(machines->state(), DatasetState::Edit);
    EXPECT_EQ(machines->asString("NAME"), QString::fromUtf8("Переименована"));
    EXPECT_EQ(selectValue("select NAME from MACHINE where KOD = 102").toString(),
              QString::fromUtf8("Вторая"));

    clickRow(*grid, 0);
    EXPECT_EQ(machines->state(), DatasetState::Browse);
    EXPECT_EQ(machines->currentRow(), 0);
    EXPECT_EQ(selectValue("select NAME from MACHINE where KOD = 102").toString(),
              QString::fromUtf8("Переименована"));
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QString::fromUtf8("Переименована"));
}

TEST_F(DbGridEditTest, NumberCellsTakeDigitsAndADecimalCommaOrPointOnly) {
    EXPECT_EQ(typeIntoCell(0, 1, "1a2,5x"), "12,5");
    EXPECT_DOUBLE_EQ(machines->asDouble("MAXSPEED"), 12.5);
    EXPECT_EQ(typeIntoCell(0, 1, "7.25"), "7.25");
    EXPECT_DOUBLE_EQ(machines->asDouble("MAXSPEED"), 7.25);

    // Text that is no number never reaches the row, whoever sets it.
    EXPECT_FALSE(grid->model()->setData(grid->model()->index(1, 1), "много"));
    EXPECT_DOUBLE_EQ(machines->valueAt(1, "MAXSPEED").toDouble(), 2000);
    EXPECT_EQ(machines->currentRow(), 0);
}

TEST_F(DbGridEditTest, RowsComeAndGoWithTheDatasetWhichMovesOnlyItself) {
    QSignalSpy moves(machines.get(), &Dataset::currentRowChanged);
    machines->moveTo(1);
    machines->insert();
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(grid->model()->index(2, 0).data().toString(), QString::fromUtf8("Вторая"));

    // The grid's highlight shifts as the row goes, but only the dataset moves itself.
    moves.clear();
    machines->cancel();
    EXPECT_EQ(grid->model()->rowCount(), 2);
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves.first().first().toInt(), 1);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QString::fromUtf8("Вторая"));

    machines->append();
    machines->setValue("TIP", 0);
    machines->setValue("NAME", QString::fromUtf8("Третья"));
    machines->post();
    machines->first();
    moves.clear();
    machines->remove();
    EXPECT_EQ(grid->model()->rowCount(), 2);
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(machines->asString("NAME"), QString::fromUtf8("Вторая"));
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

}  // namespace
