#pragma once

#include <QWidget>

#include "core/fb/connection.h"
#include "core/root_cfg.h"

class QLineEdit;
class QPushButton;

namespace zel::ui {
class RadioGroup;
}

namespace zel::dbpath {

// The database location tool's only window: where the shared database lives (local or
// on a named server, and the file's full path), saved into root.cfg of the start-up
// folder, with a connection test of the values as typed.
class TfrmMain : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kLocal = 0;
    static constexpr int kRemote = 1;

    explicit TfrmMain(const QString& startFolder, QWidget* parent = nullptr);

    // "Проверка": attach with the texts as they stand, report the outcome.
    void testConnection();
    // "...": pick the database file.
    void choosePath();
    // "ОК": write the two lines and close; a missing root.cfg is reported and the window stays.
    void save();

    bool isTestConnected() const { return testConnection_.isConnected(); }

  private:
    void buildControls();
    void loadFromFile();
    void showConnectionKind(int kind);
    QString testConnectionString() const;

    RootCfg rootCfg_;
    fb::Connection testConnection_;
    ui::RadioGroup* RadioGroup1;
    QLineEdit* Edit1;
    QPushButton* Button3;
    QLineEdit* Edit2;
    QPushButton* Button4;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace zel::dbpath
