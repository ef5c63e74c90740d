// SPDX-License-Identifier: MIT
// tessary-check: judges the contrast of a scheme, design tokens or CSS custom properties
// with the contrast window's own computations, for scripts and CI. Needs no display.
#include "check/CheckInput.h"
#include "check/CheckMessages.h"
#include "check/CheckOptions.h"
#include "check/CheckOutput.h"
#include "check/CheckRun.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

using namespace tessary;

namespace {

void put(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int fail(CheckOptions::Lang lang, const InputError& e)
{
    put(stderr, "tessary-check: " + CheckMessages::error(lang, e).toUtf8() + '\n');
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The report's bytes as they are: LF line ends on every system, so reports compare.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const QStringList args = app.arguments().mid(1);
    const auto lang = CheckOptions::langOf(args, CheckOptions::langOfLocale(QLocale::system().name()));
    auto parsed = CheckOptions::parse(args, lang);
    if (auto* e = std::get_if<InputError>(&parsed))
        return fail(lang, *e);
    const CheckOptions options = std::get<CheckOptions>(std::move(parsed));
    if (options.help) {
        put(stdout, CheckMessages::text(options.lang, CheckMessages::Text::Help).toUtf8());
        return 0;
    }
    auto input = CheckInput::load(options);
    if (auto* e = std::get_if<InputError>(&input))
        return fail(options.lang, *e);
    const CheckRun run = CheckRun::run(std::get<CheckInput>(input), options);
    put(stdout, CheckOutput::format(run, options));
    return run.exitStatus();
}
