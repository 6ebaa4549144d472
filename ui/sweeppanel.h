#pragma once

#include "indicatordiagram.h"
#include "regionalsettings.h"
#include "sweepstudy.h"

#include <QString>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tervox::ui {

class SweepView;

// A small design study beside the indicator diagram: one input of the completed run
// taken over a range (From, To, Step, read with the decimal separator in force),
// every other input as the run read it, and Pe, eta_e, ge and D plotted against it
// with the run's own point marked. Points that stop leave gaps and are listed with
// their messages. The picture (PNG, SVG) and the table (CSV) can be saved.
// A study changes nothing: not the run, not its report, not the calculator's fields.
class SweepPanel : public QWidget {
    Q_OBJECT
public:
    explicit SweepPanel(QWidget* parent = nullptr);
    ~SweepPanel() override;

    // The run to study, or nothing before the first completed run. A new run clears
    // the last study; the chosen input and range stay.
    void setRun(const std::optional<calc::CompletedRun>& run,
                const report::RegionalSettings& settings);

    // Chooses the input studied and the range texts, as a user would type them.
    void setRange(calc::FieldId field, const QString& from, const QString& to, const QString& step);
    calc::FieldId field() const;

    // The last study (empty before the first press of Sweep).
    const SweepStudy& study() const { return m_study; }

    // Writes the picture (.png, .svg) or the table (.csv) as the name says; the
    // panel's status line tells the outcome. Returns an empty string on success,
    // otherwise the reason.
    QString exportTo(const QString& path);

public slots:
    // Computes the study of the chosen input over the range and shows it.
    void sweep();

private:
    void buildControls();
    void inputChosen();
    void suggestRange();
    void showStudy();
    void choosePictureFile();
    void chooseTableFile();
    QString separator() const;

    std::optional<calc::CompletedRun> m_run;
    report::RegionalSettings m_settings;
    SweepStudy m_study;

    QComboBox* m_input = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QLineEdit* m_step = nullptr;
    QPushButton* m_sweep = nullptr;
    SweepView* m_view = nullptr;
    QLabel* m_status = nullptr;
    QPlainTextEdit* m_stopped = nullptr;
    QPushButton* m_savePicture = nullptr;
    QPushButton* m_saveTable = nullptr;
};

} // namespace tervox::ui
