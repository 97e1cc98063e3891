#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QToolBar>

#include "pdf_text.h"
#include "reports/report_preview.h"
#include "reports/scripted_preview.h"
#include "ui/scripted_dialogs.h"

namespace {

using namespace zel::reports;

ReportDocument smallList() {
    ReportDocument document;
    document.name = "RepTek";
    document.titleLines = {"Текущие заказы"};
    document.page.organisation = "ООО Печать";
    Table table;
    table.columns = {{"Организация", {}, Align::Left, 1}};
    table.rows = {{"ООО Ромашка"}};
    document.tables << table;
    return document;
}

TEST(ReportPreview, TheInstalledRecorderReceivesEachDocumentShown) {
    ScriptedPreview preview;
    showPreview(smallList(), nullptr);
    ReportDocument second = smallList();
    second.titleLines = {"Расчетные заказы"};
    ReportPreview::show(second, nullptr);

    ASSERT_EQ(preview.documents().size(), 2);
    EXPECT_EQ(preview.documents()[0].toPlainText(), smallList().toPlainText());
    EXPECT_EQ(preview.documents()[1].titleLines, QStringList{"Расчетные заказы"});
}

TEST(ReportPreview, ThePreviewWindowOffersSavingAsPdfAndReportsAFailedSave) {
    zel::ui::ScriptedDialogs dialogs;
    ReportPreviewWindow window(smallList());
    EXPECT_TRUE(window.dialog().windowTitle().contains("Текущие заказы"));
    ASSERT_NE(window.saveAsPdfAction(), nullptr);
    EXPECT_EQ(window.saveAsPdfAction()->text(), "Сохранить в PDF");
    auto* toolBar = window.dialog().findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->actions().contains(window.saveAsPdfAction()));

    QTemporaryDir folder;
    const QString good = folder.filePath("list.pdf");
    EXPECT_TRUE(window.saveAsPdf(good));
    EXPECT_TRUE(zel::reports::testing::pdfPages(good).value(0).contains("ООО Ромашка"));
    EXPECT_TRUE(dialogs.requests().isEmpty());

    const QString bad = folder.filePath("missing/list.pdf");
    EXPECT_FALSE(window.saveAsPdf(bad));
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests()[0].kind, zel::ui::DialogKind::Error);
    EXPECT_EQ(dialogs.texts().value(0),
              QStringLiteral("Не удалось сохранить файл \"%1\".").arg(bad));
}

}  // namespace
