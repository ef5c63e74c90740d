// SPDX-License-Identifier: MIT
#include "platform/ColorValue.h"
#include "platform/PortalProtocol.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <limits>

using namespace tessary;

TEST(PortalProtocol, ColourFractionsRoundToBytes)
{
    struct Row {
        const char* name;
        double fraction;
        int expected;
    };
    const Row rows[] = {
        {"zero", 0.0, 0},
        {"one", 1.0, 255},
        {"just below 128/255 rounds up, not down to 127", 128.0 / 255.0 - 1e-9, 128},
        {"the middle of 127 and 128", 127.5 / 255.0, 128},
        {"just below the middle", 127.49 / 255.0, 127},
        {"just below one", 0.999, 255},
        {"below the range", -0.2, 0},
        {"above the range", 1.5, 255},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PortalProtocol::colourByte(row.fraction), row.expected) << row.name;
    EXPECT_EQ(PortalProtocol::colourValue(1.0, 0.5, 0.0), ColorValue::pack(255, 128, 0)) << "red in the low byte";
}

TEST(PortalProtocol, TokensAndRequestPaths)
{
    const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_]+$"));
    for (const quint32 random : {0u, 0xDEADBEEFu, 0xFFFFFFFFu})
        EXPECT_TRUE(allowed.match(PortalProtocol::handleToken(random)).hasMatch()) << random;
    EXPECT_NE(PortalProtocol::handleToken(1), PortalProtocol::handleToken(2));

    struct Row {
        const char* uniqueName;
        const char* expected;
    };
    for (const Row& row : {Row{":1.42", "/org/freedesktop/portal/desktop/request/1_42/tok_1"},
                           Row{":1.2.3", "/org/freedesktop/portal/desktop/request/1_2_3/tok_1"}}) {
        EXPECT_EQ(PortalProtocol::requestPath(QString::fromLatin1(row.uniqueName), QStringLiteral("tok_1")),
                  QString::fromLatin1(row.expected));
    }
}
