// The document: its numbered objects, the document information, the font,
// pages and the recording of errors.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>

namespace {

constexpr char kFontName[] = "Times-Roman";
constexpr char kCreationDateFormat[] = "%Y%m%d%H%M%SZ";

int KindCode(PdfwObjectKind kind) { return static_cast<int>(kind); }

// Kinds an object may be made of: the named ones, and the placeholder only as
// object 0, so that written objects are numbered without gaps.
bool CanMake(const PdfwDocument *pdf, PdfwObjectKind kind)
{
    switch (kind) {
    case PdfwObjectKind::None:
        return pdf->objects.count == 0;
    case PdfwObjectKind::Info:
    case PdfwObjectKind::Stream:
    case PdfwObjectKind::Font:
    case PdfwObjectKind::Page:
    case PdfwObjectKind::Catalog:
    case PdfwObjectKind::PageTree:
    case PdfwObjectKind::Image:
        return true;
    }
    return false;
}

// Copies the caller's information and makes every field a terminated text.
PdfwInfo *NewInfo(const PdfwInfo *info)
{
    PdfwInfo *copy = static_cast<PdfwInfo *>(calloc(1, sizeof(PdfwInfo)));
    if (!copy)
        return nullptr;
    if (info)
        memcpy(copy, info, sizeof(PdfwInfo));
    for (char *field : {copy->creator, copy->producer, copy->title, copy->author, copy->subject, copy->creation_date})
        field[kPdfwInfoFieldSize - 1] = '\0';
    if (copy->creation_date[0] == '\0') {
        const time_t now = time(nullptr);
        tm utc;
        gmtime_r(&now, &utc);
        strftime(copy->creation_date, kPdfwInfoFieldSize, kCreationDateFormat, &utc);
    }
    return copy;
}

} // namespace

// Makes a document with its fixed objects 0 to 4.
PdfwDocument *pdfw_new_document(float width, float height, const PdfwInfo *info)
{
    PdfwDocument *pdf = static_cast<PdfwDocument *>(calloc(1, sizeof(PdfwDocument)));
    if (!pdf)
        return nullptr;
    pdf->default_page_width = width;
    pdf->default_page_height = height;

    // Without the placeholder the information would take number 0, which is never written.
    PdfwObject *info_object = pdfw_new_object(pdf, PdfwObjectKind::None) ? pdfw_new_object(pdf, PdfwObjectKind::Info)
                                                                          : nullptr;
    if (info_object)
        info_object->info = NewInfo(info);
    if (!info_object || !info_object->info || !pdfw_new_object(pdf, PdfwObjectKind::PageTree)
        || !pdfw_new_object(pdf, PdfwObjectKind::Catalog) || pdfw_use_font(pdf) < 0) {
        pdfw_free_document(pdf);
        return nullptr;
    }
    return pdf;
}

// Frees every object from number 0 upwards, then the list and the document.
void pdfw_free_document(PdfwDocument *pdf)
{
    if (!pdf)
        return;
    for (int number = 0; number < pdf->objects.count; ++number)
        pdfw_free_object(static_cast<PdfwObject *>(pdfw_chunks_get(&pdf->objects, number)));
    pdfw_chunks_free(&pdf->objects);
    free(pdf);
}

// Adds a page of the document's default size.
PdfwObject *pdfw_new_page(PdfwDocument *pdf)
{
    PdfwObject *page = pdfw_new_object(pdf, PdfwObjectKind::Page);
    if (!page)
        return nullptr;
    page->page.width = pdf->default_page_width;
    page->page.height = pdf->default_page_height;
    return page;
}

// Selects the one font the writer knows, making its object the first time.
int pdfw_use_font(PdfwDocument *pdf)
{
    if (!pdf)
        return -EINVAL;
    int last_number = 0;
    for (PdfwObject *font = pdf->first_of_kind[KindCode(PdfwObjectKind::Font)]; font; font = font->next_of_kind) {
        if (strcmp(font->font.name, kFontName) == 0) {
            pdf->current_font = font;
            return 0;
        }
        last_number = font->font.number;
    }
    PdfwObject *font = pdfw_new_object(pdf, PdfwObjectKind::Font);
    if (!font)
        return pdf->error_code;
    snprintf(font->font.name, sizeof font->font.name, "%s", kFontName);
    font->font.number = last_number + 1;
    pdf->current_font = font;
    return 0;
}

// Appends a new object, numbered by its index, and links it after the last
// object of its kind.
PdfwObject *pdfw_new_object(PdfwDocument *pdf, PdfwObjectKind kind)
{
    if (!pdf)
        return nullptr;
    const int would_be_number = pdf->objects.count + 1;
    if (!CanMake(pdf, kind)) {
        pdfw_set_error(pdf, -EINVAL, "Unable to allocate object %d of type %d: %s", would_be_number, KindCode(kind),
                       strerror(EINVAL));
        return nullptr;
    }
    PdfwObject *object = static_cast<PdfwObject *>(calloc(1, sizeof(PdfwObject)));
    if (!object) {
        const int error = errno;
        pdfw_set_error(pdf, -error, "Unable to allocate object %d of type %d: %s", would_be_number, KindCode(kind),
                       strerror(error));
        return nullptr;
    }
    object->kind = kind;
    const int number = pdfw_chunks_append(&pdf->objects, object);
    if (number < 0) {
        // Recorded, so that callers that pass the document's error code on never pass 0.
        pdfw_set_error(pdf, number, "Unable to allocate object %d of type %d: %s", would_be_number, KindCode(kind),
                       strerror(-number));
        free(object);
        return nullptr;
    }
    object->number = number;

    const int code = KindCode(kind);
    PdfwObject *previous = pdf->last_of_kind[code];
    object->previous_of_kind = previous;
    if (previous)
        previous->next_of_kind = object;
    else
        pdf->first_of_kind[code] = object;
    pdf->last_of_kind[code] = object;
    return object;
}

// Frees an object with what it owns: the information block, the heap block of
// a body, or the storage of a page's contents list.
void pdfw_free_object(PdfwObject *object)
{
    if (!object)
        return;
    switch (object->kind) {
    case PdfwObjectKind::Info:
        free(object->info);
        break;
    case PdfwObjectKind::Stream:
        pdfw_buffer_free(&object->stream.body);
        break;
    case PdfwObjectKind::Image:
        pdfw_buffer_free(&object->image.body);
        break;
    case PdfwObjectKind::Page:
        pdfw_chunks_free(&object->page.contents);
        break;
    case PdfwObjectKind::None:
    case PdfwObjectKind::Font:
    case PdfwObjectKind::Catalog:
    case PdfwObjectKind::PageTree:
        break;
    }
    free(object);
}

// Keeps the message of the last error, cut to 126 characters, and its code.
int pdfw_set_error(PdfwDocument *pdf, int code, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int length = vsnprintf(pdf->error_text, kPdfwErrorTextSize - 1, format, arguments);
    va_end(arguments);
    if (length < 0)
        pdf->error_text[0] = '\0';
    else
        pdf->error_code = code;
    return code;
}
