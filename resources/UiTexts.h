// The texts of the data tables as the translation system sees them, and the accessible name and
// description of each control, keyed by template and control id. English is the source language;
// the catalogues under resources/translations carry the others.
#pragma once

#include <span>
#include <string>

namespace nuro {

// Contexts of the catalogues: one per template ("Template2"), one per menu ("Menu13"), and one for
// the accessible texts of every template.
std::string TemplateContext(int templateId);
std::string MenuContext(int menuId);
inline constexpr const char* kAccessibleContext = "Accessible";
inline constexpr const char* kMessageContext = "Message";
// The tray tooltip's and the reminder's words (prayer names, units, line patterns).
inline constexpr const char* kGlanceContext = "Glance";

struct AccessibleText {
    int templateId;
    int controlId;
    const char* name; // English source; translated in kAccessibleContext
    const char* description; // English source; translated in kAccessibleContext
};

std::span<const AccessibleText> AccessibleTexts();
// nullptr when the control has no row.
const AccessibleText* FindAccessibleText(int templateId, int controlId);

// Where a template's keyboard order differs from its control order: the ids in the order Tab visits
// them (controls not listed follow in template order). Empty when the template order serves.
std::span<const int> FocusOrder(int templateId);

// Settings dialogs whose layout is mirrored when the interface reads right to left; picture windows
// keep their drawn places.
bool MirroredRightToLeft(int templateId);

// Every text the catalogues translate in the given context (for checks of the catalogues).
struct MarkedText {
    const char* context;
    const char* source;
};
std::span<const MarkedText> MarkedTexts();

} // namespace nuro
