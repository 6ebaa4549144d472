#pragma once

#include "calcstate.h"
#include "indicatordiagram.h"
#include "regionalsettings.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QLineEdit;
class QMenu;
class QRadioButton;

namespace tervox::ui {

class CoolForm;
class ImageControl;
class MediaPlayerBar;
class MessagePresenter;
class SoundPlayer;
class SpinEdit;

// Form1, the calculator window: a borderless, skinned 701 x 374 window with the
// twenty-six input fields, the engine-type buttons, the calculate button, the note on
// what is worked out by hand, the media-player bar and the image that opens the
// pop-up menu. Every control carries its component name as its objectName.
//
// Construction runs `start`: the old report is deleted and the start-up sound
// starts, or the program is asked to end when there is no sound track.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The state, the presenter and the player must outlive the window. reportPath is
    // the results report that a run writes and that start-up deletes.
    TForm1(calc::CalcState& state, MessagePresenter& messages, SoundPlayer& player,
           QString reportPath, QWidget* parent = nullptr);
    ~TForm1() override;

    // The About window that `proeto` shows modally; nothing is shown while none is set.
    void setAboutBox(QDialog* about);
    QDialog* aboutBox() const { return m_aboutBox; }

    CoolForm* coolForm() const { return m_coolForm; }
    QMenu* popupMenu() const { return m_popupMenu; }
    const QString& reportPath() const { return m_reportPath; }
    // The decimal separator and date format in force (read at start-up and again
    // whenever the system announces a change of the regional settings).
    const report::RegionalSettings& regionalSettings() const { return m_settings; }
    // Where the settings are read from: the system's by default. The source is asked
    // again on every change announcement.
    using SettingsSource = std::function<report::RegionalSettings()>;
    void setRegionalSettingsSource(SettingsSource source);

    // The handlers. Those that can fail (Button1Click, ChislocilindChange) throw the
    // error that stopped them; the window's own controls catch it and hand it to the
    // error display of the message presenter.

    // The calculate action: a calculation run on the fields' current texts, then the
    // saved-results message.
    void Button1Click();
    // Converts the cylinder-count text and stores it in the calculation state.
    void ChislocilindChange();

    // The last run that completed, with its engine type; nothing before the first.
    // A run that stops leaves it as it was.
    const std::optional<calc::CompletedRun>& lastCompletedRun() const { return m_lastCompletedRun; }

public slots:
    // Opens the pop-up menu beside Image1 (its left edge, its top edge + 50).
    void mens();
    // Shows the About window modally and returns when it is closed.
    void proeto();
    // The exit path: the exit sound to the end of the track, waited for, then the
    // request to end the program. Both exit entries and every close request take it.
    void exittow();
    // The creation handler (run by the constructor).
    void start();
    // The close query: takes the exit path and allows the close.
    void query();
    // Opens the indicator diagram window for the last completed run.
    void IndicatorDiagram1Click();

signals:
    // Emitted each time the window asks the program to end (after which the request
    // is on its way to the event loop).
    void terminationRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildPopupMenu();
    void setTabOrder();
    void readRegionalSettings();
    void requestTermination();
    // Runs a handler that can fail and shows its error through the error display.
    template <typename Handler> void reportErrors(Handler&& handler);

    calc::CalcState& m_state;
    MessagePresenter& m_messages;
    SoundPlayer& m_player;
    QString m_reportPath;
    SettingsSource m_settingsSource;
    report::RegionalSettings m_settings;

    CoolForm* m_coolForm = nullptr;
    QLineEdit* m_chislocilind = nullptr;
    SpinEdit* m_deltT = nullptr;
    QRadioButton* m_radioButton1 = nullptr;
    QRadioButton* m_radioButton2 = nullptr;
    ImageControl* m_image1 = nullptr;
    QMenu* m_popupMenu = nullptr;
    MediaPlayerBar* m_mediaPlayer = nullptr;
    QPointer<QDialog> m_aboutBox;
    std::optional<calc::CompletedRun> m_lastCompletedRun;

    bool m_shownBefore = false;
    // The cylinder-count field lost the focus to another window (a message box, the
    // pop-up menu); getting it back is no focus change inside this window.
    bool m_chislocilindFocusParked = false;
};

} // namespace tervox::ui
