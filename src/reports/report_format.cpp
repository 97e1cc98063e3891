#include "reports/report_format.h"

#include <QDateTime>
#include <QLocale>

namespace zel::reports {

namespace {

const QLocale& russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

bool isNull(const QVariant& value) {
    return !value.isValid() || value.isNull();
}

// A negative amount that rounds to zero prints without its sign.
QString withoutNegativeZero(const QString& text) {
    for (const QChar digit : text) {
        if (digit.isDigit() && digit != QLatin1Char('0')) {
            return text;
        }
    }
    return text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
}

}  // namespace

QString formatMoney(double amount) {
    return withoutNegativeZero(russian().toString(amount, 'f', 2));
}

QString formatMoney(const QVariant& amount) {
    return isNull(amount) ? QString() : formatMoney(amount.toDouble());
}

QString formatCount(const QVariant& count) {
    return isNull(count) ? QString() : russian().toString(count.toLongLong());
}

QString formatNumber(const QVariant& number, int decimals) {
    if (isNull(number)) {
        return QString();
    }
    QString text = russian().toString(number.toDouble(), 'f', decimals);
    const QString point = russian().decimalPoint();
    if (decimals > 0) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    return withoutNegativeZero(text);
}

QString formatDate(const QVariant& date) {
    if (isNull(date)) {
        return QString();
    }
    const QDate day =
        date.typeId() == QMetaType::QDateTime ? date.toDateTime().date() : date.toDate();
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

}  // namespace zel::reports
