#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

namespace reference {

// The caption of plain messages and of the general error handler's boxes.
inline const QString ProgramTitle = QStringLiteral("盈丰达管理系統");

// One box the program shows: a question (Yes/No) or a message (OK).
struct Dialog {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool isQuestion = false;
    bool noIsDefault = false;
};

// Every question and message box of the program goes through here, so that
// tests can answer the questions by script and read what was shown.
class DialogService {
public:
    virtual ~DialogService() = default;
    // Shows the box; for a question, true when the answer is Yes.
    virtual bool show(const Dialog &dialog) = 0;

    static DialogService &instance();
    // Replaces the boxes (tests); nullptr brings back the real ones.
    static void install(DialogService *service);

    // The question box: Yes/No, exclamation icon, caption "提示".
    static bool question(const QString &text);
    // A Yes/No question with an information icon, caption "提示".
    static bool informationQuestion(const QString &text);
    // The warning box: Yes/No, caption "警告", No is the default button.
    static bool warning(const QString &text);
    // The plain message: OK, captioned with the program's title.
    static void message(const QString &text);
    // The general error handler's box: error icon, the program's title.
    static void error(const QString &text);
};

// The real boxes.
class MessageBoxDialogs : public DialogService {
public:
    bool show(const Dialog &dialog) override;
    // The box as it is shown: its buttons, a frame with only the close
    // button, and room for the whole caption in the title bar.
    static std::unique_ptr<QMessageBox> build(const Dialog &dialog);
};

} // namespace reference
