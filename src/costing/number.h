#pragma once

#include <optional>
#include <string>

namespace costing {

// A numeric column that may be empty (null). An empty column reads as 0 in every
// calculation; assigning a number fills it; copying keeps the empty state.
class Number {
  public:
    constexpr Number() = default;
    constexpr Number(double value) : value_(value), null_(false) {}

    constexpr operator double() const { return null_ ? 0.0 : value_; }
    constexpr bool isNull() const { return null_; }
    constexpr void setNull() {
        value_ = 0.0;
        null_ = true;
    }

  private:
    double value_ = 0.0;
    bool null_ = true;
};

// A text column that may be empty (null).
using Text = std::optional<std::string>;

}  // namespace costing
