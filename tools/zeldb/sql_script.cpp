#include "sql_script.h"

namespace zeldb {

QStringList splitSqlScript(const QString& script) {
    QStringList statements;
    QString current;
    QChar quote;
    bool inComment = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar ch = script.at(i);
        if (inComment) {
            inComment = ch != QLatin1Char('\n');
            continue;
        }
        if (!quote.isNull()) {
            current += ch;
            if (ch == quote) {
                quote = QChar();
            }
            continue;
        }
        if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            quote = ch;
        } else if (ch == QLatin1Char('-') && i + 1 < script.size() &&
                   script.at(i + 1) == QLatin1Char('-')) {
            inComment = true;
            continue;
        } else if (ch == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty()) {
                statements.append(current.trimmed());
            }
            current.clear();
            continue;
        }
        current += ch;
    }
    if (!current.trimmed().isEmpty()) {
        statements.append(current.trimmed());
    }
    return statements;
}

}  // namespace zeldb
