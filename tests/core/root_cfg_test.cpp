#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/codepage.h"
#include "core/root_cfg.h"

namespace {

using zel::DatabaseLocation;
using zel::RootCfg;
using zel::RootCfgError;

class RootCfgTest : public ::testing::Test {
  protected:
    QByteArray fileBytes() const {
        QFile file(cfg.filePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    void writeBytes(const QByteArray& bytes) const {
        QFile file(cfg.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    RootCfg cfg{dir.path()};
};

TEST_F(RootCfgTest, FileLiesInTheGivenFolder) {
    EXPECT_EQ(cfg.filePath(), dir.filePath("root.cfg"));
}

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QString server;
    QString path;
    QString marker;
    bool hasMarker;
};

TEST_F(RootCfgTest, ReadsTheFirstThreeLines) {
    // "Базы" in Windows-1251.
    const QByteArray cyrillic("\xC1\xE0\xE7\xFB");
    const ReadCase cases[] = {
        {"local with marker", "\r\n/srv/db/zelvan.gdb\r\n1491\r\n", "", "/srv/db/zelvan.gdb",
         "1491", true},
        {"remote without marker", "server:\r\n/srv/db/zelvan.gdb\r\n",
         "server:", "/srv/db/zelvan.gdb", "", false},
        {"empty third line is no marker", "\r\n/db.gdb\r\n\r\nmore\r\n", "", "/db.gdb", "", false},
        {"any third-line text is a marker", "\r\n/db.gdb\r\nx\r\n", "", "/db.gdb", "x", true},
        {"lines after the third are ignored", "a:\r\n/p\r\n1491\r\nfour\r\nfive", "a:", "/p",
         "1491", true},
        {"single line", "host:", "host:", "", "", false},
        {"no final line end", "\r\n/db.gdb", "", "/db.gdb", "", false},
        {"code page 1251", "\r\n/data/" + cyrillic + ".gdb\r\n", "",
         QString::fromUtf8("/data/Базы.gdb"), "", false},
        {"bare line feeds", "h:\n/p.gdb\n1491\n", "h:", "/p.gdb", "1491", true},
        {"empty file", "", "", "", "", false},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(c.bytes);
        const zel::RootCfgContent content = cfg.read();
        EXPECT_EQ(content.location.server, c.server);
        EXPECT_EQ(content.location.path, c.path);
        EXPECT_EQ(content.marker, c.marker);
        EXPECT_EQ(content.hasMarker(), c.hasMarker);
    }
}

TEST_F(RootCfgTest, ConnectionStringJoinsLineOneAndTwo) {
    EXPECT_EQ((DatabaseLocation{"", "/srv/z.gdb"}.connectionString()), "/srv/z.gdb");
    EXPECT_EQ((DatabaseLocation{"db-host:", "/srv/z.gdb"}.connectionString()),
              "db-host:/srv/z.gdb");
    EXPECT_EQ((DatabaseLocation{"host:", ""}.connectionString()), "host:");
}

TEST_F(RootCfgTest, MissingFileIsAReadError) {
    EXPECT_THROW(cfg.read(), RootCfgError);
}

TEST_F(RootCfgTest, WritersReplaceTheWholeFileInCodePage1251WithCrLf) {
    writeBytes("old-server:\r\n/old/path.gdb\r\n1491\r\nleft over\r\n");
    const DatabaseLocation location{"srv:", QString::fromUtf8("/базы/zelvan.gdb")};

    cfg.writeWithMarker(location);
    EXPECT_EQ(fileBytes(), QByteArray("srv:\r\n/\xE1\xE0\xE7\xFB/zelvan.gdb\r\n1491\r\n"));

    cfg.writeWithoutMarker(location);
    EXPECT_EQ(fileBytes(), QByteArray("srv:\r\n/\xE1\xE0\xE7\xFB/zelvan.gdb\r\n"));
}

TEST_F(RootCfgTest, ZelvanRewritesTheLinesExactlyAsRead) {
    writeBytes("srv:\r\n/p.gdb\r\n");
    cfg.writeWithMarker(cfg.readLocation());
    EXPECT_EQ(fileBytes(), QByteArray("srv:\r\n/p.gdb\r\n1491\r\n"));
    EXPECT_TRUE(cfg.read().hasMarker());
}

TEST_F(RootCfgTest, ZelbaseSaveWritesTwoLinesAndDropsTheMarker) {
    writeBytes("\r\n/p.gdb\r\n1491\r\n");
    cfg.rewriteExisting({"", "/new.gdb"});
    EXPECT_EQ(fileBytes(), QByteArray("\r\n/new.gdb\r\n"));
    EXPECT_FALSE(cfg.read().hasMarker());
}

TEST_F(RootCfgTest, ZelbaseSaveNeverCreatesTheFile) {
    EXPECT_THROW(cfg.rewriteExisting({"", "/new.gdb"}), RootCfgError);
    EXPECT_FALSE(QFile::exists(cfg.filePath()));
}

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    EXPECT_EQ(zel::encodeCp1251(zel::decodeCp1251(all)), all);
}

TEST(CodePage, KnownLetters) {
    EXPECT_EQ(zel::decodeCp1251("\xC0\xFF\xA8\xB8\xB9"), QString::fromUtf8("АяЁё№"));
    EXPECT_EQ(zel::encodeCp1251(QString::fromUtf8("Zelvan Ъ€")), QByteArray("Zelvan \xDA\x88"));
    EXPECT_EQ(zel::encodeCp1251(QString::fromUtf8("日本")), QByteArray("??"));
}

}  // namespace
