// The user-interface language: English unless the system locale asks for a
// language gridcode is translated into. The fixed texts of the window ("Form1",
// "Command1", "SAVE", "LOAD", the file dialog's title and filter) are never
// translated.

#ifndef GRIDCODE_WINDOW_TRANSLATIONS_H_
#define GRIDCODE_WINDOW_TRANSLATIONS_H_

class QCoreApplication;

namespace gridcode {

// Installs gridcode's translation, and the toolkit's own for its dialogs'
// buttons, for the system locale into `application`.
void InstallTranslations(QCoreApplication& application);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_TRANSLATIONS_H_
