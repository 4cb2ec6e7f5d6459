// The window layer's languages: the interface follows the locale through Qt's catalogues; the main
// window's pictures and their accessible texts follow its own Arabic/English switch.
#pragma once

#include <string>

#include <QString>

class QWidget;

namespace nuro {

enum class TextLanguage {
    Interface, // the locale's catalogue when one is installed, else the English source
    English,
    Arabic,
};

// Installs the program's and Qt's own catalogues for the locale's languages (LANG=ar_* gives
// Arabic and, through the catalogue, a right-to-left layout). English needs none. Once per
// application; returns whether a program catalogue was installed.
bool InstallTranslations();

// The language of the installed program catalogue ("tr"); "en" when none is installed.
std::string InterfaceLanguage();
// Set by InstallTranslations; a test that installs a catalogue of its own says so here.
void SetInterfaceLanguage(const std::string& language);

// The locale the interface reads in ("fa_IR", "tr"): its language is InterfaceLanguage(), its
// country the system locale's where that speaks the same language. For dates and digits shown in
// the reader's own forms.
std::string InterfaceLocale();

// A data table's text in the language: the lookup ignores the spaces around the text and keeps
// them in the answer; a text without a translation comes back as it is.
QString TranslateData(TextLanguage language, const std::string& context, const char* source);

// Sets every control's accessible name and description from the table of its template, in the
// language; a control without a row keeps what Qt derives from its text.
void ApplyAccessibleTexts(QWidget* dialog, TextLanguage language);

} // namespace nuro
