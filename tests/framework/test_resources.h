#pragma once
// Resources of the framework's Windows test binary.
#define IDD_TEST_DIALOG 200
#define IDC_TEST_END_WITH_42 1005
#define IDR_TEST_BYTES 300
#define IDD_TEST_CHECKED_DIALOG 202
#define IDC_TEST_NUMBER 1006
#define IDC_TEST_CHECK 1007
#define IDC_TEST_SWATCH 1008
#define IDR_TEST_ACCELERATORS 203
#define ID_TEST_GREYED 40100
#define ID_TEST_ALLOWED 40101
