// The PDF writer's object store: documents, objects, the font, the
// containers and error recording.
#include "pdfwtestsupport.h"
#include "testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

TEST(PdfwDocument, NewDocumentHoldsObjectsZeroToFour)
{
    PdfwDocumentPtr pdf(pdfw_new_document(200.5f, 300.25f, nullptr));
    ASSERT_TRUE(pdf);
    const PdfwObjectKind kinds[] = {PdfwObjectKind::None, PdfwObjectKind::Info, PdfwObjectKind::PageTree,
                                    PdfwObjectKind::Catalog, PdfwObjectKind::Font};
    ASSERT_EQ(pdf->objects.count, 5);
    for (int number = 0; number < 5; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(ObjectAt(pdf.get(), number)->kind, kinds[number]);
        EXPECT_EQ(ObjectAt(pdf.get(), number)->number, number);
    }
    const PdfwObject *font = ObjectAt(pdf.get(), 4);
    EXPECT_STREQ(font->font.name, "Times-Roman");
    EXPECT_EQ(font->font.number, 1);
    EXPECT_EQ(pdf->current_font, font);
    EXPECT_EQ(pdf->error_code, 0);

    EXPECT_EQ(pdfw_use_font(pdf.get()), 0);
    EXPECT_EQ(pdf->objects.count, 5);

    PdfwObject *first = pdfw_new_page(pdf.get());
    PdfwObject *second = pdfw_new_page(pdf.get());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->number, 5);
    EXPECT_EQ(first->page.width, 200.5f);
    EXPECT_EQ(first->page.height, 300.25f);
    const int page = static_cast<int>(PdfwObjectKind::Page);
    EXPECT_EQ(pdf->first_of_kind[page], first);
    EXPECT_EQ(pdf->last_of_kind[page], second);
    EXPECT_EQ(first->next_of_kind, second);
    EXPECT_EQ(second->previous_of_kind, first);
}

TEST(PdfwDocument, InformationIsCutAndDated)
{
    PdfwInfo info{};
    memset(info.title, 'T', sizeof info.title);  // 64 characters, no NUL
    strcpy(info.author, "Pellandor");
    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, &info));
    ASSERT_TRUE(pdf);
    const PdfwInfo &stored = *ObjectAt(pdf.get(), 1)->info;
    EXPECT_EQ(QByteArray(stored.title), QByteArray(63, 'T'));
    EXPECT_STREQ(stored.author, "Pellandor");
    // An empty creation date becomes the current UTC time, 15 characters ending in Z.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}Z$")).match(QString::fromLatin1(stored.creation_date)).hasMatch())
        << stored.creation_date;

    strcpy(info.creation_date, "Today");
    PdfwDocumentPtr dated(pdfw_new_document(kA4Width, kA4Height, &info));
    EXPECT_STREQ(ObjectAt(dated.get(), 1)->info->creation_date, "Today");
}

TEST(PdfwDocument, ErrorTextIsCutAt126Characters)
{
    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, nullptr));
    const std::string message(200, 'e');
    EXPECT_EQ(pdfw_set_error(pdf.get(), -22, "%s", message.c_str()), -22);
    EXPECT_EQ(pdf->error_code, -22);
    EXPECT_EQ(std::string(pdf->error_text), std::string(126, 'e'));
}

TEST(PdfwDocument, ObjectsOfNoKindAreRefused)
{
    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, nullptr));
    for (int code : {0, 5, 6, 10, 11, -1}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(pdfw_new_object(pdf.get(), static_cast<PdfwObjectKind>(code)), nullptr);
        EXPECT_EQ(pdf->error_code, -22);
        EXPECT_EQ(QByteArray(pdf->error_text),
                  QStringLiteral("Unable to allocate object 6 of type %1: Invalid argument").arg(code).toUtf8());
    }
    EXPECT_EQ(pdf->objects.count, 5);
    EXPECT_EQ(pdfw_new_object(nullptr, PdfwObjectKind::Page), nullptr);
    pdfw_free_document(nullptr);
}

