#include "cantoreldoc.h"
#include "cantorelview.h"
#include "chordlibrary.h"
#include "modaldialogs.h"
#include "resourceids.h"
#include "testsupport.h"
#include "viewcontrols.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// A view on a fresh document, laid out, with a library of our own.
class CantorelViewTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CCantorelDoc document;
    CCantorelView view{&document};

    void SetUp() override
    {
        WriteLibrary("[A],1,x02220\r\n"
                     "[B7],2,x21232,extra\r\n"
                     "[C]1,332010\r\n"
                     "[D],1,x00232\r\n");
        view.OnInitialUpdate();
    }
    void TearDown() override { SetModalAnswerer({}); }

    void WriteLibrary(const QByteArray &lines) { WriteFile(ChordLibraryPath(), lines); }

    // Opens a song as File Open does: read, then the initial update.
    void Open(const QByteArray &songText)
    {
        const QString path = home.path() + "/song.cho";
        WriteFile(path, songText);
        ASSERT_TRUE(document.OnOpenDocument(path));
        view.OnInitialUpdate();
    }

    QString NameBoxText(int slot) const
    {
        return static_cast<CNameBox *>(view.GetDlgItem(IDC_NAME_BOX_FIRST + slot))->toPlainText();
    }

    QImage Render(int id)
    {
        QWidget *control = view.GetDlgItem(id);
        QImage image(control->size(), QImage::Format_RGB32);
        image.fill(Qt::red);
        control->render(&image);
        return image;
    }
};

bool IsAllWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace

TEST_F(CantorelViewTest, FirstLayoutPlacesTheSongAreaAndTwoRowsOfTenSlots)
{
    EXPECT_EQ(view.size(), QSize(734, 981));
    EXPECT_FALSE(view.m_bFirstLayout);
    EXPECT_EQ(view.GetDlgItem(IDC_SONG_AREA)->geometry(), QRect(48, 48, 638, 733));
    EXPECT_EQ(document.m_rcText, (Rect{0, 0, 638, 733}));
    for (int slot = 0; slot < 20; ++slot) {
        SCOPED_TRACE(slot);
        const int column = slot % 10;
        const int row = slot / 10;
        EXPECT_EQ(view.GetDlgItem(IDC_DIAGRAM_FIRST + slot)->geometry(),
                  QRect(48 + 64 * column, 817 + 80 * row, 66, 44));
        EXPECT_EQ(view.GetDlgItem(IDC_NAME_BOX_FIRST + slot)->geometry(),
                  QRect(42 + 64 * column, 787 + 80 * row, 76, 30));
    }
    EXPECT_EQ(view.GetDlgItem(1000), nullptr);
    EXPECT_EQ(view.GetDlgItem(1021), nullptr);
    EXPECT_EQ(view.GetDlgItem(1052), nullptr);
}

TEST_F(CantorelViewTest, FirstLayoutHappensOnceAndFillsNoNameBox)
{
    EXPECT_EQ(NameBoxText(0), "");
    view.GetDlgItem(IDC_SONG_AREA)->resize(10, 10);
    Open("[A]la\n");
    EXPECT_EQ(view.GetDlgItem(IDC_SONG_AREA)->size(), QSize(10, 10));
}

TEST_F(CantorelViewTest, NameBoxesShowTheNameAndTheOpenAndMutedStrings)
{
    Open("[A]la [B7]li [C]lo\n");
    ASSERT_EQ(document.m_nChords, 3);
    EXPECT_EQ(NameBoxText(0), "A\nxo       o");
    EXPECT_EQ(NameBoxText(1), "B7\nx           ");
    EXPECT_EQ(NameBoxText(2), "C\n       o  o");
    for (int slot = 3; slot < 20; ++slot)
        EXPECT_EQ(NameBoxText(slot), " ") << slot;
}

