#pragma once

#include <QString>
#include <QVariant>
#include <functional>

namespace zelvan {

// Roles of USERS.TIP_USER.
inline constexpr int kAdministrator = 0;
inline constexpr int kManager = 1;
inline constexpr int kTechnologist = 2;

// The user of the last successful login, for the rest of the run.
struct CurrentUser {
    int role = -1;
    int kodUser = 0;
    QString name;
};

// The few values zelvan61's windows share besides the data module's current rows.
struct Session {
    // The working folder recorded once at start-up: root.cfg is rewritten there, and
    // zelstock is started from there.
    QString startFolder;
    CurrentUser user;
    // The main window's list: 0 current orders, 1 estimates; a new order goes there.
    int listIndex = 0;
    // An order the main window selects the next time it shows (after moves and the
    // archive's hand-back); invalid when none is pending.
    QVariant orderToShow;
    // Ends the program at once, without committing (the login's Cancel and the
    // single-instance guard). Tests replace it.
    std::function<void()> endProgram;
};

}  // namespace zelvan
