#include "reports/report_document.h"

#include <algorithm>

namespace zel::reports {

namespace {

const QString kCellSeparator = QStringLiteral(" | ");
const QString kPageNumber = QStringLiteral("Стр. %1 из %2");

QString headingText(const Column& column) {
    return column.group.isEmpty() ? column.title
                                  : QStringLiteral("%1: %2").arg(column.group, column.title);
}

void appendTable(const Table& table, QStringList& lines) {
    if (!table.caption.isEmpty()) {
        lines << table.caption;
    }
    if (table.hasHeading()) {
        QStringList headings;
        for (const Column& column : table.columns) {
            headings << headingText(column);
        }
        lines << headings.join(kCellSeparator);
    }
    for (const QStringList& row : table.rows) {
        lines << row.join(kCellSeparator);
    }
    lines << table.totals;
}

}  // namespace

bool Table::hasHeading() const {
    return std::any_of(columns.begin(), columns.end(),
                       [](const Column& column) { return !column.title.isEmpty(); });
}

bool Table::hasGroups() const {
    return std::any_of(columns.begin(), columns.end(),
                       [](const Column& column) { return !column.group.isEmpty(); });
}

QString pageNumberText(int page, int pageCount) {
    return kPageNumber.arg(page).arg(pageCount);
}

QString ReportDocument::toPlainText() const {
    QStringList lines = titleLines;
    lines << infoLines;
    if (!image.isEmpty()) {
        lines << QStringLiteral("[рисунок, %1 байт]").arg(image.size());
    }
    for (const Table& table : tables) {
        lines << QString();
        appendTable(table, lines);
    }
    lines << QString();
    if (!page.header.isEmpty()) {
        lines << QStringLiteral("Верхний колонтитул: %1").arg(page.header);
    }
    QStringList footer;
    if (!page.organisation.isEmpty()) {
        footer << page.organisation;
    }
    if (page.pageNumbers) {
        footer << kPageNumber.arg(QStringLiteral("N"), QStringLiteral("M"));
    }
    if (!footer.isEmpty()) {
        lines << QStringLiteral("Нижний колонтитул: %1").arg(footer.join(QStringLiteral("; ")));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace zel::reports
