#include "frmRecord.h"

#include "Charset.h"
#include "HallReplays.h"
#include "Keys.h"
#include "Numeric.h"
#include "Palette.h"
#include "ScoresFile.h"

#include <QValidator>

namespace {

// A name holds only what the scores file can store: a character outside its single-byte set,
// typed or pasted, is simply not taken, so the player sees at once what will be kept.
class StorableName final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        QString kept;
        int keptPos = pos;
        for (int i = 0; i < input.size();) {
            const bool pair =
                input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
            const int length = pair ? 2 : 1;
            const char32_t c =
                pair ? QChar::surrogateToUcs4(input[i], input[i + 1]) : input[i].unicode();
            if (charset::represents(c))
                kept += input.mid(i, length);
            else if (i < pos)
                keptPos -= length;
            i += length;
        }
        input = kept;
        pos = keptPos;
        return Acceptable;
    }
};

} // namespace

frmRecord::frmRecord(Services& given, Screens& screens)
    : Form(given, tr("You have a high score!"), 286, 177),
      lblHighScoreText(this,
                       tr(" You have achieved a high score! Please enter your name  to "
                          "be entered into the Vexaroo hall of fame."),
                       4, 4, 277, 29, false, palette::white),
      lblFirstName(this, tr("First Name:"), 9, 44, 1, 13, true, palette::white),
      txtFirstName(this, 65, 40, 69, 19),
      lblLastName(this, tr("Last Name:"), 9, 64, 1, 13, true, palette::white),
      txtLastName(this, 65, 60, 69, 19),
      linDivider0(canvas(), 8, 88, 272, 1, palette::grey, palette::grey, 0),
      lblLevelText(this, tr("Level Achieved:"), 8, 96, 1, 13, true, palette::white),
      lblLevel(this, QStringLiteral("0"), 88, 96, 1, 13, true, palette::white),
      lblDestroyedText(this, tr("Enemies Destroyed:"), 8, 112, 1, 13, true, palette::white),
      lblDestroyed(this, QStringLiteral("0"), 108, 112, 1, 13, true, palette::white),
      linDivider1(canvas(), 8, 136, 272, 1, palette::grey, palette::grey, 0),
      cmdSubmit(this, tr("Submit"), 79, 148, 61, 21),
      cmdCancel(this, tr("Cancel"), 147, 148, 61, 21), screens_(screens) {
    lblHighScoreText.setWordWrap(true);
    lblHighScoreText.setBackdrop(palette::darkGrey, palette::grey);
    cmdSubmit.setEnabled(false);
    auto* storable = new StorableName(this);
    txtFirstName.setValidator(storable);
    txtLastName.setValidator(storable);
    setTabOrder(&txtFirstName, &txtLastName);
    setTabOrder(&txtLastName, &cmdSubmit);
    setTabOrder(&cmdSubmit, &cmdCancel);

    txtFirstName.onKeyPress = [this](int& keyAscii) { txtName_KeyPress(txtFirstName, keyAscii); };
    txtLastName.onKeyPress = [this](int& keyAscii) { txtName_KeyPress(txtLastName, keyAscii); };
    txtFirstName.onChange = [this] { txtName_Change(); };
    txtLastName.onChange = [this] { txtName_Change(); };
    connect(&cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });
    connect(&cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    setKeyPreview(true);
}

frmRecord::~frmRecord() = default;

void frmRecord::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    txtFirstName.setFocus();
}

// At nine characters only "." or backspace may follow; the length before the key decides,
// whatever is selected.
void frmRecord::txtName_KeyPress(TextBox& box, int& keyAscii) {
    if (box.text().length() == 9 && keyAscii != '.' && keyAscii != keys::Backspace)
        keyAscii = 0;
}

void frmRecord::txtName_Change() {
    cmdSubmit.setEnabled(!txtFirstName.text().isEmpty() && !txtLastName.text().isEmpty());
}

// Return submits once both names are there; Esc is ignored, so a slip never loses the result.
void frmRecord::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == keys::Return && cmdSubmit.isEnabled())
        cmdSubmit_Click();
}

void frmRecord::setResult(const GameResult& result) {
    result_ = result;
    lblLevel.setCaption(numeric::decimalText(result.level));
    lblDestroyed.setCaption(numeric::decimalText(result.destroyed));
}

void frmRecord::cmdSubmit_Click() {
    ScoreRecord record;
    record.firstName = scores::fixedName(txtFirstName.text());
    record.lastName = scores::fixedName(txtLastName.text());
    record.targetsHit = numeric::toInteger(result_.destroyed);
    record.level = numeric::toInteger(result_.level);
    QString error;
    std::vector<ScoreRecord> kept;
    if (!scores::save(record, &error, &kept)) {
        // The names stay in their boxes: the player may try again or cancel.
        MsgBox(error);
        return;
    }
    // The score is kept; its replay, if it cannot be, is only told of.
    if (!result_.replay.isEmpty() && !hallreplays::keep(record, result_.replay, kept, &error))
        screens_.replayNotKept(error);
    unload();
}

void frmRecord::cmdCancel_Click() {
    unload();
}

void frmRecord::Form_Unload(int& /*cancel*/) {
    screens_.frmMain().setEnabled(true);
}
