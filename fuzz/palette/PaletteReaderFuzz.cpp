// SPDX-License-Identifier: MIT
// The colour-definition file reader on arbitrary bytes: it must never crash, and what it
// reads must save and read back to the same palette.
#include "palette/DefinedColor.h"
#include "palette/IColorList.h"

#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>

namespace {

class CountingList : public tessary::IColorList {
public:
    int entries = 0;
    void setEntries(const QStringList& e) override { entries = int(e.size()); }
    void clear() override { entries = 0; }
    int count() const override { return entries; }
    void setCurrentIndex(int) override {}
};

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tessary::DefinedColor;
    DefinedColor palette;
    CountingList list;
    palette.setPaletteNameCombo(&list);
    palette.loadBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));

    // The list mirrors the colours, and every colour's index is its position.
    check(list.entries == palette.count());
    int position = 0;
    for (const auto& color : palette.colorCollection)
        check(color->index == ++position);

    // Whatever was read is written so that it reads back the same. Text decoded from the
    // file is always representable, so the round trip is exact.
    const QByteArray saved = palette.toBytes();
    DefinedColor back;
    check(back.loadBytes(saved).isEmpty());
    check(back.paletteName() == palette.paletteName());
    check(back.paletteComment() == palette.paletteComment());
    check(back.count() == palette.count());
    for (int i = 1; i <= palette.count(); ++i) {
        const auto a = palette.colorCollection.item(i);
        const auto b = back.colorCollection.item(i);
        check(a->colorCode() == b->colorCode());
        check(a->colorName() == b->colorName());
        check(a->comment() == b->comment());
    }
    check(back.toBytes() == saved);
    return 0;
}
