#include "core/fb/named_parameters.h"

namespace fb {
namespace {

bool isNameStart(QChar ch) {
    return ch.isLetter() || ch == QLatin1Char('_');
}

bool isNamePart(QChar ch) {
    return ch.isLetterOrNumber() || ch == QLatin1Char('_') || ch == QLatin1Char('$');
}

// Index just past the quoted text that starts at `start`; a doubled quote stays inside.
qsizetype skipQuoted(const QString& sql, qsizetype start) {
    const QChar quote = sql.at(start);
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql.at(i) == quote) {
            if (i + 1 < sql.size() && sql.at(i + 1) == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

qsizetype skipComment(const QString& sql, qsizetype start) {
    if (sql.at(start + 1) == QLatin1Char('-')) {
        const qsizetype end = sql.indexOf(QLatin1Char('\n'), start);
        return end < 0 ? sql.size() : end;
    }
    const qsizetype end = sql.indexOf(QStringLiteral("*/"), start + 2);
    return end < 0 ? sql.size() : end + 2;
}

}  // namespace

PositionalSql toPositional(const QString& sql) {
    PositionalSql result;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar ch = sql.at(i);
        const QChar next = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
        qsizetype end = i + 1;
        if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            end = skipQuoted(sql, i);
        } else if ((ch == QLatin1Char('-') && next == QLatin1Char('-')) ||
                   (ch == QLatin1Char('/') && next == QLatin1Char('*'))) {
            end = skipComment(sql, i);
        } else if (ch == QLatin1Char(':') && isNameStart(next)) {
            end = i + 1;
            while (end < sql.size() && isNamePart(sql.at(end))) {
                ++end;
            }
            result.names.append(sql.mid(i + 1, end - i - 1).toUpper());
            result.sql += QLatin1Char('?');
            i = end;
            continue;
        }
        result.sql += QStringView(sql).mid(i, end - i);
        i = end;
    }
    return result;
}

}  // namespace fb
