// SPDX-License-Identifier: MIT
#include "settings/ConfigRecord.h"

#include "platform/Numeric.h"
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"

namespace tessary {

namespace {

using C = ConfigConversions;

const QString kGeneral = QStringLiteral("General");
const QString kWindowPosition = QStringLiteral("WindowPosition");
const QString kText = QStringLiteral("Text");
const QString kColor = QStringLiteral("Color");

QString fontSection(int i) { return QStringLiteral("Font %1").arg(i + 1); }
QString textKey(int i) { return QStringLiteral("Text %1").arg(i + 1); }
QString colorKey(int i) { return QStringLiteral("ColorObject %1").arg(i); }
QString number(std::int32_t v) { return QString::number(v); }
QString flag(bool v) { return number(C::numberFromFlag(v)); }

template <class T>
void take(T& field, const std::optional<T>& v)
{
    if (v)
        field = *v;
}

ConfigRecord::Frame readFrame(CiniFile& ini, const QString& prefix)
{
    const auto real = [&](const char* key) {
        return numberFromText(ini.readData(kWindowPosition, prefix + QLatin1String(key), QStringLiteral("0")));
    };
    ConfigRecord::Frame f;
    f.left = real("Left");
    f.top = real("Top");
    f.width = real("Width");
    f.height = real("Height");
    return f;
}

void writeFrame(CiniFile& ini, const QString& prefix, const ConfigRecord::Frame& f)
{
    ini.writeData(kWindowPosition, prefix + QStringLiteral("Left"), C::formatReal(f.left));
    ini.writeData(kWindowPosition, prefix + QStringLiteral("Top"), C::formatReal(f.top));
    ini.writeData(kWindowPosition, prefix + QStringLiteral("Width"), C::formatReal(f.width));
    ini.writeData(kWindowPosition, prefix + QStringLiteral("Height"), C::formatReal(f.height));
}

} // namespace

ConfigRecord ConfigRecord::read(CiniFile& ini, const QString& defaultPaletteFile)
{
    ConfigRecord r;
    const auto wholeOf = [&](const QString& section, const QString& key, const QString& def) {
        return C::wholeNumber(ini.readData(section, key, def));
    };

    r.prefix = ini.readData(kGeneral, QStringLiteral("Prefix"), QStringLiteral("#"));
    r.restoreWindow = C::flagFromNumber(wholeOf(kGeneral, QStringLiteral("RestoreWindowFlug"), QStringLiteral("0")))
                          .value_or(false);
    r.restoreColor = C::flagFromNumber(wholeOf(kGeneral, QStringLiteral("RestoreColorFlug"), QStringLiteral("1")))
                         .value_or(false);

    r.mainWindow = readFrame(ini, QStringLiteral("main"));
    take(r.windowState, C::windowState(ini.readData(kWindowPosition, QStringLiteral("WindowState"), QStringLiteral("0"))));
    r.tessaryWindow = readFrame(ini, QStringLiteral("tessary"));

    r.paletteFileName = ini.readData(QStringLiteral("Palette"), QStringLiteral("fileName"), defaultPaletteFile);

    const auto styleParameter = [&](const QString& section, const QString& key, const QString& def) {
        return C::styleParameter(ini.readData(section, key, def));
    };
    take(r.latticeLineWidth, styleParameter(QStringLiteral("StyleLattice"), QStringLiteral("LineWidth"), QStringLiteral("2")));
    take(r.latticeDivideNum, styleParameter(QStringLiteral("StyleLattice"), QStringLiteral("DivideNum"), QStringLiteral("5")));
    take(r.divideDivideNum, styleParameter(QStringLiteral("StyleDivide"), QStringLiteral("DivideNum"), QStringLiteral("6")));
    take(r.sonsOutSideWidth,
         styleParameter(QStringLiteral("StyleSquareOnSquare"), QStringLiteral("OutsideWidth"), QStringLiteral("30")));

    for (int i = 0; i < 3; ++i) {
        const QString section = fontSection(i);
        StdFont& font = r.fonts[size_t(i)];
        const QString name = ini.readData(section, QStringLiteral("Name"), font.name);
        if (!name.trimmed().isEmpty())
            font.name = name;
        take(font.size, C::fontSize(ini.readData(section, QStringLiteral("Size"), QStringLiteral("12"))));
        const auto attribute = [&](const char* key) {
            return wholeOf(section, QLatin1String(key), QStringLiteral("0")) == 1;
        };
        font.bold = attribute("Bold");
        font.italic = attribute("Italic");
        font.underline = attribute("Underline");
        font.strikethrough = attribute("Strikethrough");
    }
    for (int i = 0; i < 3; ++i)
        r.texts[size_t(i)] = ini.readData(kText, textKey(i), r.texts[size_t(i)]);
    take(r.style, C::styleIndex(ini.readData(QStringLiteral("Style"), QStringLiteral("index"), QStringLiteral("0"))));
    for (int i = 0; i < 5; ++i)
        take(r.colors[size_t(i)], C::colorValue(ini.readData(kColor, colorKey(i), QStringLiteral("000000"))));
    return r;
}

void ConfigRecord::write(CiniFile& ini) const
{
    ini.writeData(kGeneral, QStringLiteral("Prefix"), prefix);
    ini.writeData(kGeneral, QStringLiteral("RestoreWindowFlug"), flag(restoreWindow));
    ini.writeData(kGeneral, QStringLiteral("RestoreColorFlug"), flag(restoreColor));

    writeFrame(ini, QStringLiteral("main"), mainWindow);
    ini.writeData(kWindowPosition, QStringLiteral("WindowState"), number(windowState));
    writeFrame(ini, QStringLiteral("tessary"), tessaryWindow);

    ini.writeData(QStringLiteral("StyleLattice"), QStringLiteral("LineWidth"), number(latticeLineWidth));
    ini.writeData(QStringLiteral("StyleLattice"), QStringLiteral("DivideNum"), number(latticeDivideNum));
    ini.writeData(QStringLiteral("StyleDivide"), QStringLiteral("DivideNum"), number(divideDivideNum));
    ini.writeData(QStringLiteral("StyleSquareOnSquare"), QStringLiteral("OutsideWidth"), number(sonsOutSideWidth));
    ini.writeData(QStringLiteral("Style"), QStringLiteral("index"), number(style));

    for (int i = 0; i < 3; ++i) {
        const QString section = fontSection(i);
        const StdFont& font = fonts[size_t(i)];
        ini.writeData(section, QStringLiteral("Name"), font.name);
        ini.writeData(section, QStringLiteral("Size"), C::formatFontSize(font.size));
        ini.writeData(section, QStringLiteral("Bold"), flag(font.bold));
        ini.writeData(section, QStringLiteral("Italic"), flag(font.italic));
        ini.writeData(section, QStringLiteral("Underline"), flag(font.underline));
        ini.writeData(section, QStringLiteral("Strikethrough"), flag(font.strikethrough));
        ini.writeData(kText, textKey(i), C::protectText(texts[size_t(i)]));
    }
    for (int i = 0; i < 5; ++i)
        ini.writeData(kColor, colorKey(i), number(colors[size_t(i)]));
}

} // namespace tessary
