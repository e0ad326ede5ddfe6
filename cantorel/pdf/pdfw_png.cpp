// PNG images: the compressed IDAT data copied as it is and declared with the
// PNG predictors, for the PDF reader to decode.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/types.h>

namespace {

constexpr size_t kIhdrEnd = 29;
constexpr size_t kFirstChunkData = 16;
constexpr size_t kChunkFrame = 12;  // length, type and CRC around the data
constexpr size_t kBodySlack = 1024;
constexpr int kMaxPaletteEntries = 256;

enum ColorType : uint8_t { kGray = 0, kRgb = 2, kPalette = 3 };

bool IsChunk(const uint8_t *type, const char *name) { return memcmp(type, name, 4) == 0; }

// What the chunk walk collects; freed on every path.
struct PngChunks {
    uint8_t *palette = nullptr;
    size_t palette_entries = 0;
    PdfwBuffer idat{};

    ~PngChunks()
    {
        free(palette);
        pdfw_buffer_free(&idat);
    }
};

// Walks the chunks up to IEND, keeping the palette and the IDAT data.
int ReadChunks(PdfwDocument *pdf, uint8_t color_type, const uint8_t *data, size_t size, PngChunks *chunks)
{
    for (size_t p = kFirstChunkData;; ) {
        if (size < 4 || p > size - 4)
            return pdfw_set_error(pdf, -EINVAL, "PNG file too short");
        const uint32_t length = pdfw_read_be32(data + p - 8);
        const uint8_t *type = data + p - 4;
        if (length > size - p - 4)
            return pdfw_set_error(pdf, -EINVAL, "PNG chunk exceeds file: %u vs %zu", length, size - p - 4);
        if (IsChunk(type, "PLTE") && color_type == kPalette) {
            if (chunks->palette)
                return pdfw_set_error(pdf, -EINVAL, "PNG contains multiple palette chunks");
            if (length % 3 != 0)
                return pdfw_set_error(pdf, -EINVAL, "PNG format error: palette chunk length is not divisbly by 3!");
            const size_t entries = length / 3;
            if (entries < 1 || entries > kMaxPaletteEntries)
                return pdfw_set_error(pdf, -EINVAL, "PNG palette length invalid: %zd", ssize_t(entries));
            chunks->palette = static_cast<uint8_t *>(malloc(3 * entries));
            if (!chunks->palette)
                return pdfw_set_error(pdf, -ENOMEM, "Could not allocate memory for indexed color palette (%zu bytes)",
                                      3 * entries);
            memcpy(chunks->palette, data + p, 3 * entries);
            chunks->palette_entries = entries;
        } else if (IsChunk(type, "PLTE") && color_type == kGray) {
            return pdfw_set_error(pdf, -EINVAL, "Unexpected palette chunk for color type %d", color_type);
        } else if (IsChunk(type, "IDAT") && length > 0) {
            if (pdfw_buffer_append(&chunks->idat, data + p, length) < 0)
                return pdfw_set_error(pdf, -ENOMEM, "No memory for PNG data");
        } else if (IsChunk(type, "IEND")) {
            return 0;
        }
        p += length + kChunkFrame;
    }
}

// The colour space: gray, RGB, or an indexed space over the palette.
int ColorSpaceText(uint8_t color_type, const PngChunks &chunks, PdfwBuffer *text)
{
    if (color_type == kGray)
        return pdfw_buffer_printf(text, "/DeviceGray");
    if (color_type == kRgb)
        return pdfw_buffer_printf(text, "/DeviceRGB");
    if (pdfw_buffer_printf(text, "[ /Indexed\r\n  /DeviceRGB\r\n  %zu\r\n  <", chunks.palette_entries - 1) < 0)
        return -ENOMEM;
    for (size_t entry = 0; entry < chunks.palette_entries; ++entry) {
        const uint8_t *rgb = chunks.palette + 3 * entry;
        if (pdfw_buffer_printf(text, "%02X%02X%02X ", rgb[0], rgb[1], rgb[2]) < 0)
            return -ENOMEM;
    }
    return pdfw_buffer_printf(text, ">\r\n]");
}

} // namespace

