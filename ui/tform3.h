#pragma once

#include "windowscale.h"

#include <QPointer>
#include <QWidget>

namespace tervox::ui {

class BitmapButton;
class CoolForm;

// Form3, the splash window and the program's main window: a borderless 320 x 239
// window at the screen position (221, 170), painted with its skin picture and clipped
// to its outline with the see-through hole, and one button that leads on to the
// calculator window. Closing it ends the program (the owner of the main window
// listens to closed()); hiding it does not.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    // scale: the design scale of the client size and the button (see DesignScale).
    explicit TForm3(QWidget* parent = nullptr, qreal scale = DesignScale());
    ~TForm3() override;

    // The window that BitBtn1 shows: the calculator window, created after this one.
    void setCalculatorWindow(QWidget* form1);

    CoolForm* coolForm() const { return m_coolForm; }
    BitmapButton* bitBtn1() const { return m_bitBtn1; }

public slots:
    // Hides the splash window for good and shows the calculator window, which centres
    // itself and takes the focus.
    void BitBtn1Click();
    // The creation handler: nothing to do.
    void intro();

signals:
    // The window was closed: the program ends, without the exit sound.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CoolForm* m_coolForm = nullptr;
    BitmapButton* m_bitBtn1 = nullptr;
    QPointer<QWidget> m_form1;
};

} // namespace tervox::ui
