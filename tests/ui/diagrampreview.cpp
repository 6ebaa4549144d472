// Not a test: the calculator window after a run of its default inputs, with its
// indicator diagram open, for looking at it (screenshots). Arguments: --gasoline for
// the other engine type, --log for logarithmic axes.
#include "fakesoundplayer.h"
#include "indicatordiagramwindow.h"
#include "recordingmessages.h"
#include "tervoxapplication.h"
#include "tform1.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    tervox::ui::TervoxApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile track(QStringLiteral("ovix.dat"));
    track.open(QIODevice::WriteOnly);
    track.close();

    tervox::calc::CalcState state;
    tervox::ui::testing::FakeSoundPlayer player;
    // The run's message goes nowhere: the diagram is what is looked at.
    tervox::ui::testing::RecordingMessages messages;
    tervox::ui::TForm1 form(state, messages, player,
                            dir.filePath(QStringLiteral("result.txt")));
    form.show();
    if (args.contains(QStringLiteral("--gasoline")))
        form.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
    try {
        form.Button1Click();
    } catch (const std::exception&) {
        // No completed run: the window says so.
    }
    tervox::ui::OpenIndicatorDiagram(form);
    auto* window = form.findChild<tervox::ui::IndicatorDiagramWindow*>();
    if (window) {
        window->move(10, 10);
        window->setLogarithmic(args.contains(QStringLiteral("--log")));
    }
    return app.exec();
}
