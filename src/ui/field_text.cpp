#include "ui/field_text.h"

#include "core/values.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace zel::ui {

bool isIntegerType(fb::FieldType type) {
    return type == fb::FieldType::SmallInt || type == fb::FieldType::Integer ||
           type == fb::FieldType::BigInt;
}

bool isNumberType(fb::FieldType type) {
    return isIntegerType(type) || type == fb::FieldType::Double;
}

bool isDateType(fb::FieldType type) {
    return type == fb::FieldType::Timestamp || type == fb::FieldType::Date;
}

QString editText(const QVariant& value) { return valueText(value); }

std::optional<QVariant> parseEditText(const QString& text, fb::FieldType type) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() && type != fb::FieldType::Text) {
        return QVariant();
    }
    bool ok = false;
    switch (type) {
        case fb::FieldType::SmallInt:
        case fb::FieldType::Integer: {
            const int number = trimmed.toInt(&ok);
            return ok ? std::optional<QVariant>(number) : std::nullopt;
        }
        case fb::FieldType::BigInt: {
            const qlonglong number = trimmed.toLongLong(&ok);
            return ok ? std::optional<QVariant>(number) : std::nullopt;
        }
        case fb::FieldType::Double: {
            QString point = trimmed;
            point.replace(QLatin1Char(','), QLatin1Char('.'));
            const double number = point.toDouble(&ok);
            return ok ? std::optional<QVariant>(number) : std::nullopt;
        }
        case fb::FieldType::Timestamp:
        case fb::FieldType::Date: {
            for (const char* format : {"dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm", "dd.MM.yyyy"}) {
                const QDateTime moment = QDateTime::fromString(trimmed, QLatin1String(format));
                if (moment.isValid()) {
                    return type == fb::FieldType::Date ? QVariant(moment.date()) : QVariant(moment);
                }
            }
            return std::nullopt;
        }
        default:
            return QVariant(text);
    }
}

QValidator* createNumberValidator(fb::FieldType type, QObject* parent) {
    const QRegularExpression pattern(isIntegerType(type) ? QStringLiteral("-?\\d*")
                                                         : QStringLiteral("-?\\d*([.,]\\d*)?"));
    return new QRegularExpressionValidator(pattern, parent);
}

}  // namespace zel::ui
