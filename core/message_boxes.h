// The window's modal message boxes as the rest of the program sees them: a kind, a caption, the
// text exactly as the rules wrote it and the buttons in display order. The Qt window shows them
// with QMessageBox; the driver answers them from its script.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/view.h"

namespace belegix {

// The application title, also the caption of every plain box.
inline constexpr std::string_view kAppTitle = "Belegix-LiH-Info";

enum class BoxKind { Information, Confirmation, Plain };

struct BoxRequest {
    BoxKind kind = BoxKind::Plain;
    std::string caption;
    std::string text;
    std::vector<DlgResult> buttons;  // Yes, No, Ok (or Save, Discard, Cancel) in display order
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally and returns the button pressed (Closed for any other way out).
    virtual DlgResult Show(const BoxRequest& box) = 0;
};

// The box of a MessageDlg call: information boxes are captioned "Information",
// confirmations "Bestätigung".
BoxRequest MessageDlgBox(const std::string& text, DlgType type, DlgButtons buttons);
// The box of a ShowMessage call: no icon, the application title as caption, OK.
BoxRequest PlainBox(const std::string& text);

// Whether the unsaved changes of the plan in the file `fileName` are saved before it is closed or
// replaced: Save, Discard or Cancel.
BoxRequest SaveQuestionBox(const std::string& fileName);

// The information shown at start when fonts of the design are not installed; `fonts` names
// each missing one ("Arial (oder Liberation Sans)").
std::string MissingFontsText(const std::vector<std::string>& fonts);

// "Yes", "No", "OK", "Save", "Discard", "Cancel" (and "Closed").
std::string_view AnswerWord(DlgResult r);

// The text as shown on screen: a carriage return that is not followed by a line feed starts a
// new line, like a line feed; "\r\n" is one line break.
std::string ScreenText(std::string_view text);

}  // namespace belegix
