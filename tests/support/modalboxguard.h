#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace tervox::ui::testing {

// Watches for modal windows while a test runs. A modal box that a test did not ask
// for would block the test forever; the guard closes it, remembers its title and
// text, and the test fails on sawModal() in its cleanup.
class ModalBoxGuard : public QObject {
    Q_OBJECT
public:
    explicit ModalBoxGuard(QObject* parent = nullptr);

    void start();
    void stop();
    // A modal window the test itself opens and closes; the guard leaves it alone.
    void allow(QWidget* expected) { m_allowed = expected; }
    bool sawModal() const { return !m_seen.isEmpty(); }
    const QStringList& seen() const { return m_seen; }

private:
    void check();

    QTimer m_timer;
    QWidget* m_allowed = nullptr;
    QStringList m_seen;
};

} // namespace tervox::ui::testing
