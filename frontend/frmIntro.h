#pragma once

#include "AnimationPlayer.h"
#include "Form.h"
#include "Label.h"
#include "Screens.h"
#include "Timer.h"

#include <QCoreApplication>

// The intro movie, shown first; it hands over to the main menu.
class frmIntro final : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmIntro)

public:
    frmIntro(Services& services, Screens& screens);
    ~frmIntro() override;

    // Controls, laid out as the window is created.
    Timer tmrIntro;
    AnimationPlayer swfIntro;
    Label lblSkipIntro;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void tmrIntro_Timer();
    void lblSkipIntro_Click();

private:
    Screens& screens_;
};
