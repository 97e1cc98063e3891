#include "orders/field_length_delegate.h"

#include <QLineEdit>

#include "core/schema/schema.h"
#include "ui/dataset_model.h"
#include "ui/field_text.h"

namespace zelvan {

FieldLengthDelegate::FieldLengthDelegate(zel::ui::DatasetModel& model, const QString& table,
                                         QObject* parent)
    : QStyledItemDelegate(parent), model_(model), table_(table) {}

QWidget* FieldLengthDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const QString field = model_.fieldAt(index.column());
    const zel::schema::Column* column = zel::schema::table(table_).column(field);
    const zel::Dataset* dataset = model_.dataset();
    if (dataset != nullptr && dataset->hasField(field) &&
        zel::ui::isNumberType(dataset->fieldType(field))) {
        editor->setValidator(zel::ui::createNumberValidator(dataset->fieldType(field), editor));
    } else if (column != nullptr && column->type == zel::schema::ColumnType::Varchar) {
        editor->setMaxLength(column->length);
    }
    return editor;
}

}  // namespace zelvan
