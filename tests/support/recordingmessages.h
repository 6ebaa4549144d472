#pragma once

#include "messagepresenter.h"

#include <QStringList>

namespace tervox::ui::testing {

// A message presenter that records the texts instead of showing modal boxes. Errors
// are recorded as the error box would show them (full-stop rule applied).
class RecordingMessages : public MessagePresenter {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& message) override;

    const QStringList& messages() const { return m_messages; }
    const QStringList& errors() const { return m_errors; }
    void clear();

private:
    QStringList m_messages;
    QStringList m_errors;
};

} // namespace tervox::ui::testing
