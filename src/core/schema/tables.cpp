#include <stdexcept>

#include "core/schema/schema.h"
#include "costing/print_part_columns.h"

namespace zel::schema {
namespace {

Column smallint(const char* name, std::optional<int> defaultValue = {}) {
    return {QString::fromLatin1(name), ColumnType::SmallInt, 0, false, defaultValue};
}
Column integer(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Integer, 0, false, {}};
}
Column dbl(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Double, 0, false, {}};
}
Column date(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Date, 0, false, {}};
}
Column varchar(const char* name, int length) {
    return {QString::fromLatin1(name), ColumnType::Varchar, length, false, {}};
}
Column blob(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Blob, 0, false, {}};
}
Column required(Column column) {
    column.required = true;
    return column;
}

Table keyed(const char* name, QVector<Column> columns, QStringList indexed = {}) {
    const QString table = QString::fromLatin1(name);
    const QString key = columns.first().name;
    return Table{table, key, table + QLatin1Char('_') + key + QStringLiteral("_GEN"),
                 std::move(columns), std::move(indexed)};
}

Column fromPrintPart(const costing::PrintPartColumn& source) {
    const QString name = QString::fromLatin1(source.name.data(), source.name.size());
    switch (source.type) {
        case costing::ColumnType::Integer:
            return {name, ColumnType::Integer, 0, false, source.defaultValue};
        case costing::ColumnType::SmallInt:
            return {name, ColumnType::SmallInt, 0, false, source.defaultValue};
        case costing::ColumnType::Double:
            return {name, ColumnType::Double, 0, false, source.defaultValue};
        case costing::ColumnType::Varchar:
            return {name, ColumnType::Varchar, source.length, false, source.defaultValue};
    }
    throw std::logic_error("unknown print-part column type");
}

QVector<Column> printPartColumns() {
    QVector<Column> columns;
    for (const costing::PrintPartColumn& source : costing::printPartColumns()) {
        columns.append(fromPrintPart(source));
    }
    return columns;
}

