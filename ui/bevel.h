#pragma once

#include <QWidget>

namespace tervox::ui {

// A raised vertical line along the right edge of its box (light, then dark), the
// rest of the box left unpainted.
class Bevel : public QWidget {
    Q_OBJECT
public:
    explicit Bevel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tervox::ui
