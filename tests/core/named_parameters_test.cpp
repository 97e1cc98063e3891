#include <gtest/gtest.h>

#include "core/fb/named_parameters.h"

namespace {

struct Case {
    const char* sql;
    const char* positional;
    QStringList names;
};

TEST(NamedParameters, RewritesNamesToPlacesAndSkipsQuotedTextAndComments) {
    const Case cases[] = {
        {"select * from ZAKPRINT where kod_zakaz=:kod order by tip",
         "select * from ZAKPRINT where kod_zakaz=? order by tip",
         {"KOD"}},
        {"update T set A = :A, B = :b where KOD = :OLD_KOD",
         "update T set A = ?, B = ? where KOD = ?",
         {"A", "B", "OLD_KOD"}},
        {"select * from T where NAME like \"%\" || :TEXT || \"%\" or NOTE = :text",
         "select * from T where NAME like \"%\" || ? || \"%\" or NOTE = ?",
         {"TEXT", "TEXT"}},
        {"select * from T where DATA >= '01.12.2026 00:00:01' and K = :K",
         "select * from T where DATA >= '01.12.2026 00:00:01' and K = ?",
         {"K"}},
        {"select \"a:b\" from T where X = 'it''s :no' and Y = :Y",
         "select \"a:b\" from T where X = 'it''s :no' and Y = ?",
         {"Y"}},
        {"select 1 from T -- :comment\nwhere A = :A /* :block */",
         "select 1 from T -- :comment\nwhere A = ? /* :block */",
         {"A"}},
        {"select 1 from rdb$database", "select 1 from rdb$database", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        const fb::PositionalSql result = fb::toPositional(QString::fromUtf8(c.sql));
        EXPECT_EQ(result.sql, QString::fromUtf8(c.positional));
        EXPECT_EQ(result.names, c.names);
    }
}

}  // namespace
