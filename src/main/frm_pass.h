#pragma once

#include <QDialog>

#include "main/dm.h"
#include "main/session.h"

class QLineEdit;
class QPushButton;

namespace zelvan {

// The login window: a user name and password checked against USERS, and the
// single-instance guard built on the clean-shutdown marker of root.cfg. It is a window
// of its own (give it no parent that the login disables).
class TfrmPass : public QDialog {
    Q_OBJECT
  public:
    // `mainWindow` is the main window the login disables, hides and shows again.
    TfrmPass(TDM& dm, Session& session, QWidget* mainWindow, QWidget* parent = nullptr);

    // Start-up: disable the main window, open DSetUsers, show the login without blocking.
    void showAtStartup();
    // The main window's change of user: commit, reopen the users, hide the main window,
    // write the clean-shutdown marker and show the login with the fields as they were.
    void changeUser();

    // "Войти": check the name and the password, then log in.
    void enter();
    // "Отмена", Escape: the program ends at once.
    void reject() override;

  signals:
    // A login succeeded (after the guard): the main window is enabled; it now shows
    // itself maximized, applies the role rules and builds the list.
    void loggedIn();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    // The row of DSetUsers whose name is exactly `name`, or -1.
    int findUser(const QString& name);
    void logIn(int row);
    // Whether this login may go on: asks when the marker is absent; removes the marker.
    bool passGuard();
    void showCentred();

    TDM& dm_;
    Session& session_;
    QWidget* mainWindow_;
    QLineEdit* edName_User;
    QLineEdit* edPass_User;
    QPushButton* btnEnter;
    QPushButton* btnCancel;
};

}  // namespace zelvan
