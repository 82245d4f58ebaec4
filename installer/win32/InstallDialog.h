// InstallDialog: the form "install" and the installer's user interface on
// Win32. The form is a dialog, so the dialog manager gives it Esc (the
// cancel button), Enter (the default button, or the button with the focus),
// the access keys and the tab order.
#pragma once

#include "core/Installer.h"
#include "core/UserInterface.h"

#include <windows.h>

namespace installer {

class InstallDialog final : public UserInterface {
public:
    explicit InstallDialog(HINSTANCE instance) : instance_(instance) {}

    // Shows the form and runs it until the program ends.
    void Run(Installer& installer);

    void SetStatus(const std::string& text) override;
    std::string AutocadFolder() const override;
    void SetAutocadFolder(const std::string& folder) override;
    int ShowMessage(const std::string& text, int buttons, const std::string& title) override;
    std::string BrowseForFolder(const std::string& title) override;

protected:
    // Ends the process at once: no further code of the program runs.
    void TerminateProgram(int exitCode) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load(HWND window);
    void cmdCancel_Click();
    void cmdInstall_Click();
    void cmdUninstall_Click();

    HINSTANCE instance_;
    Installer* installer_ = nullptr;
    HWND form_ = nullptr;
};

}  // namespace installer
