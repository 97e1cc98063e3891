#pragma once

#include <QString>
#include <QTemporaryDir>

namespace fb {
class Connection;
}

namespace zel::testing {

// A fresh database with the full schema in a temporary folder, removed with the object.
class TempDatabase {
  public:
    TempDatabase();
    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    QString path_;
};

}  // namespace zel::testing
