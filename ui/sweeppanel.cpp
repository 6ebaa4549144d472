#include "sweeppanel.h"

#include "savefiledialog.h"
#include "sweepexport.h"
#include "sweepinputs.h"
#include "sweepview.h"

#include "numberformat.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace tervox::ui {

namespace {

QLineEdit* RangeField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setFixedWidth(90);
    field->setAlignment(Qt::AlignRight);
    return field;
}

// A step of 1, 2 or 5 times a power of ten that cuts span into about `count` parts.
double RoundStep(double span, int count) {
    const double raw = span / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    return (norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10) * magnitude;
}

const QString kNoRun = QStringLiteral(
    "No run has completed yet. Press the calculate button, then open the indicator diagram again.");
const QString kReady = QStringLiteral(
    "Choose an input and a range, then press Sweep. Every other input stays as the completed "
    "run read it; the run, its report and the calculator's fields do not change.");

} // namespace

SweepPanel::SweepPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SweepPanel"));
    buildControls();
    setRun(std::nullopt, m_settings);
}

SweepPanel::~SweepPanel() = default;

void SweepPanel::buildControls() {
    m_input = new QComboBox(this);
    m_input->setObjectName(QStringLiteral("SweepInput"));
    for (std::size_t i = 0; i < calc::kFieldCount; ++i)
        m_input->addItem(InputChoiceText(static_cast<calc::FieldId>(i)), static_cast<int>(i));
    m_input->setCurrentIndex(static_cast<int>(calc::FieldId::StSzhatia));
    m_input->setMaxVisibleItems(26);
    connect(m_input, &QComboBox::activated, this, &SweepPanel::inputChosen);

    m_from = RangeField(this, "SweepFrom");
    m_to = RangeField(this, "SweepTo");
    m_step = RangeField(this, "SweepStep");
    m_sweep = new QPushButton(QStringLiteral("Sweep"), this);
    m_sweep->setObjectName(QStringLiteral("RunSweep"));
    m_sweep->setDefault(true);
    m_sweep->setToolTip(QStringLiteral("Runs the calculation once for every value of the range, "
                                       "every other input as the completed run read it."));
    connect(m_sweep, &QPushButton::clicked, this, &SweepPanel::sweep);
    for (QLineEdit* field : {m_from, m_to, m_step})
        connect(field, &QLineEdit::returnPressed, this, &SweepPanel::sweep);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Input"), this));
    controls->addWidget(m_input, 1);
    controls->addSpacing(8);
    controls->addWidget(new QLabel(QStringLiteral("From"), this));
    controls->addWidget(m_from);
    controls->addWidget(new QLabel(QStringLiteral("To"), this));
    controls->addWidget(m_to);
    controls->addWidget(new QLabel(QStringLiteral("Step"), this));
    controls->addWidget(m_step);
    controls->addSpacing(8);
    controls->addWidget(m_sweep);

    m_view = new SweepView(this);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SweepStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stopped = new QPlainTextEdit(this);
    m_stopped->setObjectName(QStringLiteral("SweepStopped"));
    m_stopped->setReadOnly(true);
    m_stopped->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_stopped->setFixedHeight(m_stopped->fontMetrics().lineSpacing() * 4 + 12);
    m_stopped->setVisible(false);

    m_savePicture = new QPushButton(QStringLiteral("Picture (PNG, SVG)..."), this);
    m_savePicture->setObjectName(QStringLiteral("ExportSweepPicture"));
    connect(m_savePicture, &QPushButton::clicked, this, &SweepPanel::choosePictureFile);
    m_saveTable = new QPushButton(QStringLiteral("Table (CSV)..."), this);
    m_saveTable->setObjectName(QStringLiteral("ExportSweepTable"));
    connect(m_saveTable, &QPushButton::clicked, this, &SweepPanel::chooseTableFile);

    auto* messages = new QVBoxLayout;
    messages->addWidget(m_status);
    messages->addWidget(m_stopped);
    auto* save = new QVBoxLayout;
    save->addWidget(m_savePicture);
    save->addWidget(m_saveTable);
    save->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(messages, 1);
    bottom->addSpacing(8);
    bottom->addLayout(save);

    auto* column = new QVBoxLayout(this);
    column->addLayout(controls);
    column->addWidget(m_view, 1);
    column->addLayout(bottom);
}

QString SweepPanel::separator() const {
    return QString::fromStdString(m_settings.decimalSeparator);
}

calc::FieldId SweepPanel::field() const {
    return static_cast<calc::FieldId>(m_input->currentData().toInt());
}