// Checks the signature's IHDR chunk and reads it.
int pdfw_probe_png(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text)
{
    if (size < kFirstChunkData)
        return pdfw_probe_error(error_text, "PNG file too short");
    if (memcmp(data + 12, "IHDR", 4) != 0)
        return pdfw_probe_error(error_text, "Failed to read PNG file header");
    if (size < kIhdrEnd)
        return pdfw_probe_error(error_text, "PNG file too short");
    header->png.width = pdfw_read_be32(data + 16);
    header->png.height = pdfw_read_be32(data + 20);
    header->png.bit_depth = data[24];
    header->png.color_type = data[25];
    header->png.compression_method = data[26];
    header->png.filter_method = data[27];
    header->png.interlace_method = data[28];
    if (header->png.compression_method != 0)
        return pdfw_probe_error(error_text, "Deflate wrong in PNG header");
    if (header->png.bit_depth == 0)
        return pdfw_probe_error(error_text, "PNG file has zero bit depth");
    header->format = PdfwImageFormat::Png;
    header->width = header->png.width;
    header->height = header->png.height;
    return 0;
}

// Embeds the IDAT data of a gray, RGB or palette image and draws it.
int pdfw_put_png(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                 const PdfwImageHeader *header, const uint8_t *data, size_t size)
{
    const auto &png = header->png;
    if (png.color_type != kGray && png.color_type != kRgb && png.color_type != kPalette)
        return pdfw_set_error(pdf, -EINVAL, "PNG has unsupported color type: %d", png.color_type);
    const int colors = png.color_type == kRgb ? 3 : 1;

    PngChunks chunks;
    const int read = ReadChunks(pdf, png.color_type, data, size, &chunks);
    if (read < 0)
        return read;
    if (chunks.idat.length == 0)
        return pdfw_set_error(pdf, -EINVAL, "PNG file has zero length");
    if (png.color_type == kPalette && !chunks.palette)
        return pdfw_set_error(pdf, -EINVAL, "Indexed PNG contains no palette");

    PdfwBuffer color_space{};
    PdfwBuffer body{};
    const size_t body_size = size_t(chunks.idat.length) + kBodySlack;
    const bool built = ColorSpaceText(png.color_type, chunks, &color_space) >= 0
        && pdfw_buffer_reserve(&body, body_size + color_space.length) >= 0
        && pdfw_buffer_printf(&body,
                              "<<\r\n  /Type /XObject\r\n  /Name /Image%d\r\n  /Subtype /Image\r\n  /ColorSpace %s\r\n"
                              "  /Width %u\r\n  /Height %u\r\n  /Interpolate true\r\n  /BitsPerComponent %u\r\n"
                              "  /Filter /FlateDecode\r\n"
                              "  /DecodeParms << /Predictor 15 /Colors %d /BitsPerComponent %u /Columns %u >>\r\n"
                              "  /Length %u\r\n>>stream\r\n",
                              pdf->objects.count, pdfw_buffer_data(&color_space), png.width, png.height,
                              png.bit_depth, colors, png.bit_depth, png.width, chunks.idat.length) >= 0
        && pdfw_buffer_append(&body, pdfw_buffer_data(&chunks.idat), chunks.idat.length) >= 0
        && pdfw_buffer_append(&body, "\r\nendstream\r\n", 13) >= 0;
    const size_t wanted = body_size + color_space.length;
    pdfw_buffer_free(&color_space);
    if (!built) {
        pdfw_buffer_free(&body);
        return pdfw_set_error(pdf, -ENOMEM, "Unable to allocate PNG data %zu", wanted);
    }

    PdfwObject *image = pdfw_new_image_object(pdf, &body);
    if (!image)
        return pdf->error_code;
    return pdfw_place_image(pdf, image, png.width, png.height, x, y, display_width, display_height);
}
