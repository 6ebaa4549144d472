#pragma once

#include "windowscale.h"

#include <QDialog>

namespace tervox::ui {

class CoolButton;
class CoolForm;
class TForm3;

// AboutBox, the About window: a borderless 318 x 239 dialog showing the splash
// window's picture, clipped to the outline in "1.msk" when the working directory
// holds a valid one, with one flat button that closes it. Shown modally; centred on
// the screen the first time, and later where it was when last closed.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // The splash window must exist: its picture is copied here at creation.
    // scale: the design scale of the client size and the button (see DesignScale).
    explicit TAboutBox(const TForm3& splash, QWidget* parent = nullptr, qreal scale = DesignScale());
    ~TAboutBox() override;

    CoolForm* coolForm() const { return m_coolForm; }
    CoolButton* coolButton1() const { return m_coolButton1; }

    void setVisible(bool visible) override;

public slots:
    // Closes the window: the modal showing ends with the result "rejected".
    void CoolButton1Click();

private:
    // The creation handler: the outline from "1.msk" (read here once per run), then
    // the splash window's picture.
    void aboutcre(const TForm3& splash);

    CoolForm* m_coolForm = nullptr;
    CoolButton* m_coolButton1 = nullptr;
    bool m_placed = false;
};

} // namespace tervox::ui
