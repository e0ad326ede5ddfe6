#include "chordlibrary.h"
#include "editdlg.h"
#include "edithandover.h"
#include "messagebox.h"
#include "plectreldlg.h"
#include "plectrelids.h"
#include "plectreltestsupport.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace {

const QByteArray kFiveChords = "[A],1,x02220\r\n[B],1,224442\r\n[C],1,332010\r\n[D],1,x00232\r\n[E],1,022100\r\n";

// What the user types into the entry dialog before pressing OK; nothing
// typed presses Cancel.
struct Typing {
    QString name, baseFret, marks;
};

class PlectrelDlgTest : public ::testing::Test {
protected:
    PlectrelDlgTest()
    {
        SetMessageBoxAnswerer([this](const MessageBoxRequest &request) {
            boxes.push_back(request);
            return boxAnswer;
        });
        SetEditDialogRunner([this](QWidget *parent) {
            CEditDlg dialog(parent);
            entryCaptions.push_back(dialog.windowTitle());
            const int button = typing ? IDOK : IDCANCEL;
            if (typing) {
                Edit(dialog, IDC_CHORD_NAME)->setText(typing->name);
                Edit(dialog, IDC_BASE_FRET)->setText(typing->baseFret);
                Edit(dialog, IDC_FINGERING)->setText(typing->marks);
            }
            qobject_cast<QPushButton *>(dialog.GetDlgItem(button))->click();
            return dialog.result();
        });
    }
    ~PlectrelDlgTest() override
    {
        SetMessageBoxAnswerer({});
        SetEditDialogRunner({});
    }

    static QListWidget *List(const CPlectrelDlg &dialog) { return qobject_cast<QListWidget *>(dialog.GetDlgItem(IDC_CHORD_LIST)); }

    static QStringList ListTexts(const CPlectrelDlg &dialog)
    {
        QStringList texts;
        for (int row = 0; row < List(dialog)->count(); ++row)
            texts += List(dialog)->item(row)->text();
        return texts;
    }

    static QString MarksLabelText(const CPlectrelDlg &dialog)
    {
        return qobject_cast<QLabel *>(dialog.GetDlgItem(IDC_MARKS_LABEL))->text();
    }

    static int SelectedRow(const CPlectrelDlg &dialog)
    {
        const auto selected = List(dialog)->selectedItems();
        return selected.isEmpty() ? -1 : List(dialog)->row(selected.first());
    }

    TemporaryHome home;
    const QString path = ChordLibraryPath();
    std::vector<MessageBoxRequest> boxes;
    QMessageBox::StandardButton boxAnswer = QMessageBox::Ok;
    std::optional<Typing> typing;
    QStringList entryCaptions;
};

// One application message: OK, exclamation icon, the program's name as caption.
void ExpectAppMessage(const MessageBoxRequest &box, const QWidget *owner, const QString &text)
{
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.caption, "Plectrel");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
}

} // namespace

