// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the progress panel with cards in every state over real conversions, for looking at it:
//   progress_panel_preview [--screenshot FILE] [--translucent]
// With --screenshot the whole screen is captured (ImageMagick's `import`) once a long conversion runs,
// and the program ends.
#include "CardCloseButton.h"
#include "EventLoop.h"
#include "ProgressHUDController.h"
#include "TaskCardView.h"
#include "TaskManager.h"
#include "TestMedia.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace karvo;
using namespace karvo::test;
using Status = ConversionTask::Status;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype shotAt = args.indexOf(QStringLiteral("--screenshot"));
    const QString shot = shotAt > 0 && shotAt + 1 < args.size() ? args.at(shotAt + 1) : QString();

    QTemporaryDir dir;
    const auto place = [&](const QString& source, const QString& name) {
        const QString target = dir.filePath(name);
        QFile::copy(source, target);
        return target;
    };
    const QString shortClip = place(TestMedia::clip(1), "Beach sunset.mov");
    const QString splitClip = place(TestMedia::clip(8), "Interview take 3.mp4");
    const QString longClip = place(TestMedia::clip(40, 1280, 720), "Family dinner with a rather long file name.mp4");

    TaskManager manager;
    ProgressHUDController::Options options;
    if (args.contains(QStringLiteral("--translucent")))
        options.translucent = true;
    ProgressHUDController hud(manager, options);
    const auto enqueue = [&](const QString& input, const ConversionOp& op) {
        TaskPtr task = manager.enqueue(input, op);
        hud.reload();
        return task;
    };
    enqueue(shortClip, ConversionOp::convert(OutputFormat::mp4));
    enqueue(dir.filePath("Holiday 2019.mp4"), ConversionOp::compress(28)); // gone: fails
    enqueue(splitClip, ConversionOp::split(2));
    const TaskPtr cancelled = enqueue(shortClip, ConversionOp::convert(OutputFormat::gif));
    cancelled->cancel();
    const TaskPtr running = enqueue(longClip, ConversionOp::convert(OutputFormat::gif)); // slow: a palette per frame
    enqueue(longClip, ConversionOp::mute());

    if (shot.isEmpty())
        return app.exec();

    if (!waitFor([&] { return running->status() == Status::running && running->progress() > 0.1; }, 120000)) {
        std::fprintf(stderr, "the long conversion never got going\n");
        return 1;
    }
    spin(300); // let the smoothing and the fades settle
    // Show one card as under the pointer.
    if (TaskCardView* card = hud.card(running->id()))
        card->closeButton()->fadeTo(1, 0);
    spin(100);
    const int rc = QProcess::execute(QStringLiteral("import"), {"-window", "root", shot});
    manager.shutdown([] {});
    return rc;
}
