#pragma once

#include <QDialog>

#include "main/dm.h"

class QLineEdit;
class QPushButton;

namespace zel::ui {
class FieldLink;
}

namespace zelvan {

// The editor of one user: name, password and its confirmation, on the new or the
// current row of one role's dataset.
class TfrmAddEditUser : public QDialog {
    Q_OBJECT
  public:
    // One mode per role and per add or edit; the mode picks the dataset.
    enum class Mode { AddAdmin, EditAdmin, AddMan, EditMan, AddTechn, EditTechn };

    explicit TfrmAddEditUser(TDM& dm, QWidget* parent = nullptr);

    // Binds the fields to the mode's dataset and starts the row: a new one (empty
    // confirmation) or the current one (confirmation = its password). Returns false,
    // leaving the dataset as it was, when there is no row to edit or the start failed
    // (the error has been shown). The caller then shows the window.
    bool start(Mode mode);
    Mode mode() const { return mode_; }
    zel::Dataset* dataset() const { return dataset_; }

    // "ОК": post the row and close; a failed post shows the error and keeps the window
    // and the row as they are.
    void accept() override;
    // "Отменить", Escape: drop the row's changes and close.
    void reject() override;

  private:
    void buildControls();
    void bindTo(zel::Dataset& dataset);
    void updateOk();

    TDM& dm_;
    Mode mode_ = Mode::AddAdmin;
    zel::Dataset* dataset_ = nullptr;
    zel::ui::FieldLink* nameLink_ = nullptr;
    zel::ui::FieldLink* passLink_ = nullptr;
    QLineEdit* DBEdit1;
    QLineEdit* DBEdit2;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

}  // namespace zelvan
