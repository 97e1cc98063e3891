#pragma once

#include <QString>
#include <QVector>
#include <functional>

class QMessageBox;
class QWidget;

namespace fb {
class Error;
}

namespace zel::ui {

enum class DialogKind { Information, Warning, Error, Confirmation };
// Add and Replace answer the question whether to append to a list or to empty it first.
enum class Answer { Ok, Cancel, Yes, No, Ignore, Add, Replace };

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
    // The standard error box.
    static void showError(QWidget* parent, const QString& text);
    // The standard error box with the database server's own text.
    static void showDatabaseError(QWidget* parent, const fb::Error& error);

    // A confirmation with "Да" and "Нет".
    static Answer askYesNo(QWidget* parent, const QString& text);
    // A box of the given kind with "ОК" and "Отмена".
    static Answer askOkCancel(QWidget* parent, DialogKind kind, const QString& text);
    // A confirmation with "Отмена" and "Игнорировать" (the guard question names that button).
    static Answer askCancelIgnore(QWidget* parent, const QString& text);
    // Whether to fill a list that is not empty: "Добавить" keeps its rows and appends,
    // "Заменить" empties it first, "Отмена" leaves it alone.
    static Answer askAddReplace(QWidget* parent, const QString& text);

    static Answer ask(QWidget* parent, DialogKind kind, const QString& text,
                      const QVector<Answer>& buttons);
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);

    // The real box of a request, built but not shown: its buttons carry the answers'
    // Russian captions. `answerOf` reads which one was clicked
    // (Escape and closing count as Cancel where there is one, else as the last button).
    static QMessageBox* createMessageBox(QWidget* parent, const DialogRequest& request);
    static Answer answerOf(const QMessageBox& box, const DialogRequest& request);

    // An empty handler restores the real dialogs.
    static void setHandler(DialogHandler handler);
    static void setFileHandler(FileDialogHandler handler);
};

}  // namespace zel::ui
