#include "main/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "main/frm_obsh.h"
#include "main/frm_pass.h"
#include "main/frm_users.h"
#include "orders/frm_client.h"
#include "orders/frm_izd.h"
#include "orders/frm_zakaz.h"
#include "reports/order_list.h"
#include "reports/report_preview.h"
#include "ui/db_actions.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/radio_group.h"

namespace zelvan {
namespace {

const QString kKod = QStringLiteral("KOD");

// Actions that stand for the whole order list and need at least one order in it.
const QStringList kOrderActions = {"EditZakaz", "DelZakaz", "Calc",    "See",
                                   "Sost",      "vArchiv",  "VTekush", "VRaschet"};
// What a technologist does not do.
const QStringList kManagerActions = {"AddZakaz", "EditZakaz", "DelZakaz", "Calc", "vArchiv"};

}  // namespace

TfrmMain::TfrmMain(TDM& dm, Session& session, const zel::DatabaseLocation& location,
                   QWidget* parent)
    : QMainWindow(parent), dm_(dm), session_(session), location_(location) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zelvan 6.1"));
    buildActions();
    buildMenus();
    buildToolBar();
    buildList();
    wireActions();
    statusBar();
    setEnabled(false);
}

QAction* TfrmMain::addAction(const QString& name, const QString& caption,
                             const QKeySequence& shortcut, const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::ApplicationShortcut);
    if (!hint.isEmpty()) {
        action->setStatusTip(hint);
        action->setToolTip(hint);
    }
    actions_.insert(name, action);
    return action;
}

void TfrmMain::buildActions() {
    const QStyle* s = style();
    addAction("AddZakaz", "&Добавить", QKeySequence("Ctrl+N"), "Создать новый заказ")
        ->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    addAction("EditZakaz", "&Изменить", QKeySequence("Ctrl+E"), "Изменить выделенный заказ")
        ->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    addAction("DelZakaz", "&Удалить", QKeySequence("Ctrl+D"), "Удалить выделенный заказ")
        ->setIcon(s->standardIcon(QStyle::SP_TrashIcon));
    addAction("Calc", "&Вычислить", QKeySequence("Ctrl+V"), "Просчет стоимости заказа")
        ->setIcon(s->standardIcon(QStyle::SP_MediaPlay));
    addAction("See", "&Посмотреть", QKeySequence("Ctrl+S"), "Просмотр данных о заказе")
        ->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
    addAction("Sost", "&Тех.карта", QKeySequence("Ctrl+T"),
              "Просмотр и составление технологической карты заказа")
        ->setIcon(s->standardIcon(QStyle::SP_FileDialogListView));
    addAction("vArchiv", "В &Архив", QKeySequence("Ctrl+A"), "Отправить запись в архив")
        ->setIcon(s->standardIcon(QStyle::SP_DriveHDIcon));
    addAction("Print", "&Печать", QKeySequence("Ctrl+P"), "печать текущих заказов")
        ->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    addAction("Refresh", "&Обновить", QKeySequence("F5"), QString())
        ->setIcon(s->standardIcon(QStyle::SP_BrowserReload));
    addAction("CopyZakaz", "Копировать", QKeySequence("Ctrl+C"), "Копировать выделенный заказ")
        ->setIcon(s->standardIcon(QStyle::SP_FileLinkIcon));
    addAction("VRaschet", "В Расчеты", QKeySequence("Alt+R"),
              "Отправить выделенный заказ в список Расчетных заказов")
        ->setIcon(s->standardIcon(QStyle::SP_ArrowRight));
    addAction("VTekush", "В Текущие", QKeySequence("Alt+T"),
              "Отправить выделенный заказ в список Текущих заказов")
        ->setIcon(s->standardIcon(QStyle::SP_ArrowLeft));
    addAction("ChUser", "Смена пользователя", QKeySequence("Ctrl+H"),
              "Смена текущего пользователя");
    addAction("Exit", "Вы&ход", QKeySequence("Alt+X"), "Выход из приложения");
    addAction("Archiv", "&Архив заказов", QKeySequence("Ctrl+Alt+A"),
              "Просмотр записей отправленных в архив");
    addAction("ComPredl", "&Предложение", QKeySequence("Ctrl+Alt+P"),
              "Составление коммерческого предложения");
    addAction("Zapros", "Запросы по заказам", QKeySequence("Ctrl+Alt+Z"),
              "Запросы по текущим и архивным заказам");
    addAction("Paper", "&Материалы", QKeySequence("Ctrl+B"),
              "Просмотр и изменение данных по бумаге");
    addAction("Users", "&Пользователи", QKeySequence("Ctrl+U"), "Управление пользователями");
    addAction("Obsh", "&Общие", QKeySequence("Ctrl+O"), "Общие настройки");
    addAction("Machine", "&Машины", QKeySequence("Ctrl+M"),
              "Просмотр и изменение информации о машинах");
    addAction("Razn", "Про&чее", QKeySequence("Ctrl+R"), "Различные постоянные");
    addAction("Raboty", "&Работы", QKeySequence("Ctrl+W"), "Производимые организацией работы");
    addAction("Priladka", "Приладка", QKeySequence("Ctrl+F"), QString());
    addAction("Clients", "Клиенты", QKeySequence("Ctrl+K"), QString());
    addAction("Izdanie", "Виды изданий", QKeySequence("Ctrl+I"), QString());
}

