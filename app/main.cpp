// tervox: the Tervox Engine calculator as a desktop program. Opens on the splash
// window; its button leads to the calculator window.
#include "assetsinit.h"
#include "datafolder.h"
#include "platformsettings.h"
#include "program.h"
#include "tervoxapplication.h"
#include "wavesoundplayer.h"

#include <QIcon>

int main(int argc, char** argv) {
    tervox::ui::TervoxApplication app(argc, argv);
    tervox_assets_init();
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/tervox.png")));
    // The program ends when its main window (the splash window) is closed or when the
    // calculator window's exit path asks; a window that merely hides ends nothing.
    app.setQuitOnLastWindowClosed(false);

    // The sound track and "1.msk" are named relative to the working directory.
    tervox::app::EnterWorkingDirectory(QCoreApplication::applicationDirPath());

    // Declared before the windows, so that it outlives them: the player closes its
    // device when the program ends.
    tervox::ui::WaveSoundPlayer player;
    tervox::app::Program program(app.messagePresenter(), player, tervox::platform::DefaultReportPath());
    program.showMainWindowWhenLoopRuns();
    return app.exec();
}
