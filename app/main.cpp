#include "Clock.h"
#include "Display.h"
#include "MessageBox.h"
#include "Program.h"
#include "Random.h"
#include "Resources.h"
#include "System.h"
#include "X11Keyboard.h"
#include "X11Transfer.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Without a display QApplication aborts with the toolkit's own words; say it plainly.
    if (QString problem; !display::reachable(&problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    sendPicturesOverTheConnection();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexaroo"));
    QApplication::setQuitOnLastWindowClosed(false);
    resources::installFonts();
    QApplication::setWindowIcon(resources::programIcon());
    enableDetectableAutoRepeat();

    RealClock clock;
    QtMessageBox messageBox;
    SystemRandom random;
    ProcessLauncher launcher;
    Services services{clock, messageBox, random, launcher};
    Program program(services);
    program.start();
    return QApplication::exec();
}
