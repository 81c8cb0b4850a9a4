#pragma once

#include <cstdint>

namespace forms {

// Colours are the platform's values: &H00BBGGRR, or a system colour index with the high bit set.
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | static_cast<Color>(green & 0xFF) << 8 |
           static_cast<Color>(blue & 0xFF) << 16;
}
constexpr bool IsSystemColor(Color color) { return (color & 0x80000000u) != 0; }

inline constexpr Color vbBlack = 0x000000;
inline constexpr Color vbRed = 0x0000FF;
inline constexpr Color vbGreen = 0x00FF00;
inline constexpr Color vbYellow = 0x00FFFF;
inline constexpr Color vbBlue = 0xFF0000;
inline constexpr Color vbMagenta = 0xFF00FF;
inline constexpr Color vbCyan = 0xFFFF00;
inline constexpr Color vbWhite = 0xFFFFFF;

inline constexpr Color vbScrollBars = 0x80000000;
inline constexpr Color vbDesktop = 0x80000001;
inline constexpr Color vbActiveTitleBar = 0x80000002;
inline constexpr Color vbMenuBar = 0x80000004;
inline constexpr Color vbWindowBackground = 0x80000005;
inline constexpr Color vbWindowFrame = 0x80000006;
inline constexpr Color vbMenuText = 0x80000007;
inline constexpr Color vbWindowText = 0x80000008;
inline constexpr Color vbApplicationWorkspace = 0x8000000C;
inline constexpr Color vbHighlight = 0x8000000D;
inline constexpr Color vbHighlightText = 0x8000000E;
inline constexpr Color vbButtonFace = 0x8000000F;
inline constexpr Color vbButtonShadow = 0x80000010;
inline constexpr Color vbGrayText = 0x80000011;
inline constexpr Color vbButtonText = 0x80000012;
inline constexpr Color vbInfoText = 0x80000017;
inline constexpr Color vbInfoBackground = 0x80000018;

// Key codes of KeyDown and KeyUp.
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyControl = 17;
inline constexpr int vbKeyMenu = 18;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKey0 = 48;
inline constexpr int vbKey9 = 57;
inline constexpr int vbKeyA = 65;
inline constexpr int vbKeyZ = 90;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyF2 = 113;
inline constexpr int vbKeyF3 = 114;
inline constexpr int vbKeyF4 = 115;
inline constexpr int vbKeyF5 = 116;
inline constexpr int vbKeyF6 = 117;
inline constexpr int vbKeyF7 = 118;
inline constexpr int vbKeyF8 = 119;
inline constexpr int vbKeyF9 = 120;
inline constexpr int vbKeyF10 = 121;
inline constexpr int vbKeyF11 = 122;
inline constexpr int vbKeyF12 = 123;

// The Shift argument of key and mouse events.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// The Button argument of mouse events.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;

// CheckBox values.
inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

// The UnloadMode of QueryUnload.
inline constexpr int vbFormControlMenu = 0;
inline constexpr int vbFormCode = 1;
inline constexpr int vbAppWindows = 2;
inline constexpr int vbAppTaskManager = 3;
inline constexpr int vbFormMDIForm = 4;
inline constexpr int vbFormOwner = 5;

// Alignment of text boxes and labels.
inline constexpr int vbLeftJustify = 0;
inline constexpr int vbRightJustify = 1;
inline constexpr int vbCenter = 2;

// MousePointer.
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbHourglass = 11;

// WindowState.
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// Show.
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// MsgBox buttons, icons and default button, added together as the platform does.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

// MsgBox answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Twips per pixel at the display density the windows were drawn for.
inline constexpr int TwipsPerPixel = 15;

} // namespace forms