TEST_F(PlectrelDlgTest, LoadsEveryLineInFileOrderWithNothingSelected)
{
    WriteFile(path, "; my chords\n[A],1,x02220\n\n[A],1,x02220\n[B[7]],1,x21202\n[Em]1,022000\n\n\n");
    CPlectrelDlg dialog;

    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(dialog.windowTitle(), "Guitar Cantorel Plectrel");
    EXPECT_EQ(dialog.Lines(), QStringList({"; my chords\r\n", "[A],1,x02220\r\n", "\r\n", "[A],1,x02220\r\n",
                                           "[B[7]],1,x21202\r\n", "[Em]1,022000\r\n"}));
    EXPECT_EQ(ListTexts(dialog), QStringList({"; my chords", "A", "", "A", "B7", "Em"}));
    EXPECT_EQ(SelectedRow(dialog), -1);
    EXPECT_EQ(List(dialog)->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(List(dialog)->isSortingEnabled());
}

TEST_F(PlectrelDlgTest, SaveKeepsTheFileLineForLine)
{
    WriteFile(path, "; my chords\n[A],1,x02220\n\n[A],1,x02220\r\n[B],1,224442\n[C],1,332010\n\n\r\n");
    CPlectrelDlg dialog;

    // Modify of the first A, confirmed as the entry dialog shows it.
    List(dialog)->setCurrentRow(1);
    typing = Typing {"A", "1", "x02220"};
    dialog.OnModify();

    EXPECT_EQ(ReadFile(path), "; my chords\r\n[A],1,x02220\r\n\r\n[A],1,x02220\r\n[B],1,224442\r\n[C],1,332010\r\n");

    // A last line without a line end gets one.
    WriteFile(path, "[A],1,x02220\n[B],1,224442");
    CPlectrelDlg second;
    List(second)->setCurrentRow(0);
    second.OnModify();
    EXPECT_EQ(ReadFile(path), "[A],1,x02220\r\n[B],1,224442\r\n");
}

TEST_F(PlectrelDlgTest, AddNewGoesAfterTheSelectionAndIsSelected)
{
    struct Case {
        const char *label;
        QByteArray file;
        int selected;
        int newIndex;
    };
    const Case cases[] = {
        {"after the second of five", kFiveChords, 1, 2},
        {"after the last", kFiveChords, 4, 5},
        {"at the end with nothing selected", kFiveChords, -1, 5},
        {"into an empty list", "", -1, 0},
        {"into a file of only line ends", "\r\n\r\n", -1, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        WriteFile(path, c.file);
        CPlectrelDlg dialog;
        List(dialog)->setCurrentRow(c.selected);

        typing = Typing {"G7", "1", "320001"};
        dialog.OnAddNew();

        QStringList lines = QString::fromLatin1(c.file).split("\r\n", Qt::SkipEmptyParts);
        lines.insert(c.newIndex, "[G7],1,320001");
        EXPECT_EQ(ReadFile(path), (lines.join("\r\n") + "\r\n").toLatin1());
        EXPECT_EQ(dialog.Lines().at(c.newIndex), "[G7],1,320001\r\n");
        EXPECT_EQ(dialog.Lines().size(), lines.size());
        EXPECT_EQ(ListTexts(dialog).at(c.newIndex), "G7");
        EXPECT_EQ(ListTexts(dialog).size(), lines.size());
        EXPECT_EQ(SelectedRow(dialog), c.newIndex);
        EXPECT_EQ(g_editIndex, c.newIndex);
    }
    EXPECT_EQ(entryCaptions, QStringList(std::size(cases), "Add New chord"));
}

TEST_F(PlectrelDlgTest, AddNewAcceptedAtOnceStoresTheDefaults)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    typing = Typing {"new", "1", "000000"};
    dialog.OnAddNew();
    EXPECT_EQ(ReadFile(path), kFiveChords + "[new],1,000000\r\n");
}

TEST_F(PlectrelDlgTest, ModifyKeepsPlaceAndSelectionAndListsTheNameAsEntered)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    List(dialog)->setCurrentRow(2);

    typing = Typing {"C[9]", "3", "x3"};
    dialog.OnModify();

    EXPECT_EQ(entryCaptions, QStringList({"Modify chord"}));
    EXPECT_EQ(ReadFile(path), "[A],1,x02220\r\n[B],1,224442\r\n[C[9]],3,x30000\r\n[D],1,x00232\r\n[E],1,022100\r\n");
    EXPECT_EQ(ListTexts(dialog), QStringList({"A", "B", "C[9]", "D", "E"}));
    EXPECT_EQ(SelectedRow(dialog), 2);
    EXPECT_EQ(dialog.Lines().at(2), "[C[9]],3,x30000\r\n");
}

