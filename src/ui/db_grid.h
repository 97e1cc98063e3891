#pragma once

#include <QList>
#include <QString>
#include <QTableView>
#include <QVector>

#include "ui/dataset_model.h"

namespace zel::ui {

// A grid over a dataset. The highlighted row is the dataset's current row: moving the
// dataset moves the highlight, and clicking or arrowing to a row moves the dataset there
// (posting a pending edit first; when that fails the error box shows and the grid stays
// on the edited row). Rows are read as the grid scrolls. An editable grid takes typed
// values into the row; the row is posted when the user leaves it.
class DbGrid : public QTableView {
    Q_OBJECT
  public:
    explicit DbGrid(QWidget* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return model_->dataset(); }
    DatasetModel* datasetModel() const { return model_; }

    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return model_->columns(); }

    // Off by default: cells are read-only.
    void setEditable(bool editable);
    bool isEditable() const { return model_->isEditable(); }

    // Several rows at once (Ctrl and Shift clicks). Moving the dataset from the program
    // then leaves the selection alone, so a window can walk the selected rows.
    void setMultiSelect(bool multiSelect);
    bool isMultiSelect() const { return multiSelect_; }
    // The selected rows in ascending order, or the current row when none is selected
    // (empty when the dataset has no rows).
    QList<int> selectedRows() const;

  signals:
    // A column title was clicked; the windows sort by the column's field.
    void titleClicked(const QString& field);
    void rowDoubleClicked();

  private:
    void showCurrentRow();
    void followView(const QModelIndex& current);

    DatasetModel* model_;
    bool multiSelect_ = false;
    bool following_ = false;
    // The user's click or key moves the dataset: the view selects for itself.
    bool userMoving_ = false;
};

}  // namespace zel::ui
