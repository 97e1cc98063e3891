#pragma once

#include "main/session.h"
#include "orders/directory_window.h"

class QLineEdit;
class QPushButton;

namespace zelvan {

// "Выбор издания": the directory of edition names (PRODUCT through DSetProduct),
// maintained from the main window and used to pick the edition name of an order.
class TfrmIzd : public DirectoryWindow {
    Q_OBJECT
  public:
    TfrmIzd(TDM& dm, Session& session, QWidget* parent = nullptr);

  private:
    // Only the order card takes an edition; the archive and query windows do not open
    // this directory for a choice.
    bool handOver(Opener opener) override;

    TDM& dm_;
    QLineEdit* edName;
    QPushButton* btnForwName;
};

}  // namespace zelvan
