// The export's PDF step on its own: read a BMP file, embed it on an A4 page
// and write the PDF file, in MB/s of BMP pixel data. A plain memcpy of the
// same number of bytes in the same binary gives the floor to compare with.
#include "pdfw.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

size_t Stride(int width, int bitsPerPixel) { return (size_t(width) * bitsPerPixel / 8 + 3) / 4 * 4; }

// A bottom-up BMP with a colour gradient, written once per size.
std::string BmpPath(int width, int height, int bitsPerPixel)
{
    const std::string path = (std::filesystem::temp_directory_path()
                              / ("pdfw_bench_" + std::to_string(width) + "x" + std::to_string(height) + "_"
                                 + std::to_string(bitsPerPixel) + ".bmp"))
                                 .string();
    const size_t stride = Stride(width, bitsPerPixel);
    const uint32_t pixelBytes = uint32_t(stride * height);
    std::vector<uint8_t> file(54 + pixelBytes);
    const auto put32 = [&file](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = uint8_t(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    file[26] = 1;
    file[28] = uint8_t(bitsPerPixel);
    for (size_t i = 0; i < pixelBytes; ++i)
        file[54 + i] = uint8_t(i * 7 + i / stride);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(file.data()), std::streamsize(file.size()));
    return path;
}

void ExportPdf(benchmark::State &state, int width, int height, int bitsPerPixel)
{
    const std::string bmp = BmpPath(width, height, bitsPerPixel);
    const std::string pdfPath = bmp + ".pdf";
    PdfwInfo info{};
    strcpy(info.title, "Benchmark Song");
    strcpy(info.creation_date, "Today");
    for (auto _ : state) {
        PdfwDocument *pdf = pdfw_new_document(595.27557f, 841.88977f, &info);
        pdfw_new_page(pdf);
        size_t size = 0;
        uint8_t *bytes = pdfw_read_file(pdf, bmp.c_str(), &size);
        if (!bytes || pdfw_put_image(pdf, 0, 0, 605, 850, bytes, size) < 0 || pdfw_save_to_path(pdf, pdfPath.c_str()) < 0)
            state.SkipWithError(pdf->error_text);
        free(bytes);
        pdfw_free_document(pdf);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Stride(width, bitsPerPixel) * height));
    std::filesystem::remove(bmp);
    std::filesystem::remove(pdfPath);
}

void Memcpy(benchmark::State &state, int width, int height, int bitsPerPixel)
{
    const size_t bytes = Stride(width, bitsPerPixel) * height;
    std::vector<char> from(bytes, 'a'), to(bytes);
    for (auto _ : state) {
        memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// The same copy into a block allocated for it, as every step of the export
// writes into memory it has just allocated: where the system is slow to hand
// out fresh pages (a virtual machine), this is the fairer floor.
void MemcpyToFreshBlock(benchmark::State &state, int width, int height, int bitsPerPixel)
{
    const size_t bytes = Stride(width, bitsPerPixel) * height;
    std::vector<char> from(bytes, 'a');
    for (auto _ : state) {
        char *to = static_cast<char *>(malloc(bytes));
        benchmark::DoNotOptimize(to);
        memcpy(to, from.data(), bytes);
        benchmark::ClobberMemory();
        free(to);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

BENCHMARK_CAPTURE(ExportPdf, sheet_734x981_24bit, 734, 981, 24)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Memcpy, sheet_734x981_24bit, 734, 981, 24)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MemcpyToFreshBlock, sheet_734x981_24bit, 734, 981, 24)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportPdf, large_4096x4096_32bit, 4096, 4096, 32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Memcpy, large_4096x4096_32bit, 4096, 4096, 32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MemcpyToFreshBlock, large_4096x4096_32bit, 4096, 4096, 32)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
