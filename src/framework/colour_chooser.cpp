#include "framework/colour_chooser.h"

int ChooseColor(HWND owner, uint32_t* colour, uint32_t* customColours) {
  if (colour == nullptr || customColours == nullptr) return 0;
  COLORREF custom[16];
  for (int i = 0; i < 16; ++i) custom[i] = customColours[i];
  CHOOSECOLORW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = owner;
  record.rgbResult = RGB(255, 255, 255);
  record.lpCustColors = custom;
  record.Flags = CC_RGBINIT | CC_FULLOPEN;
  BOOL confirmed = ChooseColorW(&record);
  for (int i = 0; i < 16; ++i) customColours[i] = custom[i];
  if (!confirmed) return 0;
  *colour = record.rgbResult & 0x00FFFFFF;
  return 1;
}
