#pragma once

namespace tervox::ui {

// The application's title: the taskbar name and the caption of every message box.
inline constexpr char kApplicationTitle[] = "Tervox Engine calc";

} // namespace tervox::ui
