#include "orders/frm_zakaz.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "core/schema/schema.h"
#include "orders/frm_client.h"
#include "orders/frm_izd.h"
#include "orders/order_heading.h"
#include "orders/order_number.h"
#include "ui/db_actions.h"
#include "ui/dialogs.h"
#include "ui/field_link.h"

namespace zelvan {

using zel::ui::Answer;
using zel::ui::Dialogs;

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int width = 0) {
    auto* edit = named(new QLineEdit(parent), name);
    if (width > 0) {
        edit->setFixedWidth(width);
    }
    return edit;
}

QPushButton* smallButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint) {
    auto* button = named(new QPushButton(text, parent), name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// A row of controls, packed to the left.
QHBoxLayout* packed(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    if (stretch) {
        row->addStretch();
    }
    return row;
}

}  // namespace

TfrmZakaz::TfrmZakaz(TDM& dm, Session& session, QWidget* parent)
    : QDialog(parent), dm_(dm), session_(session) {
    setObjectName(QStringLiteral("frmZakaz"));
    setWindowTitle(QStringLiteral("Информация о заказе"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    frmClient = new TfrmClient(dm, session, this);
    frmIzd = new TfrmIzd(dm, session, this);
    buildControls();
    bindControls();
}

void TfrmZakaz::buildControls() {
    DateZakaz = named(new QDateEdit(this), "DateZakaz");
    DateZakaz->setCalendarPopup(true);
    DateZakaz->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateZakaz->setFixedWidth(120);
    DBEdit1 = lineEdit(this, "DBEdit1", 120);
    btnNumZak = smallButton(this, "btnNumZak", QStringLiteral("Новый №"),
                            QStringLiteral("Присвоить заказу следующий номер"));
    DBEdit4 = lineEdit(this, "DBEdit4");
    btnClient = smallButton(this, "btnClient", QStringLiteral("..."),
                            QStringLiteral("Выбрать клиента из списка"));
    DBEdit3 = lineEdit(this, "DBEdit3");
    DBEdit2 = lineEdit(this, "DBEdit2");
    DBMemo2 = named(new QPlainTextEdit(this), "DBMemo2");
    DBMemo2->setTabChangesFocus(true);
    DBMemo2->setFixedHeight(DBMemo2->fontMetrics().lineSpacing() * 3 + 12);
    btnIzd = smallButton(this, "btnIzd", QStringLiteral("..."),
                         QStringLiteral("Выбрать издание из списка"));
    for (QPushButton* pick : {btnClient, btnIzd}) {
        pick->setFixedWidth(32);
    }
    DBEdit6 = lineEdit(this, "DBEdit6", 120);
    DBEdit7 = lineEdit(this, "DBEdit7", 120);
    DBEdit8 = lineEdit(this, "DBEdit8", 120);
    FormatIzd = named(new QComboBox(this), "FormatIzd");
    FormatIzd->setMinimumWidth(150);
    DBEdit9 = lineEdit(this, "DBEdit9", 60);
    DBEdit10 = lineEdit(this, "DBEdit10", 60);
    DBEdit11 = lineEdit(this, "DBEdit11", 32);
    DBEdit12 = lineEdit(this, "DBEdit12", 32);
    DBEdit5 = lineEdit(this, "DBEdit5", 32);
    DBEdit13 = lineEdit(this, "DBEdit13", 32);
    DBEdit14 = lineEdit(this, "DBEdit14");
    lbManager = named(new QLabel(QStringLiteral("Менеджер заказа:"), this), "lbManager");
    ZakManager = named(new QComboBox(this), "ZakManager");
    ZakManager->setMinimumWidth(200);
    btnOK = named(new QPushButton(QStringLiteral("Принять"), this), "btnOK");
    btnOK->setDefault(true);
    btnCancel = named(new QPushButton(QStringLiteral("Отмена"), this), "btnCancel");
    btnCancel->setAutoDefault(false);

    const auto label = [this](const char* text) {
        return new QLabel(QString::fromUtf8(text), this);
    };
    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    int row = 0;
    const auto addRow = [fields, &row](QLabel* caption, QLayout* controls) {
        fields->addWidget(caption, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        fields->addLayout(controls, row, 1);
        ++row;
    };
    addRow(label("Дата заказа:"), packed({DateZakaz}));
    addRow(label("Номер заказа:"), packed({DBEdit1, btnNumZak}));
    addRow(label("Организация:"), packed({DBEdit4, btnClient}, false));
    addRow(label("Контактное лицо:"), packed({DBEdit3}, false));
    addRow(label("Телефоны:"), packed({DBEdit2}, false));
    auto* name = new QHBoxLayout;
    name->addWidget(DBMemo2);
    name->addWidget(btnIzd, 0, Qt::AlignTop);
    QLabel* nameCaption = label("Название издания:");
    fields->addWidget(nameCaption, row, 0, Qt::AlignLeft | Qt::AlignTop);
    fields->addLayout(name, row++, 1);
    addRow(label("Курс доп. валюты:"), packed({DBEdit6}));
    addRow(label("Рентабельность:"), packed({DBEdit7}));
    addRow(label("Тираж:"), packed({DBEdit8}));
    addRow(label("Формат издания:"), packed({FormatIzd, DBEdit9, label("Х"), DBEdit10}));
    addRow(label("Красочность:"), packed({DBEdit11, label("+"), DBEdit12}));
    addRow(label("Внутренний блок:"), packed({DBEdit5, label("+"), DBEdit13}));
    addRow(label("Примечание:"), packed({DBEdit14}, false));
    addRow(lbManager, packed({ZakManager}));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(560);

    connect(btnNumZak, &QPushButton::clicked, this, &TfrmZakaz::assignNumber);
    connect(btnClient, &QPushButton::clicked, this, &TfrmZakaz::pickClient);
    connect(btnIzd, &QPushButton::clicked, this, &TfrmZakaz::pickEdition);
    connect(FormatIzd, &QComboBox::activated, this, &TfrmZakaz::chooseFormat);
    connect(ZakManager, &QComboBox::activated, this, &TfrmZakaz::chooseManager);
    connect(btnOK, &QPushButton::clicked, this, &TfrmZakaz::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmZakaz::reject);
}

void TfrmZakaz::bindControls() {
    Dataset& zakaz = *dm_.DSetZakaz;
    const zel::schema::Table& table = zel::schema::table(QStringLiteral("ZAKAZ"));
    const auto bind = [&zakaz, &table](QLineEdit* edit, const char* field) {
        const zel::schema::Column* column = table.column(QString::fromLatin1(field));
        if (column->type == zel::schema::ColumnType::Varchar) {
            edit->setMaxLength(column->length);
        }
        zel::ui::bindLineEdit(edit, zakaz, QString::fromLatin1(field));
    };
    bind(DBEdit1, "NUM");
    bind(DBEdit4, "NAMEORG");
    bind(DBEdit3, "FIO");
    bind(DBEdit2, "TEL");
    bind(DBEdit6, "KURS");
    bind(DBEdit7, "RENT");
    bind(DBEdit8, "TIRAZ");
    bind(DBEdit9, "LEN");
    bind(DBEdit10, "WID");
    bind(DBEdit11, "PSTRLEFT");
    bind(DBEdit12, "PSTRRIGHT");
    bind(DBEdit5, "PSTRLEFT2");
    bind(DBEdit13, "PSTRRIGHT2");
    bind(DBEdit14, "NOTE");
    zel::ui::bindPlainText(DBMemo2, zakaz, QStringLiteral("NAMEIZD"));
    zel::ui::bindLookupCombo(FormatIzd, zakaz, QStringLiteral("FORMAT"), *dm_.DSetGotIzd,
                             QStringLiteral("NAME"));
    zel::ui::bindLookupCombo(ZakManager, zakaz, QStringLiteral("NAMEMANAGER"), *dm_.DSetUsers,
                             QStringLiteral("NAME_USER"));
}

// Administrators see the manager row, the other roles a card without it, so that the
// manager of an order is chosen by an administrator only.
void TfrmZakaz::showRoleHeight() {
    const bool administrator = session_.user.role == kAdministrator;
    lbManager->setVisible(administrator);
    ZakManager->setVisible(administrator);
    layout()->activate();
    setFixedHeight(sizeHint().height());
}

TfrmZakaz::Calculated TfrmZakaz::calculatedNow() const {
    const Dataset& zakaz = *dm_.DSetZakaz;
    return {zakaz.asInt(QStringLiteral("LEN")),    zakaz.asInt(QStringLiteral("WID")),
            zakaz.asInt(QStringLiteral("PLEFT")),  zakaz.asInt(QStringLiteral("PRIGHT")),
            zakaz.asInt(QStringLiteral("PLEFT2")), zakaz.asInt(QStringLiteral("PRIGHT2"))};
}

void TfrmZakaz::prepare(Mode mode) {
    mode_ = mode;
    newOrderStored_ = false;
    showRoleHeight();
    Dataset& zakaz = *dm_.DSetZakaz;
    kodBefore_ = zakaz.value(QStringLiteral("KOD"));
    const bool ready = zel::ui::runOrShowError(this, [this, &zakaz, mode] {
        if (mode == Mode::Add) {
            DateZakaz->setDate(QDate::currentDate());
            zakaz.append();
            // The list and the manager are known now: a new order a client or edition
            // pick stores before "Принять" is shown in its list and to its manager.
            zakaz.setValue(QStringLiteral("KOD_ARCHIV"), session_.listIndex);
            zakaz.setValue(QStringLiteral("DATA"),
                           QDateTime(DateZakaz->date(), QTime::currentTime()));
            zakaz.setValue(QStringLiteral("KODMANAGER"), session_.user.kodUser);
            zakaz.setValue(QStringLiteral("NAMEMANAGER"), session_.user.name);
        } else {
            if (zakaz.currentRow() < 0) {
                throw zel::DatasetError(QStringLiteral("В списке нет заказа для изменения."));
            }
            zakaz.edit();
            const QDate date = zakaz.value(QStringLiteral("DATA")).toDate();
            DateZakaz->setDate(date.isValid() ? date : QDate::currentDate());
        }
        orderKod_ = zakaz.value(QStringLiteral("KOD"));
    });
    prepared_ = ready;
    btnOK->setEnabled(ready);
    shown_ = calculatedNow();
    DBEdit1->setFocus();
}

QVariant TfrmZakaz::reportedKod() const {
    if (mode_ == Mode::Add && !newOrderStored_) {
        return kodBefore_;
    }
    return orderKod_;
}

void TfrmZakaz::assignNumber() {
    Dataset& zakaz = *dm_.DSetZakaz;
    if (!zakaz.asString(QStringLiteral("NUM")).isEmpty() &&
        Dialogs::askYesNo(this, QStringLiteral("У заказа уже есть номер. Заменить на новый?")) !=
            Answer::Yes) {
        return;
    }
    zel::ui::runOrShowError(this, [this, &zakaz] {
        zakaz.setValue(QStringLiteral("NUM"), nextOrderNumber(*dm_.DSetNumZak));
    });
}

void TfrmZakaz::pickClient() {
    frmClient->prepare(TfrmClient::Opener::OrderCard);
    frmClient->open();
}

void TfrmZakaz::pickEdition() {
    frmIzd->prepare(TfrmIzd::Opener::OrderCard);
    frmIzd->open();
}

void TfrmZakaz::chooseFormat(int index) {
    const Dataset& formats = *dm_.DSetGotIzd;
    Dataset& zakaz = *dm_.DSetZakaz;
    zel::ui::runOrShowError(this, [&formats, &zakaz, index] {
        zakaz.setValue(QStringLiteral("LEN"), formats.valueAt(index, QStringLiteral("LEN")));
        zakaz.setValue(QStringLiteral("WID"), formats.valueAt(index, QStringLiteral("WID")));
    });
}

void TfrmZakaz::chooseManager(int index) {
    const Dataset& users = *dm_.DSetUsers;
    Dataset& zakaz = *dm_.DSetZakaz;
    zel::ui::runOrShowError(this, [&users, &zakaz, index] {
        zakaz.setValue(QStringLiteral("KODMANAGER"),
                       users.valueAt(index, QStringLiteral("KOD_USER")));
    });
}

bool TfrmZakaz::storeHeading() {
    Dataset& zakaz = *dm_.DSetZakaz;
    return zel::ui::runOrShowError(this, [this, &zakaz] {
        zakaz.edit();
        if (mode_ == Mode::Add) {
            zakaz.setValue(QStringLiteral("KOD_ARCHIV"), session_.listIndex);
            zakaz.setValue(QStringLiteral("DATA"),
                           QDateTime(DateZakaz->date(), QTime::currentTime()));
            zakaz.setValue(QStringLiteral("NAMEMANAGER"), session_.user.name);
            zakaz.setValue(QStringLiteral("KODMANAGER"), session_.user.kodUser);
            zakaz.post();
            newOrderStored_ = true;
            orderKod_ = zakaz.value(QStringLiteral("KOD"));
        } else {
            const QTime time = zakaz.value(QStringLiteral("DATA")).toDateTime().time();
            zakaz.setValue(QStringLiteral("DATA"),
                           QDateTime(DateZakaz->date(), time.isValid() ? time : QTime(0, 0)));
            zakaz.post();
        }
        normaliseHeading(zakaz);
    });
}

// The print parts keep the format and colours they were calculated with unless the
// user asks to carry the change over; nothing is recalculated here.
bool TfrmZakaz::carryIntoCalculation() {
    const Calculated now = calculatedNow();
    Dataset& parts = *dm_.DSetZakPrint;
    const auto eachPart = [&parts](const std::function<void(int)>& change) {
        parts.close();
        parts.open();
        for (int row = 0; row < parts.recordCount(); ++row) {
            parts.moveTo(row);
            change(row);
            parts.post();
        }
    };
    const bool carried = zel::ui::runOrShowError(this, [&] {
        if ((now.len != shown_.len || now.wid != shown_.wid) &&
            Dialogs::askYesNo(this, QStringLiteral("Был изменен формат издания! Изменить ли его в "
                                                   "калькуляции?")) == Answer::Yes) {
            eachPart([&parts, &now](int) {
                parts.setValue(QStringLiteral("LENIZD"), now.len);
                parts.setValue(QStringLiteral("WIDIZD"), now.wid);
            });
        }
        if ((now.pleft != shown_.pleft || now.pright != shown_.pright ||
             now.pleft2 != shown_.pleft2 || now.pright2 != shown_.pright2) &&
            Dialogs::askYesNo(this, QStringLiteral("Была изменена красочность издания! Изменить "
                                                   "ли его в калькуляции?")) == Answer::Yes) {
            eachPart([&parts, &now](int row) {
                parts.setValue(QStringLiteral("PAINTLEFT"), row == 0 ? now.pleft : now.pleft2);
                parts.setValue(QStringLiteral("PAINTRIGHT"), row == 0 ? now.pright : now.pright2);
            });
        }
    });
    parts.close();
    return carried;
}

void TfrmZakaz::accept() {
    if (!storeHeading()) {
        return;
    }
    if (mode_ == Mode::Edit && !carryIntoCalculation()) {
        return;
    }
    if (!zel::ui::postOrShowError(this, *dm_.DSetZakaz)) {
        return;
    }
    QDialog::accept();
}

void TfrmZakaz::reject() {
    Dataset& zakaz = *dm_.DSetZakaz;
    if (mode_ == Mode::Add && prepared_ && zakaz.state() != zel::DatasetState::Insert) {
        newOrderStored_ = true;
    }
    zakaz.cancel();
    QDialog::reject();
}

}  // namespace zelvan
