#include "cantorelview.h"

#include "cantoreldoc.h"
#include "canvas.h"
#include "chorddiagram.h"
#include "chordentry.h"
#include "modaldialogs.h"
#include "resourceids.h"
#include "viewcontrols.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QProcess>
#include <QTextBrowser>

namespace {

// The song area keeps this margin to the left, top and right of the view and
// leaves the slot rows below it.
constexpr int kSongAreaMargin = 48;
constexpr int kSlotRowsHeight = 200;

// The slots: two rows of ten, each a name box over a diagram.
constexpr int kSlotsPerRow = 10;
constexpr int kSlotPitchX = 64;
constexpr int kSlotPitchY = 80;
constexpr int kDiagramLeft = 48;
constexpr int kDiagramTopFromBottom = 164;
constexpr int kDiagramWidth = 66;
constexpr int kDiagramHeight = 44;
constexpr int kNameBoxLeft = 42;
constexpr int kNameBoxTopFromBottom = 194;
constexpr int kNameBoxWidth = 76;
constexpr int kNameBoxHeight = 30;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

} // namespace

CCantorelView::CCantorelView(CCantorelDoc *document, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
    setFont(QFont(QStringLiteral("Arial"), 8));

    // White everywhere: the view and every control inherit this palette.
    QPalette white = palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        white.setColor(role, kWhite);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        white.setColor(role, kBlack);
    setPalette(white);
    setAutoFillBackground(true);

    // Box 1001 has no automatic horizontal scrolling, so it alone wraps.
    for (int slot = 0; slot < kChordSlotCount; ++slot)
        m_nameBoxes[slot] = new CNameBox(slot == 0, this);
    for (int slot = 0; slot < kChordSlotCount; ++slot)
        m_diagrams[slot] = new COwnerDrawnStatic(IDC_DIAGRAM_FIRST + slot, this);
    m_songArea = new COwnerDrawnStatic(IDC_SONG_AREA, this);

    m_pdfTimer.setSingleShot(true);
    m_pdfTimer.setInterval(5000);
    connect(&m_pdfTimer, &QTimer::timeout, this, [this] { WriteSheetPdf(); });

    SetDocument(document);
}

void CCantorelView::SetDocument(CCantorelDoc *document)
{
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    if (!m_bFirstLayout)
        m_pDocument->m_rcText = SongAreaClientRect();
    // A song read while the sheet shows is drawn at once.
    connect(m_pDocument, &CCantorelDoc::songRead, this, [this] { m_songArea->repaint(); });
}

QWidget *CCantorelView::GetDlgItem(int id) const
{
    if (id >= IDC_NAME_BOX_FIRST && id < IDC_NAME_BOX_FIRST + kChordSlotCount)
        return m_nameBoxes[id - IDC_NAME_BOX_FIRST];
    if (id >= IDC_DIAGRAM_FIRST && id < IDC_DIAGRAM_FIRST + kChordSlotCount)
        return m_diagrams[id - IDC_DIAGRAM_FIRST];
    if (id == IDC_SONG_AREA)
        return m_songArea;
    return nullptr;
}

void CCantorelView::OnInitialUpdate()
{
    m_bDragging = false;
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        LayOutControls();
        return;
    }
    FillNameBoxes();
}

void CCantorelView::LayOutControls()
{
    const int width = this->width();
    const int height = this->height();
    m_songArea->setGeometry(kSongAreaMargin, kSongAreaMargin, width - 2 * kSongAreaMargin,
                            height - kSlotRowsHeight - kSongAreaMargin);
    m_pDocument->m_rcText = SongAreaClientRect();
    for (int slot = 0; slot < kChordSlotCount; ++slot) {
        const int column = slot % kSlotsPerRow;
        const int row = slot / kSlotsPerRow;
        m_diagrams[slot]->setGeometry(kDiagramLeft + kSlotPitchX * column,
                                      height - kDiagramTopFromBottom + kSlotPitchY * row, kDiagramWidth,
                                      kDiagramHeight);
        m_nameBoxes[slot]->setGeometry(kNameBoxLeft + kSlotPitchX * column,
                                       height - kNameBoxTopFromBottom + kSlotPitchY * row, kNameBoxWidth,
                                       kNameBoxHeight);
    }
}

