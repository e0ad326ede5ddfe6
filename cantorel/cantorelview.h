#pragma once

#include "chordcollection.h"
#include "rect.h"
#include "sheetpdf.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class Canvas;
class CCantorelDoc;
class CNameBox;
class COwnerDrawnStatic;
class QPainter;
class QPrintDialog;
class QPrinter;
class QTextBrowser;

// The song sheet: a white, page-like form with the song area above and twenty
// chord slots below, each a name box over a diagram. It lays its 41 controls out
// once, draws the song and the diagrams when they paint, drags the main window
// when the sheet is dragged, and carries the sheet's commands: Refresh, Larger,
// Smaller, Edit Chords, Help, printing and the export to BMP and PDF.
class CCantorelView : public QWidget {
    Q_OBJECT

public:
    // The view's client area, which every capture, print and export shows.
    static constexpr int kWidth = 734;
    static constexpr int kHeight = 981;

    explicit CCantorelView(CCantorelDoc *document, QWidget *parent = nullptr);

    CCantorelDoc *GetDocument() const { return m_pDocument; }
    // Shows another document; the layout stays and its song area is handed over.
    void SetDocument(CCantorelDoc *document);

    // The control with `id` (1001 to 1020, 1031 to 1051), or none.
    QWidget *GetDlgItem(int id) const;

    // The first call lays the controls out; every later one fills the name boxes.
    void OnInitialUpdate();

    // Draws control `id` (the song area or a slot's diagram) on `canvas`.
    void OnDrawItem(int id, Canvas &canvas);

    // Commands of the sheet.
    void OnRefresh();
    void OnFontLarger();
    void OnFontSmaller();
    void OnEditChords();
    void OnHelpFile();

    // Printing: each command captures the sheet first, also when the print
    // dialog is then cancelled. Direct printing returns whether it printed.
    void OnFilePrint(QPrinter &printer);
    bool OnFilePrintDirect(QPrinter &printer);
    void OnFilePrintPreview(QPrinter &printer);
    void OnPreparePrinting(QPrintDialog &dialog);
    // Draws the captured sheet as the one page, at its on-screen physical size.
    bool OnPrint(QPrinter &printer);

    // Export: the capture as a BMP beside the song, which starts (or restarts)
    // the timer of the PDF step; and the PDF step itself, which writes the PDF
    // of the sheet saved last. The window ignores the results; the command
    // line reports them.
    bool SaveSheetBitmap(QString *errorMessage = nullptr);
    bool WriteSheetPdf(QString *errorMessage = nullptr);

    // The timer between the two export steps; tests shorten its interval.
    QTimer &PdfTimer() { return m_pdfTimer; }

    QImage m_hPrintDib;          // the sheet captured by the last print or preview command
    bool m_bDragging = false;    // the sheet is being dragged with the left button
    QPoint m_ptDragStart;        // where the button went down, in view coordinates
    bool m_bFirstLayout = true;  // the controls are not laid out yet

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void OnLButtonDown(QPoint point);
    void OnMouseMove(QPoint point);
    void OnLButtonUp();
    void LayOutControls();
    void FillNameBoxes();
    Rect SongAreaClientRect() const;
    // The view as it shows now, one image pixel per view pixel.
    QImage CaptureSheet();
    void OnPrepareDC(QPainter &painter, QPrinter &printer) const;

    CCantorelDoc *m_pDocument = nullptr;
    CNameBox *m_nameBoxes[kChordSlotCount] = {};
    COwnerDrawnStatic *m_diagrams[kChordSlotCount] = {};
    COwnerDrawnStatic *m_songArea = nullptr;
    QTimer m_pdfTimer;
    SheetPdfJob m_pendingPdf;
    QPointer<QTextBrowser> m_helpWindow;
};