TEST_F(PlectrelDlgTest, EntryDialogCancelledOrRefusedChangesNothing)
{
    const QByteArray file = "[A],1,x02220\n[B],1,224442\n";
    WriteFile(path, file);
    CPlectrelDlg dialog;
    List(dialog)->setCurrentRow(0);

    for (const std::optional<Typing> &answer : {std::optional<Typing>(), std::optional<Typing>(Typing {"A", "1", "X02220"})}) {
        typing = answer;
        dialog.OnModify();
        dialog.OnAddNew();
    }

    EXPECT_EQ(entryCaptions.size(), 4);
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(dialog.Lines(), QStringList({"[A],1,x02220\r\n", "[B],1,224442\r\n"}));
    EXPECT_EQ(ListTexts(dialog), QStringList({"A", "B"}));
    EXPECT_EQ(SelectedRow(dialog), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PlectrelDlgTest, DeleteAsksAndRemovesTheSelectedChord)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    List(dialog)->setCurrentRow(1);

    dialog.OnDelete();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].caption, "Delete chord");
    EXPECT_EQ(boxes[0].text, "Delete the selected chord?");
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ReadFile(path), "[A],1,x02220\r\n[C],1,332010\r\n[D],1,x00232\r\n[E],1,022100\r\n");
    EXPECT_EQ(ListTexts(dialog), QStringList({"A", "C", "D", "E"}));
    EXPECT_EQ(dialog.Lines().size(), 4);
    EXPECT_EQ(SelectedRow(dialog), -1);
    EXPECT_EQ(MarksLabelText(dialog), "");
}

TEST_F(PlectrelDlgTest, DeleteCancelledChangesNothing)
{
    const QByteArray file = "[A],1,x02220\n[B],1,224442\n";
    WriteFile(path, file);
    CPlectrelDlg dialog;
    List(dialog)->setCurrentRow(1);

    boxAnswer = QMessageBox::Cancel;
    dialog.OnDelete();

    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(ListTexts(dialog), QStringList({"A", "B"}));
    EXPECT_EQ(SelectedRow(dialog), 1);
}

TEST_F(PlectrelDlgTest, DeletingTheLastChordLeavesAnEmptyFile)
{
    WriteFile(path, "[A],1,x02220\r\n");
    CPlectrelDlg dialog;
    List(dialog)->setCurrentRow(0);
    dialog.OnDelete();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(ReadFile(path), "");
    EXPECT_TRUE(dialog.Lines().isEmpty());
}

TEST_F(PlectrelDlgTest, ModifyAndDeleteWithoutSelectionSaySo)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    typing = Typing {"X", "1", "000000"};

    dialog.OnModify();
    dialog.OnDelete();

    ASSERT_EQ(boxes.size(), 2u);
    ExpectAppMessage(boxes[0], &dialog, "No chord selected to modify!");
    ExpectAppMessage(boxes[1], &dialog, "No chord selected!");
    EXPECT_TRUE(entryCaptions.isEmpty());
    EXPECT_EQ(ReadFile(path), kFiveChords);
}

TEST_F(PlectrelDlgTest, MissingLibraryIsCreatedWithItsFolderByTheFirstAdd)
{
    CPlectrelDlg dialog;

    ASSERT_EQ(boxes.size(), 1u);
    ExpectAppMessage(boxes[0], &dialog, "Could not open chord file!");
    EXPECT_EQ(List(dialog)->count(), 0);
    EXPECT_FALSE(QFile::exists(ChordLibraryFolder()));

    typing = Typing {"new", "1", "000000"};
    dialog.OnAddNew();

    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(ReadFile(path), "[new],1,000000\r\n");
    EXPECT_EQ(ListTexts(dialog), QStringList({"new"}));
    EXPECT_EQ(SelectedRow(dialog), 0);
}

TEST_F(PlectrelDlgTest, FailedRewriteSaysWhyAndKeepsTheChange)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    List(dialog)->setCurrentRow(4);

    // Let no file grow past the library's present size, as on a full disk.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit {};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit smallLimit = oldLimit;
    smallLimit.rlim_cur = kFiveChords.size();
    setrlimit(RLIMIT_FSIZE, &smallLimit);

    typing = Typing {"F", "1", "133211"};
    dialog.OnAddNew();

    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Plectrel");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes[0].text.startsWith("Could not write " + path + ": ")) << boxes[0].text.toStdString();
    EXPECT_EQ(ReadFile(path), kFiveChords);
    EXPECT_EQ(ListTexts(dialog), QStringList({"A", "B", "C", "D", "E", "F"}));
    EXPECT_EQ(dialog.Lines().last(), "[F],1,133211\r\n");

    // The next change writes everything.
    List(dialog)->setCurrentRow(0);
    dialog.OnDelete();
    EXPECT_EQ(ReadFile(path), "[B],1,224442\r\n[C],1,332010\r\n[D],1,x00232\r\n[E],1,022100\r\n[F],1,133211\r\n");
}

