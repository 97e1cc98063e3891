#include "core/fb/connection.h"

#include <array>

#include "core/fb/client.h"
#include "core/fb/error.h"

namespace fb {
namespace {

using Firebird::IXpbBuilder;
using Firebird::ThrowStatusWrapper;

IXpbBuilder* newDpb(ThrowStatusWrapper& status) {
    IXpbBuilder* dpb = util()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&status, isc_dpb_user_name, kUser);
    dpb->insertString(&status, isc_dpb_password, kPassword);
    dpb->insertString(&status, isc_dpb_lc_ctype, "UTF8");
    return dpb;
}

}  // namespace

Connection::~Connection() {
    try {
        detach();
    } catch (const Error&) {
        // The attachment is gone with the process anyway; nothing to report here.
    }
}

void Connection::attach(const QString& connectionString) {
    detach();
    const QByteArray name = connectionString.toUtf8();
    call([&](ThrowStatusWrapper& status) {
        IXpbBuilder* dpb = newDpb(status);
        try {
            attachment_ = provider()->attachDatabase(
                &status, name.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status));
        } catch (...) {
            dpb->dispose();
            throw;
        }
        dpb->dispose();
    });
    connectionString_ = connectionString;
    ensureDialectOne();
}

void Connection::create(const QString& connectionString) {
    detach();
    const QByteArray name = connectionString.toUtf8();
    call([&](ThrowStatusWrapper& status) {
        IXpbBuilder* dpb = newDpb(status);
        try {
            dpb->insertInt(&status, isc_dpb_sql_dialect, kSqlDialect);
            dpb->insertString(&status, isc_dpb_set_db_charset, "WIN1251");
            attachment_ = provider()->createDatabase(
                &status, name.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status));
        } catch (...) {
            dpb->dispose();
            throw;
        }
        dpb->dispose();
    });
    connectionString_ = connectionString;
    ensureDialectOne();
}

void Connection::ensureDialectOne() {
    const int dialect = sqlDialect();
    if (dialect != kSqlDialect) {
        detach();
        throw Error(QStringLiteral("База данных %1 создана с диалектом SQL %2; программа "
                                   "работает только с базами диалекта 1.")
                        .arg(connectionString_)
                        .arg(dialect));
    }
}

void Connection::detach() {
    if (attachment_ == nullptr) {
        return;
    }
    Firebird::IAttachment* attachment = attachment_;
    attachment_ = nullptr;
    try {
        call([&](ThrowStatusWrapper& status) { attachment->detach(&status); });
    } catch (const Error&) {
        attachment->release();
        throw;
    }
}

void Connection::dropDatabase() {
    if (attachment_ == nullptr) {
        return;
    }
    call([&](ThrowStatusWrapper& status) { attachment_->dropDatabase(&status); });
    attachment_ = nullptr;
}

int Connection::sqlDialect() const {
    if (attachment_ == nullptr) {
        throw Error(QStringLiteral("Нет соединения с базой данных."));
    }
    const std::array<unsigned char, 1> items = {isc_info_db_sql_dialect};
    std::array<unsigned char, 16> answer{};
    call([&](ThrowStatusWrapper& status) {
        attachment_->getInfo(&status, static_cast<unsigned>(items.size()), items.data(),
                             static_cast<unsigned>(answer.size()), answer.data());
    });
    // Answer: item code, two-byte little-endian length, value.
    if (answer[0] != isc_info_db_sql_dialect) {
        throw Error(QStringLiteral("Сервер не сообщил диалект SQL базы данных."));
    }
    const int length = answer[1] | (answer[2] << 8);
    int value = 0;
    for (int i = length - 1; i >= 0; --i) {
        value = (value << 8) | answer[3 + i];
    }
    return value;
}

}  // namespace fb