TEST(PdfwChunkList, EntriesCrossIntoTheSecondChunk)
{
    PdfwChunkList list{};
    int entries[1025];
    for (int i = 0; i < 1025; ++i)
        ASSERT_EQ(pdfw_chunks_append(&list, &entries[i]), i);
    EXPECT_EQ(list.chunk_count, 2);
    EXPECT_EQ(pdfw_chunks_get(&list, 1023), &entries[1023]);
    EXPECT_EQ(pdfw_chunks_get(&list, 1024), &entries[1024]);
    EXPECT_EQ(list.chunks[0][1023], &entries[1023]);
    EXPECT_EQ(list.chunks[1][0], &entries[1024]);
    EXPECT_EQ(pdfw_chunks_get(&list, 3071), nullptr);  // in chunk 1, never appended
    EXPECT_EQ(pdfw_chunks_get(&list, 3072), nullptr);  // chunk 2 is not allocated
    EXPECT_EQ(pdfw_chunks_get(&list, -1), nullptr);
    pdfw_chunks_free(&list);
}

TEST(PdfwChunkList, FullListRefusesAppend)
{
    // A list that holds its 33,553,408 entries; the checks come before any chunk is touched.
    PdfwChunkList full{nullptr, kPdfwChunkListCapacity, 15};
    int entry = 0;
    EXPECT_EQ(pdfw_chunks_append(&full, &entry), -22);
    EXPECT_EQ(full.count, kPdfwChunkListCapacity);
    EXPECT_EQ(full.chunk_count, 15);
    EXPECT_EQ(pdfw_chunks_get(&full, kPdfwChunkListCapacity), nullptr);
}

TEST(PdfwBuffer, GrowsFromInlineToHeap)
{
    PdfwBuffer buffer{};
    const QByteArray text(127, 'x');
    EXPECT_EQ(pdfw_buffer_append(&buffer, text.constData(), 127), 127);
    EXPECT_EQ(buffer.capacity, 128u);
    EXPECT_EQ(buffer.heap, nullptr);
    EXPECT_EQ(pdfw_buffer_printf(&buffer, "%c", 'y'), 1);
    EXPECT_EQ(buffer.capacity, 4225u);
    ASSERT_NE(buffer.heap, nullptr);
    EXPECT_EQ(buffer.length, 128u);
    EXPECT_EQ(QByteArray(pdfw_buffer_data(&buffer)), text + 'y');  // NUL-terminated
    EXPECT_EQ(pdfw_buffer_reserve(&buffer, 4225), 0);
    EXPECT_EQ(buffer.capacity, 4225u);

    pdfw_buffer_free(&buffer);
    EXPECT_EQ(buffer.heap, nullptr);
    EXPECT_EQ(buffer.capacity, 0u);
    EXPECT_EQ(buffer.length, 0u);
    EXPECT_EQ(pdfw_buffer_reserve(&buffer, size_t(1) << 40), -12);
    EXPECT_EQ(buffer.capacity, 0u);
}

// A locale that writes reals with a decimal comma, made for the test.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        const int made = QProcess::execute(QStringLiteral("localedef"),
                                           {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                                            QStringLiteral("UTF-8"), m_folder.filePath(QStringLiteral("de_DE.UTF-8"))});
        ASSERT_EQ(made, 0);
        qputenv("LOCPATH", QFile::encodeName(m_folder.path()));
        ASSERT_TRUE(setlocale(LC_NUMERIC, "de_DE.UTF-8"));
    }
    void TearDown() override
    {
        setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
    }

    QTemporaryDir m_folder;
};

TEST_F(CommaLocale, RealsAreWrittenWithAFullStopAndTheLocaleIsKept)
{
    PdfwBuffer buffer{};
    EXPECT_EQ(pdfw_buffer_printf(&buffer, "%f", 605.0), 10);
    EXPECT_STREQ(pdfw_buffer_data(&buffer), "605.000000");
    pdfw_buffer_free(&buffer);

    PdfwDocumentPtr pdf = NewExportDocument();
    EXPECT_TRUE(SavedPdf(pdf.get()).contains("/MediaBox [0 0 595.275574 841.889771]"));

    EXPECT_STREQ(setlocale(LC_NUMERIC, nullptr), "de_DE.UTF-8");
    char text[16];
    snprintf(text, sizeof text, "%.1f", 1.5);
    EXPECT_STREQ(text, "1,5");
}
