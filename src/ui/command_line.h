#pragma once
// How a program takes its start-up arguments and finds its own folder. Plain text
// rules, kept apart from the window code so that they can be tested anywhere.

#include <functional>
#include <string>

struct CommandLineDocument {
  std::string path;   // the whole argument text, or empty
  std::string title;  // the text after the path's last backslash, or empty
};

// The argument text names one document and is never split: a path with blanks may
// arrive bare (older associations) or in one pair of double quotes (ours), which is
// removed. An empty text or one that names a folder gives two empty texts.
CommandLineDocument TakeCommandLine(const std::string& arguments,
                                    const std::function<bool(const std::string&)>& isDirectory);

// The argument text of a whole process command line: what follows the program name
// (quoted, or up to the first blank) and the blanks after it.
std::string ArgumentTextOf(const std::string& processCommandLine);

// The file name of a path: the text after the last backslash or slash (the whole
// text when there is none). Windows takes either as a separator.
std::string FileTitleOf(const std::string& path);

// The program's folder, ending in a backslash, from the process command line, which
// starts with the program path in double quotes. Without the leading quote there is
// no reliable way to tell the path from the arguments: the result is then empty and
// the caller asks the system for the module path instead.
std::string ProgramDirectoryFromCommandLine(const std::string& processCommandLine);

// The folder part of a full path, ending in a backslash; empty without one.
std::string DirectoryOf(const std::string& path);
