#include "reports/scripted_preview.h"

#include "reports/report_preview.h"

namespace zel::reports {

ScriptedPreview::ScriptedPreview() {
    ReportPreview::setHandler(
        [this](const ReportDocument& document) { documents_.append(document); });
}

ScriptedPreview::~ScriptedPreview() {
    ReportPreview::setHandler({});
}

}  // namespace zel::reports