void TfrmMain::buildMenus() {
    QMenu* orders = menuBar()->addMenu(QStringLiteral("&Работа с заказами"));
    orders->setObjectName(QStringLiteral("mnuZakaz"));
    orders->menuAction()->setStatusTip(QStringLiteral("Команды по работе с заказами"));
    const QStringList orderItems = {"AddZakaz", "EditZakaz", "DelZakaz",  "",         "Calc",
                                    "See",      "Sost",      "",          "vArchiv",  "Print",
                                    "Refresh",  "",          "CopyZakaz", "VRaschet", "VTekush",
                                    "",         "ChUser",    "Exit"};
    for (const QString& item : orderItems) {
        if (item.isEmpty()) {
            orders->addSeparator();
        } else {
            orders->addAction(actions_.value(item));
        }
    }
    QMenu* service = menuBar()->addMenu(QStringLiteral("Се&рвис"));
    service->setObjectName(QStringLiteral("mnuService"));
    for (const char* item : {"Archiv", "ComPredl", "Zapros"}) {
        service->addAction(actions_.value(item));
    }
    mnuSettings_ = menuBar()->addMenu(QStringLiteral("&Настройка"));
    mnuSettings_->setObjectName(QStringLiteral("mnuSettings"));
    for (const char* item : {"Paper", "Users", "Obsh", "Machine", "Razn", "Raboty", "Priladka",
                             "Clients", "Izdanie"}) {
        mnuSettings_->addAction(actions_.value(item));
    }
}

void TfrmMain::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Заказы"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QStringList items = {"AddZakaz", "EditZakaz", "DelZakaz", "",          "Calc",
                               "See",      "Sost",      "",         "CopyZakaz", "VRaschet",
                               "VTekush",  "",          "vArchiv",  "Print",     "Refresh"};
    for (const QString& item : items) {
        if (item.isEmpty()) {
            bar->addSeparator();
        } else {
            bar->addAction(actions_.value(item));
        }
    }
    RadioGroup1 =
        new zel::ui::RadioGroup(QStringLiteral("Заказы"),
                                {QStringLiteral("Текущие"), QStringLiteral("Расчетные")}, 2, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    bar->addSeparator();
    bar->addWidget(RadioGroup1);
}

void TfrmMain::buildList() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    gbZakaz_ = new QGroupBox(QStringLiteral("Текущие заказы"), central);
    auto* groupLayout = new QVBoxLayout(gbZakaz_);
    dbgrZakaz = new zel::ui::DbGrid(gbZakaz_);
    dbgrZakaz->setObjectName(QStringLiteral("dbgrZakaz"));
    dbgrZakaz->setMultiSelect(true);
    dbgrZakaz->setDataset(dm_.DSetZakaz);
    dbgrZakaz->setColumns({{"DATA", "Дата"},
                           {"NUM", "№ заказа"},
                           {"NAMEORG", "Организация"},
                           {"FIO", "Контактное лицо"},
                           {"TEL", "Телефоны"},
                           {"NAMEIZD", "Название издания"},
                           {"KURS", "Курс вал."},
                           {"RENT", "Рентаб-ть"},
                           {"TIRAZ", "Тираж"},
                           {"FORMAT", "Формат изд."},
                           {"LEN", "Длина"},
                           {"WID", "Ширина"},
                           {"PAINTPREDL", "Красок"},
                           {"STOIM", "Стоимость"},
                           {"EXEMP", "За экземпляр"},
                           {"NAMEMANAGER", "Менеджер"}});
    groupLayout->addWidget(dbgrZakaz);
    layout->addWidget(gbZakaz_);
    setCentralWidget(central);
}

