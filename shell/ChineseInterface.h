#pragma once

class QCoreApplication;

namespace shell {

// Qt's own texts in Chinese (the Yes/No/OK buttons, the calendar's months
// and days, the print preview, the file dialog) from Qt's translations, and
// the Chinese locale for everything that follows it. Called once, before the
// first window is made.
void useChineseInterface(QCoreApplication &app);

} // namespace shell
