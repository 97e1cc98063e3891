#pragma once

#include <QDialog>

#include "main/dm.h"
#include "main/frm_add_edit_user.h"
#include "main/session.h"

class QGroupBox;
class QPushButton;

namespace zel::ui {
class DbGrid;
}

namespace zelvan {

// The administrator's list of users in three groups by role, each with its grid and
// its add, edit and delete buttons. Works on DSetAdmin, DSetMan and DSetTechn as the
// caller opened them; what it posts is committed by the caller's refresh cycle.
class TfrmUsers : public QDialog {
    Q_OBJECT
  public:
    // The window reads nothing of the session: even the logged-in user may be deleted
    // here, and his values keep working until the next login.
    TfrmUsers(TDM& dm, Session& session, QWidget* parent = nullptr);

    // The editor, shown over this window without blocking.
    TfrmAddEditUser* editor() const { return frmAddEditUser; }

    // Starts the editor in a mode and shows it (the add and edit buttons, a double click
    // on a grid); the buttons are updated when it closes.
    void openEditor(TfrmAddEditUser::Mode mode);
    // Asks, then deletes the current row of a role's dataset.
    void deleteUser(zel::Dataset& dataset);
    // Enables the buttons and grids by how many users each role has.
    void updateButtons();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    // One role's group: its grid over `dataset` and its three buttons, wired to the
    // editor's modes and to the delete.
    QGroupBox* buildGroup(const QString& caption, zel::Dataset* dataset, zel::ui::DbGrid* grid,
                          QPushButton* add, QPushButton* edit, QPushButton* remove,
                          TfrmAddEditUser::Mode addMode, TfrmAddEditUser::Mode editMode);

    TDM& dm_;
    TfrmAddEditUser* frmAddEditUser;
    zel::ui::DbGrid* dbgrAdm;
    QPushButton* btnAddAdmin;
    QPushButton* btnEditAdmin;
    QPushButton* btnDelAdmin;
    zel::ui::DbGrid* dbgrMan;
    QPushButton* btnAddMan;
    QPushButton* btnEditMan;
    QPushButton* btnDelMan;
    zel::ui::DbGrid* dbgrTechn;
    QPushButton* btnAddTechn;
    QPushButton* btnEditTechn;
    QPushButton* btnDelTechn;
    QPushButton* btnClose;
};

}  // namespace zelvan
