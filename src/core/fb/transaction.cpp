#include "core/fb/transaction.h"

#include "core/fb/client.h"
#include "core/fb/connection.h"
#include "core/fb/error.h"

namespace fb {

using Firebird::ThrowStatusWrapper;

Transaction::~Transaction() {
    try {
        rollback();
    } catch (const Error&) {
        // Ending without commit discards the work either way.
    }
}

void Transaction::start() {
    if (transaction_ != nullptr) {
        return;
    }
    if (!connection_.isConnected()) {
        throw Error(QStringLiteral("Нет соединения с базой данных."));
    }
    call([&](ThrowStatusWrapper& status) {
        Firebird::IXpbBuilder* tpb =
            util()->getXpbBuilder(&status, Firebird::IXpbBuilder::TPB, nullptr, 0);
        try {
            tpb->insertTag(&status, isc_tpb_concurrency);
            tpb->insertTag(&status, isc_tpb_nowait);
            tpb->insertTag(&status, isc_tpb_write);
            transaction_ = connection_.handle()->startTransaction(
                &status, tpb->getBufferLength(&status), tpb->getBuffer(&status));
        } catch (...) {
            tpb->dispose();
            throw;
        }
        tpb->dispose();
    });
}

void Transaction::commit() {
    if (transaction_ == nullptr) {
        return;
    }
    call([&](ThrowStatusWrapper& status) { transaction_->commit(&status); });
    transaction_ = nullptr;
}

void Transaction::rollback() {
    if (transaction_ == nullptr) {
        return;
    }
    Firebird::ITransaction* transaction = transaction_;
    transaction_ = nullptr;
    try {
        call([&](ThrowStatusWrapper& status) { transaction->rollback(&status); });
    } catch (const Error&) {
        transaction->release();
        throw;
    }
}

Firebird::ITransaction* Transaction::handle() const {
    if (transaction_ == nullptr) {
        throw Error(QStringLiteral("Транзакция не начата."));
    }
    return transaction_;
}

}  // namespace fb
