#include "orders/frm_client.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/db_actions.h"
#include "ui/db_grid.h"

namespace zelvan {

TfrmClient::TfrmClient(TDM& dm, Session&, QWidget* parent)
    : DirectoryWindow(*dm.DSetClients, QStringLiteral("KLIENT"), QStringLiteral("dbgrClient"),
                      QSize(800, 600), parent),
      dm_(dm) {
    setObjectName(QStringLiteral("frmClient"));
    setWindowTitle(QStringLiteral("Список клиентов"));
    setColumns({{QStringLiteral("TIP"), QStringLiteral("Тип клиента")},
                {QStringLiteral("NAME"), QStringLiteral("Наименование")},
                {QStringLiteral("FIO"), QStringLiteral("Контактное лицо")},
                {QStringLiteral("TEL"), QStringLiteral("Телефоны")},
                {QStringLiteral("RNN"), QStringLiteral("ИНН(РНН)")},
                {QStringLiteral("NOTE"), QStringLiteral("Примечание")}});
    grid_->setColumnWidth(0, 100);
    grid_->setColumnWidth(1, 200);
    grid_->setColumnWidth(2, 150);
    grid_->setColumnWidth(3, 120);
    grid_->setColumnWidth(4, 100);
    addSearch(QStringLiteral("Поиск по названию"), QStringLiteral("edName"),
              QStringLiteral("btnForwName"), QStringLiteral("NAME"), edName, btnForwName);
    addSearch(QStringLiteral("Поиск по ИНН(РНН)"), QStringLiteral("edRNN"),
              QStringLiteral("btnForwRNN"), QStringLiteral("RNN"), edRNN, btnForwRNN);
    edRNN->setMaxLength(12);
}

void TfrmClient::setNameFilter(Opener opener, QLineEdit* edNameOrg) {
    nameFilters_[opener] = edNameOrg;
}

bool TfrmClient::handOver(Opener opener) {
    const Dataset& client = list();
    if (opener == Opener::OrderCard) {
        Dataset& zakaz = *dm_.DSetZakaz;
        return zel::ui::runOrShowError(this, [&client, &zakaz] {
            zakaz.setValue(QStringLiteral("NAMEORG"), client.value(QStringLiteral("NAME")));
            zakaz.setValue(QStringLiteral("FIO"), client.value(QStringLiteral("FIO")));
            zakaz.setValue(QStringLiteral("TEL"), client.value(QStringLiteral("TEL")));
            zakaz.post();
        });
    }
    if (QLineEdit* filter = nameFilters_.value(opener)) {
        filter->setText(client.asString(QStringLiteral("NAME")));
    }
    return true;
}

}  // namespace zelvan
