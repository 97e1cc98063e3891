#include "ui/scripted_dialogs.h"

namespace zel::ui {

ScriptedDialogs::ScriptedDialogs() {
    Dialogs::setHandler([this](const DialogRequest& request) {
        requests_.append(request);
        return answers_.isEmpty() ? request.buttons.last() : answers_.takeFirst();
    });
    Dialogs::setFileHandler([this](const FileDialogRequest& request) {
        fileRequests_.append(request);
        return files_.isEmpty() ? QString() : files_.takeFirst();
    });
}

ScriptedDialogs::~ScriptedDialogs() {
    Dialogs::setHandler({});
    Dialogs::setFileHandler({});
}

QStringList ScriptedDialogs::texts() const {
    QStringList all;
    for (const DialogRequest& request : requests_) {
        all.append(request.text);
    }
    return all;
}

}  // namespace zel::ui
