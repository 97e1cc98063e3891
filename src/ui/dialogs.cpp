#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace zel::ui {
namespace {

DialogHandler& handler() {
    static DialogHandler instance;
    return instance;
}

FileDialogHandler& fileHandler() {
    static FileDialogHandler instance;
    return instance;
}

QMessageBox::StandardButton toStandardButton(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::Ok;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Ignore:
            return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
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

Answer showMessageBox(QWidget* parent, const DialogRequest& request) {
    QMessageBox box(iconOf(request.kind), QApplication::applicationDisplayName(), request.text,
                    QMessageBox::NoButton, parent);
    for (Answer answer : request.buttons) {
        box.addButton(toStandardButton(answer));
    }
    const int clicked = box.exec();
    for (Answer answer : request.buttons) {
        if (clicked == toStandardButton(answer)) {
            return answer;
        }
    }
    return request.buttons.contains(Answer::Cancel) ? Answer::Cancel : request.buttons.last();
}

}  // namespace

Answer Dialogs::ask(QWidget* parent, DialogKind kind, const QString& text,
                    const QVector<Answer>& buttons) {
    const DialogRequest request{kind, text, buttons};
    if (handler()) {
        return handler()(request);
    }
    return showMessageBox(parent, request);
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

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (fileHandler()) {
        return fileHandler()(FileDialogRequest{caption, filter});
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

void Dialogs::setHandler(DialogHandler newHandler) { handler() = std::move(newHandler); }

void Dialogs::setFileHandler(FileDialogHandler newHandler) {
    fileHandler() = std::move(newHandler);
}

}  // namespace zel::ui
