// Writing the document as a PDF 1.3 file: header, objects in number order,
// cross-reference table and trailer.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <ctime>

namespace {

constexpr int kOpacitySteps = 16;

// Writes formatted text and counts its bytes.
__attribute__((format(printf, 2, 3))) void Print(PdfwOutput *out, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int written = vfprintf(out->file, format, arguments);
    va_end(arguments);
    if (written > 0)
        out->position += written;
}

void Write(PdfwOutput *out, const PdfwBuffer &body)
{
    out->position += static_cast<long>(fwrite(pdfw_buffer_data(&body), 1, body.length, out->file));
}

PdfwObject *FirstOfKind(const PdfwDocument *pdf, PdfwObjectKind kind)
{
    return pdf->first_of_kind[static_cast<int>(kind)];
}

int FirstNumber(const PdfwDocument *pdf, PdfwObjectKind kind)
{
    const PdfwObject *object = FirstOfKind(pdf, kind);
    return object ? object->number : 0;
}

// The text as a PDF literal string: backslash and both parentheses escaped,
// so that no title can end the string early or add dictionary entries.
void EscapeLiteral(const char *text, char (&escaped)[2 * kPdfwInfoFieldSize])
{
    char *out = escaped;
    for (const char *c = text; *c; ++c) {
        if (*c == '\\' || *c == '(' || *c == ')')
            *out++ = '\\';
        *out++ = *c;
    }
    *out = '\0';
}

void WriteInfo(PdfwOutput *out, const PdfwInfo &info)
{
    const struct {
        const char *line;
        const char *text;
    } entries[] = {
        {"  /Creator (%s)\r\n", info.creator},   {"  /Producer (%s)\r\n", info.producer},
        {"  /Title (%s)\r\n", info.title},       {"  /Author (%s)\r\n", info.author},
        {"  /Subject (%s)\r\n", info.subject},   {"  /CreationDate (D:%s)\r\n", info.creation_date},
    };
    Print(out, "<<\r\n");
    for (const auto &entry : entries) {
        if (entry.text[0] == '\0')
            continue;
        char escaped[2 * kPdfwInfoFieldSize];
        EscapeLiteral(entry.text, escaped);
        Print(out, entry.line, escaped);
    }
    Print(out, ">>\r\n");
}

void WritePageTree(PdfwOutput *out, const PdfwDocument *pdf)
{
    Print(out, "<<\r\n  /Type /Pages\r\n  /Kids [ ");
    int pages = 0;
    for (const PdfwObject *page = FirstOfKind(pdf, PdfwObjectKind::Page); page; page = page->next_of_kind, ++pages)
        Print(out, "%d 0 R ", page->number);
    Print(out, "]\r\n");
    Print(out, "  /Count %d\r\n", pages);
    Print(out, ">>\r\n");
}

void WritePage(PdfwOutput *out, const PdfwDocument *pdf, const PdfwObject *page)
{
    Print(out, "<<\r\n  /Type /Page\r\n  /Parent %d 0 R\r\n", FirstNumber(pdf, PdfwObjectKind::PageTree));
    Print(out, "  /MediaBox [0 0 %f %f]\r\n", double(page->page.width), double(page->page.height));
    Print(out, "  /Resources <<\r\n");

    Print(out, "    /Font <<\r\n");
    for (const PdfwObject *font = FirstOfKind(pdf, PdfwObjectKind::Font); font; font = font->next_of_kind)
        Print(out, "      /F%d %d 0 R\r\n", font->font.number, font->number);
    Print(out, "    >>\r\n");

    Print(out, "    /ExtGState <<\r\n");
    for (int step = 0; step < kOpacitySteps; ++step) {
        const float opacity = float(kOpacitySteps - 1 - step) / float(kOpacitySteps - 1);
        Print(out, "      /GS%d <</ca %f>>\r\n", step, double(opacity));
    }
    Print(out, "    >>\r\n");

    bool has_images = false;
    for (const PdfwObject *image = FirstOfKind(pdf, PdfwObjectKind::Image); image; image = image->next_of_kind) {
        if (image->image.page != page)
            continue;
        if (!has_images)
            Print(out, "    /XObject <<");
        has_images = true;
        Print(out, "      /Image%d %d 0 R ", image->number, image->number);
    }
    if (has_images)
        Print(out, "    >>\r\n");
    Print(out, "  >>\r\n");

    Print(out, "  /Contents [\r\n");
    for (int position = 0; position < page->page.contents.count; ++position) {
        const auto *stream = static_cast<const PdfwObject *>(pdfw_chunks_get(&page->page.contents, position));
        Print(out, "%d 0 R\r\n", stream->number);
    }
    Print(out, "]\r\n");
    Print(out, ">>\r\n");
}

void WriteBody(PdfwOutput *out, const PdfwDocument *pdf, const PdfwObject *object)
{
    switch (object->kind) {
    case PdfwObjectKind::Info:
        WriteInfo(out, *object->info);
        break;
    case PdfwObjectKind::PageTree:
        WritePageTree(out, pdf);
        break;
    case PdfwObjectKind::Catalog:
        Print(out, "<<\r\n  /Type /Catalog\r\n");
        Print(out, "  /Pages %d 0 R\r\n>>\r\n", FirstNumber(pdf, PdfwObjectKind::PageTree));
        break;
    case PdfwObjectKind::Font:
        Print(out, "<<\r\n  /Type /Font\r\n  /Subtype /Type1\r\n  /BaseFont /%s\r\n  /Encoding /WinAnsiEncoding\r\n>>\r\n",
              object->font.name);
        break;
    case PdfwObjectKind::Page:
        WritePage(out, pdf, object);
        break;
    case PdfwObjectKind::Stream:
        Write(out, object->stream.body);
        break;
    case PdfwObjectKind::Image:
        Write(out, object->image.body);
        break;
    case PdfwObjectKind::None:
        break;
    }
}

// First identifier half: the stored information block and the object count.
uint64_t InfoHash(const PdfwDocument *pdf, int objects_written)
{
    const PdfwObject *info = FirstOfKind(pdf, PdfwObjectKind::Info);
    const uint64_t hash = info ? pdfw_hash(kPdfwHashStart, info->info, sizeof(PdfwInfo)) : kPdfwHashStart;
    const auto count = static_cast<uint32_t>(objects_written);
    const uint8_t count_bytes[4] = {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24)};
    return pdfw_hash(hash, count_bytes, sizeof count_bytes);
}

