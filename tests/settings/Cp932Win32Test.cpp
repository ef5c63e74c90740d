// SPDX-License-Identifier: MIT
// Our code page 932 against Windows' own conversion (MultiByteToWideChar and
// WideCharToMultiByte with code page 932): every UTF-16 code unit, every byte and every pair
// of bytes.
#include "platform/Cp932Codec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessary {
namespace {

constexpr UINT kCp932 = 932;

QByteArray windowsEncode(char16_t unit)
{
    const auto* wide = reinterpret_cast<const wchar_t*>(&unit);
    char out[8] = {};
    const int n = WideCharToMultiByte(kCp932, 0, wide, 1, out, sizeof out, nullptr, nullptr);
    return QByteArray(out, n);
}

QString windowsDecode(const QByteArray& bytes)
{
    wchar_t out[8] = {};
    const int n = MultiByteToWideChar(kCp932, 0, bytes.constData(), int(bytes.size()), out, 8);
    return QString::fromWCharArray(out, n);
}

std::string hex(QByteArrayView bytes)
{
    std::string s;
    for (char b : bytes)
        s += QByteArray::number(static_cast<unsigned char>(b) | 0x100, 16).mid(1).toUpper().toStdString() + ' ';
    return s;
}

std::string hex(const QString& text)
{
    std::string s;
    for (QChar c : text)
        s += "U+" + QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper().toStdString() + ' ';
    return s;
}

// Collects the differences, reports the first few and the count.
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
    Differences differences;
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        const char16_t unit = char16_t(u);
        const QByteArray ours = Cp932Codec::encode(QStringView(&unit, 1));
        const QByteArray windows = windowsEncode(unit);
        if (ours != windows)
            differences.add(hex(QString(QChar(unit))) + "-> ours " + hex(ours) + "Windows " + hex(windows));
    }
    EXPECT_TRUE(differences.none());
}

TEST(Cp932AgainstWindows, EveryByteAndPairOfBytesDecodesAsWindowsDoes)
{
    Differences differences;
    std::vector<QByteArray> inputs;
    for (int a = 0; a < 256; ++a) {
        inputs.push_back(QByteArray(1, char(a)));
        for (int b = 0; b < 256; ++b)
            inputs.push_back(QByteArray(1, char(a)) + char(b));
    }
    for (const QByteArray& bytes : inputs) {
        const QString ours = Cp932Codec::decode(bytes);
        const QString windows = windowsDecode(bytes);
        if (ours != windows)
            differences.add(hex(bytes) + "-> ours " + hex(ours) + "Windows " + hex(windows));
    }
    EXPECT_TRUE(differences.none());
}

} // namespace
} // namespace tessary
