#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>
#include <memory>

#include "core/dataset.h"
#include "core/fb/connection.h"
#include "core/fb/statement.h"
#include "core/fb/transaction.h"
#include "core/schema/schema.h"
#include "support/temp_database.h"

namespace zel::testing {

// A fresh database, attached, with its transaction started.
class UiDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        connection.attach(database.path());
        transaction.start();
    }

    void execute(const QString& sql) { fb::Statement(transaction, sql).execute(); }

    // The value of a one-row, one-column select, read in the test's transaction.
    QVariant selectValue(const QString& sql) {
        fb::Statement select(transaction, sql);
        select.execute();
        return select.value(0);
    }

    // An editable dataset over one table, not yet open.
    std::unique_ptr<Dataset> tableDataset(const QString& table, const QString& sql) {
        auto dataset = std::make_unique<Dataset>(QStringLiteral("DSet") + table, transaction);
        dataset->setSelectSql(sql);
        const schema::Table& description = schema::table(table);
        dataset->setUpdateTable(description, description.generator);
        return dataset;
    }

    TempDatabase database;
    fb::Connection connection;
    fb::Transaction transaction{connection};
};

}  // namespace zel::testing
