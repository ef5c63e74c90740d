// SPDX-License-Identifier: MIT
// The GIMP palette reader on arbitrary bytes: it must never crash, and a palette it reads
// must export as a GIMP palette that reads back the same.
#include "exchange/GplImport.h"
#include "exchange/PaletteExport.h"
#include "palette/DefinedColor.h"

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
    const QString fileName = QStringLiteral("fuzz.gpl");
    const GplImport read = GplImport::read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), fileName);
    if (!read.isOk()) {
        check(read.errorMessage().contains(fileName));
        return 0;
    }
    const DefinedColor& palette = *read.palette();
    int position = 0;
    for (const auto& color : palette.colorCollection) {
        check(color->index == ++position);
        check(color->colorCode().size() == 6);
        check(!color->colorName().isEmpty());
    }

    const GplImport back = GplImport::read(PaletteExport::toBytes(palette, ExchangeFormat::Gpl), fileName);
    check(back.isOk());
    check(back.refusals().isEmpty());
    check(back.palette()->paletteName() == palette.paletteName());
    check(back.palette()->paletteComment() == palette.paletteComment());
    check(back.palette()->count() == palette.count());
    for (int i = 1; i <= palette.count(); ++i) {
        const auto a = palette.colorCollection.item(i);
        const auto b = back.palette()->colorCollection.item(i);
        check(a->colorCode() == b->colorCode());
        check(a->colorName() == b->colorName());
    }
    return 0;
}
