#include "InstallDialog.h"

#include "FormLayout.h"
#include "Twips.h"
#include "core/ErrorReport.h"
#include "modFolderBrowse.h"

#include <vector>

namespace installer {
namespace {

constexpr int kIconResource = 1;
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT;

void AppendWide(std::vector<WORD>& words, const char* text) {
    for (; *text; ++text) words.push_back(static_cast<unsigned char>(*text));
    words.push_back(0);
}

// An empty dialog template with the form's caption and font; the controls
// are placed in pixels when the dialog starts.
std::vector<WORD> FormTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = kFormStyle;
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    AppendWide(words, form::kCaption);
    words.push_back(8);  // point size
    AppendWide(words, "MS Sans Serif");  // the face the form was laid out for
    return words;
}

}  // namespace

void InstallDialog::Run(Installer& installer) {
    installer_ = &installer;
    const std::vector<WORD> dialog = FormTemplate();
    DialogBoxIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr,
                            DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK InstallDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<InstallDialog*>(lParam)->Form_Load(window);
        return FALSE;  // the focus is set already
    }
    auto* self = reinterpret_cast<InstallDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self || message != WM_COMMAND) return FALSE;
    // Buttons send BN_CLICKED; Esc, Enter and the close box send their
    // command with code 0.
    if (HIWORD(wParam) != BN_CLICKED && HIWORD(wParam) != 0) return FALSE;
    switch (LOWORD(wParam)) {
        case form::kCmdCancel: self->cmdCancel_Click(); return TRUE;
        case form::kCmdInstall: self->cmdInstall_Click(); return TRUE;
        case form::kCmdUninstall: self->cmdUninstall_Click(); return TRUE;
        default: return FALSE;
    }
}

void InstallDialog::Form_Load(HWND window) {
    form_ = window;
    const ScreenDpi dpi = QueryScreenDpi();

    // The client area from twips; the frame around it; centred on the screen.
    RECT frame{0, 0, TwipsToPixels(form::kClientWidthTwips, dpi.x),
               TwipsToPixels(form::kClientHeightTwips, dpi.y)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const auto font = static_cast<WPARAM>(SendMessageW(window, WM_GETFONT, 0, 0));
    for (const form::Control& control : form::kControls) {
        const RECT at = ToPixels(control.rect, dpi);
        const bool label = control.kind == form::kLabel;
        const DWORD style = WS_CHILD | WS_VISIBLE |
                            (label ? SS_LEFT | SS_NOPREFIX
                                   : WS_TABSTOP | (control.id == form::kCmdUninstall ? BS_DEFPUSHBUTTON
                                                                                      : BS_PUSHBUTTON));
        HWND child = CreateWindowExA(0, label ? "STATIC" : "BUTTON", control.caption, style, at.left,
                                     at.top, at.right - at.left, at.bottom - at.top, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                     instance_, nullptr);
        SendMessageW(child, WM_SETFONT, font, FALSE);
    }
    SendMessageW(window, DM_SETDEFID, form::kCmdUninstall, 0);

    const auto icon = [&](int size) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource),
                                                   IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, icon(GetSystemMetrics(SM_CXICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, icon(GetSystemMetrics(SM_CXSMICON)));

    // cmdCancel comes first in the tab order and has the focus at start, so
    // Enter then means Cancel.
    SetFocus(GetDlgItem(window, form::kCmdCancel));
}

void InstallDialog::cmdCancel_Click() {
    RunHandler(*this, [&] { installer_->cmdCancel_Click(); });
}

void InstallDialog::cmdInstall_Click() {
    RunHandler(*this, [&] { installer_->cmdInstall_Click(); });
}

void InstallDialog::cmdUninstall_Click() {
    RunHandler(*this, [&] { installer_->cmdUninstall_Click(); });
}

void InstallDialog::SetStatus(const std::string& text) {
    // Repainting is left to the dialog's next paint, at the latest while a
    // message box or the folder browser is shown.
    SetDlgItemTextA(form_, form::kLabel1, text.c_str());
}

std::string InstallDialog::AutocadFolder() const {
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetDlgItemTextA(form_, form::kLabel3, folder, sizeof folder);
    return std::string(folder, length);
}

void InstallDialog::SetAutocadFolder(const std::string& folder) {
    SetDlgItemTextA(form_, form::kLabel3, folder.c_str());
}

int InstallDialog::ShowMessage(const std::string& text, int buttons, const std::string& title) {
    return MessageBoxA(form_, text.c_str(), title.c_str(), static_cast<UINT>(buttons));
}

std::string InstallDialog::BrowseForFolder(const std::string& title) {
    return modFolderBrowse::BrowseForFolder(form_, title);
}

void InstallDialog::TerminateProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace installer
