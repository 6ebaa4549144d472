#pragma once

#include "../calc/recordingsink.h"
#include "indicatordiagram.h"
#include "runcalculation.h"

#include <string>
#include <utility>
#include <vector>

namespace tervox::test {

// A run of the calculator on the window's default texts, with some fields
// overridden (NAME, TEXT written with a comma), kept in memory. Throws what the run
// throws.
inline calc::CompletedRun Run(calc::EngineType type,
                              const std::vector<std::pair<std::string, std::string>>& fields = {}) {
    calc::FieldTexts texts;
    for (const auto& [name, text] : fields)
        *texts.field(name) = text;
    calc::CompletedRun run;
    run.type = type;
    RecordingSink sink;
    calc::RunCalculation(texts, type == calc::EngineType::Gasoline,
                         report::RegionalSettings{",", "dd.MM.yyyy"}, sink, run.state,
                         report::CalendarDate{2026, 3, 5});
    return run;
}

} // namespace tervox::test
