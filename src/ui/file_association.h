#pragma once
// The shell association each program registers on its first run: default values of
// keys under the per-user classes key (Software\Classes of the current user, which
// the shell merges into the classes root; writing the machine-wide keys needs
// administrator rights). The program path and the document are each quoted, so
// folders with blanks work.

#include <string>
#include <vector>

struct AssociationValue {
  std::string key;    // below Software\Classes, with backslashes
  std::string value;  // CP949
};

// "\"<programPath>\" \"%1\"".
std::string OpenCommandValue(const std::string& programPath);
// "\"<programPath>\",<index>".
std::string IconValue(const std::string& programPath, int index);

// ".zrv" for Zorv2, ".plk" and ".pal" for Plyk2; programDirectory ends in a backslash.
std::vector<AssociationValue> MotionEditorAssociation(const std::string& programDirectory);
std::vector<AssociationValue> SpriteCutterAssociation(const std::string& programDirectory);
