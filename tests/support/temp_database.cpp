#include "support/temp_database.h"

#include <stdexcept>

#include "core/fb/connection.h"
#include "core/schema/create_database.h"

namespace zel::testing {

TempDatabase::TempDatabase() : path_(dir_.filePath(QStringLiteral("test.fdb"))) {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    fb::Connection connection;
    schema::createDatabase(connection, path_);
    connection.detach();
}

}  // namespace zel::testing
