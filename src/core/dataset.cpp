#include "core/dataset.h"

#include <QDateTime>

#include "core/fb/error.h"
#include "core/fb/transaction.h"
#include "core/values.h"

namespace zel {
namespace {

bool isNumeric(fb::FieldType type) {
    return type == fb::FieldType::SmallInt || type == fb::FieldType::Integer ||
           type == fb::FieldType::BigInt || type == fb::FieldType::Double;
}

// Values as windows hand them over (text from edits, numbers, dates) turned into what
// the field holds; empty text in a number or date field is null.
QVariant normalised(const QVariant& value, fb::FieldType type, const QString& field) {
    if (!value.isValid() || value.isNull()) {
        return QVariant();
    }
    const bool isText = value.typeId() == QMetaType::QString;
    if (isNumeric(type) || type == fb::FieldType::Timestamp || type == fb::FieldType::Date) {
        if (isText && value.toString().trimmed().isEmpty()) {
            return QVariant();
        }
    }
    bool ok = true;
    switch (type) {
        case fb::FieldType::SmallInt:
        case fb::FieldType::Integer: {
            const double number = isText
                                      ? value.toString().trimmed().replace(',', '.').toDouble(&ok)
                                      : value.toDouble(&ok);
            if (ok && number == static_cast<int>(number)) {
                return static_cast<int>(number);
            }
            ok = false;
            break;
        }
        case fb::FieldType::BigInt: {
            const qlonglong number =
                isText ? value.toString().trimmed().toLongLong(&ok) : value.toLongLong(&ok);
            if (ok) {
                return number;
            }
            break;
        }
        case fb::FieldType::Double: {
            const double number = isText
                                      ? value.toString().trimmed().replace(',', '.').toDouble(&ok)
                                      : value.toDouble(&ok);
            if (ok) {
                return number;
            }
            break;
        }
        case fb::FieldType::Text:
            return value.toString();
        case fb::FieldType::Timestamp:
            if (value.typeId() == QMetaType::QDate) {
                return QDateTime(value.toDate(), QTime(0, 0));
            }
            if (value.canConvert<QDateTime>() && value.toDateTime().isValid()) {
                return value.toDateTime();
            }
            ok = false;
            break;
        default:
            return value;
    }
    if (!ok) {
        throw DatasetError(QStringLiteral("\"%1\" не является допустимым значением поля %2.")
                               .arg(value.toString(), field));
    }
    return value;
}

}  // namespace

// --- RowAccess ---------------------------------------------------------------------------

QVariant Dataset::RowAccess::value(const QString& field) const {
    const int index = dataset_.fieldIndex(field);
    if (index < 0) {
        throw DatasetError(
            QStringLiteral("В наборе данных %1 нет поля %2.").arg(dataset_.name(), field));
    }
    return row_.at(index);
}

int Dataset::RowAccess::asInt(const QString& field) const {
    return value(field).toInt();
}
double Dataset::RowAccess::asDouble(const QString& field) const {
    return value(field).toDouble();
}
QString Dataset::RowAccess::asString(const QString& field) const {
    return value(field).toString();
}

void Dataset::RowAccess::setValue(const QString& field, const QVariant& newValue) {
    const int index = dataset_.fieldIndex(field);
    if (index < 0) {
        throw DatasetError(
            QStringLiteral("В наборе данных %1 нет поля %2.").arg(dataset_.name(), field));
    }
    row_[index] = newValue;
}

// --- set-up ------------------------------------------------------------------------------

Dataset::Dataset(const QString& name, fb::Transaction& transaction, QObject* parent)
    : QObject(parent), transaction_(transaction) {
    setObjectName(name);
}

Dataset::~Dataset() = default;

void Dataset::setSelectSql(const QString& sql) {
    close();
    if (sql != selectSql_) {
        selectSql_ = sql;
        select_.reset();
    }
}

void Dataset::setParam(const QString& name, const QVariant& value) {
    params_[name.toUpper()] = value;
}

QVariant Dataset::param(const QString& name) const {
    const auto found = params_.find(name.toUpper());
    return found == params_.end() ? QVariant() : found->second;
}

void Dataset::setUpdateTable(const schema::Table& table, const QString& generator) {
    table_ = &table;
    generator_ = generator;
    modify_.reset();
    insert_.reset();
    delete_.reset();
}

void Dataset::setMaster(Dataset* master, const QString& param) {
    if (master_ != nullptr) {
        disconnect(master_, nullptr, this, nullptr);
    }
    master_ = master;
    masterParam_ = param.toUpper();
    if (master_ == nullptr) {
        return;
    }
    connect(master_, &Dataset::currentRowChanged, this, &Dataset::followMaster);
    // A detail closed because its master closed comes back when the master reopens (the
    // master itself following its own master); one closed on purpose stays closed.
    connect(master_, &Dataset::opened, this, [this] {
        if (closedWithMaster_) {
            closedWithMaster_ = false;
            open();
        } else {
            followMaster();
        }
    });
    connect(master_, &Dataset::closed, this, [this] {
        if (isActive()) {
            close();
            closedWithMaster_ = true;
        }
    });
}

void Dataset::setComputedFields(const QStringList& names, CalcFieldsHandler handler) {
    close();
    computedNames_ = names;
    calcFields_ = std::move(handler);
}

void Dataset::setDisplayFormat(const QString& field, DisplayFormat format) {
    displayFormats_[field.toUpper()] = std::move(format);
}

// --- life --------------------------------------------------------------------------------

void Dataset::prepareSelect() {
    if (select_ == nullptr) {
        select_ = std::make_unique<fb::Statement>(transaction_, selectSql_);
    }
}

void Dataset::bindParameters(fb::Statement& statement) const {
    for (const QString& name : statement.parameterNames()) {
        statement.setParameter(name, param(name));
    }
}

void Dataset::open() {
    if (isActive()) {
        return;
    }
    transaction_.start();
    prepareSelect();
    if (master_ != nullptr) {
        const bool hasMasterRow = master_->isActive() && master_->currentRow() >= 0;
        setParam(masterParam_, hasMasterRow ? master_->value(QStringLiteral("KOD")) : QVariant());
    }
    bindParameters(*select_);
    select_->open();
    cursorOpen_ = true;

    fieldNames_.clear();
    fieldTypes_.clear();
    for (const fb::Column& column : select_->columns()) {
        fieldNames_.append(column.name.toUpper());
        fieldTypes_.append(column.type);
    }
    storedFieldCount_ = static_cast<int>(fieldNames_.size());
    for (const QString& computed : computedNames_) {
        if (!fieldNames_.contains(computed.toUpper())) {
            fieldNames_.append(computed.toUpper());
            fieldTypes_.append(fb::FieldType::Double);
        }
    }
    rows_.clear();
    state_ = DatasetState::Browse;
    fetchMore(batchSize_);
    current_ = rows_.isEmpty() ? -1 : 0;
    eof_ = rows_.isEmpty();
    bof_ = true;
    emit opened();
    emit stateChanged(state_);
    emit currentRowChanged(current_);
}

void Dataset::close() {
    closedWithMaster_ = false;
    if (!isActive()) {
        return;
    }
    if (cursorOpen_) {
        cursorOpen_ = false;
        select_->close();
    }
    rows_.clear();
    editBuffer_.clear();
    editRow_ = -1;
    current_ = -1;
    eof_ = bof_ = true;
    state_ = DatasetState::Inactive;
    emit closed();
    emit stateChanged(state_);
}

void Dataset::reopen() {
    const QVariant key = current_ >= 0 && hasField(QStringLiteral("KOD"))
                             ? value(QStringLiteral("KOD"))
                             : QVariant();
    close();
    open();
    if (key.isValid()) {
        locate(QStringLiteral("KOD"), key);
    }
}

void Dataset::followMaster() {
    if (!isActive()) {
        return;
    }
    const QVariant key = master_->isActive() && master_->currentRow() >= 0
                             ? master_->value(QStringLiteral("KOD"))
                             : QVariant();
    if (sameValue(key, param(masterParam_)) && !isEditing()) {
        return;
    }
    close();
    open();
}

// --- rows and navigation -----------------------------------------------------------------

Dataset::Row Dataset::readRow() const {
    Row row(fieldNames_.size());
    const Row& fetched = select_->row();
    for (int i = 0; i < storedFieldCount_; ++i) {
        row[i] = fetched.at(i);
    }
    return row;
}

void Dataset::recompute(Row& row) {
    if (calcFields_) {
        RowAccess access(*this, row);
        calcFields_(access);
    }
}

int Dataset::fetchMore(int count) {
    if (!cursorOpen_ || count <= 0) {
        return 0;
    }
    const int first = fetchedCount();
    int fetched = 0;
    while (fetched < count) {
        if (!select_->fetch()) {
            cursorOpen_ = false;
            select_->close();
            break;
        }
        Row row = readRow();
        recompute(row);
        rows_.append(std::move(row));
        ++fetched;
    }
    if (fetched > 0) {
        emit rowsFetched(first, first + fetched - 1);
    }
    return fetched;
}

void Dataset::fetchAll() {
    while (cursorOpen_) {
        fetchMore(1000);
    }
}

int Dataset::recordCount() {
    requireActive();
    fetchAll();
    return fetchedCount();
}

bool Dataset::isEmpty() {
    if (!isActive()) {
        return true;
    }
    if (rows_.isEmpty()) {
        fetchMore(1);
    }
    return rows_.isEmpty();
}

void Dataset::setCurrent(int row, bool notify) {
    current_ = row;
    if (notify) {
        emit currentRowChanged(current_);
    }
}

void Dataset::moveTo(int row) {
    requireActive();
    checkBrowseMode();
    while (row >= fetchedCount() && cursorOpen_) {
        fetchMore(std::max(batchSize_, row - fetchedCount() + 1));
    }
    if (rows_.isEmpty()) {
        eof_ = bof_ = true;
        return;
    }
    const int target = std::clamp(row, 0, fetchedCount() - 1);
    eof_ = false;
    bof_ = false;
    if (target != current_) {
        setCurrent(target);
    }
}

void Dataset::first() {
    moveTo(0);
    bof_ = true;
}

void Dataset::last() {
    requireActive();
    checkBrowseMode();
    fetchAll();
    moveTo(fetchedCount() - 1);
    eof_ = true;
}

void Dataset::next() {
    requireActive();
    checkBrowseMode();
    if (current_ + 1 >= fetchedCount() && fetchMore(batchSize_) == 0) {
        eof_ = true;
        return;
    }
    moveTo(current_ + 1);
}

void Dataset::prior() {
    requireActive();
    checkBrowseMode();
    if (current_ <= 0) {
        bof_ = true;
        return;
    }
    moveTo(current_ - 1);
}

bool Dataset::locate(const QString& field, const QVariant& wanted) {
    requireActive();
    const int index = fieldIndex(field);
    if (index < 0) {
        throw DatasetError(QStringLiteral("В наборе данных %1 нет поля %2.").arg(name(), field));
    }
    for (int row = 0;; ++row) {
        if (row >= fetchedCount() && fetchMore(std::max(batchSize_, 1000)) == 0) {
            return false;
        }
        if (sameValue(valueAt(row, field), wanted)) {
            moveTo(row);
            return true;
        }
    }
}

// --- fields ------------------------------------------------------------------------------

int Dataset::fieldIndex(const QString& field) const {
    return static_cast<int>(fieldNames_.indexOf(field.toUpper()));
}

bool Dataset::isComputed(const QString& field) const {
    return fieldIndex(field) >= storedFieldCount_;
}

fb::FieldType Dataset::fieldType(const QString& field) const {
    const int index = fieldIndex(field);
    if (index < 0) {
        throw DatasetError(QStringLiteral("В наборе данных %1 нет поля %2.").arg(name(), field));
    }
    return fieldTypes_.at(index);
}

const Dataset::Row& Dataset::currentValues() const {
    if (isEditing()) {
        return editBuffer_;
    }
    return rows_.at(current_);
}

QVariant Dataset::value(const QString& field) const {
    const int index = fieldIndex(field);
    if (index < 0) {
        if (!isActive()) {
            return QVariant();
        }
        throw DatasetError(QStringLiteral("В наборе данных %1 нет поля %2.").arg(name(), field));
    }
    if (current_ < 0 && !isEditing()) {
        return QVariant();
    }
    return currentValues().at(index);
}

QVariant Dataset::valueAt(int row, const QString& field) const {
    const int index = fieldIndex(field);
    if (index < 0 || row < 0 || row >= fetchedCount()) {
        return QVariant();
    }
    if (isEditing() && row == editRow_) {
        return editBuffer_.at(index);
    }
    return rows_.at(row).at(index);
}

int Dataset::asInt(const QString& field) const {
    return value(field).toInt();
}
double Dataset::asDouble(const QString& field) const {
    return value(field).toDouble();
}
QString Dataset::asString(const QString& field) const {
    return value(field).toString();
}

QString Dataset::displayText(int row, const QString& field) const {
    const QVariant shown = valueAt(row, field);
    const auto format = displayFormats_.find(field.toUpper());
    if (format != displayFormats_.end()) {
        return format->second(shown);
    }
    return valueText(shown);
}

void Dataset::setValue(const QString& field, const QVariant& newValue) {
    requireActive();
    const int index = fieldIndex(field);
    if (index < 0) {
        throw DatasetError(QStringLiteral("В наборе данных %1 нет поля %2.").arg(name(), field));
    }
    const QVariant stored = normalised(newValue, fieldTypes_.at(index), field);
    if (!isEditing()) {
        edit();
    }
    editBuffer_[index] = stored;
    recompute(editBuffer_);
    emit rowChanged(editRow_);
}

// --- editing -----------------------------------------------------------------------------

void Dataset::requireActive() const {
    if (!isActive()) {
        throw DatasetError(QStringLiteral("Набор данных %1 закрыт.").arg(name()));
    }
}

void Dataset::requireEditable() const {
    requireActive();
    if (table_ == nullptr) {
        throw DatasetError(
            QStringLiteral("Набор данных %1 только для чтения: изменять его нельзя.").arg(name()));
    }
}

void Dataset::setState(DatasetState state) {
    if (state_ != state) {
        state_ = state;
        emit stateChanged(state_);
    }
}

void Dataset::startEditing(DatasetState state, int row) {
    editRow_ = row;
    setState(state);
}

void Dataset::edit() {
    requireEditable();
    if (isEditing()) {
        return;
    }
    if (isEmpty()) {
        append();
        return;
    }
    editBuffer_ = rows_.at(current_);
    startEditing(DatasetState::Edit, current_);
}

void Dataset::insert() {
    requireEditable();
    checkBrowseMode();
    Row row(fieldNames_.size());
    for (const schema::Column& column : table_->columns) {
        const int index = fieldIndex(column.name);
        if (index >= 0 && column.defaultValue) {
            row[index] = *column.defaultValue;
        }
    }
    if (!generator_.isEmpty()) {
        row[fieldIndex(table_->key)] = fb::nextGeneratorValue(transaction_, generator_);
    }
    const int position = std::max(current_, 0);
    rowBeforeInsert_ = current_;
    rows_.insert(position, row);
    editBuffer_ = row;
    startEditing(DatasetState::Insert, position);
    emit rowInserted(position);
    setCurrent(position);
    if (newRecord_) {
        newRecord_(*this);
    }
    recompute(editBuffer_);
    emit rowChanged(position);
}

void Dataset::append() {
    requireEditable();
    checkBrowseMode();
    fetchAll();
    current_ = fetchedCount();
    insert();
}

void Dataset::writeRow(const Row& row, bool inserting) {
    std::unique_ptr<fb::Statement>& statement = inserting ? insert_ : modify_;
    if (statement == nullptr) {
        const schema::UpdateStatements texts = schema::updateStatements(*table_);
        statement =
            std::make_unique<fb::Statement>(transaction_, inserting ? texts.insert : texts.modify);
    }
    for (const schema::Column& column : table_->columns) {
        const int index = fieldIndex(column.name);
        statement->setParameter(column.name, index >= 0 ? row.at(index) : QVariant());
    }
    if (!inserting) {
        statement->setParameter(QStringLiteral("OLD_") + table_->key, keyValue(rows_.at(editRow_)));
    }
    statement->execute();
}

QVariant Dataset::keyValue(const Row& row) const {
    return row.at(fieldIndex(table_->key));
}

void Dataset::post() {
    if (!isEditing()) {
        return;
    }
    writeRow(editBuffer_, state_ == DatasetState::Insert);
    rows_[editRow_] = editBuffer_;
    const int row = editRow_;
    editBuffer_.clear();
    editRow_ = -1;
    setState(DatasetState::Browse);
    emit rowChanged(row);
}

void Dataset::cancel() {
    if (!isEditing()) {
        return;
    }
    const int row = editRow_;
    const bool inserting = state_ == DatasetState::Insert;
    editBuffer_.clear();
    editRow_ = -1;
    setState(DatasetState::Browse);
    if (inserting) {
        rows_.removeAt(row);
        emit rowRemoved(row);
        const int back = rowBeforeInsert_ < 0 ? (rows_.isEmpty() ? -1 : 0)
                                              : std::min(rowBeforeInsert_, fetchedCount() - 1);
        setCurrent(back);
    } else {
        emit rowChanged(row);
    }
}

void Dataset::remove() {
    requireEditable();
    if (state_ == DatasetState::Insert) {
        cancel();
        return;
    }
    cancel();
    if (isEmpty()) {
        throw DatasetError(
            QStringLiteral("Операция невозможна: набор данных %1 пуст.").arg(name()));
    }
    if (delete_ == nullptr) {
        delete_ =
            std::make_unique<fb::Statement>(transaction_, schema::updateStatements(*table_).remove);
    }
    delete_->setParameter(QStringLiteral("OLD_") + table_->key, keyValue(rows_.at(current_)));
    delete_->execute();
    const int row = current_;
    rows_.removeAt(row);
    emit rowRemoved(row);
    if (row >= fetchedCount()) {
        fetchMore(1);
    }
    setCurrent(rows_.isEmpty() ? -1 : std::min(row, fetchedCount() - 1));
}

void Dataset::checkBrowseMode() {
    if (isEditing()) {
        post();
    }
}

}  // namespace zel
