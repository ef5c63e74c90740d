// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"

namespace tessary {

class CiniFile;

// The colour vision in its own section of the settings file, after all the others. It stays
// out of a file until a mode other than the first start's is saved, so that a program that
// never used the simulation writes the same bytes as before it existed.
class VisionSettings {
public:
    // A missing section or a value that cannot be used gives the default for that value.
    static VisionMode read(CiniFile& ini);
    // Writes both keys when the mode differs from the default or the file holds the section.
    static void write(CiniFile& ini, const VisionMode& mode);
};

} // namespace tessary
