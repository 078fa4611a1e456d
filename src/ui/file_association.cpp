#include "ui/file_association.h"

std::string OpenCommandValue(const std::string& programPath) {
  return "\"" + programPath + "\" \"%1\"";
}

std::string IconValue(const std::string& programPath, int index) {
  return "\"" + programPath + "\"," + std::to_string(index);
}

std::vector<AssociationValue> MotionEditorAssociation(const std::string& programDirectory) {
  const std::string program = programDirectory + "Zorv2.exe";
  return {
      {".zrv", "zorv_key"},
      {"zorv_key", "Zorv2 동작 파일"},
      {"zorv_key\\Shell\\Open\\Command", OpenCommandValue(program)},
      {"zorv_key\\DefaultIcon", IconValue(program, 3)},
  };
}

std::vector<AssociationValue> SpriteCutterAssociation(const std::string& programDirectory) {
  const std::string program = programDirectory + "Plyk2.exe";
  return {
      {".plk", "plyk_key"},
      {"plyk_key", "Plyk2 스프라이트 파일"},
      {"plyk_key\\Shell\\Open\\Command", OpenCommandValue(program)},
      {"plyk_key\\DefaultIcon", IconValue(program, 1)},
      {".pal", "pal_key"},
      {"pal_key", "팔레트 파일"},
      {"pal_key\\DefaultIcon", IconValue(program, 3)},
  };
}
