#include "frmHigh.h"

#include "HallReplays.h"
#include "Keys.h"
#include "Numeric.h"
#include "Palette.h"
#include "Resources.h"
#include "ScoresFile.h"

#include <QPainter>

namespace {

// Columns: left and width. Cells are 13 pixels high and overlap their neighbours by one
// pixel, so neighbours share their outlines.
constexpr int rankLeft = 4, rankWidth = 33;
constexpr int nameLeft = 36, nameWidth = 149;
constexpr int levelLeft = 184, levelWidth = 33;
constexpr int targetsLeft = 216, targetsWidth = 57;
constexpr int headingTop = 40, firstRowTop = 52, rowStep = 12, cellHeight = 13;

QString twoDigits(int rank) {
    return QStringLiteral(" %1").arg(rank, 2, 10, QLatin1Char('0'));
}

// The mark of a row whose game can be watched: a small triangle at the end of its name cell,
// in the headings' grey, white under the pointer or with the keys' focus.
class ReplayMark final : public QAbstractButton {
public:
    explicit ReplayMark(QWidget* window, int top) : QAbstractButton(window) {
        setGeometry(nameLeft + nameWidth - 12, top + 2, 9, 9);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(resources::handCursor());
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(hasFocus() || underMouse() ? palette::white : palette::lightGrey);
        const QPointF play[] = {{1.5, 0.5}, {8.5, 4.5}, {1.5, 8.5}};
        painter.drawPolygon(play, 3);
    }
};

} // namespace

frmHigh::frmHigh(Services& given, Screens& screens)
    : Form(given, tr("High Scores"), 277, 207),
      lblHighScoresText(this,
                        tr(" Below shows a list of the top 10 high scores in order of "
                           "  highest level achieved."),
                        4, 4, 269, 29, false, palette::white),
      lblRankText(this, tr(" Rank"), rankLeft, headingTop, rankWidth, cellHeight, false,
                  palette::lightGrey),
      lblNameText(this, tr(" Name"), nameLeft, headingTop, nameWidth, cellHeight, false,
                  palette::lightGrey),
      lblLevelText(this, tr(" Level"), levelLeft, headingTop, levelWidth, cellHeight, false,
                   palette::lightGrey),
      lblTargetsText(this, tr(" Targets Hit"), targetsLeft, headingTop, targetsWidth, cellHeight,
                     false, palette::lightGrey),
      cmdClose(this, tr("Close"), 112, 180, 53, 21), screens_(screens) {
    lblHighScoresText.setWordWrap(true);
    lblHighScoresText.setBackdrop(palette::darkGrey, palette::grey);
    for (Label* heading : {&lblRankText, &lblNameText, &lblLevelText, &lblTargetsText})
        heading->setBackdrop(palette::darkGrey, palette::grey);
    for (int k = 0; k < rows; ++k) {
        const int top = firstRowTop + rowStep * k;
        lblRank[k] = std::make_unique<Label>(this, twoDigits(k + 1), rankLeft, top, rankWidth,
                                             cellHeight, false, palette::white);
        lblName[k] = std::make_unique<Label>(this, QString(), nameLeft, top, nameWidth, cellHeight,
                                             false, palette::white);
        lblLevel[k] = std::make_unique<Label>(this, QString(), levelLeft, top, levelWidth,
                                              cellHeight, false, palette::white);
        lblTargets[k] = std::make_unique<Label>(this, QString(), targetsLeft, top, targetsWidth,
                                                cellHeight, false, palette::white);
        for (Label* label :
             {lblRank[k].get(), lblName[k].get(), lblLevel[k].get(), lblTargets[k].get()})
            label->setBackdrop(palette::darkGrey, palette::grey);
    }
    connect(&cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    setKeyPreview(true);
}

frmHigh::~frmHigh() = default;

void frmHigh::Form_Load() {
    std::vector<ScoreRecord> best;
    QString error;
    if (!scores::readBestTen(&best, &error))
        MsgBox(error);
    for (int k = 0; k < static_cast<int>(best.size()) && k < rows; ++k) {
        const ScoreRecord& record = best[k];
        lblName[k]->setCaption(QStringLiteral(" ") + scores::shownName(record.firstName) +
                               QStringLiteral(" ") + scores::shownName(record.lastName));
        lblLevel[k]->setCaption(QStringLiteral(" ") + numeric::decimalText(record.level));
        lblTargets[k]->setCaption(QStringLiteral(" ") + numeric::decimalText(record.targetsHit));
    }
    replays_ = hallreplays::files(best);
    replays_.resize(rows);
    QWidget* previous = nullptr;
    for (int k = 0; k < rows; ++k) {
        if (replays_[k].isEmpty())
            continue;
        cmdReplay[k] = std::make_unique<ReplayMark>(this, firstRowTop + rowStep * k);
        cmdReplay[k]->setAccessibleName(tr("Watch the game"));
        cmdReplay[k]->setAccessibleDescription(
            tr("%1, level %2")
                .arg(lblName[k]->caption().trimmed(), lblLevel[k]->caption().trimmed()));
        connect(cmdReplay[k].get(), &QAbstractButton::clicked, this,
                [this, k] { cmdReplay_Click(k); });
        if (previous)
            setTabOrder(previous, cmdReplay[k].get());
        previous = cmdReplay[k].get();
        cmdReplay[k]->show();
    }
    if (previous)
        setTabOrder(previous, &cmdClose);
    // A screen reader reads the table a row at a time, from its rank.
    for (int k = 0; k < rows; ++k) {
        lblRank[k]->setAccessibleName(tr("Rank%1").arg(lblRank[k]->caption()));
        lblRank[k]->setAccessibleDescription(k < static_cast<int>(best.size())
                                                 ? tr("%1, level %2, %3 targets hit")
                                                       .arg(lblName[k]->caption().trimmed(),
                                                            lblLevel[k]->caption().trimmed(),
                                                            lblTargets[k]->caption().trimmed())
                                                 : tr("no score"));
    }
}

void frmHigh::Form_KeyDown(int keyCode, int /*shift*/) {
    for (int k = 0; k < rows; ++k) {
        if (keyCode == keys::Return && cmdReplay[k] && cmdReplay[k]->hasFocus())
            return cmdReplay_Click(k);
    }
    if (keyCode == keys::Return || keyCode == keys::Escape)
        cmdClose_Click();
}

// The row's game is played again in the game window; the table waits hidden until it ends.
void frmHigh::cmdReplay_Click(int row) {
    const QString why =
        screens_.watchReplay(replays_[row], lblName[row]->caption().trimmed(), this);
    if (!why.isEmpty())
        MsgBox(tr("This game cannot be watched: %1").arg(why));
}

void frmHigh::cmdClose_Click() {
    unload();
}

void frmHigh::Form_Unload(int& /*cancel*/) {
    screens_.frmMain().setEnabled(true);
}
