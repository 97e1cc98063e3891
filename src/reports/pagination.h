#pragma once

#include <QSizeF>

#include "reports/text_document.h"

namespace zel::reports {

// The body of a document laid out on pages of `pageSize` (device pixels of `device`):
// a table row is never split between two pages; a row that does not fit starts the
// next page under a repeated table heading.
TextBody paginate(const ReportDocument& document, QPaintDevice& device, const QSizeF& pageSize);

}  // namespace zel::reports
