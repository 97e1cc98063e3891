#pragma once

#include <QString>
#include <stdexcept>

namespace zel {

// Where the shared database lives, as the first two lines of root.cfg hold it.
struct DatabaseLocation {
    QString server;  // line 1: empty for a local database, else the host name and a colon
    QString path;    // line 2: the database file on that machine

    // Line 1 and line 2 joined with nothing between: a bare path, or "host:path".
    QString connectionString() const { return server + path; }
};

struct RootCfgContent {
    DatabaseLocation location;
    QString marker;  // line 3

    // Any non-empty third line means the last run of zelvan61 from this folder ended
    // properly and nobody is logged in; its value is never compared.
    bool hasMarker() const { return !marker.isEmpty(); }
};

class RootCfgError : public std::runtime_error {
  public:
    explicit RootCfgError(const QString& message);
    QString message() const;
};

// The configuration file root.cfg of one start-up folder: Windows-1251 text, CR LF
// line ends. Every write replaces the whole file.
class RootCfg {
  public:
    static constexpr const char* kFileName = "root.cfg";
    static constexpr const char* kMarker = "1491";

    explicit RootCfg(const QString& folder);

    QString filePath() const { return filePath_; }

    // Lines 1 to 3; a missing line reads as empty, lines after the third are ignored.
    // Throws RootCfgError when the file is missing or cannot be read.
    RootCfgContent read() const;
    DatabaseLocation readLocation() const { return read().location; }

    // Lines 1 and 2 as given, without the clean-shutdown marker (after a login).
    void writeWithoutMarker(const DatabaseLocation& location) const;
    // Lines 1 and 2 as given, then the marker (closing the main window, change of user).
    void writeWithMarker(const DatabaseLocation& location) const;
    // The database location tool's save: exactly two lines, and only into a file that
    // already exists and can be read (it never creates root.cfg). Throws RootCfgError.
    void rewriteExisting(const DatabaseLocation& location) const;

  private:
    void write(const QStringList& lines) const;

    QString filePath_;
};

}  // namespace zel
