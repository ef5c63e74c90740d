// SPDX-License-Identifier: MIT
#include "a11y/CleanCaption.h"

namespace tessary {

QString cleanCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    const qsizetype n = caption.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = caption[i];
        const bool open = c == u'(' || c == u'（';
        // "(&R)", also with full-width brackets: the whole group is only the access key.
        if (open && i + 3 < n && caption[i + 1] == u'&' && caption[i + 2] != u'&'
            && (caption[i + 3] == u')' || caption[i + 3] == u'）')) {
            i += 3;
            continue;
        }
        if (c == u'&') {
            if (i + 1 < n && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += c;
    }
    if (out.endsWith(QStringLiteral("...")))
        out.chop(3);
    else if (out.endsWith(u'…'))
        out.chop(1);
    return out.trimmed();
}

} // namespace tessary
