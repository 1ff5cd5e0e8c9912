#include "app/win32/dialog_template_builder.h"

#include "dialog/control_ids.h"
#include "settings/translation.h"

namespace vesko {

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboAtom = 0x0085;

bool Has(const ControlTemplate& control, Style style) {
    return (control.styles & style) != 0;
}

// The style macros of <windows.h> are signed.
constexpr DWORD Bits(long style) {
    return static_cast<DWORD>(style);
}
constexpr DWORD Pick(bool condition, long when_true, long when_false = 0) {
    return Bits(condition ? when_true : when_false);
}

class TemplateWriter {
public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
    void Text(std::u16string_view text) {
        for (const char16_t c : text) {
            Word(c);
        }
        Word(0);
    }
    void AlignToDword() {
        if (words_.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<WORD> Take() { return std::move(words_); }

private:
    std::vector<WORD> words_;
};

}  // namespace

Win32ControlStyle StyleOf(const ControlTemplate& control) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD ex_style = 0;
    if (Has(control, kTabStop)) {
        style |= WS_TABSTOP;
    }
    if (Has(control, kStaticEdge)) {
        ex_style |= WS_EX_STATICEDGE;
    }
    if (Has(control, kClientEdge)) {
        ex_style |= WS_EX_CLIENTEDGE;
    }
    if (Has(control, kVScroll)) {
        style |= WS_VSCROLL;
    }
    switch (control.kind) {
        case ControlKind::kPushButton:
            style |= Pick(Has(control, kDefaultButton), BS_DEFPUSHBUTTON, BS_PUSHBUTTON);
            return {style, ex_style, kButtonAtom};
        case ControlKind::kDropDownList:
            return {style | Bits(CBS_DROPDOWNLIST), ex_style, kComboAtom};
        case ControlKind::kEdit:
            style |= Pick(Has(control, kBorder), WS_BORDER);
            style |= Pick(Has(control, kAutoHScroll), ES_AUTOHSCROLL);
            style |= Pick(Has(control, kReadOnly), ES_READONLY);
            style |= Pick(Has(control, kCentered), ES_CENTER, ES_LEFT);
            return {style, ex_style, kEditAtom};
        case ControlKind::kLabel:
            style |= Pick(Has(control, kRightAligned), SS_RIGHT, SS_LEFT);
            style |= Pick(Has(control, kSunken), SS_SUNKEN);
            style |= Pick(Has(control, kNoPrefix), SS_NOPREFIX);
            return {style, ex_style, kStaticAtom};
        case ControlKind::kIcon:
            return {style | Bits(SS_ICON), ex_style, kStaticAtom};
    }
    return {style, ex_style, kStaticAtom};
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& layout, WORD icon_id) {
    TemplateWriter out;
    out.Word(1);       // dlgVer
    out.Word(0xFFFF);  // signature: extended template
    out.Dword(0);      // helpID
    out.Dword(layout.in_task_bar ? WS_EX_APPWINDOW : 0);
    // Centred on the screen; a box of another window centres itself on that window.
    out.Dword(DS_SHELLFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    out.Word(static_cast<WORD>(layout.controls.size()));
    out.Short(0);
    out.Short(0);
    out.Short(layout.width);
    out.Short(layout.height);
    out.Word(0);  // no menu
    out.Word(0);  // the standard dialog class
    out.Text(Tr(layout.caption));
    out.Word(static_cast<WORD>(layout.font_points));
    out.Word(FW_NORMAL);
    out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
    out.Text(layout.font_name);

    for (const ControlTemplate& control : layout.controls) {
        const Win32ControlStyle style = StyleOf(control);
        out.AlignToDword();
        out.Dword(0);  // helpID
        out.Dword(style.ex_style);
        out.Dword(style.style);
        out.Short(control.rect.x);
        out.Short(control.rect.y);
        out.Short(control.rect.width);
        out.Short(control.rect.height);
        out.Dword(static_cast<DWORD>(control.id));  // IDC_STATIC is -1 as it should be
        out.Word(0xFFFF);
        out.Word(style.class_atom);
        if (control.kind == ControlKind::kIcon) {
            out.Word(0xFFFF);
            out.Word(icon_id);
        } else {
            out.Text(Tr(control.caption));
        }
        out.Word(0);  // no creation data
    }
    return out.Take();
}

}  // namespace vesko
