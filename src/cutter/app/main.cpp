// Entry point of Plyk2, the sprite cutter.

#include "cutter/app/plyk_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
  // The argument text is read in its wide form: the narrow one is in the system's
  // code page, not CP949.
  return AppMain(std::make_unique<PlykApp>(), instance, previousInstance, ProcessArguments(), showCommand);
}
