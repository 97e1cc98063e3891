#pragma once

#include <QStyledItemDelegate>

namespace zel::ui {
class DatasetModel;
}

namespace zelvan {

// Cell editor of the directory grids: a plain line edit that takes no more characters
// than the column holds, and only numbers in number columns, so that nothing typed is
// refused by the database when the row is posted.
class FieldLengthDelegate : public QStyledItemDelegate {
  public:
    FieldLengthDelegate(zel::ui::DatasetModel& model, const QString& table, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  private:
    zel::ui::DatasetModel& model_;
    QString table_;
};

}  // namespace zelvan
