// libFuzzer target: any bytes through pdfw_put_image on the export's page,
// then the whole document written out. The corpus test replays the seed
// corpus through the same function without the fuzzer.
#include "pdfw.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FILE *const sink = fopen("/dev/null", "wb");
    PdfwInfo info{};
    strcpy(info.title, "Fuzz (and more");
    strcpy(info.creation_date, "Today");
    PdfwDocument *pdf = pdfw_new_document(595.27557f, 841.88977f, &info);
    if (!pdf || !pdfw_new_page(pdf))
        abort();
    const int result = pdfw_put_image(pdf, 0, 0, 605, 850, data, size);
    // Success draws the first content stream; a failure is invalid input or
    // no memory, and always comes with a message.
    if (result > 0 || (result < 0 && result != -22 && result != -12) || (result < 0 && pdf->error_text[0] == '\0'))
        abort();
    if (pdfw_write_document(pdf, sink) != 0)
        abort();
    pdfw_free_document(pdf);
    return 0;
}
