// SPDX-License-Identifier: MIT
// Our code page 932 against Windows' own conversion (MultiByteToWideChar and
// WideCharToMultiByte with code page 932, default flags): every UTF-16 code unit, every byte
// and every pair of bytes. They must agree but for three designed differences, each matched
// by a rule that fits only its own cases, so anything else still fails.
#include "platform/Cp932Codec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tessary {
namespace {

constexpr UINT kCp932 = 932;
constexpr char16_t kSubstitute = 0x30FB;

QByteArray windowsEncode(char16_t unit)
{
    char out[8] = {};
    const int n = WideCharToMultiByte(kCp932, 0, reinterpret_cast<const wchar_t*>(&unit), 1, out, sizeof out,
                                      nullptr, nullptr);
    return QByteArray(out, n);
}

QString windowsDecode(QByteArrayView bytes)
{
    wchar_t out[8] = {};
    const int n = MultiByteToWideChar(kCp932, 0, bytes.data(), int(bytes.size()), out, 8);
    return QString::fromWCharArray(out, n);
}

bool isLeadByte(quint8 b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(quint8 b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

std::string bytesHex(QByteArrayView bytes) { return bytes.toByteArray().toHex(' ').toUpper().toStdString(); }

std::string unitsHex(const QString& text)
{
    std::string s;
    for (QChar c : text)
        s += "U+" + QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper().toStdString() + ' ';
    return s;
}

// Collects the differences nothing explains; reports the first few and the count.
class Differences {
public:
    void add(std::string what) { m_all.push_back(std::move(what)); }
    ::testing::AssertionResult none() const
    {
        if (m_all.empty())
            return ::testing::AssertionSuccess();
        auto result = ::testing::AssertionFailure() << m_all.size() << " differences:";
        for (std::size_t i = 0; i < m_all.size() && i < 40; ++i)
            result << "\n  " << m_all[i];
        return result;
    }

private:
    std::vector<std::string> m_all;
};

TEST(Cp932AgainstWindows, EveryUtf16CodeUnitEncodesAsWindowsDoes)
{
    // Written as their usual look-alikes (U+301C as 81 60, ...), which Windows writes as '?'.
    const std::set<char16_t> ourLookAlikes{0x2014, 0x2016, 0x203E, 0x2212, 0x301C};
    Differences differences;
    std::set<char16_t> lookAlikesUsed;
    int windowsLookAlikes = 0;
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        const char16_t unit = char16_t(u);
        const QByteArray ours = Cp932Codec::encode(QStringView(&unit, 1));
        const QByteArray windows = windowsEncode(unit);
        if (ours == windows)
            continue;
        if (ourLookAlikes.count(unit) && windows == "?") {
            lookAlikesUsed.insert(unit);
            continue;
        }
        // Windows also writes look-alikes of its own for many characters without a code (À as
        // 'A', ゔ as ヴ); we write '?' for those. A code of the character's own (one that reads
        // back as it) is never such a case.
        if (ours == "?" && windowsDecode(windows) != QString(QChar(unit))) {
            ++windowsLookAlikes;
            continue;
        }
        differences.add(unitsHex(QString(QChar(unit))) + "-> ours " + bytesHex(ours) + ", Windows " + bytesHex(windows));
    }
    EXPECT_TRUE(differences.none());
    EXPECT_EQ(lookAlikesUsed, ourLookAlikes);
    std::printf("characters Windows writes as look-alikes and we as '?': %d\n", windowsLookAlikes);
}

TEST(Cp932AgainstWindows, EveryByteAndPairOfBytesDecodesAsWindowsDoes)
{
    Differences differences;
    int strayLeadBytes = 0;
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            QByteArray bytes(1, char(a));
            if (b >= 0)
                bytes += char(b);
            const QString ours = Cp932Codec::decode(bytes);
            const QString windows = windowsDecode(bytes);
            if (ours == windows)
                continue;
            // A lead byte before a byte that cannot be its trail byte: Windows reads the pair as
            // one U+30FB, we read U+30FB and then the byte by itself, so that a line end or a
            // quote after a stray lead byte keeps its meaning.
            if (b >= 0 && isLeadByte(quint8(a)) && !isTrailByte(quint8(b)) && windows == QString(QChar(kSubstitute))
                && ours == QChar(kSubstitute) + Cp932Codec::decode(bytes.mid(1))) {
                ++strayLeadBytes;
                continue;
            }
            differences.add(bytesHex(bytes) + " -> ours " + unitsHex(ours) + ", Windows " + unitsHex(windows));
        }
    }
    EXPECT_TRUE(differences.none());
    std::printf("lead bytes before a byte that cannot follow them: %d\n", strayLeadBytes);
}

} // namespace
} // namespace tessary
