#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "core/dataset.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zel::ui {

class RadioGroup;

// Binds one widget to one field of a dataset's current row. The widget shows the field
// whenever the row moves, the row changes or the dataset opens or closes (empty while it
// is closed). A change of the widget — typed by the user or set by the program — puts
// the dataset into edit state and stores the value in the field; the link's own
// refreshes never write. Errors of the write (a read-only dataset, a closed one is
// simply ignored) go to the standard error box. The link is a child of its widget and
// lives as long as it.
class FieldLink : public QObject {
    Q_OBJECT
  public:
    Dataset* dataset() const { return dataset_; }
    QString field() const { return field_; }
    QWidget* widget() const;

    // Shows the field of the current row again.
    void refresh();

  protected:
    FieldLink(QWidget* widget, Dataset& dataset, const QString& field);

    // Puts the value of the current row (null when there is none) into the widget.
    virtual void show(const QVariant& value) = 0;
    // Stores a value the widget took from the user.
    void write(const QVariant& value);
    bool isShowing() const { return showing_; }
    // The field's type once the dataset is open; Text before.
    fb::FieldType fieldType() const;

  private:
    void refreshUnlessWriting();

    QPointer<Dataset> dataset_;
    QString field_;
    bool showing_ = false;
    bool writing_ = false;
};

// Text fields take the text; number fields accept numbers only (digits, a minus, one
// decimal comma or point in fractional fields) and empty text stores null.
FieldLink* bindLineEdit(QLineEdit* edit, Dataset& dataset, const QString& field);
FieldLink* bindPlainText(QPlainTextEdit* edit, Dataset& dataset, const QString& field);
// Stores "1" / "0" in a text field and 1 / 0 in a number field.
FieldLink* bindCheckBox(QCheckBox* box, Dataset& dataset, const QString& field);
// Stores the given values (an invalid QVariant stores null); the box is ticked when the
// field holds `checkedValue`.
FieldLink* bindCheckBox(QCheckBox* box, Dataset& dataset, const QString& field,
                        const QVariant& checkedValue, const QVariant& uncheckedValue);
// Stores the chosen item's index; null or an index out of range shows no choice.
FieldLink* bindRadioGroup(RadioGroup* group, Dataset& dataset, const QString& field);
// The items are the `listField` texts of every row of the list dataset, reloaded when
// it changes; the field stores the chosen text, and a text not in the list shows no
// choice. Connect a window's handler of the choice to QComboBox::activated: the link
// stores the text before that handler runs.
FieldLink* bindLookupCombo(QComboBox* combo, Dataset& dataset, const QString& field, Dataset& list,
                           const QString& listField = QStringLiteral("NAME"));
// Also for QDateEdit. A null field shows blank (the edit's minimum date stands for it).
FieldLink* bindDateEdit(QDateTimeEdit* edit, Dataset& dataset, const QString& field);

}  // namespace zel::ui
