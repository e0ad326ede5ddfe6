// JPEG images: embedded whole, for the PDF reader to decode.
#include "pdfw_internal.h"

#include <cerrno>

namespace {

constexpr size_t kMinimumSize = 4;

// Frame headers (SOF0-SOF3, SOF9-SOF11) give the size and the components.
bool IsFrameHeader(uint8_t marker) { return (marker & 0xF4) == 0xC0; }

} // namespace

// Walks the marker segments up to the frame header.
int pdfw_probe_jpeg(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text)
{
    if (size >= kMinimumSize) {
        size_t position = 2;
        while (position < size && data[position] == 0xFF) {
            while (position < size && data[position] == 0xFF)
                ++position;
            if (position + 2 >= size)
                break;
            const size_t length = pdfw_read_be16(data + position + 1);
            if (IsFrameHeader(data[position])) {
                if (length < 9 || position + 1 + length >= size)
                    break;
                header->format = PdfwImageFormat::Jpeg;
                header->height = pdfw_read_be16(data + position + 4);
                header->width = pdfw_read_be16(data + position + 6);
                header->jpeg.components = data[position + 8];
                return 0;
            }
            position += 1 + length;
        }
    }
    return pdfw_probe_error(error_text, "Error parsing JPEG header");
}

// Embeds the whole file as a DCT-encoded image and draws it.
int pdfw_put_jpeg(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                  const PdfwImageHeader *header, const uint8_t *data, size_t size)
{
    // The body is complete before the object is made, so that no object is
    // left with half a body.
    PdfwBuffer body{};
    const int number = pdf->objects.count;
    const char *color_space = header->jpeg.components == 1 ? "/DeviceGray" : "/DeviceRGB";
    if (pdfw_buffer_printf(&body,
                           "<<\r\n  /Type /XObject\r\n  /Name /Image%d\r\n  /Subtype /Image\r\n  /ColorSpace %s\r\n"
                           "  /Width %u\r\n  /Height %u\r\n  /BitsPerComponent 8\r\n  /Filter /DCTDecode\r\n"
                           "  /Length %zu\r\n>>stream\r\n",
                           number, color_space, header->width, header->height, size) < 0
        || pdfw_buffer_reserve(&body, body.length + size + 14) < 0 || pdfw_buffer_append(&body, data, size) < 0
        || pdfw_buffer_append(&body, "\r\nendstream\r\n", 13) < 0) {
        pdfw_buffer_free(&body);
        return pdfw_set_error(pdf, -ENOMEM, "Unable to allocate %zu bytes memory for image", size);
    }
    PdfwObject *image = pdfw_new_image_object(pdf, &body);
    if (!image)
        return pdf->error_code;
    return pdfw_place_image(pdf, image, header->width, header->height, x, y, display_width, display_height);
}
