// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-gif-passes INPUT OUTPUT WORKFOLDER [--single]: the ffmpeg runs of a GIF conversion of INPUT, as the
// task runner gets them, one block per run: a line "pass <progress share> <result|intermediate>", the
// arguments one per line, then a line "end". --single prints the one-run list of arguments() instead.
#include "ConversionEngine.h"
#include "MediaProbe.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4 || argc > 5 || (argc == 5 && std::strcmp(argv[4], "--single") != 0)) {
        std::fprintf(stderr, "usage: karvo-gif-passes INPUT OUTPUT WORKFOLDER [--single]\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const auto op = karvo::ConversionOp::convert(karvo::OutputFormat::gif);
    const auto info = karvo::MediaProbe::probe(input);
    std::vector<karvo::FFmpegPass> runs;
    if (argc == 5)
        runs.push_back({karvo::ConversionEngine::arguments(op, input, output, info), 1, true});
    else
        runs = karvo::ConversionEngine::passes(op, input, output, info, QString::fromLocal8Bit(argv[3]));
    for (const karvo::FFmpegPass& pass : runs) {
        std::printf("pass %.3f %s\n", pass.progressShare, pass.producesResult ? "result" : "intermediate");
        for (const QString& arg : pass.arguments)
            std::printf("%s\n", qPrintable(arg));
        std::printf("end\n");
    }
    return runs.empty() ? 1 : 0;
}