Rect CCantorelView::SongAreaClientRect() const
{
    return Rect{0, 0, m_songArea->width(), m_songArea->height()};
}

// The view draws itself into the image, one pixel for one pixel whatever the
// screen's scale, so every capture is 734 x 981.
QImage CCantorelView::CaptureSheet()
{
    QImage sheet(kWidth, kHeight, QImage::Format_RGB32);
    render(&sheet);
    return sheet;
}

void CCantorelView::FillNameBoxes()
{
    for (CNameBox *box : m_nameBoxes)
        box->SetWindowText(QStringLiteral(" "));
    for (int slot = 0; slot < m_pDocument->m_nChords; ++slot) {
        const QString &line = m_pDocument->m_strChords[slot];
        m_nameBoxes[slot]->SetWindowText(ChordListName(line) + QStringLiteral("\r\n")
                                         + MarksLabel(LabelMarksFromLine(line)));
    }
}

void CCantorelView::OnDrawItem(int id, Canvas &canvas)
{
    canvas.SetTextColor(kBlack);
    canvas.FillSolidRect(canvas.GetClipBox(), kWhite);
    if (id == IDC_SONG_AREA && !m_pDocument->m_strSong.isEmpty())
        m_pDocument->DrawSong(canvas);

    const int slot = id - IDC_DIAGRAM_FIRST;
    if (slot < 0 || slot >= kChordSlotCount || slot >= m_pDocument->m_nChords)
        return;
    const QString &line = m_pDocument->m_strChords[slot];
    if (line.count(u',') != 2)
        return;
    QString baseFret;
    QString marks;
    DiagramTextsFromLine(line, baseFret, marks);
    DrawChordDiagram(canvas, baseFret, marks);
}

void CCantorelView::OnRefresh()
{
    QString errorMessage;
    if (!m_pDocument->OnOpenDocument(m_pDocument->GetPathName(), &errorMessage))
        ShowMessageBox(this, QMessageBox::Warning, errorMessage);
    OnInitialUpdate();
}

// The song font height has no bound either way; only the song area is redrawn.
void CCantorelView::OnFontLarger()
{
    m_pDocument->m_nFontHeight -= 2;
    m_songArea->repaint();
}

void CCantorelView::OnFontSmaller()
{
    m_pDocument->m_nFontHeight += 2;
    m_songArea->repaint();
}

// Starts the chord-library editor beside this program; whether it starts is not
// looked at.
void CCantorelView::OnEditChords()
{
    QProcess::startDetached(QCoreApplication::applicationDirPath() + QStringLiteral("/plectrel"), {});
}

void CCantorelView::OnHelpFile()
{
    const QString helpPath = QCoreApplication::applicationDirPath() + QStringLiteral("/cantorel.html");
    if (!QFileInfo(helpPath).isFile()) {
        ShowMessageBox(this, QMessageBox::Warning, QStringLiteral("Failed to launch help."));
        return;
    }
    if (!m_helpWindow) {
        m_helpWindow = new QTextBrowser(this);
        m_helpWindow->setWindowFlag(Qt::Window);
        m_helpWindow->setWindowTitle(QStringLiteral("Guitar Cantorel Help"));
        m_helpWindow->resize(720, 800);
    }
    m_helpWindow->setSource(QUrl::fromLocalFile(helpPath));
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CCantorelView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint());
}

void CCantorelView::mouseMoveEvent(QMouseEvent *event)
{
    OnMouseMove(event->position().toPoint());
}

void CCantorelView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp();
}

void CCantorelView::OnLButtonDown(QPoint point)
{
    m_bDragging = true;
    m_ptDragStart = point;
    grabMouse();
}

// The grabbed point stays under the pointer, since the view moves with the
// window. Nothing keeps the window on the screen.
void CCantorelView::OnMouseMove(QPoint point)
{
    if (!m_bDragging)
        return;
    QWidget *mainWindow = window();
    mainWindow->move(mainWindow->pos() + (point - m_ptDragStart));
}

void CCantorelView::OnLButtonUp()
{
    releaseMouse();
    m_bDragging = false;
}
