#include "main/frm_pass.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/root_cfg.h"
#include "ui/db_actions.h"
#include "ui/dialogs.h"

namespace zelvan {

using zel::ui::Answer;
using zel::ui::Dialogs;
using zel::ui::runOrShowError;

namespace {

const QString kGuardQuestion = QStringLiteral(
    "Программа Zelvan уже запущена или предыдущее завершение программы было аварийным. "
    "Нажмите Игнорировать, если требуется возобновление работы после аврийного завершения.");

}  // namespace

TfrmPass::TfrmPass(TDM& dm, Session& session, QWidget* mainWindow, QWidget* parent)
    : QDialog(parent), dm_(dm), session_(session), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmPass"));
    setWindowTitle(QStringLiteral("Введите имя пользователя и пароль"));
    // A title without buttons: the window is left only by "Войти" or "Отмена".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();
}

void TfrmPass::buildControls() {
    edName_User = new QLineEdit(this);
    edName_User->setObjectName(QStringLiteral("edName_User"));
    edName_User->setMinimumWidth(200);
    edPass_User = new QLineEdit(this);
    edPass_User->setObjectName(QStringLiteral("edPass_User"));
    edPass_User->setEchoMode(QLineEdit::Password);
    btnEnter = new QPushButton(QStringLiteral("Войти"), this);
    btnEnter->setObjectName(QStringLiteral("btnEnter"));
    btnEnter->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Имя пользователя:"), edName_User);
    fields->addRow(QStringLiteral("Пароль:"), edPass_User);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnEnter);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnEnter, &QPushButton::clicked, this, &TfrmPass::enter);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmPass::reject);
}

void TfrmPass::showAtStartup() {
    mainWindow_->setEnabled(false);
    // Shown first, so that a failure to read the users appears over the login.
    showCentred();
    runOrShowError(this, [this] { dm_.DSetUsers->open(); });
}

void TfrmPass::changeUser() {
    if (!runOrShowError(mainWindow_, [this] {
            dm_.commitAndRestart();
            dm_.DSetUsers->open();
        })) {
        return;
    }
    mainWindow_->hide();
    const zel::RootCfg rootCfg(session_.startFolder);
    QString failure;
    try {
        rootCfg.writeWithMarker(rootCfg.readLocation());
    } catch (const zel::RootCfgError& error) {
        failure = error.message();
    }
    showCentred();
    if (!failure.isEmpty()) {
        Dialogs::showError(this, failure);
    }
}

void TfrmPass::showCentred() {
    show();
    raise();
    activateWindow();
    edName_User->setFocus();
}

// Centred on the screen the window opens on, whatever its size turns out to be.
void TfrmPass::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (where != nullptr) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
}

int TfrmPass::findUser(const QString& name) {
    zel::Dataset& users = *dm_.DSetUsers;
    users.fetchAll();
    for (int row = 0; row < users.fetchedCount(); ++row) {
        const QVariant stored = users.valueAt(row, QStringLiteral("NAME_USER"));
        // Text against text, letter case and blanks included: "Ivanov" is not "ivanov",
        // and "007" is not "7".
        if (stored.isValid() && stored.toString() == name) {
            return row;
        }
    }
    return -1;
}

void TfrmPass::enter() {
    if (!dm_.DSetUsers->isActive() && !runOrShowError(this, [this] { dm_.DSetUsers->open(); })) {
        return;
    }
    const int row = findUser(edName_User->text());
    if (row < 0) {
        Dialogs::inform(this, QStringLiteral("Не правильно введено имя пользователя."));
        edName_User->clear();
        edPass_User->clear();
        edName_User->setFocus();
        return;
    }
    if (dm_.DSetUsers->valueAt(row, QStringLiteral("PASS_USER")).toString() !=
        edPass_User->text()) {
        Dialogs::inform(this, QStringLiteral("Не правильно введен пароль."));
        edPass_User->clear();
        edPass_User->setFocus();
        return;
    }
    logIn(row);
}

void TfrmPass::logIn(int row) {
    hide();
    const zel::Dataset& users = *dm_.DSetUsers;
    session_.user.role = users.valueAt(row, QStringLiteral("TIP_USER")).toInt();
    session_.user.kodUser = users.valueAt(row, QStringLiteral("KOD_USER")).toInt();
    session_.user.name = users.valueAt(row, QStringLiteral("NAME_USER")).toString();

    if (!runOrShowError(this, [this] {
            dm_.commitAndRestart();
            dm_.DSetObsh->open();
        })) {
        showCentred();
        return;
    }
    if (!passGuard()) {
        session_.endProgram();
        return;
    }
    mainWindow_->setEnabled(true);
    emit loggedIn();
}

// Every clean end of a run leaves the marker and every login removes it, so a missing
// marker means another copy is logged in from this folder or the last run broke off.
// A root.cfg that cannot be read any more leaves nothing to guard with: the program ends.
// The boxes belong to the hidden login window: a box of its own would be the last
// window of the application, and closing it would end the program.
bool TfrmPass::passGuard() {
    const zel::RootCfg rootCfg(session_.startFolder);
    zel::RootCfgContent content;
    try {
        content = rootCfg.read();
    } catch (const zel::RootCfgError& error) {
        Dialogs::showError(this, error.message());
        return false;
    }
    if (!content.hasMarker() && Dialogs::askCancelIgnore(this, kGuardQuestion) != Answer::Ignore) {
        return false;
    }
    try {
        rootCfg.writeWithoutMarker(content.location);
    } catch (const zel::RootCfgError& error) {
        Dialogs::showError(this, error.message());
    }
    return true;
}

void TfrmPass::reject() {
    session_.endProgram();
}

}  // namespace zelvan
