#pragma once

#include "messagepresenter.h"

class QWidget;

namespace tervox::ui {

// The real message boxes (QMessageBox), modal to the whole application.
class BoxMessagePresenter : public MessagePresenter {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& message) override;
};

} // namespace tervox::ui
