// Replays the fuzzer's seed corpus, so that every run of the suite (and of
// the sanitizer build) feeds the writer the valid and broken files of every
// format.
#include "testsupport.h"

#include <QDir>

#include <gtest/gtest.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

TEST(PdfwCorpus, EveryFileIsEmbeddedOrRefused)
{
    const QDir corpus(QStringLiteral(CANTOREL_TEST_DATA "/pdfw-corpus"));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadFile(corpus.filePath(name));
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())), 0);
    }
}
