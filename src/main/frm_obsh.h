#pragma once

#include <QDialog>

#include "main/dm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvan {

// The general settings: the single OBSH row as DSetObsh holds it (the caller opens it
// and puts it into edit mode, and commits by its refresh cycle after the window closes).
class TfrmObsh : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmObsh(TDM& dm, QWidget* parent = nullptr);

    // "Загрузить", a click on the picture: store the chosen file's bytes as the emblem.
    void loadEmblem();
    // "Очистить": after a confirmation, remove the emblem.
    void clearEmblem();
    // "Закрыть": post the row and close; a failed post keeps the window open.
    void accept() override;
    // "Отмена", Escape: drop the changes and close.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    QLineEdit* boundEdit(const QString& name, const QString& column);
    // Draws the emblem from the field; bytes Qt cannot decode show an empty picture.
    void showEmblem();

    TDM& dm_;
    QLineEdit* DBEdit1;
    QLineEdit* DBEdit4;
    QLineEdit* DBEdit3;
    QLineEdit* DBEdit2;
    QLineEdit* DBEdit5;
    QLineEdit* DBEdit6;
    QLineEdit* edNameOrg;
    QLineEdit* edINN;
    QGroupBox* grEmblem;
    QLabel* imgEmblem;
    QPushButton* bntLoad;
    QPushButton* btnClear;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

}  // namespace zelvan
