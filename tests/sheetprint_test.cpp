#include "cantoreldoc.h"
#include "cantorelview.h"
#include "modaldialogs.h"
#include "testsupport.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

class SheetPrintTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CCantorelDoc document;
    CCantorelView view{&document};

    void SetUp() override { view.OnInitialUpdate(); }
    void TearDown() override { SetModalAnswerer({}); }

    void Open(const QByteArray &songText)
    {
        const QString path = home.path() + "/song.cho";
        WriteFile(path, songText);
        ASSERT_TRUE(document.OnOpenDocument(path));
        view.OnInitialUpdate();
    }
};

} // namespace

TEST_F(SheetPrintTest, PrintsOnePageWithTheSheetAtItsOnScreenSize)
{
    Open("{t:Print me}\n[Am]Down by the [F]river\n");
    const QString pdfPath = home.path() + "/printed.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);

    ASSERT_TRUE(view.OnFilePrintDirect(printer));
    EXPECT_EQ(view.m_hPrintDib.size(), QSize(734, 981));
    EXPECT_TRUE(RunTool("pdfinfo", {pdfPath}).contains(QRegularExpression("Pages: +1\n")));
    // One 734 x 981 picture, at 96 pixels per inch: 734 / 96 inch wide.
    const QStringList images = RunTool("pdfimages", {"-list", pdfPath}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(images.size(), 1);
    const QStringList columns = images.first().simplified().split(' ');
    EXPECT_EQ(columns.mid(3, 2), (QStringList{"734", "981"}));
    EXPECT_EQ(columns.mid(12, 2), (QStringList{"96", "96"}));
}

TEST_F(SheetPrintTest, ThePrintDialogOffersPageOneAndTheSelectionAndItsCancelKeepsTheCapture)
{
    Open("[Am]la\n");
    int minPage = 0;
    int maxPage = 0;
    bool selection = false;
    SetModalAnswerer([&](QDialog &dialog) {
        auto &printDialog = static_cast<QPrintDialog &>(dialog);
        minPage = printDialog.minPage();
        maxPage = printDialog.maxPage();
        selection = printDialog.testOption(QAbstractPrintDialog::PrintSelection);
        return int(QDialog::Rejected);
    });
    QPrinter printer;
    view.OnFilePrint(printer);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 1);
    EXPECT_TRUE(selection);
    EXPECT_EQ(view.m_hPrintDib.size(), QSize(734, 981));
}

TEST_F(SheetPrintTest, EveryPrintCommandCapturesTheSheetAnew)
{
    Open("[Am]la\n");
    SetModalAnswerer([](QDialog &) { return int(QDialog::Rejected); });
    QPrinter printer;
    view.OnFilePrint(printer);
    const QImage first = view.m_hPrintDib;

    Open("[F]li [G]lo [C]lu\n");
    int previewPages = 0;
    SetModalAnswerer([&](QDialog &dialog) {
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        previewPages = preview->pageCount();
        return int(QDialog::Rejected);
    });
    view.OnFilePrintPreview(printer);
    EXPECT_EQ(previewPages, 1);
    EXPECT_NE(view.m_hPrintDib, first);
    EXPECT_EQ(view.m_hPrintDib, view.grab().toImage().convertToFormat(QImage::Format_RGB32));
}
