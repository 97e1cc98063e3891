#pragma once

#include <QString>
#include <QStringList>

namespace zel::reports::testing {

// What poppler reads back from a PDF file: the text of each page (pdftotext) and the
// number of pages and pictures (pdfinfo, pdfimages). Empty results when the tools fail.
QStringList pdfPages(const QString& path);
int pdfPageCount(const QString& path);
int pdfImageCount(const QString& path);

}  // namespace zel::reports::testing
