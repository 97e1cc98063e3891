#pragma once

#include <QString>
#include <QVariant>
#include <optional>

#include "core/fb/statement.h"

class QObject;
class QValidator;

namespace zel::ui {

bool isNumberType(fb::FieldType type);
bool isIntegerType(fb::FieldType type);
bool isDateType(fb::FieldType type);

// The text a value is edited as: numbers in their shortest decimal form with a point
// (as the grids show them), dates as dd.MM.yyyy with the time when it is not midnight,
// null as the empty string.
QString editText(const QVariant& value);

// Typed text read back as a value of the field's type. Empty text is null (an invalid
// QVariant); numbers take a decimal comma or point; nullopt when the text is no value of
// that type (letters in a number, a fraction in a whole-number field, an unknown date).
std::optional<QVariant> parseEditText(const QString& text, fb::FieldType type);

// Lets through only what can become a number of the type while it is being typed:
// digits, a leading minus, and for fractional fields one decimal comma or point.
QValidator* createNumberValidator(fb::FieldType type, QObject* parent);

}  // namespace zel::ui
