#include "db/AppError.h"
#include "db/SchemaBuilder.h"
#include "shell/ChineseInterface.h"
#include "shell/DialogService.h"
#include "shell/ProgramPicture.h"
#include "shell/StartupOptions.h"
#include "shell/LoginWindow.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTextStream>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int initDatabase(const db::DatabaseUrl &url)
{
    QTextStream out(stdout);
    db::Connection connection(url);
    connection.open();
    const QStringList created = db::SchemaBuilder(connection).createMissing();
    if (created.isEmpty())
        out << QStringLiteral("数据库 %1 已有全部的表，没有改变任何内容。\n").arg(url.display());
    else
        out << QStringLiteral("已在数据库 %1 中建立 %2 个表：%3\n")
                   .arg(url.display())
                   .arg(created.size())
                   .arg(created.join(QStringLiteral(", ")));
    return 0;
}

// A new database (the embedded default on its first start) gets the whole
// schema; one that holds some of the tables is left as it is.
void prepareSchema(db::Connection &connection)
{
    db::SchemaBuilder schema(connection);
    if (schema.missingTables().size() == db::Schema::tables().size())
        schema.createMissing();
}

int runProgram(int argc, char **argv, const shell::StartupOptions &options)
{
    QApplication app(argc, argv);
    shell::useChineseInterface(app);
    QApplication::setFont(QFont(QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Sans Serif")}, 10));
    QApplication::setWindowIcon(shell::programIcon());
    std::unique_ptr<shell::MainWindow> mainForm;
    try {
        mainForm = std::make_unique<shell::MainWindow>(options.database);
        prepareSchema(mainForm->connection());
    } catch (const AppError &e) {
        shell::DialogService::error(e.message());
        return 1;
    }
    QObject::connect(mainForm.get(), &shell::MainWindow::exitRequested, &app, &QApplication::quit);
    // Without a window manager (a bare X server) maximising does nothing: the
    // frame then covers the screen by its own geometry.
    mainForm->setGeometry(mainForm->screen()->availableGeometry());
    mainForm->showMaximized();
    mainForm->setEnabled(false);
    shell::LoginWindow login(mainForm->connection(), mainForm.get());
    QObject::connect(&login, &shell::LoginWindow::exitRequested, &app, &QApplication::quit);
    QObject::connect(&login, &shell::LoginWindow::signedIn, mainForm.get(), &shell::MainWindow::showOperator);
    login.show();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("yingfengda"));
    QCoreApplication::setOrganizationName(QStringLiteral("yingfengda"));
    shell::StartupOptions options;
    try {
        options = shell::StartupOptions::parse(argumentsOf(argc, argv), qEnvironmentVariable("YINGFENGDA_DATABASE"));
        if (options.help) {
            std::fputs(shell::StartupOptions::helpText().toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (options.initDatabase) {
            QCoreApplication app(argc, argv);
            return initDatabase(options.database);
        }
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return runProgram(argc, argv, options);
}
