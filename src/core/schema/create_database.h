#pragma once

#include <QString>

namespace fb {
class Connection;
}

namespace zel::schema {

// Creates a new dialect-1 database (a local path for the embedded engine or "host:path"
// for a server) with every table and generator and the single settings row, and leaves
// `connection` attached to it. Throws fb::Error; an existing database is never touched.
void createDatabase(fb::Connection& connection, const QString& connectionString);

}  // namespace zel::schema
