#pragma once

#include <QDialog>
#include <QVariant>

#include "main/dm.h"
#include "main/session.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zelvan {

class TfrmClient;
class TfrmIzd;

// "Информация о заказе": the heading of an order (date, number, client, edition, run,
// format, colours, currency rate, profitability, note, manager) on the current row of
// DSetZakaz. A new order is created in the list the main window shows; when format or
// colours of an order change, the card offers to carry them into the print parts of
// its calculation. The card only posts; the main window's refresh cycle commits.
class TfrmZakaz : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Add, Edit };

    TfrmZakaz(TDM& dm, Session& session, QWidget* parent = nullptr);

    // Prepares the card for the current order of DSetZakaz (Edit) or a new order in
    // session.listIndex's list (Add); then show it. The main window has opened
    // DSetZakaz, DSetGotIzd, DSetUsers, DSetClients and DSetProduct.
    void prepare(Mode mode);
    // The order to select once the card has closed: the new order after an add (also
    // when a client or edition pick had already stored it), the edited one otherwise,
    // and the order that was current before an add that stored nothing.
    QVariant reportedKod() const;

    // The directories the card picks from (created with the card and reused).
    TfrmClient& clientWindow() const { return *frmClient; }
    TfrmIzd& izdWindow() const { return *frmIzd; }

    // "Принять": stores the heading, carries format and colour changes into the print
    // parts on request, and closes; on a database error the card stays open as it was.
    void accept() override;
    // "Отмена" (and Escape): drops the changes not yet stored and closes.
    void reject() override;

  private:
    void buildControls();
    void bindControls();
    void showRoleHeight();
    void assignNumber();
    void pickClient();
    void pickEdition();
    void chooseFormat(int index);
    void chooseManager(int index);
    // Steps of "Принять"; each returns false when it stopped on an error.
    bool storeHeading();
    bool carryIntoCalculation();

    // The values that decide whether the print parts are to follow a change.
    struct Calculated {
        int len = 0;
        int wid = 0;
        int pleft = 0;
        int pright = 0;
        int pleft2 = 0;
        int pright2 = 0;
    };
    Calculated calculatedNow() const;

    TDM& dm_;
    Session& session_;
    Mode mode_ = Mode::Edit;
    Calculated shown_;
    QVariant kodBefore_;
    QVariant orderKod_;
    bool prepared_ = false;
    bool newOrderStored_ = false;

    TfrmClient* frmClient;
    TfrmIzd* frmIzd;

    QDateEdit* DateZakaz;
    QLineEdit* DBEdit1;
    QPushButton* btnNumZak;
    QLineEdit* DBEdit4;
    QPushButton* btnClient;
    QLineEdit* DBEdit3;
    QLineEdit* DBEdit2;
    QPlainTextEdit* DBMemo2;
    QPushButton* btnIzd;
    QLineEdit* DBEdit6;
    QLineEdit* DBEdit7;
    QLineEdit* DBEdit8;
    QComboBox* FormatIzd;
    QLineEdit* DBEdit9;
    QLineEdit* DBEdit10;
    QLineEdit* DBEdit11;
    QLineEdit* DBEdit12;
    QLineEdit* DBEdit5;
    QLineEdit* DBEdit13;
    QLineEdit* DBEdit14;
    QLabel* lbManager;
    QComboBox* ZakManager;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

}  // namespace zelvan