// Second identifier half: the second at which writing began.
uint64_t TimeHash(int64_t seconds)
{
    uint8_t time_bytes[8];
    for (int i = 0; i < 8; ++i)
        time_bytes[i] = uint8_t(uint64_t(seconds) >> (8 * i));
    return pdfw_hash(kPdfwHashStart, time_bytes, sizeof time_bytes);
}

// The errno of a failed write or close of the stream, or 0.
int StreamError(FILE *file, bool close)
{
    int error = ferror(file) ? (errno ? errno : EIO) : 0;
    if ((close ? fclose(file) : fflush(file)) != 0)
        error = errno;
    return error;
}

} // namespace

// Writes header, objects, cross-reference table and trailer.
int pdfw_write_document(PdfwDocument *pdf, FILE *out)
{
    if (!pdf || !out)
        return -EINVAL;
    const int64_t started = time(nullptr);
    const long start = ftell(out);
    PdfwOutput output{out, start < 0 ? 0 : start};

    Print(&output, "%%PDF-1.3\r\n");
    Print(&output, "%c%c%c%c%c\r\n", 37, 199, 236, 143, 162);
    int written = 0;
    for (int number = 0; number < pdf->objects.count; ++number) {
        if (pdfw_write_object(pdf, &output, number) >= 0)
            ++written;
    }

    const long xref_offset = output.position;
    Print(&output, "xref\r\n");
    Print(&output, "0 %d\r\n", written + 1);
    Print(&output, "0000000000 65535 f\r\n");
    for (int number = 0; number < pdf->objects.count; ++number) {
        const auto *object = static_cast<const PdfwObject *>(pdfw_chunks_get(&pdf->objects, number));
        if (object->kind != PdfwObjectKind::None)
            Print(&output, "%10.10ld 00000 n\r\n", object->file_offset);
    }

    Print(&output, "trailer\r\n<<\r\n/Size %d\r\n", written + 1);
    Print(&output, "/Root %d 0 R\r\n", FirstNumber(pdf, PdfwObjectKind::Catalog));
    Print(&output, "/Info %d 0 R\r\n", FirstNumber(pdf, PdfwObjectKind::Info));
    Print(&output, "/ID [<%16.16llx> <%16.16llx>]\r\n", static_cast<unsigned long long>(InfoHash(pdf, written)),
          static_cast<unsigned long long>(TimeHash(started)));
    Print(&output, ">>\r\nstartxref\r\n");
    Print(&output, "%ld\r\n", xref_offset);
    Print(&output, "%%%%EOF\r\n");
    return 0;
}

// Writes one object and records where it starts.
int pdfw_write_object(PdfwDocument *pdf, PdfwOutput *out, int number)
{
    auto *object = static_cast<PdfwObject *>(pdfw_chunks_get(&pdf->objects, number));
    if (number >= pdf->objects.count || !object || object->kind == PdfwObjectKind::None)
        return -ENOENT;
    // Page sizes and opacities are reals, written with a full stop.
    PdfwCLocaleScope c_locale;
    object->file_offset = out->position;
    Print(out, "%d 0 obj\r\n", number);
    WriteBody(out, pdf, object);
    Print(out, "endobj\r\n");
    return 0;
}

// Writes the document to a new file, or to standard output without a path.
int pdfw_save_to_path(PdfwDocument *pdf, const char *path)
{
    if (!pdf)
        return -EINVAL;
    FILE *file = path ? fopen(path, "wb") : stdout;
    if (!file) {
        const int error = errno;
        return pdfw_set_error(pdf, -error, "Unable to open '%s': %s", path, strerror(error));
    }
    errno = 0;
    const int result = pdfw_write_document(pdf, file);
    // A write that failed before the last buffer was flushed shows only in the
    // stream's error flag, so that is checked as well as the close.
    const int error = StreamError(file, path != nullptr);
    if (error != 0 && path)
        return pdfw_set_error(pdf, -error, "Unable to close '%s': %s", path, strerror(error));
    if (error != 0)
        return pdfw_set_error(pdf, -error, "Unable to write to standard output: %s", strerror(error));
    return result;
}

// The identifier hash: h = (h without its top 6 bits) * 32 + (h without its
// top bit) + byte, wrapping.
uint64_t pdfw_hash(uint64_t hash, const void *bytes, size_t count)
{
    const auto *byte = static_cast<const uint8_t *>(bytes);
    for (size_t i = 0; i < count; ++i)
        hash = ((hash & (UINT64_MAX >> 6)) << 5) + (hash & (UINT64_MAX >> 1)) + byte[i];
    return hash;
}
