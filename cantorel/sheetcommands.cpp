#include "sheetcommands.h"

#include "cantoreldoc.h"
#include "cantorelview.h"

#include <QPrinter>

#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Every song allocates and frees a few blocks of megabytes: the capture, the
// bitmap read back, the PDF's samples. Keeping freed memory in the heap lets the
// next block reuse it; handing it back to the system makes every song pay the
// page faults of fresh memory again, which cost more than the export itself.
void KeepFreedMemoryForReuse()
{
#ifdef __GLIBC__
    constexpr int kLargeBlock = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    mallopt(M_TRIM_THRESHOLD, 4 * kLargeBlock);
#endif
}

// Writes the sheet's two files at once, as the window's Save does five seconds apart.
bool ExportSheet(CCantorelView &view, QTextStream &out, QTextStream &err)
{
    QString errorMessage;
    const bool bitmapSaved = view.SaveSheetBitmap(&errorMessage);
    view.PdfTimer().stop();
    if (!bitmapSaved) {
        err << "cantorel: " << errorMessage << Qt::endl;
        return false;
    }
    out << view.GetDocument()->m_strBmpPath << Qt::endl;
    if (!view.WriteSheetPdf(&errorMessage)) {
        err << "cantorel: " << errorMessage << Qt::endl;
        return false;
    }
    out << view.GetDocument()->m_strPdfPath << Qt::endl;
    return true;
}

} // namespace

int RunExportCommand(const QStringList &songPaths, QTextStream &out, QTextStream &err)
{
    KeepFreedMemoryForReuse();
    // Each song gets a fresh document, as in a new window, so that nothing of
    // one song (its title, say) shows in the next; the laid-out view is reused.
    auto document = std::make_unique<CCantorelDoc>();
    CCantorelView view(document.get());
    view.OnInitialUpdate();

    bool allExported = true;
    for (const QString &songPath : songPaths) {
        auto songDocument = std::make_unique<CCantorelDoc>();
        QString errorMessage;
        if (!songDocument->OnOpenDocument(songPath, &errorMessage)) {
            err << "cantorel: " << errorMessage << Qt::endl;
            allExported = false;
            continue;
        }
        view.SetDocument(songDocument.get());
        document = std::move(songDocument);
        view.OnInitialUpdate();
        allExported = ExportSheet(view, out, err) && allExported;
    }
    return allExported ? 0 : 1;
}

int RunPrintCommand(const QString &songPath, QTextStream &err)
{
    CCantorelDoc document;
    CCantorelView view(&document);
    view.OnInitialUpdate();
    QString errorMessage;
    if (!document.OnOpenDocument(songPath, &errorMessage)) {
        err << "cantorel: " << errorMessage << Qt::endl;
        return 1;
    }
    view.OnInitialUpdate();
    QPrinter printer;
    if (!printer.isValid()) {
        err << "cantorel: Could not start print job: there is no default printer." << Qt::endl;
        return 1;
    }
    if (!view.OnFilePrintDirect(printer)) {
        err << "cantorel: Could not start print job." << Qt::endl;
        return 1;
    }
    return 0;
}
