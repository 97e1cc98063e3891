#pragma once

#include <QPrintPreviewDialog>
#include <functional>
#include <memory>

#include "reports/report_document.h"

class QAction;
class QPrinter;
class QWidget;

namespace zel::reports {

using PreviewHandler = std::function<void(const ReportDocument&)>;

// Every printout is shown through here: the print preview, from which the user zooms,
// prints or saves a PDF file. Tests install a handler (see ScriptedPreview) so that no
// real preview window opens.
class ReportPreview {
  public:
    // Shows the preview and returns when the user closes it.
    static void show(const ReportDocument& document, QWidget* parent);
    // An empty handler restores the real preview.
    static void setHandler(PreviewHandler handler);
};

inline void showPreview(const ReportDocument& document, QWidget* parent) {
    ReportPreview::show(document, parent);
}

// The real preview window: Qt's print preview of the document on its own page layout,
// with the extra action "Сохранить в PDF". The printer outlives the dialog that paints on it.
class ReportPreviewWindow {
  public:
    ReportPreviewWindow(const ReportDocument& document, QWidget* parent = nullptr);
    ~ReportPreviewWindow();
    ReportPreviewWindow(const ReportPreviewWindow&) = delete;
    ReportPreviewWindow& operator=(const ReportPreviewWindow&) = delete;

    QPrintPreviewDialog& dialog() { return *dialog_; }
    QAction* saveAsPdfAction() const { return saveAsPdf_; }
    // Writes the PDF file; a failure is reported in the standard error box.
    bool saveAsPdf(const QString& path);

  private:
    void chooseFileAndSave();

    ReportDocument document_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrintPreviewDialog> dialog_;
    QAction* saveAsPdf_ = nullptr;
};

}  // namespace zel::reports
