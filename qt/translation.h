// Qt's own texts in German: the file dialogs, the overwrite question, the edit fields' context
// menus and the names of keys in menus ("Strg+S"), whatever language the system is set to.
#pragma once

#include <QString>

class QCoreApplication;

namespace belegix {

// Loads Qt's German translation (qtbase_de, Debian package qt6-translations-l10n) from `folder`
// (by default Qt's own translation folder) into `app`, once. Returns whether it is in use; where
// the file is missing Qt's texts stay English and the program goes on.
bool InstallGermanQtTexts(QCoreApplication& app, const QString& folder = {});

}  // namespace belegix
