// SPDX-License-Identifier: MIT
#include "exchange/SchemeExport.h"
#include "exchange/SchemeImport.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessary;

// Random schemes written in each of our scheme formats read back the same: the colours from
// every format, the texts from our JSON.
TEST(SchemeImport, ReadsBackEveryScheme)
{
    std::mt19937 rng(2310);
    int differences = 0;
    for (int n = 0; n < 10000; ++n) {
        ColorScheme s;
        for (auto& c : s.colors)
            c = std::int32_t(rng() & 0xFFFFFF);
        for (auto& t : s.sampleTexts) {
            for (int k = int(rng() % 6); k > 0; --k)
                t += QChar(char16_t(u" a\"\\*/;{}\n見本\t"[rng() % 14]));
        }
        for (const ExchangeFormat f : {ExchangeFormat::Json, ExchangeFormat::DesignTokens, ExchangeFormat::Css}) {
            const SchemeImport::Result r = SchemeImport::read(SchemeExport::toBytes(s, f), QStringLiteral("s"));
            const bool same = r.scheme && r.scheme->colors == s.colors
                && (f != ExchangeFormat::Json || (r.texts && r.scheme->sampleTexts == s.sampleTexts));
            if (!same && ++differences < 5)
                ADD_FAILURE() << n << " format " << int(f) << " " << r.error.toStdString();
        }
    }
    EXPECT_EQ(differences, 0);
}

// A file that gives no whole scheme is refused, naming the file and the place.
TEST(SchemeImport, RefusesNamingFileAndPlace)
{
    ColorScheme s;
    s.colors = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF};
    const QByteArray json = SchemeExport::toBytes(s, ExchangeFormat::Json);
    const QByteArray tokens = SchemeExport::toBytes(s, ExchangeFormat::DesignTokens);
    const QByteArray css = SchemeExport::toBytes(s, ExchangeFormat::Css);
    const struct {
        QByteArray bytes, from, to;
        const char* place;
    } rows[] = {
        {json, "\"version\": 1", "\"version\": 2", "$.version"},
        {json, "\"#FFEEDD\"", "\"#FFEED\"", "$.colors.background2"},
        {json, "\"text3\": \"\"", "\"text3\": 3", "$.sampleTexts.text3"},
        {json, "{", "{{", ":1"},
        {tokens, "\"text-2\"", "\"text-9\"", "tessary.text-2"},
        {css, "--tessary-background-1: #CCBBAA", "--tessary-background-1: #CCBBAA80", ":5"},
        {css, "--tessary-text-3", "--tessary-text-4", "tessary-text-3"},
        {css, "#332211", "#33221", ":2"},
        {css, "#332211", "#33\xff", ":2"},
    };
    for (const auto& row : rows) {
        QByteArray bytes = row.bytes;
        ASSERT_TRUE(bytes.contains(row.from)) << row.from.constData();
        bytes.replace(bytes.indexOf(row.from), row.from.size(), row.to);
        const SchemeImport::Result r = SchemeImport::read(bytes, QStringLiteral("配色.json"));
        EXPECT_FALSE(r.scheme) << row.to.constData();
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("配色.json"))) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(row.place))) << r.error.toStdString();
    }
}
