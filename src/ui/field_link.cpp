#include "ui/field_link.h"

#include "core/values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

#include "ui/db_actions.h"
#include "ui/field_text.h"
#include "ui/radio_group.h"

namespace zel::ui {

FieldLink::FieldLink(QWidget* widget, Dataset& dataset, const QString& field)
    : QObject(widget), dataset_(&dataset), field_(field) {
    connect(&dataset, &Dataset::opened, this, &FieldLink::refresh);
    connect(&dataset, &Dataset::closed, this, &FieldLink::refresh);
    connect(&dataset, &Dataset::currentRowChanged, this, &FieldLink::refresh);
    connect(&dataset, &Dataset::rowChanged, this, &FieldLink::refreshUnlessWriting);
    connect(&dataset, &Dataset::stateChanged, this, &FieldLink::refreshUnlessWriting);
    connect(&dataset, &QObject::destroyed, this, &FieldLink::refresh);
}

QWidget* FieldLink::widget() const {
    return static_cast<QWidget*>(parent());
}

fb::FieldType FieldLink::fieldType() const {
    if (dataset_ == nullptr || !dataset_->isActive() || !dataset_->hasField(field_)) {
        return fb::FieldType::Text;
    }
    return dataset_->fieldType(field_);
}

void FieldLink::refresh() {
    const QScopedValueRollback<bool> guard(showing_, true);
    const bool hasRow = dataset_ != nullptr && dataset_->isActive() && dataset_->hasField(field_) &&
                        (dataset_->currentRow() >= 0 || dataset_->isEditing());
    show(hasRow ? dataset_->value(field_) : QVariant());
}

void FieldLink::refreshUnlessWriting() {
    if (!writing_) {
        refresh();
    }
}

void FieldLink::write(const QVariant& value) {
    if (showing_) {
        return;
    }
    if (dataset_ == nullptr || !dataset_->isActive()) {
        refresh();
        return;
    }
    Dataset& target = *dataset_;
    const QString& field = field_;
    const QScopedValueRollback<bool> guard(writing_, true);
    if (!runOrShowError(widget(), [&target, &field, &value] { target.setValue(field, value); })) {
        writing_ = false;
        refresh();
    }
}

namespace {

class LineEditLink : public FieldLink {
  public:
    LineEditLink(QLineEdit* edit, Dataset& dataset, const QString& field)
        : FieldLink(edit, dataset, field), edit_(edit) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
            const std::optional<QVariant> value = parseEditText(text, fieldType());
            write(value ? *value : QVariant());
        });
        refresh();
    }

  private:
    void show(const QVariant& value) override {
        const fb::FieldType type = fieldType();
        if (isNumberType(type) != (edit_->validator() != nullptr)) {
            edit_->setValidator(isNumberType(type) ? createNumberValidator(type, edit_) : nullptr);
        }
        const QString text = editText(value);
        if (edit_->text() != text) {
            edit_->setText(text);
        }
    }

    QLineEdit* edit_;
};

class PlainTextLink : public FieldLink {
  public:
    PlainTextLink(QPlainTextEdit* edit, Dataset& dataset, const QString& field)
        : FieldLink(edit, dataset, field), edit_(edit) {
        connect(edit, &QPlainTextEdit::textChanged, this, [this] { write(edit_->toPlainText()); });
        refresh();
    }

  private:
    void show(const QVariant& value) override {
        const QString text = value.toString();
        if (edit_->toPlainText() != text) {
            edit_->setPlainText(text);
        }
    }

    QPlainTextEdit* edit_;
};

class CheckBoxLink : public FieldLink {
  public:
    CheckBoxLink(QCheckBox* box, Dataset& dataset, const QString& field, QVariant checked,
                 QVariant unchecked, bool byFieldType)
        : FieldLink(box, dataset, field),
          box_(box),
          checked_(std::move(checked)),
          unchecked_(std::move(unchecked)),
          byFieldType_(byFieldType) {
        connect(box, &QCheckBox::toggled, this,
                [this](bool on) { write(on ? checkedValue() : uncheckedValue()); });
        refresh();
    }

  private:
    QVariant checkedValue() const {
        if (!byFieldType_) {
            return checked_;
        }
        return isNumberType(fieldType()) ? QVariant(1) : QVariant(QStringLiteral("1"));
    }
    QVariant uncheckedValue() const {
        if (!byFieldType_) {
            return unchecked_;
        }
        return isNumberType(fieldType()) ? QVariant(0) : QVariant(QStringLiteral("0"));
    }

    void show(const QVariant& value) override {
        box_->setChecked(value.isValid() && sameValue(value, checkedValue()));
    }

    QCheckBox* box_;
    QVariant checked_;
    QVariant unchecked_;
    bool byFieldType_;
};

