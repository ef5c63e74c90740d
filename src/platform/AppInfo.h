// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// Where the program lives and what it is called.
class AppInfo {
public:
    // The folder holding palette/ and doc/: the executable's own folder in the build
    // tree, the installed data folder after installation.
    static QString programFolder();
    // The executable's name without folder and extension.
    static QString exeName();
    static QString currentDirectory();

    // Tests point the program at a folder of their own.
    static void setProgramFolderOverride(const QString& folder);
};

} // namespace tessary
