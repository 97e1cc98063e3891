#pragma once

#include <QVector>

#include "reports/report_document.h"

namespace zel::reports {

// While it lives, every preview request is recorded instead of opening a window: what a
// test installs to see which documents a window would have shown.
class ScriptedPreview {
  public:
    ScriptedPreview();
    ~ScriptedPreview();
    ScriptedPreview(const ScriptedPreview&) = delete;
    ScriptedPreview& operator=(const ScriptedPreview&) = delete;

    const QVector<ReportDocument>& documents() const { return documents_; }

  private:
    QVector<ReportDocument> documents_;
};

}  // namespace zel::reports
