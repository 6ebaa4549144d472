#pragma once

#include "combustionestimate.h"
#include "indicatordiagram.h"
#include "regionalsettings.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tervox::ui {

class DiagramView;
class SweepPanel;
class TForm1;

// The indicator diagram of the calculator's last completed run, in a window of its
// own: the p-V diagram (or log p - log V), the loop's mean pressure beside the run's
// Pip, and the estimate of the state at the end of combustion beside the entered Tz
// and Pz, with a button that copies the estimate into the calculator's two fields.
// Copying starts no run: the user presses the calculate button when ready.
// The picture (PNG, SVG) and the curves (CSV) can be saved. A second page studies
// one input of the same run over a range (SweepPanel).
class IndicatorDiagramWindow : public QWidget {
    Q_OBJECT
public:
    explicit IndicatorDiagramWindow(QWidget* parent = nullptr);
    ~IndicatorDiagramWindow() override;

    // Shows the run's diagram and estimate, or, with nothing, says that no run has
    // completed yet. Numbers are written with the settings' decimal separator.
    void setRun(const std::optional<calc::CompletedRun>& run,
                const report::RegionalSettings& settings);
    // The calculator's fields that the copy button fills (either may be null).
    void setTargetFields(QLineEdit* tzet, QLineEdit* pzet);

    const calc::IndicatorDiagram& diagram() const { return m_diagram; }
    const calc::CombustionEstimate& estimate() const { return m_estimate; }
    bool logarithmic() const;

    // Writes the picture (.png, .svg) or the curves (.csv) as the name says; the
    // window's status line tells the outcome. Returns an empty string on success,
    // otherwise the reason.
    QString exportTo(const QString& path);

public slots:
    void setLogarithmic(bool on);
    // Puts the estimated Tz and Pz into the calculator's tzet and Pzet fields.
    void copyEstimate();

private:
    void buildControls();
    void refresh();
    void choosePictureFile();
    void chooseCurvesFile();
    QString text(long double value) const;

    calc::IndicatorDiagram m_diagram;
    calc::CombustionEstimate m_estimate;
    std::optional<calc::CompletedRun> m_run;
    report::RegionalSettings m_settings;
    QPointer<QLineEdit> m_tzet, m_pzet;

    DiagramView* m_view = nullptr;
    QCheckBox* m_logAxes = nullptr;
    QLabel* m_loopPressure = nullptr;
    QLabel* m_runPip = nullptr;
    QLabel* m_difference = nullptr;
    QLabel* m_enteredTz = nullptr;
    QLabel* m_enteredPz = nullptr;
    QLabel* m_enteredRho = nullptr;
    QLabel* m_estimateTz = nullptr;
    QLabel* m_estimatePz = nullptr;
    QLabel* m_estimateRho = nullptr;
    QLabel* m_rhoCaption = nullptr;
    QLabel* m_estimateNote = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_savePicture = nullptr;
    QPushButton* m_saveCurves = nullptr;
    QLabel* m_status = nullptr;
    SweepPanel* m_sweep = nullptr;
};

// Opens the indicator diagram window of the calculator window for its last completed
// run, or brings the open one forward showing that run.
void OpenIndicatorDiagram(TForm1& form);

} // namespace tervox::ui
