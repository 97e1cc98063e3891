#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "core/fb/statement.h"
#include "core/schema/schema.h"

namespace fb {
class Transaction;
}

namespace zel {

enum class DatasetState { Inactive, Browse, Edit, Insert };

// A failure of the dataset itself (a write to a read-only dataset, an operation on an
// empty one). Database errors arrive as fb::Error.
class DatasetError : public std::runtime_error {
  public:
    explicit DatasetError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// The rows of one select statement, read lazily from the database, with a current row,
// editing through the table's four standard statements, a master link, new-row defaults
// and computed fields. Windows are written against datasets; the UI layer binds grids
// and edits to them through the signals below.
class Dataset : public QObject {
    Q_OBJECT
  public:
    using Row = QVector<QVariant>;

    // One row seen by name, for the computed-fields step: reads as the field accessors
    // below do, and writes into the row's buffer.
    class RowAccess {
      public:
        RowAccess(const Dataset& dataset, Row& row) : dataset_(dataset), row_(row) {}
        QVariant value(const QString& field) const;
        int asInt(const QString& field) const;
        double asDouble(const QString& field) const;
        QString asString(const QString& field) const;
        void setValue(const QString& field, const QVariant& value);

      private:
        const Dataset& dataset_;
        Row& row_;
    };

    // Fills the computed fields of a row; runs whenever a row is read or changed.
    using CalcFieldsHandler = std::function<void(RowAccess& row)>;
    using DisplayFormat = std::function<QString(const QVariant& value)>;
    using NewRecordHandler = std::function<void(Dataset& dataset)>;

    static constexpr int kDefaultBatch = 100;

    Dataset(const QString& name, fb::Transaction& transaction, QObject* parent = nullptr);
    ~Dataset() override;

    QString name() const { return objectName(); }
    fb::Transaction& transaction() const { return transaction_; }

    // --- statement -------------------------------------------------------------------
    QString selectSql() const { return selectSql_; }
    // Replacing the statement closes the dataset; the caller reopens it.
    void setSelectSql(const QString& sql);
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;

    // Makes the dataset editable: the table's four standard statements, and the
    // generator that keys new rows (empty for datasets that never insert).
    void setUpdateTable(const schema::Table& table, const QString& generator);
    bool isEditable() const { return table_ != nullptr; }
    const schema::Table* updateTable() const { return table_; }

    // The detail takes parameter `param` from the master's key KOD, reopens whenever the
    // master moves or reopens, and closes with it.
    void setMaster(Dataset* master, const QString& param = QStringLiteral("KOD"));
    Dataset* master() const { return master_; }

    void setNewRecordHandler(NewRecordHandler handler) { newRecord_ = std::move(handler); }
    // Declares fields that are not stored, and the step that fills them.
    void setComputedFields(const QStringList& names, CalcFieldsHandler handler);
    void setDisplayFormat(const QString& field, DisplayFormat format);
    void setBatchSize(int rows) { batchSize_ = rows; }

    // --- life ------------------------------------------------------------------------
    void open();
    void close();
    // Close and open with the same statement and parameters; the current row is kept by
    // key where the row still exists.
    void reopen();
    bool isActive() const { return state_ != DatasetState::Inactive; }
    DatasetState state() const { return state_; }

    // --- rows and navigation ----------------------------------------------------------
    int fetchedCount() const { return static_cast<int>(rows_.size()); }
    bool isFullyFetched() const { return !cursorOpen_; }
    // Reads up to `rows` more rows; returns how many arrived.
    int fetchMore(int rows);
    void fetchAll();
    // Every row of the statement: reads to the end first.
    int recordCount();
    bool isEmpty();

    int currentRow() const { return current_; }  // -1 when there is no row
    void moveTo(int row);                        // fetches as far as needed
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Finds the first row whose field equals `value` (numbers by value, text exactly),
    // reading further rows as needed; the current row stays when none matches.
    bool locate(const QString& field, const QVariant& value);

    // --- fields ----------------------------------------------------------------------
    QStringList fieldNames() const { return fieldNames_; }
    int fieldIndex(const QString& field) const;
    bool hasField(const QString& field) const { return fieldIndex(field) >= 0; }
    bool isComputed(const QString& field) const;
    fb::FieldType fieldType(const QString& field) const;
    // Values of the current row (the edit buffer while editing); null is an invalid QVariant.
    QVariant value(const QString& field) const;
    QVariant valueAt(int row, const QString& field) const;
    // Null reads as 0 / empty text.
    int asInt(const QString& field) const;
    double asDouble(const QString& field) const;
    QString asString(const QString& field) const;
    QString displayText(int row, const QString& field) const;
    // Puts the dataset into edit state when it browses, then changes the field.
    void setValue(const QString& field, const QVariant& value);

    // --- editing ---------------------------------------------------------------------
    void edit();
    void insert();  // a new row before the current one
    void append();  // a new row after the last one
    void post();
    void cancel();
    void remove();
    // Posts a pending edit or insert (before moving elsewhere).
    void checkBrowseMode();
    bool isEditing() const {
        return state_ == DatasetState::Edit || state_ == DatasetState::Insert;
    }

  signals:
    void opened();
    void closed();
    void stateChanged(zel::DatasetState state);
    void currentRowChanged(int row);
    void rowChanged(int row);
    void rowsFetched(int first, int last);
    void rowInserted(int row);
    void rowRemoved(int row);

  private:
    void requireActive() const;
    void requireEditable() const;
    void setState(DatasetState state);
    void prepareSelect();
    void bindParameters(fb::Statement& statement) const;
    Row readRow() const;
    void recompute(Row& row);
    void startEditing(DatasetState state, int row);
    void writeRow(const Row& row, bool inserting);
    void followMaster();
    const Row& currentValues() const;
    void setCurrent(int row, bool notify = true);
    QVariant keyValue(const Row& row) const;

    fb::Transaction& transaction_;
    QString selectSql_;
    std::map<QString, QVariant> params_;
    std::unique_ptr<fb::Statement> select_;
    std::unique_ptr<fb::Statement> modify_;
    std::unique_ptr<fb::Statement> insert_;
    std::unique_ptr<fb::Statement> delete_;
    const schema::Table* table_ = nullptr;
    QString generator_;
    Dataset* master_ = nullptr;
    QString masterParam_;
    NewRecordHandler newRecord_;
    QStringList computedNames_;
    CalcFieldsHandler calcFields_;
    std::map<QString, DisplayFormat> displayFormats_;
    int batchSize_ = kDefaultBatch;

    DatasetState state_ = DatasetState::Inactive;
    QStringList fieldNames_;
    QVector<fb::FieldType> fieldTypes_;
    int storedFieldCount_ = 0;
    QVector<Row> rows_;
    bool cursorOpen_ = false;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    Row editBuffer_;
    int editRow_ = -1;
    int rowBeforeInsert_ = -1;
    bool closedWithMaster_ = false;
};

}  // namespace zel
