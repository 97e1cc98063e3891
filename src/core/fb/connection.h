#pragma once

#include <QString>

namespace Firebird {
class IAttachment;
}

namespace fb {

// The one account every program of the system connects with.
inline constexpr const char* kUser = "sysdba";
inline constexpr const char* kPassword = "plumtrees";
// The programs' statements are written for SQL dialect 1 (DATE holds date and time,
// "…" is a string literal).
inline constexpr int kSqlDialect = 1;

// One attachment to a database: a bare path (embedded engine) or "host:path" (server).
// The connection character set is UTF-8; the server transliterates to and from the
// database's WIN1251 text.
class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws fb::Error when the database cannot be reached or is not of SQL dialect 1.
    void attach(const QString& connectionString);
    void detach();
    bool isConnected() const { return attachment_ != nullptr; }
    QString connectionString() const { return connectionString_; }

    // Creates a new dialect-1 database whose text is WIN1251 and leaves it attached.
    // Throws fb::Error when the file exists or cannot be created.
    void create(const QString& connectionString);

    // Deletes the attached database (a creation that failed half-way) and detaches.
    void dropDatabase();

    int sqlDialect() const;
    Firebird::IAttachment* handle() const { return attachment_; }

  private:
    void ensureDialectOne();

    Firebird::IAttachment* attachment_ = nullptr;
    QString connectionString_;
};

}  // namespace fb
