#include "main/dm.h"

#include <cmath>

#include "core/schema/schema.h"
#include "costing/rounding.h"

namespace zelvan {
namespace {

// Leading and trailing blanks and control characters (a line break left at the end of
// a pasted edition name) are not shown.
QString trimmedName(const QVariant& value) {
    QString text = value.toString();
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end &&
           (text.at(start).isSpace() || text.at(start).category() == QChar::Other_Control)) {
        ++start;
    }
    while (end > start &&
           (text.at(end - 1).isSpace() || text.at(end - 1).category() == QChar::Other_Control)) {
        --end;
    }
    return text.mid(start, end - start);
}

// The colours of an order as shown in the archive and proposal lists: always the two
// numbers, whatever text the PAINT column holds.
void showColoursAsNumbers(Dataset::RowAccess& row) {
    row.setValue(QStringLiteral("PAINT"), QStringLiteral("%1+%2")
                                              .arg(row.asInt(QStringLiteral("PLEFT")))
                                              .arg(row.asInt(QStringLiteral("PRIGHT"))));
}

}  // namespace

Dataset* TDM::editable(const QString& name, const QString& sql, const QString& table,
                       bool keyedByGenerator) {
    Dataset* dataset = addDataset(name, sql);
    const zel::schema::Table& description = zel::schema::table(table);
    dataset->setUpdateTable(description, keyedByGenerator ? description.generator : QString());
    return dataset;
}

