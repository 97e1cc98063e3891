#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "core/fb/error.h"

namespace zel::ui {
namespace {

// The answer a box button stands for; the box itself orders its buttons by role.
constexpr const char* kAnswerProperty = "zelAnswer";

DialogHandler& handler() {
    static DialogHandler instance;
    return instance;
}

FileDialogHandler& fileHandler() {
    static FileDialogHandler instance;
    return instance;
}

// Every button carries its Russian caption itself, so the boxes read the same whether
// or not Qt's own translations are installed.
QString captionOf(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QStringLiteral("ОК");
        case Answer::Cancel:
            return QStringLiteral("Отмена");
        case Answer::Yes:
            return QStringLiteral("&Да");
        case Answer::No:
            return QStringLiteral("&Нет");
        case Answer::Ignore:
            return QStringLiteral("&Игнорировать");
        case Answer::Add:
            return QStringLiteral("Добавить");
        case Answer::Replace:
            return QStringLiteral("Заменить");
    }
    return QString();
}

// The role decides which button Escape presses: Cancel, or No where there is no Cancel.
QMessageBox::ButtonRole roleOf(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::AcceptRole;
        case Answer::Cancel:
            return QMessageBox::RejectRole;
        case Answer::Yes:
            return QMessageBox::YesRole;
        case Answer::No:
            return QMessageBox::NoRole;
        case Answer::Ignore:
        case Answer::Add:
        case Answer::Replace:
            return QMessageBox::ActionRole;
    }
    return QMessageBox::ActionRole;
}

QMessageBox::Icon iconOf(DialogKind kind) {
    switch (kind) {
        case DialogKind::Information:
            return QMessageBox::Information;
        case DialogKind::Warning:
            return QMessageBox::Warning;
        case DialogKind::Error:
            return QMessageBox::Critical;
        case DialogKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer Dialogs::ask(QWidget* parent, DialogKind kind, const QString& text,
                    const QVector<Answer>& buttons) {
    const DialogRequest request{kind, text, buttons};
    if (handler()) {
        return handler()(request);
    }
    std::unique_ptr<QMessageBox> box(createMessageBox(parent, request));
    box->exec();
    return answerOf(*box, request);
}

QMessageBox* Dialogs::createMessageBox(QWidget* parent, const DialogRequest& request) {
    auto* box = new QMessageBox(iconOf(request.kind), QApplication::applicationDisplayName(),
                                request.text, QMessageBox::NoButton, parent);
    for (Answer answer : request.buttons) {
        QPushButton* button = box->addButton(captionOf(answer), roleOf(answer));
        button->setProperty(kAnswerProperty, static_cast<int>(answer));
        if (box->defaultButton() == nullptr) {
            box->setDefaultButton(button);
        }
    }
    return box;
}

Answer Dialogs::answerOf(const QMessageBox& box, const DialogRequest& request) {
    if (const QAbstractButton* clicked = box.clickedButton()) {
        const QVariant answer = clicked->property(kAnswerProperty);
        if (answer.isValid()) {
            return static_cast<Answer>(answer.toInt());
        }
    }
    return request.buttons.contains(Answer::Cancel) ? Answer::Cancel : request.buttons.last();
}

void Dialogs::inform(QWidget* parent, const QString& text) {
    ask(parent, DialogKind::Information, text, {Answer::Ok});
}

void Dialogs::warn(QWidget* parent, const QString& text) {
    ask(parent, DialogKind::Warning, text, {Answer::Ok});
}

void Dialogs::showError(QWidget* parent, const QString& text) {
    ask(parent, DialogKind::Error, text, {Answer::Ok});
}

void Dialogs::showDatabaseError(QWidget* parent, const fb::Error& error) {
    showError(parent, error.text());
}

Answer Dialogs::askYesNo(QWidget* parent, const QString& text) {
    return ask(parent, DialogKind::Confirmation, text, {Answer::Yes, Answer::No});
}

Answer Dialogs::askOkCancel(QWidget* parent, DialogKind kind, const QString& text) {
    return ask(parent, kind, text, {Answer::Ok, Answer::Cancel});
}

Answer Dialogs::askCancelIgnore(QWidget* parent, const QString& text) {
    return ask(parent, DialogKind::Confirmation, text, {Answer::Cancel, Answer::Ignore});
}

Answer Dialogs::askAddReplace(QWidget* parent, const QString& text) {
    return ask(parent, DialogKind::Confirmation, text,
               {Answer::Add, Answer::Replace, Answer::Cancel});
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (fileHandler()) {
        return fileHandler()(FileDialogRequest{caption, filter});
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

void Dialogs::setHandler(DialogHandler newHandler) {
    handler() = std::move(newHandler);
}

void Dialogs::setFileHandler(FileDialogHandler newHandler) {
    fileHandler() = std::move(newHandler);
}

}  // namespace zel::ui
