#pragma once

#include <QStringList>
#include <QVector>

#include "ui/dialogs.h"

namespace zel::ui {

// Answers the programs' dialogs from a script while it lives, and records every request:
// what a test installs instead of real modal boxes. An unscripted question is answered
// with its last button; an unscripted file dialog is cancelled.
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answerNext(Answer answer) { answers_.append(answer); }
    void chooseFileNext(const QString& fileName) { files_.append(fileName); }

    const QVector<DialogRequest>& requests() const { return requests_; }
    QStringList texts() const;
    const QVector<FileDialogRequest>& fileRequests() const { return fileRequests_; }

private:
    QVector<Answer> answers_;
    QStringList files_;
    QVector<DialogRequest> requests_;
    QVector<FileDialogRequest> fileRequests_;
};

}  // namespace zel::ui
