#pragma once

#include <QString>
#include <QVector>
#include <functional>

class QWidget;

namespace zel::ui {

enum class DialogKind { Information, Warning, Error, Confirmation };
enum class Answer { Ok, Cancel, Yes, No, Ignore };

struct DialogRequest {
    DialogKind kind;
    QString text;
    QVector<Answer> buttons;
};

struct FileDialogRequest {
    QString caption;
    QString filter;
};

using DialogHandler = std::function<Answer(const DialogRequest&)>;
// Returns the chosen file's full name, or an empty string when the user cancels.
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;

// Every message, question and file choice of the programs goes through here, so that
// the texts are in one place and tests can answer them without a real modal box.
class Dialogs {
public:
    static void inform(QWidget* parent, const QString& text);
    static void warn(QWidget* parent, const QString& text);
    // The standard error box: a database error shows the server's own text.
    static void showError(QWidget* parent, const QString& text);
    static Answer ask(QWidget* parent, DialogKind kind, const QString& text,
                      const QVector<Answer>& buttons);
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);

    // An empty handler restores the real dialogs.
    static void setHandler(DialogHandler handler);
    static void setFileHandler(FileDialogHandler handler);
};

}  // namespace zel::ui
