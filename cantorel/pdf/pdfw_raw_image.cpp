// Raw images: uncompressed 8-bit gray or RGB samples, and the display size
// that every image is drawn at.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr char kClosing[] = ">\r\nendstream\r\n";  // the ">" is stream data, counted in /Length
constexpr size_t kClosingLength = sizeof kClosing - 1;
constexpr size_t kCountCap = SIZE_MAX / 2;

} // namespace

// Builds the whole body, the samples left open, before the object is made, so
// that no object is left with half a body; /Height comes before /Width.
PdfwObject *pdfw_new_raw_image(PdfwDocument *pdf, PdfwColorSpace color_space, uint32_t width, uint32_t height,
                               uint8_t **samples)
{
    const size_t channels = color_space == PdfwColorSpace::Rgb ? 3 : 1;
    // Sides below 2^32 keep width x height below 2^64; a count past the cap
    // cannot be held by a buffer anyway, and the cap keeps the sums below from wrapping.
    const uint64_t pixels = uint64_t(width) * height;
    const size_t count = pixels <= kCountCap / channels ? size_t(pixels) * channels : kCountCap;
    PdfwBuffer body{};
    const int dictionary = pdfw_buffer_printf(
        &body,
        "<<\r\n  /Type /XObject\r\n  /Name /Image%d\r\n  /Subtype /Image\r\n  /ColorSpace %s\r\n"
        "  /Height %u\r\n  /Width %u\r\n  /BitsPerComponent 8\r\n  /Length %zu\r\n>>stream\r\n",
        pdf->objects.count, color_space == PdfwColorSpace::Rgb ? "/DeviceRGB" : "/DeviceGray", height, width,
        count + 1);
    const size_t needed = body.length + count + kClosingLength + 1;
    if (dictionary < 0 || pdfw_buffer_reserve(&body, needed) < 0) {
        pdfw_buffer_free(&body);
        pdfw_set_error(pdf, -ENOMEM, "Unable to allocate %zu bytes memory for image", needed);
        return nullptr;
    }
    const size_t samples_at = body.length;
    pdfw_buffer_grow(&body, count);
    pdfw_buffer_append(&body, kClosing, kClosingLength);
    PdfwObject *image = pdfw_new_image_object(pdf, &body);
    if (!image)
        return nullptr;
    *samples = reinterpret_cast<uint8_t *>(pdfw_buffer_bytes(&image->image.body)) + samples_at;
    return image;
}

// Hands a finished body to a new image object, or frees it.
PdfwObject *pdfw_new_image_object(PdfwDocument *pdf, PdfwBuffer *body)
{
    PdfwObject *image = pdfw_new_object(pdf, PdfwObjectKind::Image);
    if (!image) {
        pdfw_buffer_free(body);
        return nullptr;
    }
    image->image.body = *body;
    return image;
}

// Makes a gray image object holding a copy of the samples.
PdfwObject *pdfw_gray_image(PdfwDocument *pdf, const uint8_t *samples, uint32_t width, uint32_t height)
{
    uint8_t *body_samples = nullptr;
    PdfwObject *image = pdfw_new_raw_image(pdf, PdfwColorSpace::Gray, width, height, &body_samples);
    if (image && width > 0 && height > 0)
        memcpy(body_samples, samples, size_t(width) * height);
    return image;
}

// Makes an RGB image object holding a copy of the samples.
PdfwObject *pdfw_rgb_image(PdfwDocument *pdf, const uint8_t *samples, uint32_t width, uint32_t height)
{
    uint8_t *body_samples = nullptr;
    PdfwObject *image = pdfw_new_raw_image(pdf, PdfwColorSpace::Rgb, width, height, &body_samples);
    if (image && width > 0 && height > 0)
        memcpy(body_samples, samples, size_t(width) * height * 3);
    return image;
}

// Embeds RGB samples and draws them at the display size.
int pdfw_put_rgb_pixels(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                        const uint8_t *samples, uint32_t width, uint32_t height)
{
    PdfwObject *image = pdfw_rgb_image(pdf, samples, width, height);
    if (!image)
        return pdf->error_code;
    return pdfw_place_image(pdf, image, width, height, x, y, display_width, display_height);
}

// A negative display width or height follows from the other one and the
// image's proportions, in single precision; other sizes are kept as given.
int pdfw_fit_display_size(PdfwDocument *pdf, uint32_t pixel_width, uint32_t pixel_height, float *display_width,
                          float *display_height)
{
    if (*display_width < 0 && *display_height < 0)
        return pdfw_set_error(pdf, -EINVAL,
                              "Unable to determine image display dimensions, display_width and display_height are both < 0");
    if (pixel_width == 0 || pixel_height == 0)
        return pdfw_set_error(pdf, -EINVAL, "Invalid image dimensions received, the loaded image appears to be empty.");
    if (*display_width < 0)
        *display_width = float(pixel_width) / float(pixel_height) * *display_height;
    else if (*display_height < 0)
        *display_height = float(pixel_height) / float(pixel_width) * *display_width;
    return 0;
}

// Draws an image at its fitted display size.
int pdfw_place_image(PdfwDocument *pdf, PdfwObject *image, uint32_t pixel_width, uint32_t pixel_height, float x,
                     float y, float display_width, float display_height)
{
    const int fitted = pdfw_fit_display_size(pdf, pixel_width, pixel_height, &display_width, &display_height);
    if (fitted < 0)
        return fitted;
    return pdfw_draw_image(pdf, image, x, y, display_width, display_height);
}
