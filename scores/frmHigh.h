#pragma once

#include "Controls.h"
#include "Form.h"
#include "Label.h"
#include "Screens.h"

#include <QCoreApplication>

#include <QAbstractButton>

#include <array>
#include <memory>

// The ten best results of the scores file, read afresh each time the window opens.
class frmHigh final : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmHigh)

public:
    frmHigh(Services& services, Screens& screens);
    ~frmHigh() override;

    static constexpr int rows = 10;

    Label lblHighScoresText;
    Label lblRankText;
    Label lblNameText;
    Label lblLevelText;
    Label lblTargetsText;
    std::array<std::unique_ptr<Label>, rows> lblRank;
    std::array<std::unique_ptr<Label>, rows> lblName;
    std::array<std::unique_ptr<Label>, rows> lblLevel;
    std::array<std::unique_ptr<Label>, rows> lblTargets;
    // A mark on each row whose game can be watched again.
    std::array<std::unique_ptr<QAbstractButton>, rows> cmdReplay;
    CommandButton cmdClose;

    void cmdClose_Click();
    void cmdReplay_Click(int row);

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    Screens& screens_;
    std::vector<QString> replays_;
};
