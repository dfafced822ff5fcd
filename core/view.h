// The boundary between the planner's rules and its window. Nothing here depends on a GUI
// toolkit: the rules, the printed page and the tests see the window only through `View`.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace belegix {

// Every control of the window's design, named exactly as the design names it.
// clang-format off
#define BELEGIX_CONTROLS(X)                                                                   \
    /* title area */                                                                          \
    X(Label4) X(Label26) X(Label22)                                                           \
    /* step 0 and the hint memo */                                                            \
    X(LbIntFSpr) X(GroupBoxIntFSpr) X(IntFSprComboBox) X(IntHilfeBitBtn) X(IntFSprBitBtn)     \
    X(Memo1)                                                                                  \
    /* step 1 and the period panel */                                                         \
    X(Label23) X(ProfilRadioGroup) X(ProfilHilfeBitBtn) X(ProfilBitBtn) X(ZusatzPanel)        \
    X(LbZusatzZeit) X(RGZusatzkurse) X(FZusatzkurseBitBtn)                                    \
    /* step 2 */                                                                              \
    X(Label1) X(GroupBox1) X(Label15) X(Label16) X(Label17) X(Label18) X(Label24) X(Lk1Box)   \
    X(Lk2Box) X(P3Box) X(P4Box) X(P5Box) X(PFachHilfeBitBtn) X(PFachBitBtn)                   \
    /* step 3 */                                                                              \
    X(Label2) X(GroupBox2) X(Label5) X(Label6) X(Label7) X(Label8) X(Label9) X(Label10)       \
    X(Label11) X(Label12) X(Label13) X(Label19) X(DeBox) X(FspBox) X(KuMuBox) X(PoBox)        \
    X(GeBox) X(ReWnBox) X(MaBox) X(NaturBox) X(SpBox) X(BExtraBox) X(AuflagenHilfeBitBtn)     \
    X(AuflagenBitBtn)                                                                         \
    /* step 4 and the personal-data panel */                                                  \
    X(Label3) X(GroupBox3) X(SeminarBox) X(ZusatzBox) X(KurseHilfeBitBtn) X(WeiterBitBtn)     \
    X(PersDatenPanel) X(Label28) X(Label29) X(Label30) X(Label31) X(Label32) X(MaskEdit1)     \
    X(MaskEdit2) X(MaskEdit3) X(MaskEdit4) X(PersDatenBitBtn)                                 \
    /* step 5 */                                                                              \
    X(Label14) X(ProfilLabel) X(Tabelle) X(Label21) X(Semester1) X(Semester2) X(Semester3)    \
    X(Semester4) X(SemesterD) X(ErgebnisBitBtn) X(Label20) X(Label25) X(Gks) X(Gsq)           \
    X(Kurse_ok) X(Gsq_ok) X(Panel2) X(ResetBitBtn) X(DruckenBitBtn) X(BeendenBitBtn)          \
    /* intro screen */                                                                        \
    X(MemoIntro) X(MemoHead) X(MemoHead2) X(BitBtnHinweise)                                   \
    /* status bar */                                                                          \
    X(StatusBar1)
// clang-format on

enum class Control {
#define BELEGIX_ENUMERATOR(name) name,
    BELEGIX_CONTROLS(BELEGIX_ENUMERATOR)
#undef BELEGIX_ENUMERATOR
};

inline constexpr std::size_t kControlCount = 0
#define BELEGIX_COUNT(name) +1
    BELEGIX_CONTROLS(BELEGIX_COUNT)
#undef BELEGIX_COUNT
    ;

// The design name of a control ("Lk1Box"), and back; unknown names give nullopt.
std::string_view ControlName(Control c);
std::optional<Control> ControlFromName(std::string_view name);
// All controls in design order.
const std::array<Control, kControlCount>& AllControls();

// The colour words the rules use.
enum class Colour {
    Orange,           // 255, 128, 0: the open step and the pop-up panels
    Silver,           // 192, 192, 192: closed steps, frames
    Green,            // 0, 128, 0
    Yellow,           // 255, 255, 0
    Red,              // 255, 0, 0
    Navy,             // 0, 0, 128: default text
    Teal,             // 0, 128, 128: button captions
    Maroon,           // 128, 0, 0
    White,            // 255, 255, 255
    Black,            // 0, 0, 0
    Neutral,          // the system's button face
    PaleYellow,       // the system's tooltip background
    InactiveCaption,  // the system's inactive title bar
    Desktop,          // the system's desktop background
};

// "orange", "silver", ..., "paleyellow", "inactivecaption", "desktop".
std::string_view ColourWord(Colour c);
std::optional<Colour> ColourFromWord(std::string_view word);

enum class DlgType { Information, Confirmation };
enum class DlgButtons { Ok, YesNo };
// Closed is any way of leaving a box other than its buttons (Escape, the title bar).
// Save, Discard and Cancel answer the question whether to save a plan before it is closed.
enum class DlgResult { Ok, Yes, No, Closed, Save, Discard, Cancel };

// The plan grid: 7 columns by 21 rows, row 0 the header.
inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 21;

// Everything the rules do to the window. Program-made changes (a selection, a text, the items
// of a list) never run a change handler.
class View {
  public:
    virtual ~View() = default;

    // Combo boxes and radio groups: selected index, 0-based; -1 when nothing is selected, also
    // when the student typed text into a combo box instead of picking an item.
    virtual int ItemIndex(Control c) const = 0;
    virtual void SetItemIndex(Control c, int index) = 0;
    virtual void ClearItems(Control c) = 0;
    virtual void AddItem(Control c, const std::string& item) = 0;

    // Caption of a label, button or panel; edit text of a combo box or edit field; memo lines.
    virtual std::string Text(Control c) const = 0;
    virtual void SetText(Control c, const std::string& text) = 0;

    // Disabling a group box or panel makes everything inside it unusable.
    virtual void SetEnabled(Control c, bool enabled) = 0;
    virtual void SetVisible(Control c, bool visible) = 0;
    virtual void SetColour(Control c, Colour colour) = 0;
    virtual Colour GetColour(Control c) const = 0;
    virtual void SetFontColour(Control c, Colour colour) = 0;
    virtual void SetLeft(Control c, int left) = 0;
    virtual void SetFocus(Control c) = 0;
    virtual void Repaint(Control c) = 0;

    // Cells of `Tabelle`.
    virtual std::string Cell(int column, int row) const = 0;
    virtual void SetCell(int column, int row, const std::string& text) = 0;

    virtual void SetStatusText(int panel, const std::string& text) = 0;

    // Modal boxes. Information boxes are captioned "Information", confirmations "Bestätigung";
    // a plain box (ShowMessage) has no icon and the application title as caption.
    virtual DlgResult MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) = 0;
    virtual void ShowMessage(const std::string& text) = 0;

    // Closes the window, which ends the program.
    virtual void Close() = 0;
};

}  // namespace belegix