class RadioGroupLink : public FieldLink {
  public:
    RadioGroupLink(RadioGroup* group, Dataset& dataset, const QString& field)
        : FieldLink(group, dataset, field), group_(group) {
        connect(group, &RadioGroup::itemIndexChanged, this, [this](int index) {
            if (index < 0) {
                write(QVariant());
            } else if (isNumberType(fieldType())) {
                write(index);
            } else {
                write(QString::number(index));
            }
        });
        refresh();
    }

  private:
    void show(const QVariant& value) override {
        bool ok = false;
        const int index = value.toInt(&ok);
        group_->setItemIndex(ok && index < group_->count() ? index : -1);
    }

    RadioGroup* group_;
};

class LookupComboLink : public FieldLink {
  public:
    LookupComboLink(QComboBox* combo, Dataset& dataset, const QString& field, Dataset& list,
                    const QString& listField)
        : FieldLink(combo, dataset, field), combo_(combo), list_(&list), listField_(listField) {
        combo->setEditable(false);
        connect(&list, &Dataset::opened, this, &LookupComboLink::reloadItems);
        connect(&list, &Dataset::closed, this, &LookupComboLink::reloadItems);
        connect(&list, &Dataset::rowsFetched, this, &LookupComboLink::reloadItems);
        connect(&list, &Dataset::rowInserted, this, &LookupComboLink::reloadItems);
        connect(&list, &Dataset::rowRemoved, this, &LookupComboLink::reloadItems);
        connect(&list, &Dataset::rowChanged, this, &LookupComboLink::reloadItems);
        connect(combo, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (!reloading_) {
                write(index < 0 ? QVariant() : QVariant(combo_->itemText(index)));
            }
        });
        reloadItems();
    }

  private:
    // The whole list is read, so that every stored name can be shown.
    void reloadItems() {
        if (reloading_) {
            return;
        }
        const QScopedValueRollback<bool> guard(reloading_, true);
        QStringList names;
        Dataset* list = list_;
        if (list != nullptr && list->isActive() &&
            runOrShowError(widget(), [list] { list->fetchAll(); })) {
            if (list_->hasField(listField_)) {
                for (int row = 0; row < list_->fetchedCount(); ++row) {
                    names.append(list_->valueAt(row, listField_).toString());
                }
            }
        }
        combo_->clear();
        combo_->addItems(names);
        refresh();
    }

    void show(const QVariant& value) override {
        combo_->setCurrentIndex(value.isValid() ? combo_->findText(value.toString()) : -1);
    }

    QComboBox* combo_;
    QPointer<Dataset> list_;
    QString listField_;
    bool reloading_ = false;
};

class DateEditLink : public FieldLink {
  public:
    DateEditLink(QDateTimeEdit* edit, Dataset& dataset, const QString& field)
        : FieldLink(edit, dataset, field), edit_(edit) {
        if (edit->specialValueText().isEmpty()) {
            edit->setSpecialValueText(QStringLiteral(" "));
        }
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& moment) {
            if (moment == edit_->minimumDateTime()) {
                write(QVariant());
            } else if (fieldType() == fb::FieldType::Date) {
                write(moment.date());
            } else {
                write(moment);
            }
        });
        refresh();
    }

  private:
    void show(const QVariant& value) override {
        QDateTime moment;
        if (value.typeId() == QMetaType::QDate) {
            moment = QDateTime(value.toDate(), QTime(0, 0));
        } else if (value.typeId() == QMetaType::QDateTime) {
            moment = value.toDateTime();
        }
        edit_->setDateTime(moment.isValid() ? moment : edit_->minimumDateTime());
    }

    QDateTimeEdit* edit_;
};

}  // namespace

FieldLink* bindLineEdit(QLineEdit* edit, Dataset& dataset, const QString& field) {
    return new LineEditLink(edit, dataset, field);
}

FieldLink* bindPlainText(QPlainTextEdit* edit, Dataset& dataset, const QString& field) {
    return new PlainTextLink(edit, dataset, field);
}

FieldLink* bindCheckBox(QCheckBox* box, Dataset& dataset, const QString& field) {
    return new CheckBoxLink(box, dataset, field, QVariant(), QVariant(), true);
}

FieldLink* bindCheckBox(QCheckBox* box, Dataset& dataset, const QString& field,
                        const QVariant& checkedValue, const QVariant& uncheckedValue) {
    return new CheckBoxLink(box, dataset, field, checkedValue, uncheckedValue, false);
}

FieldLink* bindRadioGroup(RadioGroup* group, Dataset& dataset, const QString& field) {
    return new RadioGroupLink(group, dataset, field);
}

FieldLink* bindLookupCombo(QComboBox* combo, Dataset& dataset, const QString& field, Dataset& list,
                           const QString& listField) {
    return new LookupComboLink(combo, dataset, field, list, listField);
}

FieldLink* bindDateEdit(QDateTimeEdit* edit, Dataset& dataset, const QString& field) {
    return new DateEditLink(edit, dataset, field);
}

}  // namespace zel::ui
