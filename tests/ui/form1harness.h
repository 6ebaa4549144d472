#pragma once

#include "calcstate.h"
#include "fakesoundplayer.h"
#include "recordingmessages.h"
#include "tform1.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tervox::ui::testing {

// One calculator window in a working folder of its own: the sound track file in it
// (unless asked otherwise), the report inside the folder, a recording presenter and
// a fake player.
class Form1Harness {
public:
    enum class Track { Present, Missing };

    explicit Form1Harness(Track track = Track::Present) {
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        if (track == Track::Present)
            writeFile(QStringLiteral("ovix.dat"), "RIFF");
        reportPath = m_dir.filePath(QStringLiteral("Tervox/result.txt"));
    }
    ~Form1Harness() {
        form.reset();
        QDir::setCurrent(m_previousDir);
    }
    Form1Harness(const Form1Harness&) = delete;
    Form1Harness& operator=(const Form1Harness&) = delete;

    TForm1& create() {
        form = std::make_unique<TForm1>(state, messages, player, reportPath);
        return *form;
    }
    // Creates, shows and activates the window, as the splash button does.
    bool createShown() {
        create();
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& content) const {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    template <typename T = QLineEdit> T* child(const QString& name) const {
        return form->findChild<T*>(name);
    }

    calc::CalcState state;
    RecordingMessages messages;
    FakeSoundPlayer player;
    QString reportPath;
    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

} // namespace tervox::ui::testing
