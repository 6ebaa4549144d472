#pragma once

#include "regionalsettings.h"

#include <QString>

namespace tervox::platform {

// The decimal separator and short date format of the user's regional settings
// (QLocale::system(), which follows LC_ALL, then LC_NUMERIC / LC_TIME, then LANG).
report::RegionalSettings SystemRegionalSettings();

// The report file: result.txt in the folder Tervox of the user's documents folder
// (the home folder when there is none). The folder is made by the first write.
QString DefaultReportPath();

} // namespace tervox::platform
