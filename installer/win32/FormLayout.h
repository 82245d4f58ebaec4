// The form "install": its caption, client area, and controls, with their
// positions and sizes in twips. The dialog is built from this table and the
// GUI tests check the live window against it.
#pragma once

#include "Twips.h"

namespace installer::form {

inline constexpr const char* kCaption = "Drawtrail Installation Program";
inline constexpr int kClientWidthTwips = 3744;
inline constexpr int kClientHeightTwips = 2556;

enum ControlKind { kLabel, kButton };

struct Control {
    const char* name;
    int id;
    ControlKind kind;
    const char* caption;
    TwipsRect rect;
};

// Control ids. cmdCancel is IDCANCEL, so Esc and the close box reach it.
inline constexpr int kLabel1 = 1001;
inline constexpr int kLabel2 = 1002;
inline constexpr int kLabel3 = 1003;
inline constexpr int kCmdCancel = IDCANCEL;
inline constexpr int kCmdInstall = 1101;
inline constexpr int kCmdUninstall = 1102;

inline constexpr const char* kIntroduction =
    "This program will install the Drawtrail Program onto your system.  You must have "
    "Microsoft Outlook and AutoCAD R14.01 installed on your system for this program to work "
    "correctly.";

// In creation order, which is the tab order: the buttons go cmdCancel,
// cmdInstall, cmdUninstall.
inline constexpr Control kControls[] = {
    {"Label1", kLabel1, kLabel, kIntroduction, {120, 120, 3612, 852}},
    {"Label2", kLabel2, kLabel, "AutoCAD Location:", {120, 1080, 1452, 252}},
    {"Label3", kLabel3, kLabel, "C:\\Program Files\\Autocad R14", {120, 1440, 3492, 252}},
    {"cmdCancel", kCmdCancel, kButton, "&Cancel", {120, 1920, 972, 492}},
    {"cmdInstall", kCmdInstall, kButton, "&Install", {2760, 1920, 852, 492}},
    {"cmdUninstall", kCmdUninstall, kButton, "&UnInstall", {1080, 1920, 852, 492}},
};

}  // namespace installer::form
