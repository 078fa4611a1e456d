// Entry point of Zorv2, the motion editor.

#include "motion/app/zorv_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
  // The argument text is read in its wide form: the narrow one is in the system's
  // code page, not CP949.
  return AppMain(std::make_unique<ZorvApp>(), instance, previousInstance, ProcessArguments(), showCommand);
}
