#include "editdlg.h"
#include "edithandover.h"
#include "plectrelids.h"
#include "plectreltestsupport.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EditDlgTest : public ::testing::Test {
protected:
    EditDlgTest()
    {
        g_editLine = QStringLiteral("untouched line");
        g_editName = QStringLiteral("untouched name");
    }

    // Types the three fields as a user would.
    static void Type(CEditDlg &dialog, const QString &name, const QString &baseFret, const QString &marks)
    {
        for (const auto &[id, text] : {std::pair(IDC_CHORD_NAME, name), std::pair(IDC_BASE_FRET, baseFret), std::pair(IDC_FINGERING, marks)}) {
            Edit(dialog, id)->clear();
            QTest::keyClicks(Edit(dialog, id), text);
        }
    }

    static QPushButton *Button(CEditDlg &dialog, int id) { return qobject_cast<QPushButton *>(dialog.GetDlgItem(id)); }
};

// Counts the paints of one control.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *control) { control->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

TEST_F(EditDlgTest, AddNewStartsFromTheDefaultChord)
{
    g_editAdding = true;
    CEditDlg dialog;

    EXPECT_EQ(dialog.windowTitle(), "Add New chord");
    EXPECT_EQ(Edit(dialog, IDC_CHORD_NAME)->text(), "new");
    EXPECT_EQ(Edit(dialog, IDC_BASE_FRET)->text(), "1");
    EXPECT_EQ(Edit(dialog, IDC_FINGERING)->text(), "000000");

    // The empty grid: no dot, no number.
    const QImage diagram = ControlImage(dialog, IDC_EDIT_DIAGRAM);
    EXPECT_GT(DarkPixels(diagram, kDiagramBox), 0);
    EXPECT_EQ(DarkPixels(diagram, kBaseFretSquare), 0);
    EXPECT_EQ(diagram.pixel(24, 4), qRgb(255, 255, 255));

    Button(dialog, IDOK)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(g_editLine, "[new],1,000000");
    EXPECT_EQ(g_editName, "new");
}

TEST_F(EditDlgTest, ModifyShowsTheLineAndGivesItBackUnchanged)
{
    g_editAdding = false;
    g_editLine = QStringLiteral("[F],1,133211\r\n");
    CEditDlg dialog;

    EXPECT_EQ(dialog.windowTitle(), "Modify chord");
    EXPECT_EQ(Edit(dialog, IDC_CHORD_NAME)->text(), "F");
    EXPECT_EQ(Edit(dialog, IDC_BASE_FRET)->text(), "1");
    EXPECT_EQ(Edit(dialog, IDC_FINGERING)->text(), "133211");
    // Dots beside the string lines: the lowest string in row 1, the fifth in
    // row 3, the third in row 2.
    const QImage diagram = ControlImage(dialog, IDC_EDIT_DIAGRAM);
    EXPECT_EQ(qGray(diagram.pixel(12, 4)), 0);
    EXPECT_EQ(qGray(diagram.pixel(19, 20)), 0);
    EXPECT_EQ(qGray(diagram.pixel(33, 12)), 0);
    EXPECT_EQ(qGray(diagram.pixel(33, 4)), 255);

    Button(dialog, IDOK)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(g_editLine, "[F],1,133211");
    EXPECT_EQ(g_editName, "F");
}

TEST_F(EditDlgTest, FieldsKeepTheirLimits)
{
    g_editAdding = true;
    CEditDlg dialog;
    Type(dialog, "Cmaj7 with a long name", "a1b2c3", "x0221x9");

    EXPECT_EQ(Edit(dialog, IDC_CHORD_NAME)->text(), "Cmaj7 with a long name");
    EXPECT_EQ(Edit(dialog, IDC_BASE_FRET)->text(), "12");
    EXPECT_EQ(Edit(dialog, IDC_FINGERING)->text(), "x0221x");
}

TEST_F(EditDlgTest, LiveDiagramFollowsTheFields)
{
    struct Case {
        QString baseFret, marks;
        bool grid, number;
    };
    const Case cases[] = {
        {"1", "x02220", true, false},
        {"0", "x02220", true, false},
        {"", "x02220", true, false},
        {"05", "x02220", true, true},
        {"12", "x02220", true, true},
        {"5", "x0222", false, false},
        {"5", "", false, false},
    };
    g_editAdding = true;
    CEditDlg dialog;
    for (const Case &c : cases) {
        SCOPED_TRACE((c.baseFret + " " + c.marks).toStdString());
        Type(dialog, "A", c.baseFret, c.marks);
        const QImage diagram = ControlImage(dialog, IDC_EDIT_DIAGRAM);
        EXPECT_EQ(DarkPixels(diagram, kDiagramBox) > 0, c.grid);
        EXPECT_EQ(DarkPixels(diagram, kBaseFretSquare) > 0, c.number);
    }
}

TEST_F(EditDlgTest, OnlyAFilledFingeringOrBaseFretRedrawsTheDiagram)
{
    g_editAdding = true;
    CEditDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    PaintCounter counter(dialog.GetDlgItem(IDC_EDIT_DIAGRAM));
    const auto paintsAfter = [&](int id, const QString &text) {
        counter.paints = 0;
        Edit(dialog, id)->setText(text);
        QCoreApplication::processEvents();
        return counter.paints;
    };

    EXPECT_EQ(paintsAfter(IDC_FINGERING, "x0221"), 0);
    EXPECT_GT(paintsAfter(IDC_FINGERING, "x02210"), 0);
    EXPECT_EQ(paintsAfter(IDC_FINGERING, "x0221"), 0);
    EXPECT_EQ(paintsAfter(IDC_BASE_FRET, ""), 0);
    EXPECT_GT(paintsAfter(IDC_BASE_FRET, "7"), 0);
}

TEST_F(EditDlgTest, OkComposesTheLine)
{
    g_editAdding = true;
    CEditDlg dialog;
    Type(dialog, "", "05", "x02");
    Button(dialog, IDOK)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(g_editLine, "[new],5,x02000");
    EXPECT_EQ(g_editName, "new");
}

TEST_F(EditDlgTest, RefusedMarksEndTheDialogLikeCancel)
{
    for (const QString marks : {"X02220", "x 2220", "x02227", "x0222-"}) {
        SCOPED_TRACE(marks.toStdString());
        g_editAdding = true;
        CEditDlg dialog;
        Type(dialog, "A", "1", marks);
        Button(dialog, IDOK)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(g_editLine, "untouched line");
        EXPECT_EQ(g_editName, "untouched name");
    }
}

TEST_F(EditDlgTest, CancelEscAndCloseWriteNothing)
{
    const std::function<void(CEditDlg &)> ways[] = {
        [](CEditDlg &dialog) { Button(dialog, IDCANCEL)->click(); },
        [](CEditDlg &dialog) { QTest::keyClick(Edit(dialog, IDC_CHORD_NAME), Qt::Key_Escape); },
        [](CEditDlg &dialog) { dialog.close(); },
    };
    for (const auto &leave : ways) {
        g_editAdding = true;
        CEditDlg dialog;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        Type(dialog, "G7", "1", "320001");
        leave(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(g_editLine, "untouched line");
    }
}

TEST_F(EditDlgTest, EnterPressesOk)
{
    g_editAdding = true;
    CEditDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Type(dialog, "G7", "1", "320001");
    QTest::keyClick(Edit(dialog, IDC_CHORD_NAME), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(g_editLine, "[G7],1,320001");
}
