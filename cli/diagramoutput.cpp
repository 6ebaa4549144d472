#include "diagramoutput.h"

#include "combustionestimate.h"
#include "diagramexport.h"
#include "indicatordiagram.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace tervox::cli {

namespace {

// The pictures need fonts, and fonts need a GUI application; this program has no
// window, so the application draws off screen whatever display there is.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    // Qt's notes about the desktop it finds (a missing runtime folder and the like)
    // mean nothing to a script reading standard error; only its real errors pass.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "tervox-calc: %s\n", message.toLocal8Bit().constData());
    });
    static int argc = 3;
    static char name[] = "tervox-calc";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::optional<std::string> DiagramUsageProblem(const CliArguments& a) {
    if ((a.diagramPath || a.estimate) && !a.sweeps.empty())
        return std::string("--diagram and --estimate describe one run and do not go with --sweep");
    if (a.diagramPath && !ui::DiagramFileFormatOf(QString::fromStdString(*a.diagramPath)))
        return "the diagram file " + *a.diagramPath + " must end in .svg, .png or .csv";
    return std::nullopt;
}

int WriteDiagramOutputs(const CliArguments& a, const calc::CalcState& state,
                        const report::RegionalSettings& settings, std::ostream& out,
                        std::ostream& err) {
    const calc::EngineType type = a.gasoline ? calc::EngineType::Gasoline : calc::EngineType::Diesel;
    int status = 0;

    if (a.estimate) {
        const calc::CombustionEstimate e = calc::EstimateCombustionState(type, state);
        if (e.ok()) {
            std::string line;
            for (const auto& [name, text] : calc::EstimateFieldTexts(e, settings.decimalSeparator))
                line += (line.empty() ? "" : " ") + name + "=" + text;
            out << line << '\n';
            if (const std::string note = e.rangeNote(); !note.empty())
                err << "tervox-calc: note: " << note << '\n';
        } else {
            err << "tervox-calc: " << e.failure << '\n';
            status = 1;
        }
    }

    if (a.diagramPath) {
        const calc::IndicatorDiagram diagram = calc::BuildIndicatorDiagram(type, state);
        const QString path = QString::fromStdString(*a.diagramPath);
        const auto app = ui::DiagramFileFormatOf(path) == ui::DiagramFileFormat::Csv
                             ? nullptr
                             : OffscreenApplication();
        const QString failure = ui::WriteDiagramFile(
            diagram, false, QString::fromStdString(settings.decimalSeparator), path);
        if (!failure.isEmpty()) {
            err << "tervox-calc: " << failure.toStdString() << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace tervox::cli
