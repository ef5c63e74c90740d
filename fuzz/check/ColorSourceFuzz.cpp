// SPDX-License-Identifier: MIT
// The design-token and CSS readers on arbitrary bytes: the first byte picks the reader. They
// must never crash; a refusal names the file; every name a reader lists resolves to a colour
// or to an error naming the file, and looking a name up twice gives the same answer.
#include "check/CssPropertyReader.h"
#include "check/DesignTokenReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void lookUpAll(const tessary::ColorSource& source, const QString& fileName)
{
    using namespace tessary;
    for (const QString& name : source.names()) {
        const auto a = source.color(name);
        const auto b = source.color(name);
        check(a.index() == b.index());
        if (const auto* e = std::get_if<InputError>(&a))
            check(e->file == fileName);
        else
            check((std::get<std::int32_t>(a) & ~0xFFFFFF) == 0 && std::get<std::int32_t>(a) == std::get<std::int32_t>(b));
    }
    check(std::holds_alternative<InputError>(source.color(QStringLiteral("no.such.name.anywhere"))));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessary;
    if (size == 0)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString fileName = QStringLiteral("fuzz.input");
    if (data[0] & 1) {
        const auto r = CssPropertyReader::read(bytes, fileName);
        if (const auto* e = std::get_if<InputError>(&r))
            check(e->file == fileName);
        else
            lookUpAll(*std::get<0>(r), fileName);
    } else {
        const auto r = DesignTokenReader::read(bytes, fileName);
        if (const auto* e = std::get_if<InputError>(&r))
            check(e->file == fileName);
        else
            lookUpAll(*std::get<0>(r), fileName);
    }
    return 0;
}
