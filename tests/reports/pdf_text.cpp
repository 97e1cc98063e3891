#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>

namespace zel::reports::testing {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QStringList pdfPages(const QString& path) {
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-layout"), path, QStringLiteral("-")});
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

int pdfPageCount(const QString& path) {
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(run(QStringLiteral("pdfinfo"), {path}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

int pdfImageCount(const QString& path) {
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two heading lines precede one line per picture.
    return lines.size() >= 2 ? static_cast<int>(lines.size()) - 2 : -1;
}

}  // namespace zel::reports::testing
