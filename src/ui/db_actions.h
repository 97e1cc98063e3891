#pragma once

#include <functional>

class QWidget;

namespace zel {
class Dataset;
}

namespace zel::ui {

// Runs an action on the data; a database error is shown in the standard error box with
// the server's text, a dataset's own failure in the same box with its message, and the
// result is false. The action's state stays as the failure left it (a row whose post
// failed stays in edit state with the user's values).
bool runOrShowError(QWidget* parent, const std::function<void()>& action);

// Posts the dataset's pending edit or insert, as the windows' OK buttons do.
bool postOrShowError(QWidget* parent, Dataset& dataset);

}  // namespace zel::ui
