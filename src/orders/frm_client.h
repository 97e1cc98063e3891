#pragma once

#include <QMap>
#include <QPointer>

#include "main/session.h"
#include "orders/directory_window.h"

class QLineEdit;
class QPushButton;

namespace zelvan {

// "Список клиентов": the directory of clients (KLIENT through DSetClients), maintained
// from the main window and used to pick a client for the order card (organisation,
// contact person and phones) or for the organisation filter of the archive and query
// windows.
class TfrmClient : public DirectoryWindow {
    Q_OBJECT
  public:
    TfrmClient(TDM& dm, Session& session, QWidget* parent = nullptr);

    // The organisation filter `edNameOrg` of the archive (Opener::Archive) or query
    // (Opener::Query) window, which a chosen client's name is put into.
    void setNameFilter(Opener opener, QLineEdit* edNameOrg);

  private:
    bool handOver(Opener opener) override;

    TDM& dm_;
    QMap<Opener, QPointer<QLineEdit>> nameFilters_;
    QLineEdit* edName;
    QPushButton* btnForwName;
    QLineEdit* edRNN;
    QPushButton* btnForwRNN;
};

}  // namespace zelvan
