#include "base/save_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

bool SaveFileSafely(const std::filesystem::path& target, const std::function<bool(std::ostream&)>& write) {
  namespace fs = std::filesystem;
  fs::path temp = target;
  temp += ".saving";
  bool ok;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    ok = write(out);
    out.flush();
    ok = ok && out.good();
    out.close();
    ok = ok && !out.fail();
  }
  std::error_code ec;
  if (ok) fs::rename(temp, target, ec);
  if (!ok || ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}
