#pragma once

#include "Controls.h"
#include "Form.h"
#include "Label.h"
#include "Screens.h"
#include "Sprite.h"
#include "TextBox.h"

#include <QCoreApplication>

// Asks for the player's names after a game that reached level 3 and stores the result, with
// the game's replay.
class frmRecord final : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmRecord)

public:
    frmRecord(Services& services, Screens& screens);
    ~frmRecord() override;

    Label lblHighScoreText;
    Label lblFirstName;
    TextBox txtFirstName;
    Label lblLastName;
    TextBox txtLastName;
    ShapeSprite linDivider0;
    Label lblLevelText;
    Label lblLevel;
    Label lblDestroyedText;
    Label lblDestroyed;
    ShapeSprite linDivider1;
    CommandButton cmdSubmit;
    CommandButton cmdCancel;

    // The game's result, shown in lblLevel and lblDestroyed, and its replay.
    void setResult(const GameResult& result);

    void txtName_KeyPress(TextBox& box, int& keyAscii);
    void txtName_Change();
    void cmdSubmit_Click();
    void cmdCancel_Click();

protected:
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void showEvent(QShowEvent* event) override;

private:
    Screens& screens_;
    GameResult result_;
};
