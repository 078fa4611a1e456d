#pragma once
// Resources of the framework's Windows test binary.
#define IDD_TEST_DIALOG 200
#define IDC_TEST_END_WITH_42 1005
#define IDR_TEST_BYTES 300
