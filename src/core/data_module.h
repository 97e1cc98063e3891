#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <initializer_list>

#include "core/dataset.h"
#include "core/fb/connection.h"
#include "core/fb/transaction.h"

namespace zel {

// Owner of a program's only connection, its only transaction and every dataset: the
// data module all windows of a program share.
class DataModule : public QObject {
    Q_OBJECT
  public:
    explicit DataModule(QObject* parent = nullptr);
    ~DataModule() override;

    fb::Connection& connection() { return connection_; }
    fb::Transaction& transaction() { return transaction_; }

    // Attaches to the database (a path, or "host:path"). Throws fb::Error.
    void connectTo(const QString& connectionString);

    const QVector<Dataset*>& datasets() const { return datasets_; }
    // Throws DatasetError for an unknown name.
    Dataset& dataset(const QString& name) const;

    // Commits the work posted since the last cycle and starts a new snapshot: commit if
    // a transaction runs, close every dataset, start a transaction, reopen `reopen` in
    // order, and move `keyed` to the row whose KOD is `key` (nothing happens when that
    // row is gone or no key is given).
    void refreshCycle(std::initializer_list<Dataset*> reopen, Dataset* keyed = nullptr,
                      const QVariant& key = QVariant());
    void refreshCycle(const QVector<Dataset*>& reopen, Dataset* keyed = nullptr,
                      const QVariant& key = QVariant());
    // Steps 2 to 4 of the cycle alone: commit, close everything, start.
    void commitAndRestart();
    void closeAll();

  protected:
    Dataset* addDataset(const QString& name, const QString& selectSql);

  private:
    fb::Connection connection_;
    fb::Transaction transaction_;
    QVector<Dataset*> datasets_;
};

}  // namespace zel
