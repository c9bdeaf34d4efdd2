#include "Clock.h"
#include "MessageBox.h"
#include "Program.h"
#include "Random.h"
#include "Resources.h"
#include "System.h"
#include "X11Keyboard.h"
#include "X11Transfer.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
