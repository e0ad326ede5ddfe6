// The two containers the document is built from: the chunked pointer list
// whose entries never move, and the growable byte buffer.
#include "pdfw_internal.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kFirstChunkEntries = 1024;
constexpr unsigned kBufferSlack = 4096;
// Buffers stay below INT_MAX bytes, so that every count fits the int results.
constexpr size_t kBufferLimit = INT_MAX - kBufferSlack;

int ChunkStart(int chunk) { return kFirstChunkEntries * ((1 << chunk) - 1); }

int ChunkEntries(int chunk) { return kFirstChunkEntries << chunk; }

// The chunk that holds `index`, or -1 beyond the list's capacity.
int ChunkOf(int index)
{
    if (index < 0 || index >= kPdfwChunkListCapacity)
        return -1;
    int chunk = 0;
    while (ChunkStart(chunk + 1) <= index)
        ++chunk;
    return chunk;
}

} // namespace

// Appends a pointer, allocating the next chunk when the index falls into it.
int pdfw_chunks_append(PdfwChunkList *list, void *item)
{
    const int index = list->count;
    const int chunk = ChunkOf(index);
    if (chunk < 0)
        return -EINVAL;
    if (chunk >= list->chunk_count) {
        void ***chunks = static_cast<void ***>(realloc(list->chunks, (list->chunk_count + 1) * sizeof *chunks));
        if (!chunks)
            return -ENOMEM;
        list->chunks = chunks;
        chunks[chunk] = static_cast<void **>(calloc(ChunkEntries(chunk), sizeof(void *)));
        if (!chunks[chunk])
            return -ENOMEM;
        list->chunk_count = chunk + 1;
    }
    list->chunks[chunk][index - ChunkStart(chunk)] = item;
    list->count = index + 1;
    return index;
}

// Reads the pointer at an index; null where no chunk has been allocated.
void *pdfw_chunks_get(const PdfwChunkList *list, int index)
{
    const int chunk = ChunkOf(index);
    if (chunk < 0 || chunk >= list->chunk_count)
        return nullptr;
    return list->chunks[chunk][index - ChunkStart(chunk)];
}

// Frees every chunk and the chunk-pointer array.
void pdfw_chunks_free(PdfwChunkList *list)
{
    for (int chunk = 0; chunk < list->chunk_count; ++chunk)
        free(list->chunks[chunk]);
    free(list->chunks);
    *list = PdfwChunkList{};
}

// Grows the storage to hold `needed` bytes: inline up to its size, then on the
// heap with slack, so that the short texts after a large block need no move.
int pdfw_buffer_reserve(PdfwBuffer *buffer, size_t needed)
{
    if (needed <= buffer->capacity)
        return 0;
    if (!buffer->heap && needed <= kPdfwBufferInlineSize) {
        buffer->capacity = static_cast<unsigned>(needed);
        return 0;
    }
    if (needed > kBufferLimit)
        return -ENOMEM;
    const unsigned capacity = static_cast<unsigned>(needed) + kBufferSlack;
    if (buffer->heap) {
        char *heap = static_cast<char *>(realloc(buffer->heap, capacity));
        if (!heap)
            return -ENOMEM;
        buffer->heap = heap;
    } else {
        char *heap = static_cast<char *>(malloc(capacity));
        if (!heap)
            return -ENOMEM;
        memcpy(heap, buffer->inline_storage, buffer->length + 1);
        buffer->heap = heap;
    }
    buffer->capacity = capacity;
    return 0;
}

// Appends raw bytes and the NUL after them.
int pdfw_buffer_append(PdfwBuffer *buffer, const void *bytes, size_t count)
{
    char *added = pdfw_buffer_grow(buffer, count);
    if (!added)
        return -ENOMEM;
    if (count > 0)
        memcpy(added, bytes, count);
    return static_cast<int>(count);
}

char *pdfw_buffer_grow(PdfwBuffer *buffer, size_t count)
{
    if (count > kBufferLimit || pdfw_buffer_reserve(buffer, buffer->length + count + 1) < 0)
        return nullptr;
    char *added = pdfw_buffer_bytes(buffer) + buffer->length;
    added[count] = '\0';
    buffer->length += static_cast<unsigned>(count);
    return added;
}

// Appends printf-formatted text in the "C" locale of this thread.
int pdfw_buffer_printf(PdfwBuffer *buffer, const char *format, ...)
{
    PdfwCLocaleScope c_locale;
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length < 0) {
        va_end(arguments);
        return -EINVAL;
    }
    if (pdfw_buffer_reserve(buffer, size_t(buffer->length) + length + 1) < 0) {
        va_end(arguments);
        return -ENOMEM;
    }
    vsnprintf(pdfw_buffer_bytes(buffer) + buffer->length, size_t(length) + 1, format, arguments);
    va_end(arguments);
    buffer->length += static_cast<unsigned>(length);
    return length;
}

const char *pdfw_buffer_data(const PdfwBuffer *buffer)
{
    return buffer->heap ? buffer->heap : buffer->inline_storage;
}

// Frees the heap block; the buffer is empty afterwards.
void pdfw_buffer_free(PdfwBuffer *buffer)
{
    free(buffer->heap);
    *buffer = PdfwBuffer{};
}
