#include "db/AppError.h"
#include "db/SchemaBuilder.h"
#include "db/SqliteFile.h"
#include "reference/DialogService.h"
#include "shell/ChineseInterface.h"
#include "shell/ProgramPicture.h"
#include "shell/StartupOptions.h"
#include "shell/LoginWindow.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTextStream>
#include <cstdio>
#include <optional>

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
    // Another workstation may be creating the schema: wait for it to finish.
    connection.setWaitLimit(std::chrono::minutes(1));
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

int backUp(const db::DatabaseUrl &url, const QString &file)
{
    db::Connection connection(url);
    connection.open();
    db::SqliteFile::backup(connection, file);
    QTextStream(stdout) << QStringLiteral("已把数据库 %1 备份到 %2。\n").arg(url.display(), file);
    return 0;
}

int restore(const db::DatabaseUrl &url, const QString &file)
{
    db::Connection connection(url);
    connection.open();
    const QString kept = db::SqliteFile::restore(connection, file);
    QTextStream(stdout) << QStringLiteral("已用 %1 恢复数据库 %2；原来的内容保存在 %3。\n").arg(file, url.display(), kept);
    return 0;
}

// The server may ask for a password that neither the URL nor the client's own
// sources gave: the login window's prompt asks for it before the main window
// opens the connection. False when the user gives up.
bool supplyServerPassword(db::DatabaseUrl &url)
{
    if (url.engine != db::Engine::PostgreSQL)
        return true;
    for (;;) {
        try {
            db::Connection(url).open();
            return true;
        } catch (const db::PasswordRequired &e) {
            const std::optional<QString> password = shell::LoginWindow::askServerPassword(url, e.message());
            if (!password)
                return false;
            url.password = *password;
        }
    }
}

int runProgram(int argc, char **argv, const shell::StartupOptions &options)
{
    QApplication app(argc, argv);
    shell::useChineseInterface(app);
    QApplication::setFont(QFont(QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Sans Serif")}, 10));
    QApplication::setWindowIcon(shell::programIcon());
    std::unique_ptr<shell::MainWindow> mainForm;
    try {
        db::DatabaseUrl url = options.database;
        if (!supplyServerPassword(url))
            return 1;
        mainForm = std::make_unique<shell::MainWindow>(url);
        db::SchemaBuilder(mainForm->connection()).createIfNew();
    } catch (const AppError &e) {
        reference::DialogService::error(e.message());
        return 1;
    }
    if (const QString warning = db::SqliteFile::networkShareWarning(options.database); !warning.isEmpty())
        reference::DialogService::message(warning);
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
        if (options.initDatabase || !options.backupFile.isEmpty() || !options.restoreFile.isEmpty()) {
            QCoreApplication app(argc, argv);
            if (!options.backupFile.isEmpty())
                return backUp(options.database, options.backupFile);
            if (!options.restoreFile.isEmpty())
                return restore(options.database, options.restoreFile);
            return initDatabase(options.database);
        }
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return runProgram(argc, argv, options);
}
