// The message box, behind a seam so tests can answer it and see what was asked.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace nuro {

inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Modal to owner's window; returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned flags);

struct AskedMessage {
    QWidget* owner;
    std::string text;
    std::string caption;
    unsigned flags;
};

// The next MessageBox returns answer without showing anything.
void SetNextMessageBoxAnswer(int answer);
// The last message asked (answered by the seam or not), and forgetting it.
std::optional<AskedMessage> LastAskedMessage();
void ClearAskedMessages();

} // namespace nuro
