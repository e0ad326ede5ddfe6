#pragma once

// What the writer's files share and callers never need.

#include "pdfw.h"

#include <locale.h>

// Switches the calling thread, and only it, to the "C" locale while it lives,
// so that printf formats reals with a full stop whatever the user's locale.
// The process's locale and other threads are never touched.
class PdfwCLocaleScope {
public:
    PdfwCLocaleScope();
    ~PdfwCLocaleScope();
    PdfwCLocaleScope(const PdfwCLocaleScope &) = delete;
    PdfwCLocaleScope &operator=(const PdfwCLocaleScope &) = delete;

private:
    locale_t m_previous;
};

// Lengthens the buffer by `count` bytes, left for the caller to fill, and
// returns where they start; null when there is no memory (buffer unchanged).
char *pdfw_buffer_grow(PdfwBuffer *buffer, size_t count);

inline char *pdfw_buffer_bytes(PdfwBuffer *buffer) { return buffer->heap ? buffer->heap : buffer->inline_storage; }

// Makes a raw 8-bit image object whose body has room for width x height
// samples of the colour space (rows from top to bottom, red, green and blue
// for RGB), and sets `samples` to where they go, for the caller to fill.
// Null on failure.
PdfwObject *pdfw_new_raw_image(PdfwDocument *pdf, PdfwColorSpace color_space, uint32_t width, uint32_t height,
                               uint8_t **samples);

// Works out the display size of an image of pixel_width x pixel_height pixels:
// a negative width or height follows from the other and the image's
// proportions. 0, or -22 recorded in the document.
int pdfw_fit_display_size(PdfwDocument *pdf, uint32_t pixel_width, uint32_t pixel_height,
                          float *display_width, float *display_height);

// Fits the display size of an image of pixel_width x pixel_height pixels and
// draws it at (x, y) on the current page. 0, or a negative errno.
int pdfw_place_image(PdfwDocument *pdf, PdfwObject *image, uint32_t pixel_width, uint32_t pixel_height, float x,
                     float y, float display_width, float display_height);

// Makes an image object that takes over the finished `body`; on failure the
// body is freed and null returned, the error recorded in the document.
PdfwObject *pdfw_new_image_object(PdfwDocument *pdf, PdfwBuffer *body);

// Header scans of format detection, each for bytes that begin with its
// format's signature; 0, or -22 with the message in `error_text`.
int pdfw_probe_png(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text);
int pdfw_probe_jpeg(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text);
int pdfw_probe_ppm(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text);
int pdfw_probe_bmp(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text);
// Writes a detection message into `error_text`, leaving the document's error
// code as it is; returns -22.
int pdfw_probe_error(char *error_text, const char *format, ...) __attribute__((format(printf, 2, 3)));

inline uint16_t pdfw_read_be16(const uint8_t *bytes) { return uint16_t(bytes[0] << 8 | bytes[1]); }

inline uint32_t pdfw_read_be32(const uint8_t *bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

inline uint16_t pdfw_read_le16(const uint8_t *bytes) { return uint16_t(bytes[1] << 8 | bytes[0]); }

inline uint32_t pdfw_read_le32(const uint8_t *bytes)
{
    return uint32_t(bytes[3]) << 24 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[1]) << 8 | bytes[0];
}