TDM::TDM(QObject* parent) : zel::DataModule(parent) {
    DSetZakaz =
        editable("DSetZakaz", "select * from ZAKAZ where kod_archiv=0 order by data", "ZAKAZ");
    DSetArchiv = editable("DSetArchiv", "select * from ZAKAZ where kod_archiv=2 order by data",
                          "ZAKAZ", false);
    DSetPredl = editable("DSetPredl", "select * from ZAKAZ where kod_archiv=0 order by data",
                         "ZAKAZ", false);
    DSetNumZak = addDataset("DSetNumZak", "select distinct num from ZAKAZ");
    DSetZakDop = editable("DSetZakDop",
                          "select * from DOPOSTPECH where kod_zakaz=:kod and tip=0 order by num",
                          "DOPOSTPECH");
    DSetZakPos = editable("DSetZakPos",
                          "select * from DOPOSTPECH where kod_zakaz=:kod and tip=1 order by num",
                          "DOPOSTPECH");
    DSetZakPrint = editable("DSetZakPrint",
                            "select * from ZakPrint where kod_zakaz=:kod order by tip", "ZAKPRINT");
    DSetZakPrilad =
        editable("DSetZakPrilad", "select * from ZAK_PRILAD where KOD_ZAKPRINT=:KOD order by NAME",
                 "ZAK_PRILAD");
    DSetSumPrilad =
        addDataset("DSetSumPrilad", "select SUM(KOLVO) from ZAK_PRILAD where KOD_ZAKPRINT=:KOD");
    DSetZakMat =
        editable("DSetZakMat", "select * from ZAKMAT where kod_zakaz=:kod order by name", "ZAKMAT");
    DSetZakProcAll =
        editable("DSetZakProcAll",
                 "select * from ZAKPROC where kod_zakaz=:kod and tip=1 order by num", "ZAKPROC");
    for (int stage = 1; stage <= 8; ++stage) {
        DSetZakProc[stage - 1] = addDataset(
            QStringLiteral("DSetZakProc%1").arg(stage),
            QStringLiteral("select * from ZAKPROC where kod_zakaz=:kod and tip=%1 order by num")
                .arg(stage));
    }
    for (Dataset* detail : {DSetZakDop, DSetZakPos, DSetZakPrint, DSetZakMat, DSetZakProcAll}) {
        detail->setMaster(DSetZakaz);
    }
    for (Dataset* stage : DSetZakProc) {
        stage->setMaster(DSetZakaz);
    }
    DSetZakPrilad->setMaster(DSetZakPrint);
    DSetSumPrilad->setMaster(DSetZakPrint);

    DSetUsers = addDataset("DSetUsers", "select * from USERS");
    DSetAdmin =
        editable("DSetAdmin", "select * from USERS where TIP_USER=0 order by NAME_USER ", "USERS");
    DSetMan =
        editable("DSetMan", "select * from USERS where tip_user=1 order by name_user ", "USERS");
    DSetTechn =
        editable("DSetTechn", "select * from USERS where tip_user=2 order by name_user ", "USERS");
    DSetObsh = editable("DSetObsh", "select * from OBSH", "OBSH", false);

    DSetMach = editable("DSetMach", "select * from Machine where tip=0 order by name", "MACHINE");
    DSetPripr = addDataset("DSetPripr", "select * from Machine where tip=1 order by name");
    DSetLak = addDataset("DSetLak", "select * from MACHINE where TIP=2 order by NAME");
    DSetFalts = addDataset("DSetFalts", "select * from Machine where tip=3 order by name");
    DSetRezka = addDataset("DSetRezka", "select * from Machine where tip=4 order by name");
    DSetListPod = addDataset("DSetListPod", "select * from Machine where tip=5 order by name");
    DSetTisn = addDataset("DSetTisn", "select * from Machine where tip=6 order by name");
    DSetVys = addDataset("DSetVys", "select * from Machine where tip=7 order by name");
    DSetSkl = addDataset("DSetSkl", "select * from Machine where tip=8 order by name");
    DSetShv = addDataset("DSetShv", "select * from Machine where tip=9 order by name");
    DSetTipPech = editable("DSetTipPech", "select * from TIPPECH where kod_mach=:kod order by name",
                           "TIPPECH");
    DSetNakl = editable("DSetNakl", "select * from NAKLRASX where kod_mach=:kod order by OTLIST",
                        "NAKLRASX");
    DSetPrilad = editable("DSetPrilad", "select * from PRILAD where kod_mach=:kod order by OTLIST",
                          "PRILAD");
    for (Dataset* detail : {DSetTipPech, DSetNakl, DSetPrilad}) {
        detail->setMaster(DSetMach);
    }

    DSetPriladka = editable("DSetPriladka", "select * from PRILADKA  order by NAME", "PRILADKA");
    DSetProc =
        editable("DSetProc", "select * from PROCPRILADKA where KOD_PRILADKA=:KOD order by OTLIST",
                 "PROCPRILADKA");
    DSetProc->setMaster(DSetPriladka);
    DSetDoPech = editable("DSetDoPech", "select * from Raboty where tip=0 order by name", "RABOTY");
    DSetPosPech =
        editable("DSetPosPech", "select * from Raboty where tip=1 order by name", "RABOTY");
    DSetGotIzd =
        editable("DSetGotIzd", "select * from GOTIZD where kod_tip=0 order by name", "GOTIZD");
    DSetPredrez =
        addDataset("DSetPredrez", "select * from GOTIZD where kod_tip=1 order by wid desc");
    DSetBig = addDataset("DSetBig", "select * from GOTIZD where kod_tip=2 order by wid desc");
    DSetClients = editable("DSetClients", "select * from KLIENT  order by name", "KLIENT");
    DSetProduct = editable("DSetProduct", "select * from PRODUCT order by name", "PRODUCT");
    DSetTipMater = addDataset("DSetTipMater", "select * from TipMaterials  order by Name");
    DSetMaterials =
        addDataset("DSetMaterials", "select * from Materials  where KOD_TIP=:KOD  order by name");
    DSetMaterials->setMaster(DSetTipMater);

    setUpDefaults();
    setUpComputedFields();
}