void TfrmMain::wireActions() {
    const auto on = [this](const char* name, auto handler) {
        connect(actions_.value(name), &QAction::triggered, this, handler);
    };
    on("AddZakaz", [this] { openOrderCard(true); });
    on("EditZakaz", [this] { openOrderCard(false); });
    on("Print", [this] { printList(); });
    on("Refresh", [this] { zel::ui::runOrShowError(this, [this] { rebuildList(); }); });
    on("ChUser", [this] {
        if (dialogs_.pass != nullptr) {
            dialogs_.pass->changeUser();
        }
    });
    on("Exit", [this] { close(); });
    on("Paper", [this] { startWarehouse(); });
    on("Users", [this] {
        runDialog(dialogs_.users, {dm_.DSetAdmin, dm_.DSetMan, dm_.DSetTechn, dm_.DSetUsers},
                  QSize(480, 450));
    });
    on("Obsh", [this] {
        runDialog(dialogs_.obsh, {dm_.DSetObsh}, QSize(), [this] { dm_.DSetObsh->edit(); });
    });
    on("Clients", [this] {
        dialogs_.client->prepare(TfrmClient::Opener::MainWindow);
        runDialog(dialogs_.client, {dm_.DSetClients}, QSize(800, 600));
    });
    on("Izdanie", [this] {
        dialogs_.izd->prepare(TfrmIzd::Opener::MainWindow);
        runDialog(dialogs_.izd, {dm_.DSetProduct}, QSize(600, 600));
    });
    // Windows of the calculation, production, archive and reference parts of the
    // program are not part of this version yet; their actions say so.
    for (const char* pending :
         {"DelZakaz", "Calc", "See", "Sost", "vArchiv", "CopyZakaz", "VRaschet", "VTekush",
          "Archiv", "ComPredl", "Zapros", "Machine", "Razn", "Raboty", "Priladka"}) {
        on(pending, [this] {
            zel::ui::Dialogs::inform(this, QStringLiteral("Эта функция пока не подключена."));
        });
    }
    connect(RadioGroup1, &zel::ui::RadioGroup::itemIndexChanged, this, [this](int index) {
        session_.listIndex = index;
        zel::ui::runOrShowError(this, [this] { rebuildList(); });
        updateActionState();
    });
    connect(dbgrZakaz, &zel::ui::DbGrid::titleClicked, this, [this](const QString& field) {
        zel::ui::runOrShowError(this, [this, field] { sortBy(field); });
    });
    connect(dbgrZakaz, &zel::ui::DbGrid::rowDoubleClicked, this, [this] { openOrderCard(false); });
}

QString TfrmMain::managerCondition() const {
    if (session_.user.role == kManager) {
        return QStringLiteral("=%1").arg(session_.user.kodUser);
    }
    return QStringLiteral("<>0");
}

QString TfrmMain::listSql(const QString& orderBy) const {
    return QStringLiteral("select * from ZAKAZ where kod_archiv=%1 and kodmanager%2 order by %3")
        .arg(session_.listIndex)
        .arg(managerCondition(), orderBy);
}

QVariant TfrmMain::currentKod() const {
    return dm_.DSetZakaz->isActive() ? dm_.DSetZakaz->value(kKod) : QVariant();
}

void TfrmMain::rebuildList() {
    const QVariant kod = currentKod();
    dm_.closeAll();
    if (dm_.transaction().inTransaction()) {
        dm_.transaction().commit();
    }
    dm_.DSetZakaz->setSelectSql(listSql(QStringLiteral("data")));
    dm_.transaction().start();
    dm_.DSetZakaz->open();
    dm_.DSetObsh->open();
    if (kod.isValid()) {
        dm_.DSetZakaz->locate(kKod, kod);
    }
}

// The chosen order holds until the next rebuild, which sorts by date again.
void TfrmMain::sortBy(const QString& field) {
    const QVariant kod = currentKod();
    dm_.DSetZakaz->setSelectSql(listSql(field));
    dm_.DSetZakaz->open();
    if (kod.isValid()) {
        dm_.DSetZakaz->locate(kKod, kod);
    }
}

void TfrmMain::updateActionState() {
    const bool hasOrders = dm_.DSetZakaz->isActive() && !dm_.DSetZakaz->isEmpty();
    for (const QString& name : kOrderActions) {
        actions_.value(name)->setEnabled(hasOrders);
    }
    actions_.value("AddZakaz")->setEnabled(true);
    const bool estimates = session_.listIndex == 1;
    actions_.value("CopyZakaz")->setVisible(estimates);
    actions_.value("VTekush")->setVisible(estimates);
    actions_.value("VRaschet")->setVisible(!estimates);
}

