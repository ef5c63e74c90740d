// SPDX-License-Identifier: MIT
// Re-opening a scheme file on arbitrary bytes: it must never crash, a refusal names the
// file, and a scheme it reads writes back as our JSON that reads the same.
#include "exchange/SchemeExport.h"
#include "exchange/SchemeImport.h"

#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessary;
    const QString fileName = QStringLiteral("fuzz.json");
    const SchemeImport::Result r =
        SchemeImport::read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), fileName);
    if (!r.scheme) {
        check(r.error.startsWith(fileName));
        return 0;
    }
    for (const std::int32_t c : r.scheme->colors)
        check((c & ~0xFFFFFF) == 0);
    const SchemeImport::Result back = SchemeImport::read(SchemeExport::toBytes(*r.scheme, ExchangeFormat::Json), fileName);
    check(back.scheme && back.texts && back.scheme->colors == r.scheme->colors);
    if (r.texts)
        check(back.scheme->sampleTexts == r.scheme->sampleTexts);
    return 0;
}
