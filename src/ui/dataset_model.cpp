#include "ui/dataset_model.h"

#include <QScopedValueRollback>

#include "ui/db_actions.h"
#include "ui/field_text.h"

namespace zel::ui {
DatasetModel::DatasetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DatasetModel::setDataset(Dataset* dataset) {
    if (dataset_ != nullptr) {
        disconnect(dataset_, nullptr, this, nullptr);
    }
    dataset_ = dataset;
    if (dataset_ != nullptr) {
        connect(dataset_, &Dataset::opened, this, &DatasetModel::resetRows);
        connect(dataset_, &Dataset::closed, this, &DatasetModel::resetRows);
        connect(dataset_, &Dataset::rowsFetched, this, &DatasetModel::takeFetchedRows);
        connect(dataset_, &Dataset::rowInserted, this, &DatasetModel::insertRow);
        connect(dataset_, &Dataset::rowRemoved, this, &DatasetModel::removeRow);
        connect(dataset_, &Dataset::rowChanged, this, &DatasetModel::refreshRow);
        connect(dataset_, &QObject::destroyed, this, &DatasetModel::resetRows);
    }
    resetRows();
}

void DatasetModel::setColumns(const QVector<GridColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    endResetModel();
}

QString DatasetModel::fieldAt(int column) const {
    return column >= 0 && column < columns_.size() ? columns_.at(column).field : QString();
}

int DatasetModel::columnOf(const QString& field) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_.at(i).field.compare(field, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void DatasetModel::setEditable(bool editable) {
    editable_ = editable;
    if (rows_ > 0 && !columns_.isEmpty()) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool DatasetModel::hasField(const QString& field) const {
    return dataset_ != nullptr && dataset_->isActive() && dataset_->hasField(field);
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || dataset_ == nullptr ||
        index.row() >= dataset_->fetchedCount()) {
        return QVariant();
    }
    const QString field = fieldAt(index.column());
    if (!hasField(field)) {
        return QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
            return dataset_->displayText(index.row(), field);
        case Qt::EditRole:
            return editText(dataset_->valueAt(index.row(), field));
        case Qt::TextAlignmentRole:
            if (isNumberType(dataset_->fieldType(field))) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            return QVariant();
        default:
            return QVariant();
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_.size()) {
        return columns_.at(section).title;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (!index.isValid() || !editable_ || dataset_ == nullptr || !dataset_->isEditable()) {
        return result;
    }
    const QString field = fieldAt(index.column());
    if (hasField(field) && !dataset_->isComputed(field)) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const QString field = fieldAt(index.column());
    const std::optional<QVariant> parsed =
        parseEditText(value.toString(), dataset_->fieldType(field));
    if (!parsed) {
        return false;
    }
    if (dataset_->valueAt(index.row(), field) == *parsed) {
        return true;
    }
    Dataset& dataset = *dataset_;
    const int row = index.row();
    return runOrShowError(nullptr, [&dataset, row, &field, &parsed] {
        dataset.moveTo(row);
        dataset.setValue(field, *parsed);
    });
}

bool DatasetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && dataset_ != nullptr && dataset_->isActive() &&
           !dataset_->isFullyFetched();
}

void DatasetModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) {
        return;
    }
    Dataset& dataset = *dataset_;
    const int batch = fetchBatch_;
    runOrShowError(nullptr, [&dataset, batch] { dataset.fetchMore(batch); });
}

void DatasetModel::resetRows() {
    const QScopedValueRollback<bool> guard(following_, true);
    beginResetModel();
    rows_ = dataset_ != nullptr && dataset_->isActive() ? dataset_->fetchedCount() : 0;
    endResetModel();
}

void DatasetModel::takeFetchedRows() {
    const int fetched = dataset_->fetchedCount();
    if (fetched > rows_) {
        const QScopedValueRollback<bool> guard(following_, true);
        beginInsertRows(QModelIndex(), rows_, fetched - 1);
        rows_ = fetched;
        endInsertRows();
    } else if (fetched < rows_) {
        resetRows();
    }
}

void DatasetModel::insertRow(int row) {
    if (dataset_->fetchedCount() != rows_ + 1 || row < 0 || row > rows_) {
        resetRows();
        return;
    }
    const QScopedValueRollback<bool> guard(following_, true);
    beginInsertRows(QModelIndex(), row, row);
    ++rows_;
    endInsertRows();
}

void DatasetModel::removeRow(int row) {
    if (dataset_->fetchedCount() != rows_ - 1 || row < 0 || row >= rows_) {
        resetRows();
        return;
    }
    const QScopedValueRollback<bool> guard(following_, true);
    beginRemoveRows(QModelIndex(), row, row);
    --rows_;
    endRemoveRows();
}

void DatasetModel::refreshRow(int row) {
    if (row >= 0 && row < rows_ && !columns_.isEmpty()) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

}  // namespace zel::ui
