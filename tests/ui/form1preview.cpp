// Shows the calculator window as a user meets it, with real message boxes and a
// silent player, for looking at it (screenshots) rather than for testing.
#include "boxmessagepresenter.h"
#include "calcstate.h"
#include "fakesoundplayer.h"
#include "platformsettings.h"
#include "tervoxapplication.h"
#include "tform1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    tervox::ui::TervoxApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile track(QStringLiteral("ovix.dat"));
    track.open(QIODevice::WriteOnly);
    track.close();

    tervox::calc::CalcState state;
    tervox::ui::testing::FakeSoundPlayer player;
    tervox::ui::TForm1 form(state, app.messagePresenter(), player,
                            dir.filePath(QStringLiteral("result.txt")));
    form.show();
    return app.exec();
}
