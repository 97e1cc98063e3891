#pragma once

#include <QString>
#include <stdexcept>

namespace fb {

// Every failure of the database client: the server's full message text, line by line as
// the server formats it (for a lock conflict: "deadlock", "-update conflicts with
// concurrent update", ...).
class Error : public std::runtime_error {
  public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

}  // namespace fb
