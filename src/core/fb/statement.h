#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <cstdint>
#include <vector>

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}  // namespace Firebird

namespace fb {

class Transaction;

enum class FieldType {
    SmallInt,
    Integer,
    BigInt,
    Double,
    Timestamp,
    Date,
    Time,
    Text,
    Blob,
    Boolean
};

struct Column {
    QString name;  // the column's alias: the field name, or e.g. "SUM" for sum(KOLVO)
    FieldType type;
    int scale = 0;  // negative for exact numerics with decimals
};

// A prepared SQL statement of dialect 1 with named parameters (":KOD"). Values are
// QVariant: an invalid QVariant is null; text is QString, blobs QByteArray, dates
// QDateTime (QDate / QTime for the pure types), numbers int, qlonglong or double.
class Statement {
  public:
    // Prepares the text at once; throws fb::Error with the server's message.
    Statement(Transaction& transaction, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    QString sql() const { return sql_; }
    // Distinct parameter names, upper-case, in order of first use.
    QStringList parameterNames() const;
    bool hasParameter(const QString& name) const;
    // Sets every place of the named parameter; throws fb::Error for an unknown name.
    void setParameter(const QString& name, const QVariant& value);
    void clearParameters();

    bool isSelect() const { return hasCursor_; }
    const QVector<Column>& columns() const { return columns_; }
    int columnIndex(const QString& name) const;

    // Runs a statement without a cursor; a singleton select fills the current row.
    void execute();

    // Cursor over the rows of a select: open, then fetch until it returns false.
    void open();
    bool fetch();
    void close();
    bool isOpen() const { return cursor_ != nullptr; }

    // The current row (after fetch or a singleton execute).
    QVariant value(int column) const { return row_.at(column); }
    const QVector<QVariant>& row() const { return row_; }

  private:
    void prepareMessages();
    std::vector<std::uint64_t> encodeParameters();
    void decodeRow();

    Transaction& transaction_;
    QString sql_;
    QStringList parameterPlaces_;
    QVector<QVariant> parameterValues_;
    Firebird::IStatement* statement_ = nullptr;
    Firebird::IResultSet* cursor_ = nullptr;
    Firebird::IMessageMetadata* inputMeta_ = nullptr;
    Firebird::IMessageMetadata* outputMeta_ = nullptr;
    bool hasCursor_ = false;
    QVector<Column> columns_;
    std::vector<std::uint64_t> outputBuffer_;
    QVector<QVariant> row_;
};

// The next value of a generator (keys are taken the moment a row is created).
qint64 nextGeneratorValue(Transaction& transaction, const QString& generator);

}  // namespace fb