TEST_F(CantorelViewTest, NameBoxesAreCaretFreeReadOnlyAndOnlyTheFirstWraps)
{
    for (int slot = 0; slot < 20; ++slot) {
        SCOPED_TRACE(slot);
        auto *box = static_cast<CNameBox *>(view.GetDlgItem(IDC_NAME_BOX_FIRST + slot));
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_FALSE(box->textInteractionFlags() & (Qt::TextEditable | Qt::TextSelectableByKeyboard));
        EXPECT_EQ(box->lineWrapMode(), slot == 0 ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        EXPECT_EQ(box->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    }
}

TEST_F(CantorelViewTest, OnlySlotsBelowTheCountWithTwoCommasDrawADiagram)
{
    Open("[A]la [B7]li [C]lo\n");
    EXPECT_FALSE(IsAllWhite(Render(IDC_DIAGRAM_FIRST)));     // [A],1,x02220
    EXPECT_TRUE(IsAllWhite(Render(IDC_DIAGRAM_FIRST + 1))); // three commas
    EXPECT_TRUE(IsAllWhite(Render(IDC_DIAGRAM_FIRST + 2))); // one comma
    for (int slot = 3; slot < 20; ++slot)
        EXPECT_TRUE(IsAllWhite(Render(IDC_DIAGRAM_FIRST + slot))) << slot;
}

TEST_F(CantorelViewTest, TheSongAreaIsWhiteWithoutASongAndDrawnWithOne)
{
    EXPECT_TRUE(IsAllWhite(Render(IDC_SONG_AREA)));
    Open("{t:Hello}\n[A]la la\n");
    EXPECT_FALSE(IsAllWhite(Render(IDC_SONG_AREA)));
}

TEST_F(CantorelViewTest, LargerAndSmallerChangeTheFontHeightWithoutBound)
{
    document.m_nFontHeight = -8;
    for (int i = 0; i < 5; ++i)
        view.OnFontLarger();
    EXPECT_EQ(document.m_nFontHeight, -18);

    document.m_nFontHeight = -8;
    for (int i = 0; i < 6; ++i)
        view.OnFontSmaller();
    EXPECT_EQ(document.m_nFontHeight, 4);
}

TEST_F(CantorelViewTest, RefreshReadsTheSongAndTheLibraryAgain)
{
    Open("[A]la [D]li\n");
    view.OnFontLarger();
    WriteLibrary("[D],5,x00232\r\n[A],1,x02220\r\n");

    view.OnRefresh();
    ASSERT_EQ(document.m_nChords, 2);
    EXPECT_EQ(document.m_strChords[0], "[D],5,x00232");
    EXPECT_EQ(document.m_strChords[1], "[A],1,x02220");
    EXPECT_EQ(document.m_nFontHeight, -400);
    EXPECT_EQ(NameBoxText(0), "D\nxoo       ");
    EXPECT_EQ(NameBoxText(1), "A\nxo       o");
}

TEST_F(CantorelViewTest, RefreshWithoutASongReportsTheFailure)
{
    QStringList messages;
    SetModalAnswerer([&](QDialog &dialog) {
        messages << static_cast<QMessageBox &>(dialog).text();
        return int(QMessageBox::Ok);
    });
    view.OnRefresh();
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(CantorelViewTest, HelpShowsThePageBesideTheProgram)
{
    // The test executables live beside cantorel.html in the build.
    QStringList messages;
    SetModalAnswerer([&](QDialog &dialog) {
        messages << static_cast<QMessageBox &>(dialog).text();
        return int(QMessageBox::Ok);
    });
    view.OnHelpFile();
    const QList<QTextBrowser *> helpWindows = view.findChildren<QTextBrowser *>();
    ASSERT_EQ(helpWindows.size(), 1);
    EXPECT_TRUE(helpWindows.first()->isVisible());
    EXPECT_TRUE(helpWindows.first()->source().toLocalFile().endsWith("/cantorel.html"));
    EXPECT_TRUE(helpWindows.first()->toPlainText().contains("Guitar Cantorel"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CantorelViewTest, DraggingTheSheetMovesTheWindowButAClickInANameBoxDoesNot)
{
    view.show();
    view.move(100, 100);
    const QPoint start(300, 400);
    QMouseEvent press(QEvent::MouseButtonPress, start, view.mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    EXPECT_TRUE(view.m_bDragging);
    EXPECT_EQ(view.m_ptDragStart, start);

    const QPoint moved(270, 450);
    QMouseEvent move(QEvent::MouseMove, moved, view.mapToGlobal(moved), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_EQ(view.pos(), QPoint(70, 150));

    QMouseEvent release(QEvent::MouseButtonRelease, moved, view.mapToGlobal(moved), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &release);
    EXPECT_FALSE(view.m_bDragging);

    auto *box = static_cast<CNameBox *>(view.GetDlgItem(IDC_NAME_BOX_FIRST));
    const QPoint inBox(10, 10);
    QMouseEvent boxPress(QEvent::MouseButtonPress, inBox, box->viewport()->mapToGlobal(inBox), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &boxPress);
    EXPECT_FALSE(view.m_bDragging);
}