void TDM::setUpDefaults() {
    const auto orderKey = [this] { return DSetZakaz->value(QStringLiteral("KOD")); };
    const auto childOfOrder = [orderKey](Dataset& row) {
        row.setValue(QStringLiteral("KOD_ZAKAZ"), orderKey());
    };
    DSetZakDop->setNewRecordHandler([childOfOrder](Dataset& row) {
        childOfOrder(row);
        row.setValue(QStringLiteral("TIP"), 0);
    });
    DSetZakPos->setNewRecordHandler([childOfOrder](Dataset& row) {
        childOfOrder(row);
        row.setValue(QStringLiteral("TIP"), 1);
    });
    DSetZakPrint->setNewRecordHandler(childOfOrder);
    DSetZakMat->setNewRecordHandler(childOfOrder);
    DSetZakProcAll->setNewRecordHandler(childOfOrder);
    DSetZakPrilad->setNewRecordHandler([this](Dataset& row) {
        row.setValue(QStringLiteral("KOD_ZAKPRINT"), DSetZakPrint->value(QStringLiteral("KOD")));
    });

    const auto role = [](int tip) {
        return [tip](Dataset& row) { row.setValue(QStringLiteral("TIP_USER"), tip); };
    };
    DSetAdmin->setNewRecordHandler(role(0));
    DSetMan->setNewRecordHandler(role(1));
    DSetTechn->setNewRecordHandler(role(2));

    DSetMach->setNewRecordHandler(
        [this](Dataset& row) { row.setValue(QStringLiteral("TIP"), machinePageIndex); });
    const auto ofMachine = [this](Dataset& row) {
        row.setValue(QStringLiteral("KOD_MACH"), DSetMach->value(QStringLiteral("KOD")));
    };
    DSetTipPech->setNewRecordHandler(ofMachine);
    DSetNakl->setNewRecordHandler(ofMachine);
    DSetPrilad->setNewRecordHandler(ofMachine);
    DSetProc->setNewRecordHandler([this](Dataset& row) {
        row.setValue(QStringLiteral("KOD_PRILADKA"), DSetPriladka->value(QStringLiteral("KOD")));
    });
    DSetDoPech->setNewRecordHandler([](Dataset& row) { row.setValue(QStringLiteral("TIP"), 0); });
    DSetPosPech->setNewRecordHandler([](Dataset& row) { row.setValue(QStringLiteral("TIP"), 1); });
    DSetGotIzd->setNewRecordHandler(
        [this](Dataset& row) { row.setValue(QStringLiteral("KOD_TIP"), formatPageIndex); });
}

void TDM::setUpComputedFields() {
    // Press sheets including make-ready, and parent sheets including the make-ready share
    // of one press sheet; a print part cut 0 times from its parent sheet counts as cut
    // once, and shows so.
    DSetZakPrint->setComputedFields(
        {QStringLiteral("PechListCalc"), QStringLiteral("BigListCalc")},
        [](Dataset::RowAccess& row) {
            const double makeReady = row.asDouble(QStringLiteral("ITOGOLISTPRILAD"));
            row.setValue(
                QStringLiteral("PechListCalc"),
                costing::roundToCents(row.asDouble(QStringLiteral("KOLLISTPECH")) + makeReady));
            if (row.asInt(QStringLiteral("KOLPREDREZ")) == 0) {
                row.setValue(QStringLiteral("KOLPREDREZ"), 1);
            }
            row.setValue(
                QStringLiteral("BigListCalc"),
                costing::roundToCents(row.asDouble(QStringLiteral("KOLBUMLIST")) +
                                      makeReady / row.asInt(QStringLiteral("KOLPREDREZ"))));
        });
    DSetArchiv->setComputedFields({}, showColoursAsNumbers);
    DSetPredl->setComputedFields({}, showColoursAsNumbers);
    DSetZakaz->setDisplayFormat(QStringLiteral("NAMEIZD"), trimmedName);
    // Prices are shown to the kopeck.
    const auto money = [](const QVariant& value) {
        return value.isValid() ? QString::number(value.toDouble(), 'f', 2) : QString();
    };
    for (const char* field : {"STOIM", "EXEMP", "STOIMDOPVAL", "EXEMPDOPVAL", "SEBES"}) {
        DSetZakaz->setDisplayFormat(QString::fromLatin1(field), money);
    }
}

void TDM::refresh(const QVariant& kod, std::initializer_list<Dataset*> extra) {
    QVector<Dataset*> reopen{DSetZakaz, DSetObsh};
    reopen.append(QVector<Dataset*>(extra));
    refreshCycle(reopen, DSetZakaz, kod);
}

}  // namespace zelvan
