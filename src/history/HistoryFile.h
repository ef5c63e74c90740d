// SPDX-License-Identifier: MIT
#pragma once

#include "history/HistoryStep.h"

#include <QByteArray>
#include <QString>

namespace tessary {

// The history file: UTF-8 JSON with a format name and version. The states are written once
// each, in a list the steps and snapshots refer to by number (a step's after-state is the
// next step's before-state); a state after the first holds only the members that differ
// from the state before it. So a thousand steps stay small and quick to read.
//
//     {"format": "tessary-history", "version": 1, "position": 2,
//      "states": [{"colors": ["#rrggbb", ...5], "selected": 0, "labels": [{"text": "...",
//                  "font": {"name": "...", "size": 12, "bold": false, ...}}, ...3],
//                  "style": {"style": 0, ...}, "pictureShown": false, "pictureFile": ""}, ...],
//      "steps": [{"label": "...", "before": 0, "after": 1}, ...],
//      "snapshots": [{"name": "...", "time": "2026-01-02T03:04:05Z", "state": 1}, ...]}
class HistoryFile {
public:
    static constexpr int kVersion = 1;
    static constexpr qsizetype kMaxBytes = 32 * 1024 * 1024;
    static constexpr int kMaxSteps = 1000;
    static constexpr int kMaxSnapshots = 1000;
    static constexpr int kMaxText = 65536;

    enum class Outcome { Read, Damaged, Newer };
    struct Result {
        Outcome outcome = Outcome::Read;
        HistoryData data;
        // Where the file is wrong: "3 行目" or a JSON path such as "steps[4].label".
        QString where;
        bool ok() const { return outcome == Outcome::Read; }
    };

    static QByteArray write(const HistoryData& data);
    static Result read(const QByteArray& bytes);
};

} // namespace tessary
