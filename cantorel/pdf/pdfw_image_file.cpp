// Image files: reading one whole, recognising its format and handing it to
// the embedding of that format.
#include "pdfw_internal.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool StartsWith(const uint8_t *data, size_t size, const char *magic)
{
    return size >= 2 && data[0] == uint8_t(magic[0]) && data[1] == uint8_t(magic[1]);
}

// "P" and a digit 1 to 7: a Netpbm file, of which only P5 and P6 are embedded.
bool IsNetpbm(const uint8_t *data, size_t size) { return size >= 2 && data[0] == 'P' && data[1] >= '1' && data[1] <= '7'; }

} // namespace

// Reads a whole file into one newly allocated block.
uint8_t *pdfw_read_file(PdfwDocument *pdf, const char *path, size_t *size)
{
    if (!pdf || !path || !size)
        return nullptr;
    FILE *file = fopen(path, "rb");
    if (!file) {
        const int error = errno;
        pdfw_set_error(pdf, -error, "Unable to open %s: %s", path, strerror(error));
        return nullptr;
    }
    struct stat status;
    if (fstat(fileno(file), &status) != 0) {
        const int error = errno;
        pdfw_set_error(pdf, -error, "Unable to access %s: %s", path, strerror(error));
        fclose(file);
        return nullptr;
    }
    const size_t file_size = static_cast<size_t>(status.st_size);
    uint8_t *block = static_cast<uint8_t *>(malloc(file_size));
    if (!block) {
        pdfw_set_error(pdf, -ENOMEM, "Unable to allocate: %lld", static_cast<long long>(status.st_size));
        fclose(file);
        return nullptr;
    }
    errno = 0;
    if (fread(block, file_size, 1, file) != 1) {
        // An empty file is a failed read too, one that sets no errno.
        const int error = errno ? errno : EIO;
        pdfw_set_error(pdf, -error, "Unable to read full data: %s", path);
        free(block);
        fclose(file);
        return nullptr;
    }
    fclose(file);
    *size = file_size;
    return block;
}

// Recognises the format of the bytes and embeds them.
int pdfw_put_image(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                   const uint8_t *data, size_t size)
{
    if (!pdf)
        return -EINVAL;
    PdfwImageHeader header;
    const int probed = pdfw_probe_image(&header, data, data ? size : 0, pdf->error_text);
    if (probed < 0)
        return probed;
    switch (header.format) {
    case PdfwImageFormat::Png:
        return pdfw_put_png(pdf, x, y, display_width, display_height, &header, data, size);
    case PdfwImageFormat::Jpeg:
        return pdfw_put_jpeg(pdf, x, y, display_width, display_height, &header, data, size);
    case PdfwImageFormat::Ppm:
        return pdfw_put_ppm(pdf, x, y, display_width, display_height, &header, data, size);
    case PdfwImageFormat::Bmp:
        return pdfw_put_bmp(pdf, x, y, display_width, display_height, &header, data, size);
    case PdfwImageFormat::None:
        break;
    }
    return -EINVAL;
}

// Decides the format by the first bytes and reads that format's header.
int pdfw_probe_image(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text)
{
    *header = PdfwImageHeader{};
    if (size >= sizeof kPngSignature && memcmp(data, kPngSignature, sizeof kPngSignature) == 0)
        return pdfw_probe_png(header, data, size, error_text);
    if (StartsWith(data, size, "BM"))
        return pdfw_probe_bmp(header, data, size, error_text);
    if (StartsWith(data, size, "\xFF\xD8"))
        return pdfw_probe_jpeg(header, data, size, error_text);
    if (IsNetpbm(data, size))
        return pdfw_probe_ppm(header, data, size, error_text);
    return pdfw_probe_error(error_text, "Unknown file format");
}

int pdfw_probe_error(char *error_text, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(error_text, kPdfwErrorTextSize, format, arguments);
    va_end(arguments);
    return -EINVAL;
}
