#include "core/data_module.h"

namespace zel {

DataModule::DataModule(QObject* parent) : QObject(parent), transaction_(connection_) {}

// Datasets hold prepared statements of the connection: they go before it.
DataModule::~DataModule() {
    for (Dataset* dataset : datasets_) {
        delete dataset;
    }
    datasets_.clear();
}

void DataModule::connectTo(const QString& connectionString) {
    connection_.attach(connectionString);
}

Dataset& DataModule::dataset(const QString& name) const {
    for (Dataset* dataset : datasets_) {
        if (dataset->name() == name) {
            return *dataset;
        }
    }
    throw DatasetError(QStringLiteral("Нет набора данных %1.").arg(name));
}

Dataset* DataModule::addDataset(const QString& name, const QString& selectSql) {
    auto* dataset = new Dataset(name, transaction_);
    dataset->setSelectSql(selectSql);
    datasets_.append(dataset);
    return dataset;
}

void DataModule::closeAll() {
    for (Dataset* dataset : datasets_) {
        dataset->close();
    }
}

void DataModule::commitAndRestart() {
    closeAll();
    if (transaction_.inTransaction()) {
        transaction_.commit();
    }
    transaction_.start();
}

void DataModule::refreshCycle(std::initializer_list<Dataset*> reopen, Dataset* keyed,
                              const QVariant& key) {
    refreshCycle(QVector<Dataset*>(reopen), keyed, key);
}

void DataModule::refreshCycle(const QVector<Dataset*>& reopen, Dataset* keyed,
                              const QVariant& key) {
    commitAndRestart();
    for (Dataset* dataset : reopen) {
        dataset->open();
    }
    if (keyed != nullptr && key.isValid() && keyed->isActive()) {
        keyed->locate(QStringLiteral("KOD"), key);
    }
}

}  // namespace zel
