#pragma once

// Input box.
#define IDD_INPUT_BOX 304
#define IDC_INPUT_VALUE 1133
#define IDC_INPUT_PROMPT 1134

// Wait window.
#define IDD_WAIT_MSG 348
#define IDC_WAIT_TEXT 1192
#define IDC_WAIT_ICON 1287
#define IDI_WAIT_MSG 573
