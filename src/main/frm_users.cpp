#include "main/frm_users.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/db_actions.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"

namespace zelvan {

using Mode = TfrmAddEditUser::Mode;
using zel::ui::Answer;
using zel::ui::DbGrid;
using zel::ui::Dialogs;

namespace {

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    return result;
}

DbGrid* grid(const QString& name, QWidget* parent) {
    auto* result = new DbGrid(parent);
    result->setObjectName(name);
    return result;
}

int usersIn(zel::Dataset& dataset) {
    return dataset.isActive() ? dataset.recordCount() : 0;
}

}  // namespace

TfrmUsers::TfrmUsers(TDM& dm, Session& /*session*/, QWidget* parent)
    : QDialog(parent), dm_(dm), frmAddEditUser(new TfrmAddEditUser(dm, this)) {
    setObjectName(QStringLiteral("frmUsers"));
    setWindowTitle(QStringLiteral("Управление пользователями"));
    buildControls();
    connect(frmAddEditUser, &QDialog::finished, this, &TfrmUsers::updateButtons);
}

void TfrmUsers::buildControls() {
    dbgrAdm = grid(QStringLiteral("dbgrAdm"), this);
    btnAddAdmin = button(QStringLiteral("Добавить"), QStringLiteral("btnAddAdmin"), this);
    btnEditAdmin = button(QStringLiteral("Изменить"), QStringLiteral("btnEditAdmin"), this);
    btnDelAdmin = button(QStringLiteral("Удалить"), QStringLiteral("btnDelAdmin"), this);
    dbgrMan = grid(QStringLiteral("dbgrMan"), this);
    btnAddMan = button(QStringLiteral("Добавить"), QStringLiteral("btnAddMan"), this);
    btnEditMan = button(QStringLiteral("Изменить"), QStringLiteral("btnEditMan"), this);
    btnDelMan = button(QStringLiteral("Удалить"), QStringLiteral("btnDelMan"), this);
    dbgrTechn = grid(QStringLiteral("dbgrTechn"), this);
    btnAddTechn = button(QStringLiteral("Добавить"), QStringLiteral("btnAddTechn"), this);
    btnEditTechn = button(QStringLiteral("Изменить"), QStringLiteral("btnEditTechn"), this);
    btnDelTechn = button(QStringLiteral("Удалить"), QStringLiteral("btnDelTechn"), this);
    btnClose = button(QStringLiteral("Закрыть"), QStringLiteral("btnClose"), this);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGroup(QStringLiteral("Администраторы"), dm_.DSetAdmin, dbgrAdm,
                                 btnAddAdmin, btnEditAdmin, btnDelAdmin, Mode::AddAdmin,
                                 Mode::EditAdmin));
    layout->addWidget(buildGroup(QStringLiteral("Менеджеры"), dm_.DSetMan, dbgrMan, btnAddMan,
                                 btnEditMan, btnDelMan, Mode::AddMan, Mode::EditMan));
    layout->addWidget(buildGroup(QStringLiteral("Технологи"), dm_.DSetTechn, dbgrTechn, btnAddTechn,
                                 btnEditTechn, btnDelTechn, Mode::AddTechn, Mode::EditTechn));
    layout->addLayout(closeRow);

    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

QGroupBox* TfrmUsers::buildGroup(const QString& caption, zel::Dataset* dataset, DbGrid* grid,
                                 QPushButton* add, QPushButton* edit, QPushButton* remove,
                                 Mode addMode, Mode editMode) {
    auto* group = new QGroupBox(caption, this);
    grid->setParent(group);
    grid->setDataset(dataset);
    grid->setColumns({{QStringLiteral("NAME_USER"), QStringLiteral("Имя пользователя")}});
    grid->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {add, edit, remove}) {
        each->setParent(group);
        buttons->addWidget(each);
    }
    buttons->addStretch();

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this, addMode] { openEditor(addMode); });
    connect(edit, &QPushButton::clicked, this, [this, editMode] { openEditor(editMode); });
    connect(grid, &DbGrid::rowDoubleClicked, this, [this, editMode] { openEditor(editMode); });
    connect(remove, &QPushButton::clicked, this, [this, dataset] { deleteUser(*dataset); });
    return group;
}

void TfrmUsers::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    updateButtons();
}

void TfrmUsers::openEditor(Mode mode) {
    if (frmAddEditUser->start(mode)) {
        frmAddEditUser->open();
    }
}

void TfrmUsers::deleteUser(zel::Dataset& dataset) {
    if (!dataset.isActive() || dataset.isEmpty()) {
        return;
    }
    if (Dialogs::askYesNo(this, QStringLiteral("Вы действительно хотите удалить запись?")) ==
        Answer::Yes) {
        zel::ui::runOrShowError(this, [&dataset] { dataset.remove(); });
    }
    updateButtons();
}

// The last administrator cannot be deleted; a role without users offers nothing to
// edit or delete.
void TfrmUsers::updateButtons() {
    const auto enable = [](std::initializer_list<QWidget*> controls, bool enabled) {
        for (QWidget* control : controls) {
            control->setEnabled(enabled);
        }
    };
    btnDelAdmin->setEnabled(usersIn(*dm_.DSetAdmin) > 1);
    enable({dbgrMan, btnEditMan, btnDelMan}, usersIn(*dm_.DSetMan) > 0);
    enable({dbgrTechn, btnEditTechn, btnDelTechn}, usersIn(*dm_.DSetTechn) > 0);
}

}  // namespace zelvan
