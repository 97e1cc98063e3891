#include "core/root_cfg.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include "core/codepage.h"

namespace zel {
namespace {

// Lines end with CR LF; a bare LF or CR is accepted as well when reading.
QStringList splitLines(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    return lines;
}

QString lineAt(const QStringList& lines, int index) {
    return index < lines.size() ? lines.at(index) : QString();
}

}  // namespace

RootCfgError::RootCfgError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString RootCfgError::message() const {
    return QString::fromStdString(what());
}

RootCfg::RootCfg(const QString& folder)
    : filePath_(QDir(folder).filePath(QString::fromLatin1(kFileName))) {}

RootCfgContent RootCfg::read() const {
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly)) {
        throw RootCfgError(QStringLiteral("Не удалось прочитать файл %1: %2")
                               .arg(QDir::toNativeSeparators(filePath_), file.errorString()));
    }
    const QStringList lines = splitLines(decodeCp1251(file.readAll()));
    return RootCfgContent{{lineAt(lines, 0), lineAt(lines, 1)}, lineAt(lines, 2)};
}

void RootCfg::writeWithoutMarker(const DatabaseLocation& location) const {
    write({location.server, location.path});
}

void RootCfg::writeWithMarker(const DatabaseLocation& location) const {
    write({location.server, location.path, QString::fromLatin1(kMarker)});
}

void RootCfg::rewriteExisting(const DatabaseLocation& location) const {
    QFile existing(filePath_);
    if (!existing.open(QIODevice::ReadOnly)) {
        throw RootCfgError(QStringLiteral("Не удалось открыть файл %1: %2")
                               .arg(QDir::toNativeSeparators(filePath_), existing.errorString()));
    }
    existing.close();
    write({location.server, location.path});
}

// The new content goes to a temporary file that replaces root.cfg only once it is
// complete, so a failed write never leaves the workstation without its database location.
void RootCfg::write(const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeCp1251(line);
        bytes += "\r\n";
    }
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw RootCfgError(QStringLiteral("Не удалось записать файл %1: %2")
                               .arg(QDir::toNativeSeparators(filePath_), file.errorString()));
    }
}

}  // namespace zel
