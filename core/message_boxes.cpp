#include "core/message_boxes.h"

namespace belegix {

BoxRequest MessageDlgBox(const std::string& text, DlgType type, DlgButtons buttons) {
    BoxRequest box;
    box.text = text;
    if (type == DlgType::Information) {
        box.kind = BoxKind::Information;
        box.caption = "Information";
    } else {
        box.kind = BoxKind::Confirmation;
        box.caption = "Bestätigung";
    }
    if (buttons == DlgButtons::YesNo)
        box.buttons = {DlgResult::Yes, DlgResult::No};
    else
        box.buttons = {DlgResult::Ok};
    return box;
}

BoxRequest PlainBox(const std::string& text) {
    return {BoxKind::Plain, std::string(kAppTitle), text, {DlgResult::Ok}};
}

BoxRequest SaveQuestionBox(const std::string& fileName) {
    return {BoxKind::Confirmation,
            "Bestätigung",
            "Der Plan „" + fileName +
                "“ hat Änderungen, die noch nicht gespeichert sind.\n\nSollen die Änderungen "
                "gespeichert werden?",
            {DlgResult::Save, DlgResult::Discard, DlgResult::Cancel}};
}

std::string MissingFontsText(const std::vector<std::string>& fonts) {
    std::string text = "\nAuf diesem Rechner fehlen Schriften, die das Programm braucht:\n";
    for (const std::string& font : fonts) text += "   " + font + "\n";
    text +=
        "\nOhne sie zeigen das Fenster und der Ausdruck Texte falsch oder gar nicht an. Das "
        "Programm läuft trotzdem weiter.\n\nAbhilfe: Die Schriften mit dem Paket "
        "„fonts-liberation2“ installieren, als Verwalter:\n   apt-get install "
        "fonts-liberation2\n";
    return text;
}

std::string_view AnswerWord(DlgResult r) {
    switch (r) {
        case DlgResult::Yes:
            return "Yes";
        case DlgResult::No:
            return "No";
        case DlgResult::Ok:
            return "OK";
        case DlgResult::Closed:
            return "Closed";
        case DlgResult::Save:
            return "Save";
        case DlgResult::Discard:
            return "Discard";
        case DlgResult::Cancel:
            return "Cancel";
    }
    return "Closed";
}

std::string ScreenText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') continue;  // "\r\n": the "\n" breaks
            out += '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace belegix
