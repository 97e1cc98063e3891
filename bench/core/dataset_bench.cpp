// The data layer against the bare client: each dataset operation is timed beside a raw
// cursor doing the same reads over the same statement, and the ratio is printed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMap>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "core/fb/statement.h"
#include "main/dm.h"
#include "support/temp_database.h"
#include "ui/dataset_model.h"

namespace {

constexpr int kOrders = 100000;
constexpr int kScreenRows = 40;
constexpr int kKeyNearEnd = kOrders - 10;
const QString kOrderList =
    QStringLiteral("select * from ZAKAZ where kod_archiv=0 and kodmanager<>0 order by data");

struct Fixture {
    zel::testing::TempDatabase database;
    zelvan::TDM dm;

    Fixture() {
        dm.connectTo(database.path());
        dm.transaction().start();
        QStringList digits;
        for (int digit = 0; digit <= 9; ++digit) {
            digits.append(QStringLiteral("select %1 as n from rdb$database").arg(digit));
        }
        fb::Statement(
            dm.transaction(),
            QStringLiteral(
                "insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIRAZ, "
                "FORMAT, LEN, WID, PAINTPREDL, STOIM, EXEMP, KODMANAGER, NAMEMANAGER) "
                "select k, 0, dateadd(k second to timestamp '2026-01-01 08:00:00'), k, "
                "'ООО Клиент ' || mod(k, 500), 'Иванов И.И.', '+7 495 000-00-00', "
                "'Каталог продукции ' || k, 1000 + mod(k, 9000), 'A4', 297, 210, '4+4; 1+1', "
                "k * 1.25, 1.25, 2, 'Иванова' from (select cast(1 + a.n + 10 * b.n + 100 * c.n "
                "+ 1000 * d.n + 10000 * e.n as integer) as k from (%1) a, (%1) b, (%1) c, (%1) d, "
                "(%1) e)")
                .arg(digits.join(QStringLiteral(" union all "))))
            .execute();
        dm.transaction().commit();
        dm.DSetZakaz->setSelectSql(kOrderList);
    }
};

Fixture* fixture = nullptr;

void OpenFirstScreen_Dataset(benchmark::State& state) {
    zel::ui::DatasetModel model;
    model.setDataset(fixture->dm.DSetZakaz);
    model.setColumns({{"DATA", ""},
                      {"NUM", ""},
                      {"NAMEORG", ""},
                      {"FIO", ""},
                      {"TEL", ""},
                      {"NAMEIZD", ""},
                      {"KURS", ""},
                      {"RENT", ""},
                      {"TIRAZ", ""},
                      {"FORMAT", ""},
                      {"LEN", ""},
                      {"WID", ""},
                      {"PAINTPREDL", ""},
                      {"STOIM", ""},
                      {"EXEMP", ""},
                      {"NAMEMANAGER", ""}});
    for (auto _ : state) {
        fixture->dm.refreshCycle({fixture->dm.DSetZakaz});
        qsizetype characters = 0;
        for (int row = 0; row < kScreenRows; ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                characters += model.data(model.index(row, column)).toString().size();
            }
        }
        benchmark::DoNotOptimize(characters);
    }
}

void OpenFirstScreen_Raw(benchmark::State& state) {
    fb::Transaction& transaction = fixture->dm.transaction();
    fixture->dm.closeAll();
    fb::Statement select(transaction, kOrderList);
    for (auto _ : state) {
        select.close();
        transaction.commit();
        transaction.start();
        select.open();
        // The dataset reads its first batch on opening; the baseline reads as many rows
        // and turns the first screen of them into text.
        qsizetype characters = 0;
        for (int row = 0; row < zel::Dataset::kDefaultBatch && select.fetch(); ++row) {
            if (row < kScreenRows) {
                for (const QVariant& value : select.row()) {
                    characters += value.toString().size();
                }
            }
        }
        benchmark::DoNotOptimize(characters);
    }
    select.close();
}