void SweepPanel::setRun(const std::optional<calc::CompletedRun>& run,
                        const report::RegionalSettings& settings) {
    const bool separatorChanged = settings.decimalSeparator != m_settings.decimalSeparator;
    m_run = run;
    m_settings = settings;
    m_study = {};
    const bool ready = m_run.has_value();
    for (QWidget* w : {static_cast<QWidget*>(m_input), static_cast<QWidget*>(m_from),
                       static_cast<QWidget*>(m_to), static_cast<QWidget*>(m_step),
                       static_cast<QWidget*>(m_sweep)})
        w->setEnabled(ready);
    // A range the user chose stays for the next run, unless it was written with
    // another decimal separator.
    if (ready && (separatorChanged || m_from->text().isEmpty() || m_to->text().isEmpty() ||
                  m_step->text().isEmpty()))
        suggestRange();
    m_view->setHint(ready ? kReady : kNoRun);
    m_status->setText(ready ? QString() : kNoRun);
    showStudy();
}

void SweepPanel::setRange(calc::FieldId field, const QString& from, const QString& to,
                          const QString& step) {
    m_input->setCurrentIndex(static_cast<int>(field));
    m_from->setText(from);
    m_to->setText(to);
    m_step->setText(step);
}

void SweepPanel::inputChosen() {
    suggestRange();
}

void SweepPanel::suggestRange() {
    if (!m_run)
        return;
    // About sixteen steps over the run's value +-20 %, on round numbers.
    double v = static_cast<double>(InputValueOf(m_run->state.input, field()));
    if (!std::isfinite(v)) // an extended value beyond a double: start from zero
        v = 0;
    const bool whole = field() == calc::FieldId::DeltT;
    const double span = v != 0 ? std::fabs(v) * 0.4 : 1.0;
    double step = RoundStep(span, 16);
    if (whole)
        step = std::max(1.0, std::round(step));
    const double from = std::round((v - span / 2) / step) * step;
    const double to = std::round((v + span / 2) / step) * step;
    // Rounded to the step's digits, so that 1.2000000000000002 reads 1,2.
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    const auto text = [&](double x) {
        const double rounded = QString::number(x, 'f', decimals).toDouble();
        return QString::fromStdString(report::FormatNumber(
            rounded == 0 ? 0.0L : static_cast<long double>(rounded), m_settings.decimalSeparator));
    };
    m_from->setText(text(from));
    m_to->setText(text(to));
    m_step->setText(text(step));
}

void SweepPanel::sweep() {
    if (!m_run)
        return;
    m_study = RunSweepStudy(*m_run, field(), m_from->text().toStdString(),
                            m_to->text().toStdString(), m_step->text().toStdString(), m_settings);
    showStudy();
}

void SweepPanel::showStudy() {
    const bool made = m_study.ok() && !m_study.points.empty();
    m_view->setStudy(made || !m_study.ok() ? &m_study : nullptr, separator());
    m_savePicture->setEnabled(made);
    m_saveTable->setEnabled(made);
    m_stopped->clear();
    m_stopped->setVisible(false);
    // A range that does not work is told in red; everything else in the usual ink.
    m_status->setStyleSheet(m_study.ok() ? QString() : QStringLiteral("color: #a02818;"));
    if (!m_study.ok()) {
        m_status->setText(QString::fromStdString(m_study.failure));
        return;
    }
    if (!made)
        return;

    const QString symbol = InputLabel(m_study.field).symbol;
    const auto text = [this](long double v) {
        return QString::fromStdString(report::FormatNumber(v, m_settings.decimalSeparator));
    };
    const std::size_t n = m_study.points.size();
    const std::size_t stopped = m_study.stoppedCount();
    QString status = QStringLiteral("%1 point%2 of %3 from %4 to %5")
                         .arg(n)
                         .arg(n == 1 ? QString() : QStringLiteral("s"), symbol,
                              text(m_study.points.front().x), text(m_study.points.back().x));
    if (stopped == 0) {
        status += QStringLiteral(", every one completed.");
    } else {
        status += QStringLiteral("; %1 stopped (gaps in the plots):").arg(stopped);
        QStringList lines;
        for (const SweepPoint& p : m_study.points)
            if (!p.ok())
                lines << QStringLiteral("%1 = %2: %3")
                             .arg(symbol, text(p.x), QString::fromStdString(p.status));
        m_stopped->setPlainText(lines.join(QLatin1Char('\n')));
        m_stopped->setVisible(true);
    }
    m_status->setText(status);
}

QString SweepPanel::exportTo(const QString& path) {
    const QString failure = WriteSweepFile(m_study, separator(), path);
    m_status->setText(failure.isEmpty() ? QStringLiteral("Saved %1").arg(path) : failure);
    return failure;
}

void SweepPanel::choosePictureFile() {
    const QString path = AskPicturePath(this, QStringLiteral("Save the study's picture"),
                                        QStringLiteral("sweep.png"));
    if (!path.isEmpty())
        exportTo(path);
}

void SweepPanel::chooseTableFile() {
    const QString path =
        AskTablePath(this, QStringLiteral("Save the study's table"), QStringLiteral("sweep.csv"));
    if (!path.isEmpty())
        exportTo(path);
}

} // namespace tervox::ui
