// The desktop program: the splash window for at least three seconds while the main window is
// built, then the main window.
#include "ui/window/Main.h"

#include "directories/ProgramFolders.h"
#include "ui/dialogs/DialogInteraction.h"
#include "ui/window/ProgramLook.h"
#include "ui/window/StartForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ProgramFolders::nameApplication();
    QApplication::setDesktopFileName(QStringLiteral(TARVIKA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/tarvika.png")));
    // Numbers and dates on screen are Russian: "," as the decimal separator, "dd.mm.yyyy".
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    ProgramLook::apply();

    StartForm splash;
    splash.show();
    QApplication::processEvents();

    TFormMain::Options options;
    options.arguments = QApplication::arguments().mid(1);
    options.folders = ProgramFolders::ofThisProgram();
    TFormMain window(std::make_unique<DialogInteraction>(), std::move(options));
    if (!window.startupSucceeded())
        return 1;

    while (!splash.timerFired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    splash.close();
    window.showPlaced();
    return QApplication::exec();
}
