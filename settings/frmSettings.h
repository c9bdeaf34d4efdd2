#pragma once

#include "Controls.h"
#include "Form.h"
#include "Label.h"
#include "Screens.h"
#include "SettingsFile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>

#include <array>
#include <functional>
#include <memory>

// Picture quality and the five keys, written to the settings file on OK.
class frmSettings final : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmSettings)

public:
    frmSettings(Services& services, Screens& screens);
    ~frmSettings() override;

    static constexpr int keyBoxes = keyBindingCount;

    // Controls, top to bottom. The key boxes are numbered as keyBindings: left, right, up, down,
    // fire.
    std::array<std::unique_ptr<Label>, 2> lblGraphicsText;
    std::array<std::unique_ptr<Outline>, 2> sqrBorder;
    QGroupBox fraGraphics;
    Label lblQualityText;
    QComboBox comQuality;
    QGroupBox fraControls;
    std::array<std::unique_ptr<Label>, keyBoxes> lblKeyText; // "Move Left:" ... "Fire:"
    std::array<std::unique_ptr<PictureBox>, keyBoxes> picAssign;
    std::array<std::unique_ptr<Label>, keyBoxes> lblAssign;
    CommandButton cmdOk;

    // The values being edited; the file is written only by OK.
    Settings settings;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void comQuality_Click();
    void picAssign_Click(int index);
    void lblAssign_Click(int index);
    void cmdOk_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    qint16& keyCodeOf(int box) { return settings.*keyBindings[box].code; }
    void ShowKeyName(int box);
    bool KeyBoxWaits() const;
    int FocusedKeyBox() const;

    Screens& screens_;
};
