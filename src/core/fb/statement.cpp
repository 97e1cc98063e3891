#include "core/fb/statement.h"

#include <QDateTime>
#include <cmath>
#include <cstring>

#include "core/fb/client.h"
#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/fb/named_parameters.h"
#include "core/fb/transaction.h"

namespace fb {
namespace {

using Firebird::IMessageMetadata;
using Firebird::ThrowStatusWrapper;

// Firebird's SQL type codes carry the "nullable" flag in bit 0.
unsigned baseType(unsigned sqlType) {
    return sqlType & ~1u;
}

FieldType fieldTypeOf(unsigned sqlType, int scale) {
    switch (baseType(sqlType)) {
        case SQL_SHORT:
            return scale < 0 ? FieldType::Double : FieldType::SmallInt;
        case SQL_LONG:
            return scale < 0 ? FieldType::Double : FieldType::Integer;
        case SQL_INT64:
            return scale < 0 ? FieldType::Double : FieldType::BigInt;
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            return FieldType::Double;
        case SQL_TIMESTAMP:
            return FieldType::Timestamp;
        case SQL_TYPE_DATE:
            return FieldType::Date;
        case SQL_TYPE_TIME:
            return FieldType::Time;
        case SQL_TEXT:
        case SQL_VARYING:
            return FieldType::Text;
        case SQL_BLOB:
            return FieldType::Blob;
        case SQL_BOOLEAN:
            return FieldType::Boolean;
        default:
            throw Error(QStringLiteral("Неподдерживаемый тип поля (код %1).").arg(sqlType));
    }
}

double powerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

std::vector<std::uint64_t> alignedBuffer(unsigned length) {
    return std::vector<std::uint64_t>((length + 7) / 8 + 1, 0);
}

template <typename T>
T readAs(const unsigned char* place) {
    T value;
    std::memcpy(&value, place, sizeof value);
    return value;
}

template <typename T>
void writeAs(unsigned char* place, T value) {
    std::memcpy(place, &value, sizeof value);
}

QDateTime toDateTime(const QVariant& value, const QString& name) {
    if (value.typeId() == QMetaType::QDateTime) {
        return value.toDateTime();
    }
    if (value.typeId() == QMetaType::QDate) {
        return QDateTime(value.toDate(), QTime(0, 0));
    }
    const QString text = value.toString().trimmed();
    for (const char* format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-dd",
                               "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm", "dd.MM.yyyy"}) {
        const QDateTime parsed = QDateTime::fromString(text, QString::fromLatin1(format));
        if (parsed.isValid()) {
            return parsed;
        }
    }
    throw Error(QStringLiteral("Значение \"%1\" параметра %2 не является датой.").arg(text, name));
}

double toNumber(const QVariant& value, const QString& name) {
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number =
            value.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok) {
            throw Error(QStringLiteral("Значение \"%1\" параметра %2 не является числом.")
                            .arg(value.toString(), name));
        }
        return number;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) {
        throw Error(QStringLiteral("Значение параметра %1 не является числом.").arg(name));
    }
    return number;
}

QString toText(const QVariant& value) {
    if (value.typeId() == QMetaType::Double) {
        return QString::number(value.toDouble(), 'g', 17);
    }
    if (value.typeId() == QMetaType::QDateTime) {
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return value.toString();
}

// A text parameter left empty is stored as null in the numeric and date columns.
bool isEmptyText(const QVariant& value) {
    return value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty();
}

}  // namespace

