#include "dbpath/frm_main.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/fb/error.h"
#include "ui/dialogs.h"
#include "ui/radio_group.h"

namespace zel::dbpath {

using ui::Dialogs;

TfrmMain::TfrmMain(const QString& startFolder, QWidget* parent)
    : QWidget(parent), rootCfg_(startFolder) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Путь к БД"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildControls();
    loadFromFile();
}

void TfrmMain::buildControls() {
    RadioGroup1 =
        new ui::RadioGroup(QStringLiteral("Подключение"),
                           {QStringLiteral("Локальное"), QStringLiteral("Удаленное")}, 2, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button3 = new QPushButton(QStringLiteral("Проверка"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMinimumWidth(360);
    Button4 = new QPushButton(QStringLiteral("..."), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setFixedWidth(32);
    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Сервер:"), this), 0, 0, 1, 2);
    fields->addWidget(Edit1, 1, 0);
    fields->addWidget(Button3, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Полный путь к файлу Базы Данных:"), this), 2, 0, 1,
                      2);
    fields->addWidget(Edit2, 3, 0);
    fields->addWidget(Button4, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(RadioGroup1, &ui::RadioGroup::itemIndexChanged, this, &TfrmMain::showConnectionKind);
    connect(Button3, &QPushButton::clicked, this, &TfrmMain::testConnection);
    connect(Button4, &QPushButton::clicked, this, &TfrmMain::choosePath);
    connect(Button1, &QPushButton::clicked, this, &TfrmMain::save);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
}

// Line 1 holds the server name followed by its colon: the last character is dropped,
// whatever it is, to show the name.
void TfrmMain::loadFromFile() {
    DatabaseLocation location;
    try {
        location = rootCfg_.readLocation();
    } catch (const RootCfgError& error) {
        Dialogs::showError(this, error.message());
    }
    if (location.server.isEmpty()) {
        RadioGroup1->setItemIndex(kLocal);
    } else {
        Edit1->setText(location.server.left(location.server.size() - 1));
        RadioGroup1->setItemIndex(kRemote);
    }
    showConnectionKind(RadioGroup1->itemIndex());
    Edit2->setText(location.path);
}

void TfrmMain::showConnectionKind(int kind) {
    Edit1->setEnabled(kind == kRemote);
}

QString TfrmMain::testConnectionString() const {
    if (RadioGroup1->itemIndex() == kRemote) {
        return Edit1->text() + QLatin1Char(':') + Edit2->text();
    }
    return Edit2->text();
}

void TfrmMain::testConnection() {
    try {
        testConnection_.detach();
    } catch (const fb::Error&) {
        // A connection that cannot be closed cleanly is dropped all the same.
    }
    try {
        testConnection_.attach(testConnectionString());
    } catch (const fb::Error&) {
        Dialogs::inform(this, QStringLiteral("Нет соеденения с БД!!!"));
        return;
    }
    Dialogs::inform(this, QStringLiteral("Успешное соединение!!!"));
}

void TfrmMain::choosePath() {
    const QString chosen = Dialogs::openFileName(this, QStringLiteral("Файл базы данных"),
                                                 QStringLiteral("База данных (*.gdb *.fdb)"));
    if (!chosen.isEmpty()) {
        Edit2->setText(chosen);
    }
}

void TfrmMain::save() {
    const bool remote = RadioGroup1->itemIndex() == kRemote;
    const DatabaseLocation location{remote ? Edit1->text() + QLatin1Char(':') : QString(),
                                    Edit2->text()};
    try {
        rootCfg_.rewriteExisting(location);
    } catch (const RootCfgError& error) {
        Dialogs::showError(this, error.message());
        return;
    }
    close();
}

}  // namespace zel::dbpath
