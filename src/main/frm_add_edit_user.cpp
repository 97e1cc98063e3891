#include "main/frm_add_edit_user.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/schema/schema.h"
#include "ui/db_actions.h"
#include "ui/field_link.h"

namespace zelvan {

using zel::ui::runOrShowError;

namespace {

// The USERS column's size: the name and the password cannot be typed longer.
int columnLength(const char* column) {
    return zel::schema::table(QStringLiteral("USERS")).column(QString::fromLatin1(column))->length;
}

bool isAdding(TfrmAddEditUser::Mode mode) {
    return mode == TfrmAddEditUser::Mode::AddAdmin || mode == TfrmAddEditUser::Mode::AddMan ||
           mode == TfrmAddEditUser::Mode::AddTechn;
}

}  // namespace

TfrmAddEditUser::TfrmAddEditUser(TDM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("frmAddEditUser"));
    setWindowTitle(QStringLiteral("Управление пользователем"));
    buildControls();
}

void TfrmAddEditUser::buildControls() {
    DBEdit1 = new QLineEdit(this);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setMaxLength(columnLength("NAME_USER"));
    DBEdit1->setMinimumWidth(220);
    DBEdit2 = new QLineEdit(this);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->setMaxLength(columnLength("PASS_USER"));
    DBEdit2->setEchoMode(QLineEdit::Password);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    BitBtn1 = new QPushButton(QStringLiteral("ОК"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Отменить"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Имя:"), DBEdit1);
    fields->addRow(QStringLiteral("Пароль:"), DBEdit2);
    fields->addRow(QStringLiteral("Подтверждение:"), Edit1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* edit : {DBEdit1, DBEdit2, Edit1}) {
        connect(edit, &QLineEdit::textChanged, this, &TfrmAddEditUser::updateOk);
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmAddEditUser::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmAddEditUser::reject);
}

void TfrmAddEditUser::bindTo(zel::Dataset& dataset) {
    if (dataset_ == &dataset) {
        return;
    }
    delete nameLink_;
    delete passLink_;
    dataset_ = &dataset;
    nameLink_ = zel::ui::bindLineEdit(DBEdit1, dataset, QStringLiteral("NAME_USER"));
    passLink_ = zel::ui::bindLineEdit(DBEdit2, dataset, QStringLiteral("PASS_USER"));
}

bool TfrmAddEditUser::start(Mode mode) {
    zel::Dataset* target = nullptr;
    switch (mode) {
        case Mode::AddAdmin:
        case Mode::EditAdmin:
            target = dm_.DSetAdmin;
            break;
        case Mode::AddMan:
        case Mode::EditMan:
            target = dm_.DSetMan;
            break;
        case Mode::AddTechn:
        case Mode::EditTechn:
            target = dm_.DSetTechn;
            break;
    }
    const bool adding = isAdding(mode);
    if (!adding && (!target->isActive() || target->isEmpty())) {
        return false;
    }
    mode_ = mode;
    bindTo(*target);
    if (adding) {
        Edit1->clear();
        if (!runOrShowError(parentWidget(), [target] { target->append(); })) {
            return false;
        }
    } else {
        if (!runOrShowError(parentWidget(), [target] { target->edit(); })) {
            return false;
        }
        Edit1->setText(target->asString(QStringLiteral("PASS_USER")));
    }
    DBEdit1->setFocus();
    updateOk();
    return true;
}

// The password must be typed twice alike, letter case included; no password at all is
// allowed.
void TfrmAddEditUser::updateOk() {
    BitBtn1->setEnabled(!DBEdit1->text().isEmpty() && DBEdit2->text() == Edit1->text());
}

void TfrmAddEditUser::accept() {
    if (dataset_ != nullptr && dataset_->isEditing() &&
        !zel::ui::postOrShowError(this, *dataset_)) {
        return;
    }
    QDialog::accept();
}

void TfrmAddEditUser::reject() {
    if (dataset_ != nullptr && dataset_->isEditing()) {
        runOrShowError(this, [this] { dataset_->cancel(); });
    }
    QDialog::reject();
}

}  // namespace zelvan