TEST_F(PlectrelDlgTest, FailedRewriteIntoAnUnusableFolderSaysWhy)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    // The folder gives way to a file of that name while the editor runs.
    ASSERT_TRUE(QDir(ChordLibraryFolder()).removeRecursively());
    WriteFile(ChordLibraryFolder(), "not a folder");

    List(dialog)->setCurrentRow(0);
    dialog.OnDelete();

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].text.startsWith("Could not write " + path + ": ")) << boxes[1].text.toStdString();
    EXPECT_EQ(ListTexts(dialog), QStringList({"B", "C", "D", "E"}));
    EXPECT_EQ(ReadFile(ChordLibraryFolder()), "not a folder");
}

TEST_F(PlectrelDlgTest, PreviewShowsTheSelectedChordOverTheBackground)
{
    WriteFile(path, "[C],1,332010\r\n[Dadd2],10,x00210\r\n; my chords\r\n");
    CPlectrelDlg dialog;
    const QRgb background = ControlImage(dialog, IDC_DIAGRAM).pixel(0, 0);

    // Nothing selected: no picture, no label.
    QImage preview = ControlImage(dialog, IDC_DIAGRAM);
    EXPECT_EQ(DarkPixels(preview, preview.rect()), 0);
    EXPECT_EQ(MarksLabelText(dialog), "");

    List(dialog)->setCurrentRow(0);
    preview = ControlImage(dialog, IDC_DIAGRAM);
    EXPECT_EQ(MarksLabelText(dialog), "       o  o");
    EXPECT_EQ(qGray(preview.pixel(12, 20)), 0);  // the dot of the lowest string in row 3
    EXPECT_EQ(preview.pixel(24, 4), qRgb(255, 255, 255));
    EXPECT_EQ(DarkPixels(preview, kBaseFretSquare), 0);
    EXPECT_EQ(preview.pixel(kDiagramBox.right() + 2, 20), background);

    List(dialog)->setCurrentRow(1);
    preview = ControlImage(dialog, IDC_DIAGRAM);
    EXPECT_EQ(MarksLabelText(dialog), "xoo     o");
    EXPECT_GT(DarkPixels(preview, kBaseFretSquare), 0);

    // A line without "]" has no fields to show.
    List(dialog)->setCurrentRow(2);
    ControlImage(dialog, IDC_DIAGRAM);
    EXPECT_EQ(MarksLabelText(dialog), "xxx xxx");

    dialog.OnDelete();
    preview = ControlImage(dialog, IDC_DIAGRAM);
    EXPECT_EQ(MarksLabelText(dialog), "");
    EXPECT_EQ(DarkPixels(preview, preview.rect()), 0);
}

TEST_F(PlectrelDlgTest, ExitEscAndEnterEndTheEditor)
{
    WriteFile(path, kFiveChords);
    const std::function<void(CPlectrelDlg &)> ways[] = {
        [](CPlectrelDlg &dialog) { qobject_cast<QPushButton *>(dialog.GetDlgItem(IDCANCEL))->click(); },
        [](CPlectrelDlg &dialog) { QTest::keyClick(List(dialog), Qt::Key_Escape); },
        [](CPlectrelDlg &dialog) { QTest::keyClick(List(dialog), Qt::Key_Return); },
    };
    for (const auto &leave : ways) {
        CPlectrelDlg dialog;
        EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        leave(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(ReadFile(path), kFiveChords);
    }
}

TEST_F(PlectrelDlgTest, AboutShowsTheNameAndVersion)
{
    WriteFile(path, kFiveChords);
    CPlectrelDlg dialog;
    QString caption;
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget *about = QApplication::activeModalWidget();
        ASSERT_TRUE(about);
        caption = about->windowTitle();
        for (const QLabel *label : about->findChildren<QLabel *>())
            texts += label->pixmap().isNull() ? label->text() : QStringLiteral("icon");
        QTest::keyClick(about, Qt::Key_Return);
    });
    qobject_cast<QPushButton *>(dialog.GetDlgItem(IDM_ABOUTBOX))->click();
    EXPECT_EQ(caption, "About Plectrel");
    EXPECT_EQ(texts, QStringList({"icon", "Plectrel, Version 1.0"}));
}
