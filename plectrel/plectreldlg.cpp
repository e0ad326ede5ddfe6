#include "plectreldlg.h"

#include "aboutdlg.h"
#include "appicon.h"
#include "chorddiagram.h"
#include "chordentry.h"
#include "chordlibrary.h"
#include "editdlg.h"
#include "edithandover.h"
#include "messagebox.h"
#include "plectrelids.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// A list line shows no line breaks, though a line without "]" keeps its CR LF
// in its name.
QString ListItemText(const QString &line)
{
    QString text = ChordListName(line);
    text.remove(u'\r').remove(u'\n');
    return text;
}

} // namespace

CPlectrelDlg::CPlectrelDlg(QWidget *parent)
    : TemplateDialog(QStringLiteral("Guitar Cantorel Plectrel"), QSize(151, 199), parent)
    , m_hIcon(ApplicationIcon())
{
    // A title bar without close, minimise or maximise box: Exit, Esc and Enter end the editor.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    QPushButton *deleteButton = AddPushButton(IDC_DELETE, QStringLiteral("Delete"), QRect(81, 140, 50, 14), TabStop::No);
    QPushButton *exitButton = AddDefaultPushButton(IDCANCEL, QStringLiteral("Exit"), QRect(81, 159, 50, 14));
    AddStaticText(IDC_STATIC, QStringLiteral("Chord name"), QRect(7, 7, 48, 8), Qt::AlignHCenter);
    m_chordList = AddControl(IDC_CHORD_LIST, QRect(7, 16, 55, 176), new QListWidget(this));
    m_marksLabel = AddStaticText(IDC_MARKS_LABEL, QString(), QRect(99, 42, 29, 8), Qt::AlignHCenter);
    AddOwnerDrawn(IDC_DIAGRAM, QRect(91, 50, 36, 20), [this](int id, Canvas &canvas) { OnDrawItem(id, canvas); });
    QPushButton *modifyButton = AddPushButton(IDC_MODIFY, QStringLiteral("Modify"), QRect(81, 98, 50, 14), TabStop::No);
    QPushButton *addNewButton = AddPushButton(IDC_ADD_NEW, QStringLiteral("Add New"), QRect(81, 119, 50, 14), TabStop::No);
    QPushButton *aboutButton = AddPushButton(IDM_ABOUTBOX, QStringLiteral("About"), QRect(81, 178, 50, 14), TabStop::Yes);

    m_chordList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_marksLabel->setTextFormat(Qt::PlainText);

    connect(m_chordList, &QListWidget::itemSelectionChanged, this, &CPlectrelDlg::OnSelChangeChordList);
    connect(modifyButton, &QPushButton::clicked, this, &CPlectrelDlg::OnModify);
    connect(addNewButton, &QPushButton::clicked, this, &CPlectrelDlg::OnAddNew);
    connect(deleteButton, &QPushButton::clicked, this, &CPlectrelDlg::OnDelete);
    connect(aboutButton, &QPushButton::clicked, this, &CPlectrelDlg::OnAbout);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    OnInitDialog();
}

void CPlectrelDlg::OnInitDialog()
{
    setWindowIcon(m_hIcon);

    m_lineCount = 0;
    m_libraryPath = ChordLibraryPath();
    const auto lines = ReadLibraryLines(m_libraryPath);
    if (!lines) {
        // The path stays, so that the first Add New creates the library.
        ShowAppMessage(this, QStringLiteral("Could not open chord file!"));
        return;
    }
    m_lines = *lines;
    m_lineCount = m_lines.size();
    for (const QString &line : m_lines)
        m_chordList->addItem(ListItemText(line));
}

void CPlectrelDlg::OnSelChangeChordList()
{
    update();
}

// The preview of the selected chord, drawn over the dialog's background. The
// label above it shows the same line's open and muted strings.
void CPlectrelDlg::OnDrawItem(int id, Canvas &canvas)
{
    const int selected = SelectedIndex();
    if (id != IDC_DIAGRAM || selected < 0)
        return;
    const QString &line = m_lines[selected];
    m_marksLabel->setText(MarksLabel(LabelMarksFromLine(line)));
    QString baseFret;
    QString marks;
    DiagramTextsFromLine(line, baseFret, marks);
    DrawChordDiagram(canvas, baseFret, marks);
}

void CPlectrelDlg::OnAddNew()
{
    // With nothing selected the new chord goes to the end.
    const int selected = SelectedIndex();
    g_editIndex = selected >= 0 ? selected : m_lineCount - 1;
    g_editAdding = true;
    if (RunEditDialog(this) != QDialog::Accepted)
        return;

    g_editLine += kLineEnd;
    ++g_editIndex;
    m_lines.insert(g_editIndex, g_editLine);
    ++m_lineCount;
    m_chordList->insertItem(g_editIndex, g_editName);
    m_chordList->setCurrentRow(g_editIndex);

    RewriteLibrary();
    setFocus();
    update();
}

void CPlectrelDlg::OnModify()
{
    g_editIndex = SelectedIndex();
    if (g_editIndex < 0) {
        ShowAppMessage(this, QStringLiteral("No chord selected to modify!"));
        return;
    }
    g_editAdding = false;
    g_editLine = m_lines[g_editIndex];
    if (RunEditDialog(this) != QDialog::Accepted)
        return;

    g_editLine += kLineEnd;
    m_lines[g_editIndex] = g_editLine;
    m_chordList->item(g_editIndex)->setText(g_editName);
    m_chordList->setCurrentRow(g_editIndex);

    RewriteLibrary();
    setFocus();
    update();
}

void CPlectrelDlg::OnDelete()
{
    const int selected = SelectedIndex();
    if (selected < 0) {
        ShowAppMessage(this, QStringLiteral("No chord selected!"));
        return;
    }
    const auto answer = ShowMessageBox({nullptr, QStringLiteral("Delete chord"), QStringLiteral("Delete the selected chord?"),
                                        QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel});
    if (answer != QMessageBox::Ok)
        return;

    delete m_chordList->takeItem(selected);
    m_lines.removeAt(selected);
    --m_lineCount;
    // Nothing stays selected, so the preview stays empty.
    m_chordList->setCurrentRow(-1);

    RewriteLibrary();
    update();
    m_marksLabel->clear();
    setFocus();
}

void CPlectrelDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

int CPlectrelDlg::SelectedIndex() const
{
    const QList<QListWidgetItem *> selected = m_chordList->selectedItems();
    return selected.isEmpty() ? -1 : m_chordList->row(selected.first());
}

// A failed rewrite leaves the old file whole; the change stays in the list and
// in memory, and the next change writes it again.
void CPlectrelDlg::RewriteLibrary()
{
    QString errorMessage;
    if (!WriteLibraryLines(m_libraryPath, m_lines, &errorMessage))
        ShowAppMessage(this, errorMessage);
}
