#include "reports/order_list.h"

#include "core/dataset.h"
#include "reports/report_format.h"

namespace zel::reports {

namespace {

const QString kFormatGroup = QStringLiteral("Формат издания");

QVector<Column> orderColumns() {
    return {
        {QStringLiteral("Дата"), {}, Align::Center, 7.5},
        {QStringLiteral("№ Заказа"), {}, Align::Center, 5},
        {QStringLiteral("Организация"), {}, Align::Left, 13},
        {QStringLiteral("Конт. лицо"), {}, Align::Left, 11},
        {QStringLiteral("Телефоны"), {}, Align::Left, 11},
        {QStringLiteral("Название издания"), {}, Align::Left, 17},
        {QStringLiteral("Рентабе-льность"), {}, Align::Right, 6},
        {QStringLiteral("Тираж"), {}, Align::Right, 5.5},
        {QStringLiteral("длина"), kFormatGroup, Align::Right, 5},
        {QStringLiteral("ширина"), kFormatGroup, Align::Right, 5.5},
        {QStringLiteral("Красоч-ность"), {}, Align::Center, 6.5},
        {QStringLiteral("Стоимость"), {}, Align::Right, 8},
        {QStringLiteral("За экземпляр"), {}, Align::Right, 7},
    };
}

QStringList orderCells(const Dataset& orders, int row, const QString& colourField) {
    const auto text = [&](const char* field) {
        return orders.displayText(row, QLatin1String(field));
    };
    const auto value = [&](const char* field) { return orders.valueAt(row, QLatin1String(field)); };
    return {
        formatDate(value("DATA")),
        text("NUM"),
        text("NAMEORG"),
        text("FIO"),
        text("TEL"),
        text("NAMEIZD"),
        formatNumber(value("RENT")),
        formatCount(value("TIRAZ")),
        text("LEN"),
        text("WID"),
        orders.displayText(row, colourField),
        formatMoney(value("STOIM")),
        formatMoney(value("EXEMP")),
    };
}

QString settingText(Dataset& obsh, const char* field) {
    if (!obsh.isActive() || obsh.isEmpty()) {
        return QString();
    }
    return obsh.asString(QLatin1String(field)).trimmed();
}

}  // namespace

ReportDocument buildOrderList(Dataset& orders, Dataset& obsh, const QString& name,
                              const QString& title, const QString& colourField) {
    ReportDocument document;
    document.name = name;
    document.titleLines << title;
    document.orientation = QPageLayout::Landscape;
    document.page.organisation = settingText(obsh, "NAMEORG");

    Table table;
    table.columns = orderColumns();
    const int count = orders.recordCount();
    double sum = 0;
    for (int row = 0; row < count; ++row) {
        table.rows << orderCells(orders, row, colourField);
        sum += orders.valueAt(row, QStringLiteral("STOIM")).toDouble();
    }
    const QString currency = settingText(obsh, "OSNVAL");
    table.totals << QStringLiteral("Всего заказов: %1").arg(count)
                 << (QStringLiteral("На сумму: ") + formatMoney(sum) +
                     (currency.isEmpty() ? QString() : QStringLiteral(" ") + currency));
    document.tables << table;
    return document;
}

ReportDocument buildOrderList(Dataset& orders, Dataset& obsh, bool estimates) {
    return estimates
               ? buildOrderList(orders, obsh, QStringLiteral("RepRasch"),
                                QStringLiteral("Расчетные заказы"), QStringLiteral("PAINT"))
               : buildOrderList(orders, obsh, QStringLiteral("RepTek"),
                                QStringLiteral("Текущие заказы"), QStringLiteral("PAINTPREDL"));
}

}  // namespace zel::reports
