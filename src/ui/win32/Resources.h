#pragma once

// Identifiers shared by the resource script and the code.
#define IDD_INPUT_BOX 100
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_TEXT 102
