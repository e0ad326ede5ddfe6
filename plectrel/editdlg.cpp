#include "editdlg.h"

#include "chorddiagram.h"
#include "chordline.h"
#include "edithandover.h"
#include "plectrelids.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr int kBaseFretLimit = 2;
constexpr int kFingeringLimit = 6;

std::function<int(QWidget *)> &EditDialogRunner()
{
    static std::function<int(QWidget *)> runner;
    return runner;
}

} // namespace

CEditDlg::CEditDlg(QWidget *parent)
    : TemplateDialog(QStringLiteral("Dialog"), QSize(227, 110), parent)
{
    QPushButton *ok = AddDefaultPushButton(IDOK, QStringLiteral("OK"), QRect(111, 84, 50, 14));
    QPushButton *cancel = AddPushButton(IDCANCEL, QStringLiteral("Cancel"), QRect(165, 84, 50, 14), TabStop::Yes);
    AddStaticText(IDC_STATIC, QStringLiteral("Diagram fret 1 represents fret #:"), QRect(17, 44, 112, 8), Qt::AlignLeft);
    m_baseFret = AddEdit(IDC_BASE_FRET, QRect(129, 42, 16, 14), TabStop::Yes);
    AddStaticText(IDC_STATIC, QStringLiteral("Chord name:"), QRect(83, 26, 42, 8), Qt::AlignLeft);
    m_chordName = AddEdit(IDC_CHORD_NAME, QRect(129, 22, 40, 14), TabStop::Yes);
    AddOwnerDrawn(IDC_EDIT_DIAGRAM, QRect(177, 36, 36, 20), [this](int id, Canvas &canvas) { OnDrawItem(id, canvas); });
    m_fingering = AddEdit(IDC_FINGERING, QRect(182, 20, 31, 14), TabStop::No);

    connect(ok, &QPushButton::clicked, this, &CEditDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_baseFret, &QLineEdit::textChanged, this, &CEditDlg::OnChangeBaseFret);
    connect(m_fingering, &QLineEdit::textChanged, this, &CEditDlg::OnChangeFingering);

    OnInitDialog();
}

void CEditDlg::OnInitDialog()
{
    m_baseFret->setMaxLength(kBaseFretLimit);
    m_baseFret->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_baseFret));
    m_fingering->setMaxLength(kFingeringLimit);

    if (g_editAdding) {
        setWindowTitle(QStringLiteral("Add New chord"));
        m_baseFret->setText(QStringLiteral("1"));
        m_chordName->setText(QStringLiteral("new"));
        m_fingering->setText(QStringLiteral("000000"));
        return;
    }
    setWindowTitle(QStringLiteral("Modify chord"));
    const ChordEntry fields = SplitChordLine(g_editLine);
    m_baseFret->setText(fields.baseFret);
    m_chordName->setText(fields.name);
    m_fingering->setText(fields.marks);
}

void CEditDlg::OnChangeBaseFret()
{
    if (!m_baseFret->text().isEmpty())
        update();
}

void CEditDlg::OnChangeFingering()
{
    if (m_fingering->text().size() >= kFingeringLimit)
        update();
}

// The live diagram, drawn from the fields as they stand once all six marks
// are there; with fewer, its area shows only the dialog's background.
void CEditDlg::OnDrawItem(int id, Canvas &canvas)
{
    const QString marks = m_fingering->text().left(kFingeringLimit);
    if (id != IDC_EDIT_DIAGRAM || marks.size() < kFingeringLimit)
        return;
    DrawChordDiagram(canvas, DiagramBaseFret(m_baseFret->text()), marks);
}

void CEditDlg::OnOK()
{
    const auto built = BuildChordLine({m_chordName->text(), m_baseFret->text(), m_fingering->text()});
    // Marks the library cannot hold end the dialog like Cancel, without a word.
    if (!built) {
        reject();
        return;
    }
    g_editLine = built->line;
    g_editName = built->listName;
    accept();
}

int RunEditDialog(QWidget *parent)
{
    if (EditDialogRunner())
        return EditDialogRunner()(parent);
    CEditDlg dialog(parent);
    return dialog.exec();
}

void SetEditDialogRunner(std::function<int(QWidget *)> runner)
{
    EditDialogRunner() = std::move(runner);
}
