// zelvan61: the order register, costing and production tracking of the printing house.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "main/dm.h"
#include "main/frm_main.h"
#include "main/frm_obsh.h"
#include "main/frm_pass.h"
#include "main/frm_users.h"
#include "main/session.h"
#include "main/startup.h"
#include "orders/frm_zakaz.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvan 6.1"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelvan 6.1"));
    // The program ends when the main window closes or the login gives up, never because
    // a message box was the last window on the screen while the login was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (print preview, file choice) speak Russian too.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtRussian);
    }

    zelvan::Session session;
    session.startFolder = QDir::currentPath();
    session.endProgram = [] { QCoreApplication::exit(0); };

    zelvan::TDM dm;
    const std::optional<zel::DatabaseLocation> location =
        zelvan::connectDataModule(dm, session.startFolder);
    if (!location) {
        return 1;
    }

    zelvan::TfrmMain mainWindow(dm, session, *location);
    zelvan::TfrmPass pass(dm, session, &mainWindow);
    zelvan::TfrmZakaz zakaz(dm, session, &mainWindow);
    zelvan::TfrmUsers users(dm, session, &mainWindow);
    zelvan::TfrmObsh obsh(dm, &mainWindow);
    // The card's client and edition windows serve the settings menu as well.
    mainWindow.setDialogs(
        {&pass, &zakaz, &users, &obsh, &zakaz.clientWindow(), &zakaz.izdWindow()});
    QObject::connect(&pass, &zelvan::TfrmPass::loggedIn, &mainWindow,
                     &zelvan::TfrmMain::showAfterLogin);

    pass.showAtStartup();
    return app.exec();
}
