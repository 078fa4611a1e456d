#include "ui/command_line.h"

CommandLineDocument TakeCommandLine(const std::string& arguments,
                                    const std::function<bool(const std::string&)>& isDirectory) {
  CommandLineDocument document;
  if (arguments.empty() || (isDirectory && isDirectory(arguments))) return document;
  document.path = arguments;
  document.title = FileTitleOf(arguments);
  return document;
}

std::string FileTitleOf(const std::string& path) {
  // CP949 trail bytes are never 0x5C, so a byte search for the backslash is safe.
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ProgramDirectoryFromCommandLine(const std::string& processCommandLine) {
  if (processCommandLine.empty() || processCommandLine[0] != '"') return {};
  size_t end = processCommandLine.find('"', 1);
  std::string program = processCommandLine.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  return DirectoryOf(program);
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ArgumentTextOf(const std::string& processCommandLine) {
  // CP949 trail bytes never take the values of a quote, a blank or a tab.
  size_t at = 0;
  const size_t size = processCommandLine.size();
  if (size > 0 && processCommandLine[0] == '"') {
    size_t close = processCommandLine.find('"', 1);
    at = close == std::string::npos ? size : close + 1;
  } else {
    while (at < size && processCommandLine[at] != ' ' && processCommandLine[at] != '\t') ++at;
  }
  while (at < size && (processCommandLine[at] == ' ' || processCommandLine[at] == '\t')) ++at;
  return processCommandLine.substr(at);
}
