#include "main/frm_obsh.h"

#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/schema/schema.h"
#include "ui/db_actions.h"
#include "ui/dialogs.h"
#include "ui/field_link.h"

namespace zelvan {

using zel::ui::Answer;
using zel::ui::Dialogs;
using zel::ui::runOrShowError;

namespace {

const QString kEmblem = QStringLiteral("EMBL");

const QString kPictureFilter = QStringLiteral(
    "Bitmap File (*.bmp);;Icon File(*.ico);;JPEG Bitmaps (*.jpg);;Windows Metafile (*.wmf)");

}  // namespace

TfrmObsh::TfrmObsh(TDM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("frmObsh"));
    setWindowTitle(QStringLiteral("Общие параметры"));
    // A title without buttons: the window is left by "Закрыть" or "Отмена".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();

    // The picture follows the field: loaded, cleared, cancelled or reread.
    zel::Dataset* obsh = dm_.DSetObsh;
    connect(obsh, &zel::Dataset::opened, this, &TfrmObsh::showEmblem);
    connect(obsh, &zel::Dataset::closed, this, &TfrmObsh::showEmblem);
    connect(obsh, &zel::Dataset::currentRowChanged, this, &TfrmObsh::showEmblem);
    connect(obsh, &zel::Dataset::rowChanged, this, &TfrmObsh::showEmblem);
    connect(obsh, &zel::Dataset::stateChanged, this, &TfrmObsh::showEmblem);
    showEmblem();
}

// A text field of OBSH takes no more characters than its column holds; number fields
// take numbers only (the link sees to that).
QLineEdit* TfrmObsh::boundEdit(const QString& name, const QString& column) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    const zel::schema::Column* described =
        zel::schema::table(QStringLiteral("OBSH")).column(column);
    if (described != nullptr && described->type == zel::schema::ColumnType::Varchar) {
        edit->setMaxLength(described->length);
    }
    zel::ui::bindLineEdit(edit, *dm_.DSetObsh, column);
    return edit;
}

void TfrmObsh::buildControls() {
    edNameOrg = boundEdit(QStringLiteral("edNameOrg"), QStringLiteral("NAMEORG"));
    edINN = boundEdit(QStringLiteral("edINN"), QStringLiteral("INN"));
    DBEdit1 = boundEdit(QStringLiteral("DBEdit1"), QStringLiteral("DIRECT"));
    DBEdit4 = boundEdit(QStringLiteral("DBEdit4"), QStringLiteral("OSNVAL"));
    DBEdit3 = boundEdit(QStringLiteral("DBEdit3"), QStringLiteral("DOPVAL"));
    DBEdit2 = boundEdit(QStringLiteral("DBEdit2"), QStringLiteral("NDS"));
    DBEdit5 = boundEdit(QStringLiteral("DBEdit5"), QStringLiteral("SOCOTCH"));
    DBEdit6 = boundEdit(QStringLiteral("DBEdit6"), QStringLiteral("ENRGCOST"));
    for (QLineEdit* wide : {edNameOrg, edINN, DBEdit1}) {
        wide->setMinimumWidth(300);
    }
    for (QLineEdit* narrow : {DBEdit4, DBEdit3, DBEdit2, DBEdit5, DBEdit6}) {
        narrow->setFixedWidth(110);
    }

    grEmblem = new QGroupBox(QStringLiteral("Эмблема организации"), this);
    grEmblem->setObjectName(QStringLiteral("grEmblem"));
    imgEmblem = new QLabel(grEmblem);
    imgEmblem->setObjectName(QStringLiteral("imgEmblem"));
    imgEmblem->setScaledContents(true);
    imgEmblem->setFixedSize(180, 150);
    imgEmblem->setCursor(Qt::PointingHandCursor);
    imgEmblem->installEventFilter(this);
    bntLoad = new QPushButton(QStringLiteral("Загрузить"), grEmblem);
    bntLoad->setObjectName(QStringLiteral("bntLoad"));
    btnClear = new QPushButton(QStringLiteral("Очистить"), grEmblem);
    btnClear->setObjectName(QStringLiteral("btnClear"));

    auto* emblemButtons = new QHBoxLayout;
    emblemButtons->addWidget(bntLoad);
    emblemButtons->addWidget(btnClear);
    auto* emblemLayout = new QVBoxLayout(grEmblem);
    emblemLayout->addWidget(imgEmblem, 1);
    emblemLayout->addLayout(emblemButtons);

    btnOk = new QPushButton(QStringLiteral("Закрыть"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* company = new QFormLayout;
    company->addRow(QStringLiteral("Название компании"), edNameOrg);
    company->addRow(QStringLiteral("ИНН компании"), edINN);
    company->addRow(QStringLiteral("Ф.И.О. директора организации:"), DBEdit1);

    auto* values = new QFormLayout;
    values->addRow(QStringLiteral("Обозначение основной валюты:"), DBEdit4);
    values->addRow(QStringLiteral("Обозначение дополнительной валюты:"), DBEdit3);
    values->addRow(QStringLiteral("Ставка НДС в %:"), DBEdit2);
    values->addRow(QStringLiteral("Соцотчисления от заработной платы в %:"), DBEdit5);
    values->addRow(QStringLiteral("Стоимость электроэнергии КВт/ч:"), DBEdit6);

    auto* left = new QVBoxLayout;
    left->addLayout(company);
    left->addSpacing(8);
    left->addLayout(values);
    left->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addWidget(grEmblem);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(bntLoad, &QPushButton::clicked, this, &TfrmObsh::loadEmblem);
    connect(btnClear, &QPushButton::clicked, this, &TfrmObsh::clearEmblem);
    connect(btnOk, &QPushButton::clicked, this, &TfrmObsh::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmObsh::reject);
}

bool TfrmObsh::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgEmblem && event->type() == QEvent::MouseButtonRelease) {
        loadEmblem();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmObsh::showEmblem() {
    const zel::Dataset& obsh = *dm_.DSetObsh;
    QImage picture;
    if (obsh.isActive() && obsh.hasField(kEmblem) && (obsh.currentRow() >= 0 || obsh.isEditing())) {
        picture.loadFromData(obsh.value(kEmblem).toByteArray());
    }
    imgEmblem->setPixmap(QPixmap::fromImage(picture));
}

void TfrmObsh::loadEmblem() {
    const QString fileName =
        Dialogs::openFileName(this, QStringLiteral("Эмблема организации"), kPictureFilter);
    if (fileName.isEmpty()) {
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs::showError(
            this,
            QStringLiteral("Не удалось прочитать файл %1: %2").arg(fileName, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    runOrShowError(this, [this, &bytes] { dm_.DSetObsh->setValue(kEmblem, bytes); });
    showEmblem();
}

void TfrmObsh::clearEmblem() {
    if (Dialogs::askYesNo(this, QStringLiteral("Вы уверены?")) == Answer::Yes) {
        runOrShowError(this, [this] { dm_.DSetObsh->setValue(kEmblem, QVariant()); });
    }
    showEmblem();
}

void TfrmObsh::accept() {
    if (dm_.DSetObsh->isEditing() && !zel::ui::postOrShowError(this, *dm_.DSetObsh)) {
        return;
    }
    QDialog::accept();
}

void TfrmObsh::reject() {
    if (dm_.DSetObsh->isEditing()) {
        runOrShowError(this, [this] { dm_.DSetObsh->cancel(); });
    }
    QDialog::reject();
}

}  // namespace zelvan
