#pragma once

// A small writer of PDF 1.3 files: a document of numbered objects built in
// memory, images embedded from BMP, PNG, JPEG and PGM/PPM bytes, and the file
// written with its cross-reference table and trailer.
//
// Plain records and free functions. Every function takes the document first
// and returns 0 or a non-negative count for success and a negative errno value
// for failure (-12 no memory, -22 invalid input, -2 no such object); functions
// that make an object return it, or null on failure. The text of the last
// error is kept in the document. A document belongs to one thread at a time;
// separate documents may be used on separate threads, and the caller's locale
// is never changed.

#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr int kPdfwErrorTextSize = 128;
constexpr int kPdfwInfoFieldSize = 64;
constexpr int kPdfwFontNameSize = 64;
constexpr int kPdfwBufferInlineSize = 128;
constexpr int kPdfwChunkListCapacity = 33553408;  // 1024 * (2^15 - 1)
constexpr int kPdfwKindCodes = 11;                 // kind codes 0 to 10
constexpr uint64_t kPdfwHashStart = 5381;

// An append-only list of pointers whose entries never move: chunk k holds
// 1024 * 2^k entries and is allocated when its first entry is appended.
struct PdfwChunkList {
    void ***chunks;
    int count;
    int chunk_count;
};

// A growable byte buffer for object bodies and texts. The data stays in the
// inline storage while it fits and moves to the heap when it outgrows it; a
// NUL byte always follows the data. A zero-filled buffer is empty.
struct PdfwBuffer {
    char inline_storage[kPdfwBufferInlineSize];
    char *heap;
    unsigned capacity;
    unsigned length;
};

// The document information: six NUL-terminated texts of at most 63 bytes.
struct PdfwInfo {
    char creator[kPdfwInfoFieldSize];
    char producer[kPdfwInfoFieldSize];
    char title[kPdfwInfoFieldSize];
    char author[kPdfwInfoFieldSize];
    char subject[kPdfwInfoFieldSize];
    char creation_date[kPdfwInfoFieldSize];
};

// The kind of an object. The codes appear in messages, so they are fixed.
enum class PdfwObjectKind : int {
    None = 0,  // the placeholder that takes object number 0; never written
    Info = 1,
    Stream = 2,
    Font = 3,
    Page = 4,
    Catalog = 7,
    PageTree = 8,
    Image = 9,
};

struct PdfwObject;

struct PdfwStreamData {
    PdfwBuffer body;  // dictionary, stream keyword, data and endstream line
};

struct PdfwFontData {
    char name[kPdfwFontNameSize];
    int number;  // the page resources call the font /F<number>
};

struct PdfwPageData {
    float width;
    float height;
    PdfwChunkList contents;  // the page's Stream objects, not owned
};

struct PdfwImageData {
    PdfwObject *page;  // the page the image is drawn on, or null
    PdfwBuffer body;
};

// One numbered object; its number is its index in the document's list and its
// PDF object number.
struct PdfwObject {
    PdfwObjectKind kind;
    int number;
    long file_offset;  // where its "n 0 obj" line starts in the last file written
    PdfwObject *previous_of_kind;
    PdfwObject *next_of_kind;
    union {
        PdfwInfo *info;
        PdfwStreamData stream;
        PdfwFontData font;
        PdfwPageData page;
        PdfwImageData image;
    };
};

struct PdfwDocument {
    char error_text[kPdfwErrorTextSize];
    int error_code;
    PdfwChunkList objects;
    float default_page_width;
    float default_page_height;
    PdfwObject *current_font;
    PdfwObject *last_of_kind[kPdfwKindCodes];
    PdfwObject *first_of_kind[kPdfwKindCodes];
};

enum class PdfwImageFormat { None, Png, Jpeg, Ppm, Bmp };
enum class PdfwColorSpace { Gray, Rgb };

// What format detection learns from the first bytes of an image file.
struct PdfwImageHeader {
    PdfwImageFormat format;
    uint32_t width;
    uint32_t height;
    struct {
        uint32_t width;
        uint32_t height;
        uint8_t bit_depth;
        uint8_t color_type;
        uint8_t compression_method;
        uint8_t filter_method;
        uint8_t interlace_method;
    } png;
    struct {
        uint8_t components;
    } jpeg;
    struct {
        size_t pixel_data_size;
        size_t pixel_data_offset;
        PdfwColorSpace color_space;
    } ppm;
    struct {
        uint32_t file_size;
        uint32_t reserved;
        uint32_t pixel_data_offset;
        uint32_t info_size;
        int32_t width;
        int32_t height;
        uint16_t planes;
        uint16_t bits_per_pixel;
        uint32_t compression;
    } bmp;
};

// An output stream and the number of bytes written through it, which gives the
// file offsets also where the stream cannot tell its position (a pipe).
struct PdfwOutput {
    FILE *file;
    long position;
};

// Document and objects (pdfw_document.cpp)

