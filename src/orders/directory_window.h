#pragma once

#include <QDialog>
#include <QString>
#include <QVector>
#include <optional>

#include "main/dm.h"

class QLineEdit;
class QPushButton;
class QToolButton;
class QHBoxLayout;

namespace zel::ui {
class DbGrid;
}

namespace zelvan {

// What the client and edition directories share: an editable grid over their dataset,
// adding and deleting rows, sorting by a column title, searches by the beginning of a
// column's text, and the choice of a row for the window that opened the directory.
class DirectoryWindow : public QDialog {
    Q_OBJECT
  public:
    // Who opened the directory; it decides what "Выбрать" does.
    enum class Opener { MainWindow, OrderCard, Archive, Query };

    // Sets the opening mode (cleared again when the window closes), shows or hides
    // "Выбрать", names the close button and sets the window's size; then show it.
    void prepare(Opener opener);
    std::optional<Opener> opener() const { return opener_; }

    // "Добавить": a new empty row, posted at once, for the user to fill in the grid.
    void addRow();
    // "Удалить": the current row, after a confirmation.
    void deleteRow();
    // "Выбрать" and a double click on a row: hand the row to the opener and close.
    void chooseRow();
    // A click on a column title: the list ordered by that column, on the same row.
    void sortBy(const QString& field);

    void done(int result) override;

  protected:
    DirectoryWindow(Dataset& list, const QString& table, const QString& gridName, QSize openedSize,
                    QWidget* parent);

    void setColumns(const QVector<QPair<QString, QString>>& columns);
    // A search group: the edit, its button, and the column searched.
    void addSearch(const QString& caption, const QString& editName, const QString& buttonName,
                   const QString& field, QLineEdit*& edit, QPushButton*& button);
    // Moves to the next row below the current one whose `field` begins with `text`,
    // letter case ignored; stays where it is when there is none.
    void searchForward(const QString& field, const QString& text);

    // Hands the current row to the opener; true when the window is to close.
    virtual bool handOver(Opener opener) = 0;

    Dataset& list() const { return list_; }

    zel::ui::DbGrid* grid_;
    QToolButton* btnAdd;
    QToolButton* btnDel;
    QPushButton* btnOK;
    QPushButton* btnCancel;

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool postPendingEdit();

    Dataset& list_;
    QString table_;
    QSize openedSize_;
    std::optional<Opener> opener_;
    QHBoxLayout* searches_;
    // Each search edit makes its own button the default one while it has the focus.
    QVector<QPair<QLineEdit*, QPushButton*>> searchButtons_;
};

}  // namespace zelvan
