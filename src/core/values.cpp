#include "core/values.h"

#include <QDateTime>

namespace zel {

bool sameValue(const QVariant& left, const QVariant& right) {
    if (!left.isValid() || !right.isValid()) {
        return left.isValid() == right.isValid();
    }
    bool leftNumber = false;
    bool rightNumber = false;
    const double a = left.toDouble(&leftNumber);
    const double b = right.toDouble(&rightNumber);
    if (leftNumber && rightNumber) {
        return a == b;
    }
    return left.toString() == right.toString();
}

QString valueText(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        return QString();
    }
    switch (value.typeId()) {
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', 15);
        case QMetaType::QDateTime: {
            const QDateTime moment = value.toDateTime();
            return moment.time() == QTime(0, 0)
                       ? moment.toString(QStringLiteral("dd.MM.yyyy"))
                       : moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        }
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
        case QMetaType::QByteArray:
            return QStringLiteral("(BLOB)");
        default:
            return value.toString();
    }
}

}  // namespace zel