// Makes a document whose pages are width x height points, holding objects 0 to
// 4: the placeholder, the information (copied from `info`, which may be null;
// an empty creation date becomes the current UTC time), the page tree, the
// catalog and the font. Null on failure.
PdfwDocument *pdfw_new_document(float width, float height, const PdfwInfo *info);
// Frees the document and everything it owns; nothing for null.
void pdfw_free_document(PdfwDocument *pdf);
// Adds a page of the default size, which becomes the current page; null on failure.
PdfwObject *pdfw_new_page(PdfwDocument *pdf);
// Makes Times-Roman the current font, creating its font object the first time.
int pdfw_use_font(PdfwDocument *pdf);
// Appends a zero-filled object of that kind; null on failure or without a document.
PdfwObject *pdfw_new_object(PdfwDocument *pdf, PdfwObjectKind kind);
// Frees an object and its payload; nothing for null.
void pdfw_free_object(PdfwObject *object);
// Records a message (cut at 126 characters) and its code; returns the code.
int pdfw_set_error(PdfwDocument *pdf, int code, const char *format, ...)
    __attribute__((format(printf, 3, 4)));

// Containers (pdfw_containers.cpp)

// Appends a pointer; returns its index, -12, or -22 when the list is full.
int pdfw_chunks_append(PdfwChunkList *list, void *item);
// The pointer at `index`, or null when no chunk holds that index.
void *pdfw_chunks_get(const PdfwChunkList *list, int index);
// Frees the chunks (not what they point to) and clears the list.
void pdfw_chunks_free(PdfwChunkList *list);
// Makes room for `needed` bytes of data and its NUL; 0 or -12 (buffer unchanged).
int pdfw_buffer_reserve(PdfwBuffer *buffer, size_t needed);
// Appends bytes; returns their count, or -12.
int pdfw_buffer_append(PdfwBuffer *buffer, const void *bytes, size_t count);
// Appends formatted text, reals with a full stop whatever the locale; returns
// the number of characters appended, or -12.
int pdfw_buffer_printf(PdfwBuffer *buffer, const char *format, ...)
    __attribute__((format(printf, 2, 3)));
// The data, followed by a NUL.
const char *pdfw_buffer_data(const PdfwBuffer *buffer);
// Frees the heap block and clears the buffer.
void pdfw_buffer_free(PdfwBuffer *buffer);

// File (pdfw_serialise.cpp)

// Writes the whole document to an open stream; 0.
int pdfw_write_document(PdfwDocument *pdf, FILE *out);
// Writes one object and records its file offset; 0, or -2 when the number names
// no object or the placeholder.
int pdfw_write_object(PdfwDocument *pdf, PdfwOutput *out, int number);
// Writes the document to a new file at `path`, or to standard output when the
// path is null; 0 or a negative errno.
int pdfw_save_to_path(PdfwDocument *pdf, const char *path);
// The hash of the file identifier, continued from `hash` over the bytes.
uint64_t pdfw_hash(uint64_t hash, const void *bytes, size_t count);

// Image files (pdfw_image_file.cpp and one file per format)

// Reads a whole file into a block that the caller releases with free(); null
// on failure.
uint8_t *pdfw_read_file(PdfwDocument *pdf, const char *path, size_t *size);
// Embeds the image in `data` and draws it on the current page with its lower
// left corner at x, y and the given display size in points (a negative width
// or height follows from the other and the image's proportions). Returns the
// position of the new content stream in the page's contents list, or a
// negative code. The bytes stay the caller's.
int pdfw_put_image(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                   const uint8_t *data, size_t size);
// Recognises the format and reads its header; 0, or -22 with the message
// written into `error_text` (kPdfwErrorTextSize bytes).
int pdfw_probe_image(PdfwImageHeader *header, const uint8_t *data, size_t size, char *error_text);
// Embed and draw an image of one format, as pdfw_put_image, with the header
// that pdfw_probe_image read from the same bytes.
int pdfw_put_png(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                 const PdfwImageHeader *header, const uint8_t *data, size_t size);
int pdfw_put_jpeg(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                  const PdfwImageHeader *header, const uint8_t *data, size_t size);
int pdfw_put_ppm(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                 const PdfwImageHeader *header, const uint8_t *data, size_t size);
int pdfw_put_bmp(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                 const PdfwImageHeader *header, const uint8_t *data, size_t size);

// Raw images and drawing (pdfw_raw_image.cpp, pdfw_drawing.cpp)

// Makes an uncompressed 8-bit image object from rows of samples, top row
// first: one byte per pixel (gray) or red, green, blue (RGB). Null on failure.
PdfwObject *pdfw_gray_image(PdfwDocument *pdf, const uint8_t *samples, uint32_t width, uint32_t height);
PdfwObject *pdfw_rgb_image(PdfwDocument *pdf, const uint8_t *samples, uint32_t width, uint32_t height);
// Embeds RGB samples and draws them, as pdfw_put_image.
int pdfw_put_rgb_pixels(PdfwDocument *pdf, float x, float y, float display_width, float display_height,
                        const uint8_t *samples, uint32_t width, uint32_t height);
// Draws an image object on the current page; as pdfw_add_content.
int pdfw_draw_image(PdfwDocument *pdf, PdfwObject *image, float x, float y, float display_width,
                    float display_height);
// Adds a content stream with the operator text (trailing CR and LF dropped) to
// the page, or to the current page when `page` is null; returns its position
// in the page's contents list, or a negative code.
int pdfw_add_content(PdfwDocument *pdf, PdfwObject *page, const char *text);
