#include "indicatordiagramwindow.h"

#include "applicationtitle.h"
#include "diagramexport.h"
#include "diagramview.h"
#include "savefiledialog.h"
#include "sweeppanel.h"
#include "tform1.h"

#include "numberformat.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tervox::ui {

namespace {

QLabel* Value(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString Caption() {
    return QStringLiteral("Indicator diagram - %1").arg(QLatin1String(kApplicationTitle));
}

} // namespace

IndicatorDiagramWindow::IndicatorDiagramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("IndicatorDiagramWindow"));
    setWindowTitle(Caption());
    buildControls();
    setRun(std::nullopt, m_settings);
}

IndicatorDiagramWindow::~IndicatorDiagramWindow() = default;

void IndicatorDiagramWindow::buildControls() {
    m_view = new DiagramView(this);

    auto* side = new QWidget(this);
    side->setFixedWidth(300);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    m_logAxes = new QCheckBox(QStringLiteral("Logarithmic axes (log p \u2013 log V)"), side);
    m_logAxes->setObjectName(QStringLiteral("LogAxes"));
    connect(m_logAxes, &QCheckBox::toggled, this, &IndicatorDiagramWindow::setLogarithmic);
    column->addWidget(m_logAxes);

    auto* mean = new QGroupBox(QStringLiteral("Mean indicated pressure"), side);
    auto* meanGrid = new QGridLayout(mean);
    m_loopPressure = Value(mean, "LoopPressure");
    m_runPip = Value(mean, "RunPip");
    m_difference = Value(mean, "PressureDifference");
    meanGrid->addWidget(new QLabel(QStringLiteral("Loop of the diagram, MPa"), mean), 0, 0);
    meanGrid->addWidget(m_loopPressure, 0, 1);
    meanGrid->addWidget(new QLabel(QStringLiteral("Pip of the run, MPa"), mean), 1, 0);
    meanGrid->addWidget(m_runPip, 1, 1);
    meanGrid->addWidget(new QLabel(QStringLiteral("Difference, %"), mean), 2, 0);
    meanGrid->addWidget(m_difference, 2, 1);
    column->addWidget(mean);

    auto* combustion = new QGroupBox(QStringLiteral("End of combustion"), side);
    auto* grid = new QGridLayout(combustion);
    grid->addWidget(new QLabel(QStringLiteral("<b>Entered</b>"), combustion), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("<b>Estimated</b>"), combustion), 0, 2, Qt::AlignRight);
    m_enteredTz = Value(combustion, "EnteredTz");
    m_enteredPz = Value(combustion, "EnteredPz");
    m_enteredRho = Value(combustion, "EnteredRho");
    m_estimateTz = Value(combustion, "EstimateTz");
    m_estimatePz = Value(combustion, "EstimatePz");
    m_estimateRho = Value(combustion, "EstimateRho");
    m_rhoCaption = new QLabel(QStringLiteral("\u03C1 (ro)"), combustion);
    grid->addWidget(new QLabel(QStringLiteral("Tz, K"), combustion), 1, 0);
    grid->addWidget(m_enteredTz, 1, 1);
    grid->addWidget(m_estimateTz, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Pz, MPa"), combustion), 2, 0);
    grid->addWidget(m_enteredPz, 2, 1);
    grid->addWidget(m_estimatePz, 2, 2);
    grid->addWidget(m_rhoCaption, 3, 0);
    grid->addWidget(m_enteredRho, 3, 1);
    grid->addWidget(m_estimateRho, 3, 2);
    m_estimateNote = new QLabel(combustion);
    m_estimateNote->setObjectName(QStringLiteral("EstimateNote"));
    m_estimateNote->setWordWrap(true);
    grid->addWidget(m_estimateNote, 4, 0, 1, 3);
    m_copy = new QPushButton(QStringLiteral("Copy estimate to Tz and Pz"), combustion);
    m_copy->setObjectName(QStringLiteral("CopyEstimate"));
    m_copy->setToolTip(QStringLiteral(
        "Fills the calculator's Tz and Pz fields; press the calculate button to run with them."));
    connect(m_copy, &QPushButton::clicked, this, &IndicatorDiagramWindow::copyEstimate);
    grid->addWidget(m_copy, 5, 0, 1, 3);
    column->addWidget(combustion);

    auto* save = new QGroupBox(QStringLiteral("Save"), side);
    auto* saveColumn = new QVBoxLayout(save);
    m_savePicture = new QPushButton(QStringLiteral("Picture (PNG, SVG)..."), save);
    m_savePicture->setObjectName(QStringLiteral("ExportPicture"));
    connect(m_savePicture, &QPushButton::clicked, this, &IndicatorDiagramWindow::choosePictureFile);
    m_saveCurves = new QPushButton(QStringLiteral("Curves and points (CSV)..."), save);
    m_saveCurves->setObjectName(QStringLiteral("ExportCurves"));
    connect(m_saveCurves, &QPushButton::clicked, this, &IndicatorDiagramWindow::chooseCurvesFile);
    saveColumn->addWidget(m_savePicture);
    saveColumn->addWidget(m_saveCurves);
    column->addWidget(save);

    m_status = new QLabel(side);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_status);
    column->addStretch(1);

    auto* close = new QPushButton(QStringLiteral("Close"), side);
    close->setObjectName(QStringLiteral("CloseDiagram"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    column->addWidget(close, 0, Qt::AlignRight);

    // The diagram with its figures on one page, a design study around the same run
    // on the next.
    auto* diagramPage = new QWidget(this);
    auto* row = new QHBoxLayout(diagramPage);
    row->addWidget(m_view, 1);
    row->addWidget(side);
    m_sweep = new SweepPanel(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("DiagramPages"));
    pages->addTab(diagramPage, QStringLiteral("p\u2013V diagram"));
    pages->addTab(m_sweep, QStringLiteral("Sweep"));
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(4, 4, 4, 4);
    whole->addWidget(pages);
}

void IndicatorDiagramWindow::setRun(const std::optional<calc::CompletedRun>& run,
                                    const report::RegionalSettings& settings) {
    m_run = run;
    m_settings = settings;
    if (m_run) {
        m_diagram = calc::BuildIndicatorDiagram(m_run->type, m_run->state);
        m_estimate = calc::EstimateCombustionState(m_run->type, m_run->state);
    } else {
        m_diagram = {};
        m_diagram.failure = "No run has completed yet. Press the calculate button, then open "
                            "the indicator diagram again.";
        m_estimate = {};
        m_estimate.failure = "No run has completed yet.";
    }
    m_status->clear();
    m_sweep->setRun(m_run, m_settings);
    refresh();
}

void IndicatorDiagramWindow::setTargetFields(QLineEdit* tzet, QLineEdit* pzet) {
    m_tzet = tzet;
    m_pzet = pzet;
    refresh();
}

bool IndicatorDiagramWindow::logarithmic() const {
    return m_view->logarithmic();
}

void IndicatorDiagramWindow::setLogarithmic(bool on) {
    if (m_logAxes->isChecked() != on)
        m_logAxes->setChecked(on); // comes back here through toggled
    m_view->setLogarithmic(on);
}

QString IndicatorDiagramWindow::text(long double value) const {
    return QString::fromStdString(report::FormatNumber(value, m_settings.decimalSeparator));
}

void IndicatorDiagramWindow::refresh() {
    const QString sep = QString::fromStdString(m_settings.decimalSeparator);
    m_view->setDiagram(&m_diagram, sep);
    const bool diesel = m_run && m_run->type == calc::EngineType::Diesel;
    const auto fixed = [this](long double v, int decimals) {
        return QString::fromStdString(calc::FormatFixed(v, decimals, m_settings.decimalSeparator));
    };

    if (m_diagram.ok()) {
        m_loopPressure->setText(fixed(m_diagram.meanIndicatedPressure, 4));
        m_runPip->setText(fixed(m_diagram.Pip, 4));
        m_difference->setText(m_diagram.Pip != 0
                                  ? fixed(100 * (m_diagram.meanIndicatedPressure / m_diagram.Pip - 1), 2)
                                  : QString());
    } else {
        m_loopPressure->setText(QStringLiteral("\u2013"));
        m_runPip->setText(m_run ? fixed(m_diagram.Pip, 4) : QStringLiteral("\u2013"));
        m_difference->setText(QStringLiteral("\u2013"));
    }

    if (m_run) {
        m_enteredTz->setText(text(m_run->state.input.tzet.value()));
        m_enteredPz->setText(text(m_run->state.input.Pzet.value()));
        m_enteredRho->setText(text(m_run->state.input.roh.value()));
    } else {
        m_enteredTz->clear();
        m_enteredPz->clear();
        m_enteredRho->clear();
    }
    m_rhoCaption->setVisible(diesel);
    m_enteredRho->setVisible(diesel);
    m_estimateRho->setVisible(diesel);

    if (m_estimate.ok()) {
        m_estimateTz->setText(fixed(m_estimate.Tz, 1));
        m_estimatePz->setText(fixed(m_estimate.Pz, 4));
        m_estimateRho->setText(m_estimate.rho ? fixed(*m_estimate.rho, 4) : QString());
        QString note = QStringLiteral("tz = %1 \u00B0C from the combustion equation with mean "
                                      "molar heat capacities.")
                           .arg(fixed(m_estimate.tz, 0));
        if (const std::string range = m_estimate.rangeNote(); !range.empty())
            note += QLatin1Char(' ') + QString::fromStdString(range);
        if (diesel)
            note += QStringLiteral(" The copy leaves \u03C1 (ro) as entered.");
        m_estimateNote->setText(note);
    } else {
        m_estimateTz->setText(QStringLiteral("\u2013"));
        m_estimatePz->setText(QStringLiteral("\u2013"));
        m_estimateRho->setText(QStringLiteral("\u2013"));
        m_estimateNote->setText(QString::fromStdString(m_estimate.failure));
    }
    m_copy->setEnabled(m_estimate.ok() && m_tzet && m_pzet);
    m_savePicture->setEnabled(m_diagram.ok());
    m_saveCurves->setEnabled(m_diagram.ok());
}

void IndicatorDiagramWindow::copyEstimate() {
    if (!m_estimate.ok() || !m_tzet || !m_pzet)
        return;
    QString tz, pz;
    for (const auto& [name, value] : calc::EstimateFieldTexts(m_estimate, m_settings.decimalSeparator)) {
        if (name == "tzet")
            tz = QString::fromStdString(value);
        else if (name == "Pzet")
            pz = QString::fromStdString(value);
    }
    m_tzet->setText(tz);
    m_pzet->setText(pz);
    m_status->setText(QStringLiteral("Tz = %1 K and Pz = %2 MPa are in the calculator's fields. "
                                     "Press the calculate button to run with them.")
                          .arg(tz, pz));
}

QString IndicatorDiagramWindow::exportTo(const QString& path) {
    const QString failure = WriteDiagramFile(m_diagram, logarithmic(),
                                             QString::fromStdString(m_settings.decimalSeparator), path);
    m_status->setText(failure.isEmpty() ? QStringLiteral("Saved %1").arg(path) : failure);
    return failure;
}

void IndicatorDiagramWindow::choosePictureFile() {
    const QString path = AskPicturePath(this, QStringLiteral("Save the indicator diagram"),
                                        QStringLiteral("diagram.png"));
    if (!path.isEmpty())
        exportTo(path);
}

void IndicatorDiagramWindow::chooseCurvesFile() {
    const QString path =
        AskTablePath(this, QStringLiteral("Save the curves"), QStringLiteral("diagram.csv"));
    if (!path.isEmpty())
        exportTo(path);
}

void OpenIndicatorDiagram(TForm1& form) {
    auto* window = form.findChild<IndicatorDiagramWindow*>(QStringLiteral("IndicatorDiagramWindow"),
                                                           Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new IndicatorDiagramWindow(&form);
        window->resize(1100, 640);
    }
    window->setTargetFields(form.findChild<QLineEdit*>(QStringLiteral("tzet")),
                            form.findChild<QLineEdit*>(QStringLiteral("Pzet")));
    window->setRun(form.lastCompletedRun(), form.regionalSettings());
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tervox::ui
