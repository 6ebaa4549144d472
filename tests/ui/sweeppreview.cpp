// Not a test: the indicator diagram window after a run of the default inputs, on its
// Sweep page with a study made, for looking at it (screenshots). Arguments:
// --gasoline for the other engine type; NAME FROM TO STEP for the study (default
// StSzhatia over the range the panel suggests); --export FILE to save the study too.
#include "fakesoundplayer.h"
#include "indicatordiagramwindow.h"
#include "recordingmessages.h"
#include "sweeppanel.h"
#include "tervoxapplication.h"
#include "tform1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    tervox::ui::TervoxApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile track(QStringLiteral("ovix.dat"));
    track.open(QIODevice::WriteOnly);
    track.close();

    tervox::calc::CalcState state;
    tervox::ui::testing::FakeSoundPlayer player;
    tervox::ui::testing::RecordingMessages messages;
    tervox::ui::TForm1 form(state, messages, player, dir.filePath(QStringLiteral("result.txt")));
    form.show();
    QString exportPath;
    if (const qsizetype at = args.indexOf(QStringLiteral("--export"));
        at >= 0 && at + 1 < args.size()) {
        exportPath = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.removeAll(QStringLiteral("--gasoline")))
        form.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
    try {
        form.Button1Click();
    } catch (const std::exception&) {
        // No completed run: the panel says so.
    }
    tervox::ui::OpenIndicatorDiagram(form);
    auto* window = form.findChild<tervox::ui::IndicatorDiagramWindow*>();
    if (!window)
        return 1;
    window->move(10, 10);
    window->findChild<QTabWidget*>(QStringLiteral("DiagramPages"))->setCurrentIndex(1);
    auto* panel = window->findChild<tervox::ui::SweepPanel*>();
    if (args.size() == 4) {
        const auto field = tervox::calc::FieldIdOf(args[0].toStdString());
        if (field)
            panel->setRange(*field, args[1], args[2], args[3]);
    }
    QElapsedTimer timer;
    timer.start();
    panel->sweep();
    std::fprintf(stderr, "study of %zu points in %lld ms\n", panel->study().points.size(),
                 static_cast<long long>(timer.elapsed()));
    if (!exportPath.isEmpty()) {
        const QString failure = panel->exportTo(exportPath);
        std::fprintf(stderr, "%s\n", failure.isEmpty() ? "exported" : qPrintable(failure));
    }
    return app.exec();
}
