#include "demo_data.h"

#include <QFile>

#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "core/schema/schema.h"
#include "sql_script.h"

namespace zeldb {

void loadDemoData(fb::Connection& connection) {
    QFile script(QStringLiteral(":/zeldb/demo.sql"));
    if (!script.open(QIODevice::ReadOnly)) {
        throw fb::Error(QStringLiteral("Демонстрационные данные не найдены в программе."));
    }
    fb::Transaction transaction(connection);
    transaction.start();
    for (const QString& statement : splitSqlScript(QString::fromUtf8(script.readAll()))) {
        try {
            fb::Statement(transaction, statement).execute();
        } catch (const fb::Error& error) {
            throw fb::Error(error.text() + QStringLiteral("\nОператор: ") + statement.left(200));
        }
    }
    for (const zel::schema::Table& table : zel::schema::tables()) {
        if (table.generator.isEmpty()) {
            continue;
        }
        fb::Statement largest(transaction,
                              QStringLiteral("select max(%1) from %2").arg(table.key, table.name));
        largest.execute();
        const qint64 last = largest.value(0).toLongLong();
        fb::Statement(transaction,
                      QStringLiteral("set generator %1 to %2").arg(table.generator).arg(last))
            .execute();
    }
    transaction.commit();
}

}  // namespace zeldb
