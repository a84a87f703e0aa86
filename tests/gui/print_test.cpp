// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTest>

#include "gui/preview/preview_pane.h"
#include "gui/print/map_printing.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

void pressPrint(QWidget& dialog) {
    QTest::keyClick(&dialog, Qt::Key_P, Qt::ControlModifier);
}

// Print... refuses an empty slot and a panel that ends early as Save Image does, with its
// messages, before any dialog of the printer.
TEST(PrintTest, RefusesWhatSaveImageRefuses) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01R.map", '.', 26);
    bed.addFile(MapSet::Ironfall, "cut.map",
                pw::test::MapBuilder{.length = 26}.text().substr(0, 95));
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01R.map");
    auto& preview = control<PreviewPane>(*dialog, "previewPane");
    qputenv(kPrinterVariable, "no such printer");
    for (const char* second : {"", "cut.map"}) {
        if (*second != '\0') {
            choose(*dialog, 2, second);
        }
        ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));
        pressPrint(*dialog);
    }
    qunsetenv(kPrinterVariable);
    EXPECT_EQ(bed.prompts.errors, QStringList({"ERROR: no file selected for Map# 2",
                                               "ERROR: file cut.map ends early"}));
}

// Print... with the printer the environment names, as print_queue_test.sh runs it beside
// a print queue of its own: the composition's sheets go to the queue, and Save Image's
// PDF of the same composition is left at PANELWRIGHT_TEST_PDF for the pages to be compared.
TEST(PrintQueueTest, PrintsTheSheetsOfSaveImagesPdf) {
    const QString pdf = qEnvironmentVariable("PANELWRIGHT_TEST_PDF");
    if (pdf.isEmpty() || qEnvironmentVariableIsEmpty(kPrinterVariable)) {
        GTEST_SKIP() << "run by print_queue_test.sh";
    }
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01R.map", '.', 90);
    bed.addMap(MapSet::Ironfall, "AB-02L.map", ',', 90);
    auto dialog = bed.openComposer(Layout::EndToEnd, 2);
    choose(*dialog, 1, "AB-01R.map");
    choose(*dialog, 2, "AB-02L.map");
    auto& preview = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));
    bed.prompts.imageAnswer = std::pair(pdf, true);
    control<QAbstractButton>(*dialog, "previewSaveImage").click();
    pressPrint(*dialog);
    EXPECT_EQ(bed.prompts.errors, QStringList());
}

// The printer's sheets are refused as the PDF's are, before a page is printed: a cell too
// large for the paper, more than 500 sheets; a small map is printed.
TEST(PrintTest, RefusesWhatThePdfRefuses) {
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const auto printed = [&](int length, double cellMm) {
        const QByteArray map =
            QByteArray::fromStdString(pw::test::MapBuilder{.length = length}.text());
        const std::optional<Problem> failed =
            printOn(printer, MapSource::bytes(map, "big.map"), RenderOptions(), {.cellMm = cellMm});
        return failed ? QString::fromStdString(failed->message).remove(dir.path()) : QString();
    };
    EXPECT_EQ(printed(1000, 50),
              "ERROR: unable to print on /out.pdf: the map takes 501 sheets at "
              "50 mm a cell, more than 500: choose smaller cells (--cell-mm)");
    EXPECT_EQ(printed(60, 150),
              "ERROR: unable to print on /out.pdf: a cell of 150 mm is too large "
              "for A4 paper");
    EXPECT_EQ(printed(60, 5), "");
    EXPECT_TRUE(QFileInfo(dir.filePath("out.pdf")).size() > 0);
}

// A printer that does not take the sheets gets an error, not silence.
TEST(PrintTest, NamesAPrinterThatTakesNothing) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01R.map", '.', 26);
    bed.addMap(MapSet::Ironfall, "AB-02L.map", ',', 26);
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01R.map");
    choose(*dialog, 2, "AB-02L.map");
    ASSERT_TRUE(waitUntil([&] { return control<PreviewPane>(*dialog, "previewPane").upToDate(); }));
    qputenv(kPrinterVariable, "no such printer");
    pressPrint(*dialog);
    qunsetenv(kPrinterVariable);
    ASSERT_EQ(bed.prompts.errors.size(), 1);
    EXPECT_TRUE(bed.prompts.errors[0].startsWith("ERROR: unable to print on no such printer: "))
        << bed.prompts.errors[0].toStdString();
}

}  // namespace
}  // namespace pw::gui::test
