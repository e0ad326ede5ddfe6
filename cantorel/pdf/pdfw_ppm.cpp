// PGM and PPM images with binary samples (P5 gray, P6 RGB), embedded as raw
// samples.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstdio>

namespace {

constexpr size_t kLineLimit = 1024;  // at most 1023 characters of a line are parsed
constexpr unsigned kMaxSide = 16384;

enum class LineResult { Read, NoData, HighBit };

// Reads the line at `*position` up to and including its LF (or to the end of
// the data) and moves past it; its first 1023 characters are copied into
// `line`, NUL-terminated.
LineResult ReadLine(const uint8_t *data, size_t size, size_t *position, char (&line)[kLineLimit])
{
    if (*position >= size)
        return LineResult::NoData;
    size_t length = 0;
    size_t next = *position;
    while (next < size) {
        const uint8_t byte = data[next++];
        if (length < kLineLimit - 1) {
            if (byte & 0x80)
                return LineResult::HighBit;
            line[length++] = char(byte);
        }
        if (byte == '\n')
            break;
    }
    line[length] = '\0';
    *position = next;
    return LineResult::Read;
}

} // namespace

// Reads the magic line, skips comment lines and reads the size line.
int pdfw_probe_ppm(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text)
{
    char line[kLineLimit];
    size_t position = 0;
    if (ReadLine(data, size, &position, line) != LineResult::Read)
        return pdfw_probe_error(error_text, "Invalid PPM file");
    if (line[0] == 'P' && line[1] == '6')
        header->ppm.color_space = PdfwColorSpace::Rgb;
    else if (line[0] == 'P' && line[1] == '5')
        header->ppm.color_space = PdfwColorSpace::Gray;
    else
        return pdfw_probe_error(error_text, "Only binary PPM files (grayscale, RGB) supported");
    const size_t channels = header->ppm.color_space == PdfwColorSpace::Rgb ? 3 : 1;

    for (;;) {
        if (ReadLine(data, size, &position, line) != LineResult::Read)
            return pdfw_probe_error(error_text, "Unable to find PPM header");
        if (line[0] == '#')
            continue;
        unsigned width = 0;
        unsigned height = 0;
        if (sscanf(line, "%u %u\n", &width, &height) != 2)
            return pdfw_probe_error(error_text, "Unable to find PPM size");
        if (width > kMaxSide || height > kMaxSide)
            return pdfw_probe_error(error_text, "Invalid width/height: %ux%u", width, height);
        header->format = PdfwImageFormat::Ppm;
        header->width = width;
        header->height = height;
        header->ppm.pixel_data_offset = position;
        header->ppm.pixel_data_size = size_t(width) * height * channels;
        return 0;
    }
}

// Skips the maximum-value line and embeds the samples that follow it.
int pdfw_put_ppm(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                 const PdfwImageHeader *header, const uint8_t *data, size_t size)
{
    char line[kLineLimit];
    size_t position = header->ppm.pixel_data_offset;
    if (ReadLine(data, size, &position, line) != LineResult::Read)
        return pdfw_set_error(pdf, -EINVAL, "No byte-size line in PPM file");
    if (size - position < header->ppm.pixel_data_size)
        return pdfw_set_error(pdf, -EINVAL, "Insufficient image data available");
    const uint8_t *samples = data + position;
    if (header->ppm.color_space == PdfwColorSpace::Rgb)
        return pdfw_put_rgb_pixels(pdf, x, y, display_width, display_height, samples, header->width, header->height);

    PdfwObject *image = pdfw_gray_image(pdf, samples, header->width, header->height);
    if (!image)
        return pdf->error_code;
    return pdfw_place_image(pdf, image, header->width, header->height, x, y, display_width, display_height);
}
