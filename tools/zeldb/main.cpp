// zeldb: creates a database of the system with its full schema, optionally filled with
// a demo data set, and prints the schema as an isql script.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "core/fb/connection.h"
#include "core/fb/error.h"
#include "core/schema/create_database.h"
#include "core/schema/schema.h"
#include "demo_data.h"

namespace {

constexpr int kUsageError = 2;

void printLine(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

int usage() {
    printLine(
        stderr,
        QStringLiteral(
            "Использование:\n"
            "  zeldb create ПУТЬ [--demo]   создать базу данных (путь к файлу или сервер:путь);\n"
            "                               --demo заполняет её демонстрационными данными\n"
            "  zeldb schema                 вывести схему базы данных как сценарий isql"));
    return kUsageError;
}

// A remote location names its server before the first colon ("host:/path").
bool isLocalPath(const QString& location) {
    const qsizetype colon = location.indexOf(QLatin1Char(':'));
    return colon < 0 || location.left(colon).contains(QLatin1Char('/'));
}

int printSchema() {
    QTextStream out(stdout);
    out << "SET SQL DIALECT 1;\n";
    for (const QString& statement : zel::schema::ddlStatements()) {
        if (statement.startsWith(QLatin1String("CREATE TRIGGER"))) {
            out << "SET TERM ^ ;\n" << statement << "^\nSET TERM ; ^\n";
        } else {
            out << statement << ";\n";
        }
    }
    out << "COMMIT;\n";
    return 0;
}

int create(const QString& location, bool demo) {
    if (isLocalPath(location) && QFileInfo::exists(location)) {
        printLine(
            stderr,
            QStringLiteral("zeldb: файл %1 уже существует; база данных не создана.").arg(location));
        return 1;
    }
    fb::Connection connection;
    try {
        zel::schema::createDatabase(connection, location);
        if (demo) {
            zeldb::loadDemoData(connection);
        }
        connection.detach();
    } catch (const fb::Error& error) {
        // A database left half-filled would only mislead: the one just created goes.
        if (connection.isConnected()) {
            try {
                connection.dropDatabase();
            } catch (const fb::Error& dropError) {
                printLine(stderr,
                          QStringLiteral("zeldb: незаполненную базу %1 удалить не удалось:\n%2")
                              .arg(location, dropError.text()));
            }
        }
        printLine(stderr, QStringLiteral("zeldb: не удалось создать базу данных %1:\n%2")
                              .arg(location, error.text()));
        return 1;
    }
    printLine(
        stdout,
        demo ? QStringLiteral("Создана база данных с демонстрационными данными: %1").arg(location)
             : QStringLiteral("Создана база данных: %1").arg(location));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.value(0) == QLatin1String("schema") && arguments.size() == 1) {
        return printSchema();
    }
    if (arguments.value(0) != QLatin1String("create")) {
        return usage();
    }
    arguments.removeFirst();
    const bool demo = arguments.removeAll(QStringLiteral("--demo")) > 0;
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1Char('-'))) {
        return usage();
    }
    return create(arguments.first(), demo);
}
