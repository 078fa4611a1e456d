#pragma once
// A window's commands as table rows: what a command does, whether it may run now and
// whether its menu entry carries a check mark. One table drives the command message,
// the menu state when a menu opens, the tool-bar buttons and the accelerators, so a
// greyed entry can never be run by its key either. The rules are plain functions of
// the editor's state and are tested without windows.

#include <functional>
#include <vector>

class UserPrompts;

struct CommandRow {
  int id = 0;
  std::function<void()> run;
  std::function<bool()> enabled;  // empty: always enabled
  std::function<bool()> checked;  // empty: never checked
};

class CommandTable {
 public:
  // Adds or replaces the row of `id`.
  CommandTable& add(int id, std::function<void()> run, std::function<bool()> enabled = {},
                    std::function<bool()> checked = {});
  // The same action under several ids (a menu entry and its key often differ).
  CommandTable& alias(int id, int existingId);

  const CommandRow* find(int id) const;
  bool contains(int id) const { return find(id) != nullptr; }
  // False for an unknown id.
  bool enabled(int id) const;
  bool checked(int id) const;
  // Runs the command when it is known and enabled; false when nothing ran or it
  // failed. A failure is reported to the prompts given here (see
  // RunReportingFailure); without them it goes on to the caller.
  bool execute(int id) const;
  void reportFailuresTo(UserPrompts* prompts) { prompts_ = prompts; }
  std::vector<int> ids() const;

 private:
  std::vector<CommandRow> rows_;
  UserPrompts* prompts_ = nullptr;
};
