#include "ui/db_actions.h"

#include "core/dataset.h"
#include "core/fb/error.h"
#include "ui/dialogs.h"

namespace zel::ui {

bool runOrShowError(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const fb::Error& error) {
        Dialogs::showDatabaseError(parent, error);
    } catch (const DatasetError& error) {
        Dialogs::showError(parent, error.message());
    }
    return false;
}

bool postOrShowError(QWidget* parent, Dataset& dataset) {
    return runOrShowError(parent, [&dataset] { dataset.post(); });
}

}  // namespace zel::ui
