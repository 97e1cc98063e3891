#include "orders/frm_izd.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/db_actions.h"
#include "ui/db_grid.h"

namespace zelvan {

TfrmIzd::TfrmIzd(TDM& dm, Session&, QWidget* parent)
    : DirectoryWindow(*dm.DSetProduct, QStringLiteral("PRODUCT"), QStringLiteral("dbgrIzd"),
                      QSize(600, 600), parent),
      dm_(dm) {
    setObjectName(QStringLiteral("frmIzd"));
    setWindowTitle(QStringLiteral("Выбор издания"));
    setColumns({{QStringLiteral("NAME"), QStringLiteral("Наименование издания")},
                {QStringLiteral("NOTE"), QStringLiteral("Примечание")}});
    grid_->setColumnWidth(0, 330);
    addSearch(QStringLiteral("Поиск по названию"), QStringLiteral("edName"),
              QStringLiteral("btnForwName"), QStringLiteral("NAME"), edName, btnForwName);
}

bool TfrmIzd::handOver(Opener opener) {
    if (opener != Opener::OrderCard) {
        return false;
    }
    const Dataset& edition = list();
    Dataset& zakaz = *dm_.DSetZakaz;
    return zel::ui::runOrShowError(this, [&edition, &zakaz] {
        zakaz.setValue(QStringLiteral("NAMEIZD"), edition.value(QStringLiteral("NAME")));
        zakaz.post();
    });
}

}  // namespace zelvan
