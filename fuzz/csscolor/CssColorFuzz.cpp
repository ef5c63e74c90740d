// SPDX-License-Identifier: MIT
// The CSS colour reader on arbitrary text: it must never crash or hang, a text it refuses
// says why, and a colour it reads is a valid 8-bit colour whose every written form reads
// back as the same colour.
#include "csscolor/CssColorReader.h"
#include "csscolor/CssColorWriter.h"

#include <QString>
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
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const CssColorReading r = CssColorReader::read(text);
    check(r.color.has_value() == r.error.isEmpty());
    check(r.alpha >= 0.0 && r.alpha <= 1.0);
    if (!r.color)
        return 0;
    check(*r.color >= 0 && *r.color <= 0xFFFFFF);
    for (CssColorForm form : kCssColorForms) {
        const CssColorReading back = CssColorReader::read(CssColorWriter::write(*r.color, form));
        check(back.color == r.color && !back.outOfGamut);
    }
    return 0;
}
