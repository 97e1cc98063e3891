// zelbase: records where the shared database lives into root.cfg of the folder it is
// started from, and tests the connection.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStyle>

#include "dbpath/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Путь к БД"));
    zel::dbpath::TfrmMain window(QDir::currentPath());
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           app.primaryScreen()->availableGeometry()));
    window.show();
    return app.exec();
}
