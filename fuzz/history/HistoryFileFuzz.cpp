// SPDX-License-Identifier: MIT
// The history file reader on arbitrary bytes: it must never crash, a refusal names where,
// and a history it reads writes back to a file that reads the same.
#include "history/HistoryFile.h"

#include <QByteArray>
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
    const HistoryFile::Result r = HistoryFile::read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!r.ok()) {
        check(r.data.steps.empty() && r.data.snapshots.empty());
        check(!r.where.isEmpty() || qsizetype(size) > HistoryFile::kMaxBytes);
        return 0;
    }
    check(r.data.position >= 0 && r.data.position <= int(r.data.steps.size()));
    const HistoryFile::Result back = HistoryFile::read(HistoryFile::write(r.data));
    check(back.ok());
    check(back.data == r.data);
    return 0;
}