Statement::Statement(Transaction& transaction, const QString& sql)
    : transaction_(transaction), sql_(sql) {
    const PositionalSql positional = toPositional(sql);
    parameterPlaces_ = positional.names;
    parameterValues_.resize(parameterPlaces_.size());
    const QByteArray text = positional.sql.toUtf8();
    Firebird::IAttachment* attachment = transaction.connection().handle();
    if (attachment == nullptr) {
        throw Error(QStringLiteral("Нет соединения с базой данных."));
    }
    Firebird::ITransaction* running = transaction.inTransaction() ? transaction.handle() : nullptr;
    call([&](ThrowStatusWrapper& status) {
        statement_ = attachment->prepare(&status, running, static_cast<unsigned>(text.size()),
                                         text.constData(), kSqlDialect,
                                         Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    });
    prepareMessages();
}

Statement::~Statement() {
    try {
        close();
    } catch (const Error&) {
        // The cursor dies with its statement.
    }
    if (inputMeta_ != nullptr) {
        inputMeta_->release();
    }
    if (outputMeta_ != nullptr) {
        outputMeta_->release();
    }
    if (statement_ != nullptr) {
        try {
            call([&](ThrowStatusWrapper& status) { statement_->free(&status); });
        } catch (const Error&) {
            statement_->release();
        }
    }
}

void Statement::prepareMessages() {
    call([&](ThrowStatusWrapper& status) {
        hasCursor_ = (statement_->getFlags(&status) & Firebird::IStatement::FLAG_HAS_CURSOR) != 0;
        inputMeta_ = statement_->getInputMetadata(&status);
        outputMeta_ = statement_->getOutputMetadata(&status);
        const unsigned count = outputMeta_->getCount(&status);
        columns_.reserve(static_cast<int>(count));
        for (unsigned i = 0; i < count; ++i) {
            const int scale = outputMeta_->getScale(&status, i);
            columns_.append(Column{QString::fromUtf8(outputMeta_->getAlias(&status, i)),
                                   fieldTypeOf(outputMeta_->getType(&status, i), scale), scale});
        }
        outputBuffer_ = alignedBuffer(outputMeta_->getMessageLength(&status));
    });
    row_.resize(columns_.size());
}

QStringList Statement::parameterNames() const {
    QStringList names;
    for (const QString& name : parameterPlaces_) {
        if (!names.contains(name)) {
            names.append(name);
        }
    }
    return names;
}

bool Statement::hasParameter(const QString& name) const {
    return parameterPlaces_.contains(name.toUpper());
}

void Statement::setParameter(const QString& name, const QVariant& value) {
    const QString key = name.toUpper();
    bool found = false;
    for (int i = 0; i < parameterPlaces_.size(); ++i) {
        if (parameterPlaces_.at(i) == key) {
            parameterValues_[i] = value;
            found = true;
        }
    }
    if (!found) {
        throw Error(QStringLiteral("В запросе нет параметра %1.").arg(name));
    }
}

void Statement::clearParameters() {
    parameterValues_.fill(QVariant());
}

int Statement::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_.at(i).name.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

std::vector<std::uint64_t> Statement::encodeParameters() {
    std::vector<std::uint64_t> buffer;
    call([&](ThrowStatusWrapper& status) {
        buffer = alignedBuffer(inputMeta_->getMessageLength(&status));
        auto* base = reinterpret_cast<unsigned char*>(buffer.data());
        const unsigned count = inputMeta_->getCount(&status);
        for (unsigned i = 0; i < count; ++i) {
            const QVariant value = parameterValues_.value(static_cast<int>(i));
            const QString& name = parameterPlaces_.at(static_cast<int>(i));
            unsigned char* place = base + inputMeta_->getOffset(&status, i);
            const unsigned type = baseType(inputMeta_->getType(&status, i));
            const unsigned length = inputMeta_->getLength(&status, i);
            const int scale = inputMeta_->getScale(&status, i);
            const bool textual = type == SQL_TEXT || type == SQL_VARYING || type == SQL_BLOB;
            const bool isNull =
                !value.isValid() || value.isNull() || (!textual && isEmptyText(value));
            writeAs<short>(base + inputMeta_->getNullOffset(&status, i), isNull ? -1 : 0);
            if (isNull) {
                continue;
            }
            switch (type) {
                case SQL_SHORT:
                    writeAs<std::int16_t>(place, static_cast<std::int16_t>(std::llround(
                                                     toNumber(value, name) * powerOfTen(-scale))));
                    break;
                case SQL_LONG:
                    writeAs<std::int32_t>(place, static_cast<std::int32_t>(std::llround(
                                                     toNumber(value, name) * powerOfTen(-scale))));
                    break;
                case SQL_INT64:
                    writeAs<std::int64_t>(place,
                                          std::llround(toNumber(value, name) * powerOfTen(-scale)));
                    break;
                case SQL_FLOAT:
                    writeAs<float>(place, static_cast<float>(toNumber(value, name)));
                    break;
                case SQL_DOUBLE:
                case SQL_D_FLOAT:
                    writeAs<double>(place, toNumber(value, name));
                    break;
                case SQL_BOOLEAN:
                    writeAs<unsigned char>(place, value.toBool() ? 1 : 0);
                    break;
                case SQL_TIMESTAMP:
                case SQL_TYPE_DATE:
                case SQL_TYPE_TIME: {
                    const QDateTime moment = toDateTime(value, name);
                    const QDate date = moment.date();
                    const QTime time = moment.time();
                    const ISC_DATE encodedDate = util()->encodeDate(
                        static_cast<unsigned>(date.year()), static_cast<unsigned>(date.month()),
                        static_cast<unsigned>(date.day()));
                    const ISC_TIME encodedTime = util()->encodeTime(
                        static_cast<unsigned>(time.hour()), static_cast<unsigned>(time.minute()),
                        static_cast<unsigned>(time.second()),
                        static_cast<unsigned>(time.msec() * 10));
                    if (type == SQL_TIMESTAMP) {
                        writeAs<ISC_TIMESTAMP>(place, ISC_TIMESTAMP{encodedDate, encodedTime});
                    } else if (type == SQL_TYPE_DATE) {
                        writeAs<ISC_DATE>(place, encodedDate);
                    } else {
                        writeAs<ISC_TIME>(place, encodedTime);
                    }
                    break;
                }
                case SQL_TEXT:
                case SQL_VARYING: {
                    const QByteArray bytes = toText(value).toUtf8();
                    if (static_cast<unsigned>(bytes.size()) > length) {
                        throw Error(
                            QStringLiteral("Значение параметра %1 длиннее допустимого.").arg(name));
                    }
                    if (type == SQL_VARYING) {
                        writeAs<std::uint16_t>(place, static_cast<std::uint16_t>(bytes.size()));
                        std::memcpy(place + 2, bytes.constData(), bytes.size());
                    } else {
                        std::memset(place, ' ', length);
                        std::memcpy(place, bytes.constData(), bytes.size());
                    }
                    break;
                }
                case SQL_BLOB: {
                    const QByteArray bytes = value.typeId() == QMetaType::QByteArray
                                                 ? value.toByteArray()
                                                 : toText(value).toUtf8();
                    ISC_QUAD id{};
                    Firebird::IBlob* blob = transaction_.connection().handle()->createBlob(
                        &status, transaction_.handle(), &id, 0, nullptr);
                    constexpr qsizetype kSegment = 32768;
                    for (qsizetype at = 0; at < bytes.size(); at += kSegment) {
                        const qsizetype size = std::min(kSegment, bytes.size() - at);
                        blob->putSegment(&status, static_cast<unsigned>(size),
                                         bytes.constData() + at);
                    }
                    blob->close(&status);
                    writeAs<ISC_QUAD>(place, id);
                    break;
                }
                default:
                    throw Error(QStringLiteral("Неподдерживаемый тип параметра %1.").arg(name));
            }
        }
    });
    return buffer;
}

void Statement::execute() {
    close();
    std::vector<std::uint64_t> input = encodeParameters();
    Firebird::ITransaction* running = transaction_.handle();
    const bool returnsRow = !columns_.isEmpty();
    call([&](ThrowStatusWrapper& status) {
        statement_->execute(&status, running, inputMeta_, input.data(),
                            returnsRow ? outputMeta_ : nullptr,
                            returnsRow ? outputBuffer_.data() : nullptr);
    });
    if (returnsRow) {
        decodeRow();
    }
}

void Statement::open() {
    close();
    std::vector<std::uint64_t> input = encodeParameters();
    Firebird::ITransaction* running = transaction_.handle();
    call([&](ThrowStatusWrapper& status) {
        cursor_ =
            statement_->openCursor(&status, running, inputMeta_, input.data(), outputMeta_, 0);
    });
}

bool Statement::fetch() {
    if (cursor_ == nullptr) {
        return false;
    }
    int result = 0;
    call([&](ThrowStatusWrapper& status) {
        result = cursor_->fetchNext(&status, outputBuffer_.data());
    });
    if (result != Firebird::IStatus::RESULT_OK) {
        return false;
    }
    decodeRow();
    return true;
}

void Statement::close() {
    if (cursor_ == nullptr) {
        return;
    }
    Firebird::IResultSet* cursor = cursor_;
    cursor_ = nullptr;
    try {
        call([&](ThrowStatusWrapper& status) { cursor->close(&status); });
    } catch (const Error&) {
        // The transaction that owned the cursor has already ended it.
        cursor->release();
    }
}

void Statement::decodeRow() {
    const auto* base = reinterpret_cast<const unsigned char*>(outputBuffer_.data());
    call([&](ThrowStatusWrapper& status) {
        for (int i = 0; i < columns_.size(); ++i) {
            const auto index = static_cast<unsigned>(i);
            if (readAs<short>(base + outputMeta_->getNullOffset(&status, index)) != 0) {
                row_[i] = QVariant();
                continue;
            }
            const unsigned char* place = base + outputMeta_->getOffset(&status, index);
            const unsigned type = baseType(outputMeta_->getType(&status, index));
            const double factor = powerOfTen(columns_.at(i).scale);
            switch (type) {
                case SQL_SHORT: {
                    const auto raw = readAs<std::int16_t>(place);
                    row_[i] =
                        columns_.at(i).scale < 0 ? QVariant(raw * factor) : QVariant(int(raw));
                    break;
                }
                case SQL_LONG: {
                    const auto raw = readAs<std::int32_t>(place);
                    row_[i] =
                        columns_.at(i).scale < 0 ? QVariant(raw * factor) : QVariant(int(raw));
                    break;
                }
                case SQL_INT64: {
                    const auto raw = readAs<std::int64_t>(place);
                    row_[i] = columns_.at(i).scale < 0 ? QVariant(static_cast<double>(raw) * factor)
                                                       : QVariant(qlonglong(raw));
                    break;
                }
                case SQL_FLOAT:
                    row_[i] = static_cast<double>(readAs<float>(place));
                    break;
                case SQL_DOUBLE:
                case SQL_D_FLOAT:
                    row_[i] = readAs<double>(place);
                    break;
                case SQL_BOOLEAN:
                    row_[i] = readAs<unsigned char>(place) != 0;
                    break;
                case SQL_TIMESTAMP:
                case SQL_TYPE_DATE:
                case SQL_TYPE_TIME: {
                    unsigned year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0,
                             fractions = 0;
                    if (type != SQL_TYPE_TIME) {
                        util()->decodeDate(readAs<ISC_DATE>(place), &year, &month, &day);
                    }
                    if (type == SQL_TIMESTAMP) {
                        util()->decodeTime(readAs<ISC_TIMESTAMP>(place).timestamp_time, &hours,
                                           &minutes, &seconds, &fractions);
                    } else if (type == SQL_TYPE_TIME) {
                        util()->decodeTime(readAs<ISC_TIME>(place), &hours, &minutes, &seconds,
                                           &fractions);
                    }
                    const QDate date(static_cast<int>(year), static_cast<int>(month),
                                     static_cast<int>(day));
                    const QTime time(static_cast<int>(hours), static_cast<int>(minutes),
                                     static_cast<int>(seconds), static_cast<int>(fractions / 10));
                    if (type == SQL_TIMESTAMP) {
                        row_[i] = QDateTime(date, time);
                    } else if (type == SQL_TYPE_DATE) {
                        row_[i] = date;
                    } else {
                        row_[i] = time;
                    }
                    break;
                }
                case SQL_VARYING: {
                    const auto size = readAs<std::uint16_t>(place);
                    row_[i] = QString::fromUtf8(reinterpret_cast<const char*>(place + 2), size);
                    break;
                }
                case SQL_TEXT: {
                    const unsigned length = outputMeta_->getLength(&status, index);
                    QString text = QString::fromUtf8(reinterpret_cast<const char*>(place), length);
                    while (text.endsWith(QLatin1Char(' '))) {
                        text.chop(1);
                    }
                    row_[i] = text;
                    break;
                }
                case SQL_BLOB: {
                    ISC_QUAD id = readAs<ISC_QUAD>(place);
                    Firebird::IBlob* blob = transaction_.connection().handle()->openBlob(
                        &status, transaction_.handle(), &id, 0, nullptr);
                    QByteArray bytes;
                    char chunk[32768];
                    for (;;) {
                        unsigned got = 0;
                        const int result = blob->getSegment(&status, sizeof chunk, chunk, &got);
                        if (result != Firebird::IStatus::RESULT_OK &&
                            result != Firebird::IStatus::RESULT_SEGMENT) {
                            break;
                        }
                        bytes.append(chunk, got);
                    }
                    blob->close(&status);
                    row_[i] = bytes;
                    break;
                }
                default:
                    row_[i] = QVariant();
            }
        }
    });
}

qint64 nextGeneratorValue(Transaction& transaction, const QString& generator) {
    Statement statement(transaction,
                        QStringLiteral("select gen_id(%1, 1) from rdb$database").arg(generator));
    statement.execute();
    return statement.value(0).toLongLong();
}

}  // namespace fb
