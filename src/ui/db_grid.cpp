#include "ui/db_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/db_actions.h"
#include "ui/field_text.h"

namespace zel::ui {
namespace {

// Cell editors are plain line edits; in number fields they take numbers only.
class FieldDelegate : public QStyledItemDelegate {
  public:
    FieldDelegate(DatasetModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        const Dataset* dataset = model_.dataset();
        const QString field = model_.fieldAt(index.column());
        if (dataset != nullptr && dataset->hasField(field) &&
            isNumberType(dataset->fieldType(field))) {
            editor->setValidator(createNumberValidator(dataset->fieldType(field), editor));
        }
        return editor;
    }

  private:
    DatasetModel& model_;
};

}  // namespace

DbGrid::DbGrid(QWidget* parent) : QTableView(parent), model_(new DatasetModel(this)) {
    setModel(model_);
    setItemDelegate(new FieldDelegate(*model_, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // One line per row, long texts cut with an ellipsis: lists stay easy to scan.
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsClickable(true);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        const QString field = model_->fieldAt(section);
        if (!field.isEmpty()) {
            emit titleClicked(field);
        }
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit rowDoubleClicked();
        }
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { followView(current); });
    connect(model_, &QAbstractItemModel::modelReset, this, &DbGrid::showCurrentRow);
}

void DbGrid::setDataset(Dataset* dataset) {
    if (Dataset* old = model_->dataset()) {
        disconnect(old, nullptr, this, nullptr);
    }
    model_->setDataset(dataset);
    if (dataset != nullptr) {
        connect(dataset, &Dataset::currentRowChanged, this, &DbGrid::showCurrentRow);
    }
    showCurrentRow();
}

void DbGrid::setColumns(const QVector<GridColumn>& columns) {
    model_->setColumns(columns);
    showCurrentRow();
}

void DbGrid::setEditable(bool editable) {
    model_->setEditable(editable);
    setEditTriggers(editable
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

void DbGrid::setMultiSelect(bool multiSelect) {
    multiSelect_ = multiSelect;
    setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
    clearSelection();
    showCurrentRow();
}

QList<int> DbGrid::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    const Dataset* source = dataset();
    if (rows.isEmpty() && source != nullptr && source->isActive() && source->currentRow() >= 0) {
        rows.append(source->currentRow());
    }
    return rows;
}

void DbGrid::showCurrentRow() {
    const Dataset* source = dataset();
    const int row = source != nullptr && source->isActive() ? source->currentRow() : -1;
    if (row < 0 || row >= model_->rowCount() || model_->columnCount() == 0) {
        return;
    }
    const int column = std::max(currentIndex().column(), 0);
    const QModelIndex target = model_->index(row, column);
    {
        const QScopedValueRollback<bool> guard(following_, true);
        // A selection of several rows is the user's choice for a multi-row action and
        // stays; otherwise the highlight shows the current row.
        if (multiSelect_ && (userMoving_ || selectionModel()->selectedRows().size() > 1)) {
            selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        } else {
            selectionModel()->setCurrentIndex(
                target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }
    scrollTo(target);
}

void DbGrid::followView(const QModelIndex& current) {
    Dataset* target = dataset();
    if (following_ || model_->isFollowingDataset() || !current.isValid() || target == nullptr ||
        !target->isActive() || current.row() == target->currentRow()) {
        return;
    }
    const int row = current.row();
    const QScopedValueRollback<bool> fromView(userMoving_, true);
    if (!runOrShowError(this, [target, row] { target->moveTo(row); })) {
        // Back to the row that could not be left, now and once the click that chose
        // another row has finished selecting it.
        showCurrentRow();
        QMetaObject::invokeMethod(this, &DbGrid::showCurrentRow, Qt::QueuedConnection);
    }
}

}  // namespace zel::ui
