#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>
#include <QVector>

#include "core/dataset.h"

namespace zel::ui {

struct GridColumn {
    QString field;
    QString title;
};

// The rows a dataset has read so far, as a table of the chosen columns. The view asks
// for more rows as it scrolls (canFetchMore / fetchMore read the next batch), so a list
// of any length opens at once. Cells show the dataset's display text; an editable model
// takes typed text into the row (the dataset enters edit state) and refuses anything
// that is not a number in a number field.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DatasetModel(QObject* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }

    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return columns_; }
    // The field of a column; empty when out of range.
    QString fieldAt(int column) const;
    // The column showing a field, or -1.
    int columnOf(const QString& field) const;

    void setEditable(bool editable);
    bool isEditable() const { return editable_; }
    // True while rows come or go because the dataset changed: views must not move the
    // dataset in answer to the shifts of their current index this causes.
    bool isFollowingDataset() const { return following_; }
    void setFetchBatch(int rows) { fetchBatch_ = rows; }
    int fetchBatch() const { return fetchBatch_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    void resetRows();
    void takeFetchedRows();
    void insertRow(int row);
    void removeRow(int row);
    void refreshRow(int row);
    bool hasField(const QString& field) const;

    QPointer<Dataset> dataset_;
    QVector<GridColumn> columns_;
    bool editable_ = false;
    int fetchBatch_ = Dataset::kDefaultBatch;
    // The rows the view knows of; follows the dataset's fetched rows through its signals.
    int rows_ = 0;
    bool following_ = false;
};

}  // namespace zel::ui
