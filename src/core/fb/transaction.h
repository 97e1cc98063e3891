#pragma once

namespace Firebird {
class ITransaction;
}

namespace fb {

class Connection;

// The single read-write transaction of a program: snapshot isolation ("concurrency")
// and "nowait", so a conflicting update fails at once instead of waiting.
class Transaction {
  public:
    explicit Transaction(Connection& connection) : connection_(connection) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void start();
    void commit();
    void rollback();
    bool inTransaction() const { return transaction_ != nullptr; }

    Connection& connection() const { return connection_; }
    // The running transaction; throws fb::Error when none is started.
    Firebird::ITransaction* handle() const;

  private:
    Connection& connection_;
    Firebird::ITransaction* transaction_ = nullptr;
};

}  // namespace fb
