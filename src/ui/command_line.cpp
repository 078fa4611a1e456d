#include "ui/command_line.h"

CommandLineDocument TakeCommandLine(const std::string& arguments,
                                    const std::function<bool(const std::string&)>& isDirectory) {
  CommandLineDocument document;
  // The association passes the path in double quotes, so that blanks survive; an
  // older association passes it bare. One surrounding pair is removed.
  std::string path = arguments;
  while (!path.empty() && (path.back() == ' ' || path.back() == '\t')) path.pop_back();
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  if (path.empty() || (isDirectory && isDirectory(path))) return document;
  document.path = path;
  document.title = FileTitleOf(path);
  return document;
}

std::string FileTitleOf(const std::string& path) {
  // CP949 trail bytes are never a backslash or a slash, so a byte search is safe.
  const size_t slash = path.find_last_of("\\/");
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
