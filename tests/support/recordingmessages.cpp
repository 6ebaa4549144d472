#include "recordingmessages.h"

#include "runcalculation.h"

namespace tervox::ui::testing {

void RecordingMessages::showMessage(const QString& text) {
    m_messages.append(text);
}

void RecordingMessages::showError(const QString& message) {
    m_errors.append(QString::fromStdString(calc::ErrorDisplayText(message.toStdString())));
}

void RecordingMessages::clear() {
    m_messages.clear();
    m_errors.clear();
}

} // namespace tervox::ui::testing