QVector<Table> buildTables() {
    QVector<Table> all;

    all.append(keyed("ZAKAZ",
                     {integer("KOD"),
                      smallint("KOD_ARCHIV"),
                      date("DATA"),
                      varchar("NUM", 10),
                      varchar("NAMEORG", 64),
                      varchar("FIO", 64),
                      varchar("TEL", 64),
                      varchar("NAMEIZD", 1024),
                      smallint("TIPPROD", 0),
                      dbl("KURS"),
                      dbl("RENT"),
                      integer("TIRAZ"),
                      varchar("FORMAT", 32),
                      smallint("LEN"),
                      smallint("WID"),
                      smallint("PLEFT"),
                      smallint("PRIGHT"),
                      varchar("PSTRLEFT", 1),
                      varchar("PSTRRIGHT", 1),
                      varchar("PAINT", 3),
                      smallint("PLEFT2"),
                      smallint("PRIGHT2"),
                      varchar("PSTRLEFT2", 1),
                      varchar("PSTRRIGHT2", 1),
                      varchar("PAINT2", 3),
                      varchar("PAINTPREDL", 16),
                      dbl("COSTDOPECH"),
                      dbl("COSTPRINT"),
                      dbl("COSTPOSTPECH"),
                      dbl("TIMEDOPECH"),
                      dbl("TIMEPRINT"),
                      dbl("TIMEPOSTPECH"),
                      dbl("COSTRENT"),
                      dbl("SEBES"),
                      dbl("RENTCENA"),
                      dbl("NDSCENA"),
                      dbl("STOIM"),
                      dbl("EXEMP"),
                      dbl("STOIMDOPVAL"),
                      dbl("EXEMPDOPVAL"),
                      integer("KODMANAGER"),
                      varchar("NAMEMANAGER", 32),
                      varchar("PAPER", 192),
                      varchar("NOTE", 512),
                      varchar("SROKIZG", 32)},
                     {QStringLiteral("KOD_ARCHIV"), QStringLiteral("DATA")}));

    all.append(keyed("DOPOSTPECH",
                     {integer("KOD"), integer("KOD_ZAKAZ"), smallint("TIP"), smallint("NUM"),
                      varchar("NAME", 64), integer("KOLVO"), dbl("TIMEOPER"), dbl("CENA"),
                      dbl("ALLTIME"), dbl("ALLCENA")},
                     {QStringLiteral("KOD_ZAKAZ")}));

    all.append(keyed("ZAKMAT",
                     {integer("KOD"), integer("KOD_ZAKAZ"), varchar("NAME", 64),
                      varchar("FORMAT", 32), varchar("EDIZM", 16), varchar("POSTAV", 128),
                      dbl("VYDAT"), varchar("DOP", 32), varchar("NOTE", 64)},
                     {QStringLiteral("KOD_ZAKAZ")}));

    all.append(keyed("ZAKPROC",
                     {integer("KOD"),
                      integer("KOD_ZAKAZ"),
                      smallint("TIP"),
                      smallint("NUM"),
                      varchar("NAME", 32),
                      varchar("NAMEMACHTIP", 32),
                      varchar("FORMAT", 32),
                      dbl("KOLTIRAZ"),
                      dbl("KOLTEXOTX"),
                      dbl("KOLPRILAD"),
                      date("DATA1"),
                      date("DATA2"),
                      varchar("OPERATORS", 128),
                      varchar("SOST", 32),
                      dbl("BRAK"),
                      varchar("BRAKPRICH", 32),
                      varchar("NOTE", 512),
                      blob("PICT"),
                      integer("KOLBIGLIST"),
                      varchar("ISXFORMAT", 16),
                      smallint("DOLYA"),
                      integer("KOLPECHLIST"),
                      varchar("PECHFORMAT", 16),
                      varchar("LICO", 1),
                      varchar("OBOROT", 1),
                      varchar("SVOI", 1),
                      varchar("CHUJOI", 1),
                      varchar("C1", 1),
                      varchar("M1", 1),
                      varchar("Y1", 1),
                      varchar("K1", 1),
                      varchar("P1", 32),
                      varchar("C2", 1),
                      varchar("M2", 1),
                      varchar("Y2", 1),
                      varchar("K2", 1),
                      varchar("P2", 32),
                      varchar("ONESTOR", 1),
                      varchar("TWOSTOR", 1),
                      smallint("KOLSTR")},
                     {QStringLiteral("KOD_ZAKAZ")}));

    all.append(keyed("ZAK_PRILAD",
                     {integer("KOD"), integer("KOD_ZAKPRINT"), varchar("NAME", 64), dbl("KOLVO")},
                     {QStringLiteral("KOD_ZAKPRINT")}));

    all.append(keyed("ZAKPRINT", printPartColumns(), {QStringLiteral("KOD_ZAKAZ")}));

    all.append(keyed("USERS", {integer("KOD_USER"), required(varchar("NAME_USER", 32)),
                               varchar("PASS_USER", 10), required(smallint("TIP_USER"))}));

    // The settings table holds exactly one row, created with the database; it has no
    // generator because the programs never insert into it.
    all.append(Table{QStringLiteral("OBSH"),
                     QStringLiteral("KOD"),
                     QString(),
                     {smallint("KOD"), varchar("DIRECT", 128), blob("EMBL"), varchar("OSNVAL", 10),
                      varchar("DOPVAL", 10), dbl("NDS"), dbl("SOCOTCH"), dbl("ENRGCOST"),
                      smallint("TIP_CALCFOLG", 0), dbl("COSTRENT"), smallint("TIPRENTAB"),
                      smallint("TIPSROKIZG", 0), smallint("TIPNDS", 0), varchar("NAMEORG", 64),
                      varchar("INN", 20)},
                     {}});

    all.append(
        keyed("MACHINE",
              {integer("KOD"), required(smallint("TIP")), varchar("NAME", 64), dbl("MAXSPEED"),
               dbl("COST"), dbl("LEN"), dbl("WID"), dbl("PRILAD1"), dbl("PRILAD2"),
               smallint("PAINT"), dbl("AMORT"), dbl("POWER"), dbl("TRUDVSPOM"), dbl("CHIMVCHAS"),
               smallint("TIPNAKL", 0), integer("PRILAD1PLAST"), smallint("TIPLISTCHAS", 0)},
              {QStringLiteral("TIP")}));

    all.append(
        keyed("TIPPECH",
              {integer("KOD"), integer("KOD_MACH"), varchar("NAME", 32), dbl("SPEED"), dbl("KOEF")},
              {QStringLiteral("KOD_MACH")}));

    all.append(
        keyed("NAKLRASX",
              {integer("KOD"), integer("KOD_MACH"), dbl("OTLIST"), dbl("DOLIST"), dbl("COST")},
              {QStringLiteral("KOD_MACH")}));

    all.append(
        keyed("PRILAD",
              {integer("KOD"), integer("KOD_MACH"), dbl("OTLIST"), dbl("DOLIST"), dbl("PROCENT")},
              {QStringLiteral("KOD_MACH")}));

    all.append(
        keyed("PRILADKA", {integer("KOD"), varchar("NAME", 64), dbl("DOOPR"), dbl("KOLDOOPR")}));

    all.append(keyed(
        "PROCPRILADKA",
        {integer("KOD"), integer("KOD_PRILADKA"), dbl("OTLIST"), dbl("DOLIST"), dbl("PROCENT")},
        {QStringLiteral("KOD_PRILADKA")}));

    all.append(keyed("RABOTY", {smallint("KOD"), required(smallint("TIP")), varchar("NAME", 32),
                                dbl("TIMER"), dbl("CENA")}));

    all.append(keyed("GOTIZD", {integer("KOD"), smallint("KOD_TIP"), varchar("NAME", 32),
                                smallint("LEN"), smallint("WID")}));

    all.append(keyed("KLIENT",
                     {integer("KOD"), varchar("TIP", 20), varchar("NAME", 64), varchar("FIO", 64),
                      varchar("TEL", 64), varchar("RNN", 12), varchar("NOTE", 128)}));

    all.append(keyed("PRODUCT", {integer("KOD"), varchar("NAME", 1024), varchar("NOTE", 128)}));

    all.append(keyed("TIPMATERIALS", {integer("KOD"), required(varchar("NAME", 64)),
                                      smallint("TIPVISIBLE", 0), smallint("TIPDATAGODN")}));

    all.append(keyed(
        "MATERIALS",
        {integer("KOD"), required(smallint("KOD_TIP")), varchar("NOMNUMBER", 64),
         varchar("NAME", 64), varchar("EDIZM", 10), varchar("SKLAD", 64), varchar("STELAZH", 64),
         varchar("YACHEIKA", 64), varchar("MARKA", 64), varchar("CORT", 64), varchar("PROFILE", 64),
         dbl("DLINA"), dbl("SHIRINA"), dbl("PLOTN"), date("DATAGODN"), dbl("CENA"),
         dbl("NORMAZAPASA"), dbl("OSTATOK"), varchar("NOTE", 128)},
        {QStringLiteral("KOD_TIP")}));

    all.append(keyed(
        "MOVE",
        {integer("KOD"), required(integer("KOD_MATERIAL")), required(smallint("KOD_TIP")),
         date("DATA"), varchar("POST_POKU", 64), varchar("POSTAV", 64), dbl("PRIXOD"),
         varchar("POKUP", 64), dbl("RASXOD"), dbl("OSTATOK"), dbl("CENA"), integer("KODZAKAZ")},
        {QStringLiteral("KOD_MATERIAL")}));

    all.append(keyed(
        "POSTAV", {integer("KOD"), varchar("NAME", 128), varchar("RNN", 12), varchar("KONT", 128),
                   varchar("PHONE", 128), varchar("ADRES", 128), varchar("EMAIL", 128)}));
    return all;
}

}  // namespace

const Column* Table::column(const QString& columnName) const {
    for (const Column& candidate : columns) {
        if (candidate.name.compare(columnName, Qt::CaseInsensitive) == 0) {
            return &candidate;
        }
    }
    return nullptr;
}

QStringList Table::columnNames() const {
    QStringList names;
    for (const Column& candidate : columns) {
        names.append(candidate.name);
    }
    return names;
}

const QVector<Table>& tables() {
    static const QVector<Table> all = buildTables();
    return all;
}

const Table& table(const QString& name) {
    for (const Table& candidate : tables()) {
        if (candidate.name.compare(name, Qt::CaseInsensitive) == 0) {
            return candidate;
        }
    }
    throw std::out_of_range("unknown table " + name.toStdString());
}

}  // namespace zel::schema