void LocateNearEnd_Dataset(benchmark::State& state) {
    for (auto _ : state) {
        fixture->dm.DSetZakaz->close();
        fixture->dm.DSetZakaz->open();
        benchmark::DoNotOptimize(fixture->dm.DSetZakaz->locate("KOD", kKeyNearEnd));
    }
}

void LocateNearEnd_Raw(benchmark::State& state) {
    fixture->dm.closeAll();
    fb::Statement select(fixture->dm.transaction(), kOrderList);
    const int keyColumn = select.columnIndex("KOD");
    for (auto _ : state) {
        select.open();
        std::vector<QVector<QVariant>> rows;
        while (select.fetch()) {
            rows.push_back(select.row());
            if (rows.back().at(keyColumn).toInt() == kKeyNearEnd) {
                break;
            }
        }
        benchmark::DoNotOptimize(rows.size());
        select.close();
    }
}

// The cycle every dialog runs: commit, reopen the order list, the settings and the
// order's print parts and works, and return to the order.
void RefreshCycle_Dm(benchmark::State& state) {
    zelvan::TDM& dm = fixture->dm;
    for (auto _ : state) {
        dm.refresh(1, {dm.DSetZakPrint, dm.DSetZakDop, dm.DSetZakPos});
    }
}

void RefreshCycle_Raw(benchmark::State& state) {
    zelvan::TDM& dm = fixture->dm;
    dm.closeAll();
    fb::Transaction& transaction = dm.transaction();
    std::vector<std::unique_ptr<fb::Statement>> selects;
    for (const char* sql :
         {"select * from ZAKAZ where kod_archiv=0 and kodmanager<>0 order by data",
          "select * from OBSH", "select * from ZakPrint where kod_zakaz=:kod order by tip",
          "select * from DOPOSTPECH where kod_zakaz=:kod and tip=0 order by num",
          "select * from DOPOSTPECH where kod_zakaz=:kod and tip=1 order by num"}) {
        selects.push_back(std::make_unique<fb::Statement>(transaction, sql));
    }
    for (auto _ : state) {
        for (auto& select : selects) {
            select->close();
        }
        transaction.commit();
        transaction.start();
        int rows = 0;
        for (auto& select : selects) {
            if (select->hasParameter("KOD")) {
                select->setParameter("KOD", 1);
            }
            select->open();
            for (int row = 0; row < zel::Dataset::kDefaultBatch && select->fetch(); ++row) {
                ++rows;
            }
        }
        benchmark::DoNotOptimize(rows);
    }
}

// Prints each dataset figure beside its raw baseline as a ratio.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            times_[QString::fromStdString(run.benchmark_name())] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nDataset layer against a raw cursor over the same statement:\n");
        for (const char* name : {"OpenFirstScreen", "LocateNearEnd", "RefreshCycle"}) {
            const QString prefix = QString::fromLatin1(name);
            double layer = 0;
            double raw = 0;
            for (auto it = times_.cbegin(); it != times_.cend(); ++it) {
                if (it.key().startsWith(prefix + "_Raw")) {
                    raw = it.value();
                } else if (it.key().startsWith(prefix + "_")) {
                    layer = it.value();
                }
            }
            if (raw > 0) {
                std::printf("  %-16s %10.3f ms vs %10.3f ms raw: ratio %.2f\n", name, layer, raw,
                            layer / raw);
            }
        }
    }

  private:
    QMap<QString, double> times_;
};

}  // namespace

BENCHMARK(OpenFirstScreen_Dataset)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFirstScreen_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(LocateNearEnd_Dataset)->Unit(benchmark::kMillisecond);
BENCHMARK(LocateNearEnd_Raw)->Unit(benchmark::kMillisecond);
BENCHMARK(RefreshCycle_Dm)->Unit(benchmark::kMillisecond);
BENCHMARK(RefreshCycle_Raw)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Fixture data;
    fixture = &data;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
