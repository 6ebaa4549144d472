#pragma once

#include "sweepplot.h"

#include <QWidget>

#include <memory>

namespace tervox::ui {

// The drawing area of the sweep panel: paints a SweepPlot over its whole area, or,
// before any study, a line that says what to do.
class SweepView : public QWidget {
    Q_OBJECT
public:
    explicit SweepView(QWidget* parent = nullptr);

    // The study must outlive the view or the next call; null shows the hint.
    void setStudy(const SweepStudy* study, const QString& decimalSeparator);
    void setHint(const QString& hint);

    QSize sizeHint() const override { return {900, 420}; }
    QSize minimumSizeHint() const override { return {560, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<SweepPlot> m_plot;
    QString m_hint;
};

} // namespace tervox::ui
