#pragma once

#include <QString>

namespace tervox::ui {

// Where the program's simple messages and its error display go. The windows and the
// application talk to this interface only, so tests can read the texts without a
// modal box getting in the way.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;

    // A simple message: a modal box without icon, one OK button, captioned with the
    // application title. Returns when the user has closed it.
    virtual void showMessage(const QString& text) = 0;

    // The application's error display: a modal critical box captioned with the
    // application title, showing the message with a full stop appended unless it
    // already ends in one or in a character that sorts below it.
    virtual void showError(const QString& message) = 0;
};

} // namespace tervox::ui
