#include "reports/report_preview.h"

#include <QGuiApplication>
#include <QScreen>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

#include "reports/report_renderer.h"
#include "ui/dialogs.h"

namespace zel::reports {

namespace {

PreviewHandler& previewHandler() {
    static PreviewHandler handler;
    return handler;
}

QString documentTitle(const ReportDocument& document) {
    return document.titleLines.value(0, document.name);
}

}  // namespace

void ReportPreview::show(const ReportDocument& document, QWidget* parent) {
    if (previewHandler()) {
        previewHandler()(document);
        return;
    }
    ReportPreviewWindow window(document, parent);
    window.dialog().exec();
}

void ReportPreview::setHandler(PreviewHandler handler) {
    previewHandler() = std::move(handler);
}

ReportPreviewWindow::ReportPreviewWindow(const ReportDocument& document, QWidget* parent)
    : document_(document), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    ReportRenderer(document_).preparePrinter(*printer_);
    dialog_ = std::make_unique<QPrintPreviewDialog>(printer_.get(), parent);
    dialog_->setWindowTitle(
        QStringLiteral("Предварительный просмотр: %1").arg(documentTitle(document_)));
    // The preview fills the screen; without a window manager that maximizes, the
    // geometry alone does it.
    if (const QScreen* display =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        dialog_->setGeometry(display->availableGeometry());
    }
    dialog_->setWindowState(dialog_->windowState() | Qt::WindowMaximized);
    QObject::connect(dialog_.get(), &QPrintPreviewDialog::paintRequested, dialog_.get(),
                     [this](QPrinter* target) {
                         if (!ReportRenderer(document_).printTo(*target)) {
                             ui::Dialogs::showError(
                                 dialog_.get(), QStringLiteral("Не удалось напечатать документ."));
                         }
                     });

    saveAsPdf_ = new QAction(dialog_->style()->standardIcon(QStyle::SP_DialogSaveButton),
                             QStringLiteral("Сохранить в PDF"), dialog_.get());
    saveAsPdf_->setObjectName(QStringLiteral("actSaveAsPdf"));
    QObject::connect(saveAsPdf_, &QAction::triggered, dialog_.get(),
                     [this] { chooseFileAndSave(); });
    if (auto* toolBar = dialog_->findChild<QToolBar*>()) {
        toolBar->addSeparator();
        toolBar->addAction(saveAsPdf_);
    }
}

ReportPreviewWindow::~ReportPreviewWindow() = default;

bool ReportPreviewWindow::saveAsPdf(const QString& path) {
    if (ReportRenderer(document_).saveAsPdf(path)) {
        return true;
    }
    ui::Dialogs::showError(dialog_.get(),
                           QStringLiteral("Не удалось сохранить файл \"%1\".").arg(path));
    return false;
}

void ReportPreviewWindow::chooseFileAndSave() {
    const QString suggested =
        QDir::home().filePath(documentTitle(document_) + QStringLiteral(".pdf"));
    QString path = QFileDialog::getSaveFileName(dialog_.get(), QStringLiteral("Сохранить в PDF"),
                                                suggested, QStringLiteral("Документ PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    saveAsPdf(path);
}

}  // namespace zel::reports