void TfrmMain::applyRoleRules() {
    const int role = session_.user.role;
    mnuSettings_->menuAction()->setVisible(role == kAdministrator);
    for (const QString& name : kManagerActions) {
        actions_.value(name)->setVisible(role != kTechnologist);
    }
}

void TfrmMain::showAfterLogin() {
    setEnabled(true);
    if (QScreen* display = screen()) {
        setGeometry(display->availableGeometry());
    }
    showMaximized();
    applyRoleRules();
    zel::ui::runOrShowError(this, [this] { rebuildList(); });
    if (!columnsFitted_) {
        fitColumns();
        columnsFitted_ = true;
    }
    updateActionState();
    if (session_.orderToShow.isValid()) {
        dm_.DSetZakaz->locate(kKod, session_.orderToShow);
        session_.orderToShow = QVariant();
    }
}

// Column widths follow the first screen of orders, within reason; the user may widen
// them afterwards and they stay so.
void TfrmMain::fitColumns() {
    constexpr int kWidest = 260;
    dbgrZakaz->resizeColumnsToContents();
    for (int column = 0; column < dbgrZakaz->datasetModel()->columnCount(); ++column) {
        dbgrZakaz->setColumnWidth(column, std::min(dbgrZakaz->columnWidth(column) + 12, kWidest));
    }
}

void TfrmMain::runDialog(QDialog* dialog, std::initializer_list<zel::Dataset*> datasets, QSize size,
                         const std::function<void()>& beforeShow) {
    const QVariant kod = currentKod();
    const bool ready = zel::ui::runOrShowError(this, [&] {
        dm_.refreshCycle(datasets);
        if (beforeShow) {
            beforeShow();
        }
    });
    if (ready) {
        if (size.isValid()) {
            dialog->resize(size);
        }
        dialog->move(geometry().center() - dialog->rect().center());
        dialog->exec();
    }
    zel::ui::runOrShowError(this, [this, &kod] { dm_.refresh(kod); });
}

void TfrmMain::openOrderCard(bool adding) {
    if (!zel::ui::runOrShowError(this, [this] { rebuildList(); })) {
        return;
    }
    const QVariant kod = currentKod();
    const bool ready = zel::ui::runOrShowError(this, [&] {
        dm_.refreshCycle(
            {dm_.DSetZakaz, dm_.DSetGotIzd, dm_.DSetUsers, dm_.DSetClients, dm_.DSetProduct},
            dm_.DSetZakaz, kod);
        dialogs_.zakaz->prepare(adding ? TfrmZakaz::Mode::Add : TfrmZakaz::Mode::Edit);
    });
    if (ready) {
        dialogs_.zakaz->exec();
    }
    const QVariant reported = ready ? dialogs_.zakaz->reportedKod() : kod;
    zel::ui::runOrShowError(this, [this, &reported] { dm_.refresh(reported); });
    updateActionState();
}

void TfrmMain::printList() {
    const QVariant kod = currentKod();
    const bool ready = zel::ui::runOrShowError(this, [this, &kod] { dm_.refresh(kod); });
    if (!ready) {
        return;
    }
    const zel::reports::ReportDocument document =
        zel::reports::buildOrderList(*dm_.DSetZakaz, *dm_.DSetObsh, session_.listIndex == 1);
    zel::reports::showPreview(document, this);
    dm_.DSetZakaz->locate(kKod, kod);
}

// The warehouse program lies beside this one and works from the same folder, so it
// reads the same root.cfg. A missing program passes silently.
void TfrmMain::startWarehouse() {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zelstock");
    QProcess::startDetached(program, {}, session_.startFolder);
}

// Closing commits the work, leaves the clean-shutdown marker and ends the program.
void TfrmMain::closeEvent(QCloseEvent* event) {
    zel::ui::runOrShowError(this, [this] { dm_.commitAndRestart(); });
    zel::RootCfg cfg(session_.startFolder);
    zel::DatabaseLocation location = location_;
    try {
        location = cfg.readLocation();
    } catch (const zel::RootCfgError&) {
        // The file went away while the program ran: it is written anew from the location
        // the program started with.
    }
    try {
        cfg.writeWithMarker(location);
    } catch (const zel::RootCfgError& error) {
        zel::ui::Dialogs::showError(this, error.message());
    }
    event->accept();
    QCoreApplication::quit();
}

}  // namespace zelvan
