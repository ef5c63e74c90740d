// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IFileDialogs.h"

namespace tessary {

class QtFileDialogs : public IFileDialogs {
public:
    QString openFile(QWidget* parent, const QString& initialName, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& initialName, const QString& filter,
                     int* chosenFilter = nullptr) override;
    bool chooseFont(QWidget* parent, StdFont& font) override;

    // "desc|*.a;*.b|desc2|*.c" -> "desc (*.a *.b);;desc2 (*.c)"
    static QString toQtFilter(const QString& filter);
    // The installed style of the family nearest to bold and italic as asked.
    static QString closestStyle(const QString& family, bool bold, bool italic);
};

} // namespace tessary
