// Drawing on a page: content streams, and the one that paints an image.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr char kEndStream[] = "\r\nendstream\r\n";

PdfwObject *CurrentPage(const PdfwDocument *pdf) { return pdf->last_of_kind[static_cast<int>(PdfwObjectKind::Page)]; }

} // namespace

// Paints the image on the current page: scaled to the display size, its lower
// left corner at x, y.
int pdfw_draw_image(PdfwDocument *pdf, PdfwObject *image, float x, float y, float display_width, float display_height)
{
    if (!pdf)
        return -EINVAL;
    if (!image || image->kind != PdfwObjectKind::Image)
        return pdfw_set_error(pdf, -EINVAL, "Invalid image object");
    PdfwObject *page = CurrentPage(pdf);
    if (!page)
        return pdfw_set_error(pdf, -EINVAL, "Invalid pdf page");
    image->image.page = page;

    PdfwBuffer text{};
    int result = pdfw_buffer_printf(&text, "q %f 0 0 %f %f %f cm /Image%d Do Q", double(display_width),
                                    double(display_height), double(x), double(y), image->number);
    if (result >= 0)
        result = pdfw_add_content(pdf, page, pdfw_buffer_data(&text));
    pdfw_buffer_free(&text);
    return result;
}

// Adds a content stream holding the operator text to the page's contents.
int pdfw_add_content(PdfwDocument *pdf, PdfwObject *page, const char *text)
{
    if (!pdf)
        return -EINVAL;
    if (!page)
        page = CurrentPage(pdf);
    if (!page || page->kind != PdfwObjectKind::Page)
        return pdfw_set_error(pdf, -EINVAL, "Invalid pdf page");
    if (!text)
        return pdfw_set_error(pdf, -EINVAL, "Invalid content text");
    size_t length = strlen(text);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n'))
        --length;

    // The body is complete before the object is made, so that no stream is
    // left with half a body.
    PdfwBuffer body{};
    if (pdfw_buffer_printf(&body, "<< /Length %zu >>stream\r\n", length) < 0 || pdfw_buffer_append(&body, text, length) < 0
        || pdfw_buffer_append(&body, kEndStream, sizeof kEndStream - 1) < 0) {
        pdfw_buffer_free(&body);
        return -ENOMEM;
    }
    PdfwObject *stream = pdfw_new_object(pdf, PdfwObjectKind::Stream);
    if (!stream) {
        pdfw_buffer_free(&body);
        return pdf->error_code;
    }
    stream->stream.body = body;
    return pdfw_chunks_append(&page->page.contents, stream);
}
