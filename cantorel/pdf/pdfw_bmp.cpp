// BMP images: uncompressed 24- and 32-bit bitmaps with the 40-byte information
// header, turned into raw RGB samples.
#include "pdfw_internal.h"

#include <cerrno>

namespace {

constexpr size_t kBmpHeaderEnd = 34;  // file header and the information header up to the compression
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kMaxSide = 16384;

// Converts the stored rows into RGB samples, top row first: a positive height
// stores the rows bottom to top, a negative one top to bottom.
void ConvertRows(const uint8_t *pixels, size_t width, size_t height, size_t bytes_per_pixel, size_t stride,
                 bool bottom_up, uint8_t *samples)
{
    for (size_t row = 0; row < height; ++row) {
        const uint8_t *source = pixels + (bottom_up ? height - 1 - row : row) * stride;
        uint8_t *target = samples + row * width * 3;
        for (size_t column = 0; column < width; ++column, source += bytes_per_pixel, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
}

} // namespace

// Reads the file and information headers.
int pdfw_probe_bmp(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text)
{
    if (size < kBmpHeaderEnd)
        return pdfw_probe_error(error_text, "File is too short");
    header->bmp.file_size = pdfw_read_le32(data + 2);
    header->bmp.reserved = pdfw_read_le32(data + 6);
    header->bmp.pixel_data_offset = pdfw_read_le32(data + 10);
    header->bmp.info_size = pdfw_read_le32(data + 14);
    header->bmp.width = static_cast<int32_t>(pdfw_read_le32(data + 18));
    header->bmp.height = static_cast<int32_t>(pdfw_read_le32(data + 22));
    header->bmp.planes = pdfw_read_le16(data + 26);
    header->bmp.bits_per_pixel = pdfw_read_le16(data + 28);
    header->bmp.compression = pdfw_read_le32(data + 30);
    if (header->bmp.width < 0)
        return pdfw_probe_error(error_text, "BMP has negative width");
    if (header->bmp.height == INT32_MIN)
        return pdfw_probe_error(error_text, "BMP height overflow");
    header->format = PdfwImageFormat::Bmp;
    header->width = static_cast<uint32_t>(header->bmp.width);
    header->height = static_cast<uint32_t>(header->bmp.height < 0 ? -header->bmp.height : header->bmp.height);
    return 0;
}

// Checks the headers against the bytes, converts the pixels to RGB rows from
// top to bottom and embeds and draws them.
int pdfw_put_bmp(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                 const PdfwImageHeader *header, const uint8_t *data, size_t size)
{
    const auto &bmp = header->bmp;
    if (bmp.file_size != size)
        return pdfw_set_error(pdf, -EINVAL, "BMP file seems to have wrong length");
    if (bmp.info_size != kInfoHeaderSize)
        return pdfw_set_error(pdf, -EINVAL, "Wrong BMP header: biSize");
    if (bmp.compression != 0)
        return pdfw_set_error(pdf, -EINVAL, "Wrong BMP compression value: %d", static_cast<int>(bmp.compression));
    if (bmp.width < 1 || bmp.width > kMaxSide)
        return pdfw_set_error(pdf, -EINVAL, "BMP has invalid width: %d", bmp.width);
    if (bmp.height < -kMaxSide || bmp.height > kMaxSide || bmp.height == 0)
        return pdfw_set_error(pdf, -EINVAL, "BMP has invalid height: %d", bmp.height);
    if (bmp.bits_per_pixel != 24 && bmp.bits_per_pixel != 32)
        return pdfw_set_error(pdf, -EINVAL, "Unsupported BMP bitdepth: %d", bmp.bits_per_pixel);
    if (bmp.pixel_data_offset >= size)
        return pdfw_set_error(pdf, -EINVAL, "Invalid BMP image offset");
    const auto width = static_cast<uint32_t>(bmp.width);
    const auto height = static_cast<uint32_t>(bmp.height < 0 ? -bmp.height : bmp.height);
    const size_t bytes_per_pixel = bmp.bits_per_pixel / 8;
    const size_t stride = (width * bytes_per_pixel + 3) / 4 * 4;
    if (stride * height > size - bmp.pixel_data_offset)
        return pdfw_set_error(pdf, -EINVAL, "Wrong BMP image size");

    // The pixels are converted straight into the image's body: one pass, no
    // intermediate block.
    uint8_t *samples = nullptr;
    PdfwObject *image = pdfw_new_raw_image(pdf, PdfwColorSpace::Rgb, width, height, &samples);
    if (!image)
        return pdf->error_code;
    ConvertRows(data + bmp.pixel_data_offset, width, height, bytes_per_pixel, stride, bmp.height > 0, samples);
    return pdfw_place_image(pdf, image, width, height, x, y, display_width, display_height);
}
