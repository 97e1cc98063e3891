#include "core/schema/create_database.h"

#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "core/schema/schema.h"

namespace zel::schema {
namespace {

void createSchema(fb::Connection& connection) {
    fb::Transaction transaction(connection);
    // Each definition is committed on its own so that later ones (indices, the trigger)
    // see the tables created before them.
    for (const QString& ddl : ddlStatements()) {
        transaction.start();
        fb::Statement(transaction, ddl).execute();
        transaction.commit();
    }
    transaction.start();
    fb::Statement(transaction, QStringLiteral("insert into OBSH (KOD) values (1)")).execute();
    transaction.commit();
}

}  // namespace

void createDatabase(fb::Connection& connection, const QString& connectionString) {
    connection.create(connectionString);
    try {
        createSchema(connection);
    } catch (const fb::Error&) {
        connection.dropDatabase();
        throw;
    }
}

}  // namespace zel::schema
