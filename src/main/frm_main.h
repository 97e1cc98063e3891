#pragma once

#include <QMainWindow>
#include <QMap>
#include <QVariant>
#include <functional>

#include "core/root_cfg.h"
#include "main/dm.h"
#include "main/session.h"

class QAction;
class QGroupBox;
class QMenu;

namespace zel::ui {
class DbGrid;
class RadioGroup;
}  // namespace zel::ui

namespace zelvan {

class TfrmClient;
class TfrmIzd;
class TfrmObsh;
class TfrmPass;
class TfrmUsers;
class TfrmZakaz;

// The windows the main window opens; all are created once at start-up.
struct MainWindowDialogs {
    TfrmPass* pass = nullptr;
    TfrmZakaz* zakaz = nullptr;
    TfrmUsers* users = nullptr;
    TfrmObsh* obsh = nullptr;
    TfrmClient* client = nullptr;
    TfrmIzd* izd = nullptr;
};

// The hub of zelvan61: the list of current orders or estimates, and every action.
class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    TfrmMain(TDM& dm, Session& session, const zel::DatabaseLocation& location,
             QWidget* parent = nullptr);

    void setDialogs(const MainWindowDialogs& dialogs) { dialogs_ = dialogs; }

    // After a successful login: shown maximized and enabled, role rules, the list, the
    // action state, and the order handed over by another window if one is pending.
    void showAfterLogin();

    // Rebuilds the order list of the chosen list and the user's manager condition,
    // committing what was posted and returning to the current order.
    void rebuildList();
    void sortBy(const QString& field);
    void updateActionState();
    void applyRoleRules();

    // The refresh cycle around a modal dialog of the settings menu.
    void runDialog(QDialog* dialog, std::initializer_list<zel::Dataset*> datasets, QSize size,
                   const std::function<void()>& beforeShow = {});
    void openOrderCard(bool adding);
    void printList();
    void startWarehouse();

    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* settingsMenu() const { return mnuSettings_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* addAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                       const QString& hint);
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildList();
    void wireActions();
    QString managerCondition() const;
    QString listSql(const QString& orderBy) const;
    QVariant currentKod() const;
    void fitColumns();

    TDM& dm_;
    Session& session_;
    zel::DatabaseLocation location_;
    MainWindowDialogs dialogs_;
    QMap<QString, QAction*> actions_;
    QMenu* mnuSettings_ = nullptr;
    zel::ui::RadioGroup* RadioGroup1 = nullptr;
    QGroupBox* gbZakaz_ = nullptr;
    zel::ui::DbGrid* dbgrZakaz = nullptr;
    bool columnsFitted_ = false;
};

}  // namespace zelvan
