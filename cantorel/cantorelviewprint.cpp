// Printing and print preview of the sheet: one page showing the capture taken
// by the command, at the sheet's on-screen physical size.
#include "cantorelview.h"

#include "modaldialogs.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

const QString kPrintFailed = QStringLiteral("Could not start print job.");

} // namespace

void CCantorelView::OnFilePrint(QPrinter &printer)
{
    m_hPrintDib = CaptureSheet();
    QPrintDialog dialog(&printer, this);
    OnPreparePrinting(dialog);
    if (RunModal(dialog) == QDialog::Accepted && !OnPrint(printer))
        ShowMessageBox(this, QMessageBox::Warning, kPrintFailed);
}

bool CCantorelView::OnFilePrintDirect(QPrinter &printer)
{
    m_hPrintDib = CaptureSheet();
    return OnPrint(printer);
}

void CCantorelView::OnFilePrintPreview(QPrinter &printer)
{
    m_hPrintDib = CaptureSheet();
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *previewPrinter) {
        OnPrint(*previewPrinter);
    });
    RunModal(preview);
}

// The sheet is one page; the dialog still offers its Selection choice.
void CCantorelView::OnPreparePrinting(QPrintDialog &dialog)
{
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintSelection);
}

// One screen pixel becomes as many printer pixels as the printer has dots for
// each dot of the screen, so the sheet prints at its on-screen size.
void CCantorelView::OnPrepareDC(QPainter &painter, QPrinter &printer) const
{
    painter.scale(qreal(printer.logicalDpiX()) / logicalDpiX(), qreal(printer.logicalDpiY()) / logicalDpiY());
}

bool CCantorelView::OnPrint(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    OnPrepareDC(painter, printer);
    if (!m_hPrintDib.isNull())
        painter.drawImage(QPoint(0, 0), m_hPrintDib);
    return painter.end();
}
