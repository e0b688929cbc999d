#pragma once

class QCoreApplication;

// Qt's own windows (file dialogs, message-box buttons, print preview and page
// set-up) in Chinese, from the translations installed with Qt.
namespace ChineseTranslations {

// True when Qt's Chinese translation was found and installed into `app`.
bool install(QCoreApplication &app);

} // namespace ChineseTranslations
