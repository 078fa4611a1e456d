#include "ui/command_table.h"

#include <algorithm>

#include "ui/user_prompts.h"

CommandTable& CommandTable::add(int id, std::function<void()> run, std::function<bool()> enabled,
                                std::function<bool()> checked) {
  CommandRow row{id, std::move(run), std::move(enabled), std::move(checked)};
  auto it = std::find_if(rows_.begin(), rows_.end(), [id](const CommandRow& r) { return r.id == id; });
  if (it != rows_.end()) {
    *it = std::move(row);
  } else {
    rows_.push_back(std::move(row));
  }
  return *this;
}

CommandTable& CommandTable::alias(int id, int existingId) {
  if (const CommandRow* row = find(existingId)) {
    CommandRow copy = *row;
    add(id, copy.run, copy.enabled, copy.checked);
  }
  return *this;
}

const CommandRow* CommandTable::find(int id) const {
  auto it = std::find_if(rows_.begin(), rows_.end(), [id](const CommandRow& r) { return r.id == id; });
  return it != rows_.end() ? &*it : nullptr;
}

bool CommandTable::enabled(int id) const {
  const CommandRow* row = find(id);
  return row != nullptr && (!row->enabled || row->enabled());
}

bool CommandTable::checked(int id) const {
  const CommandRow* row = find(id);
  return row != nullptr && row->checked && row->checked();
}

bool CommandTable::execute(int id) const {
  const CommandRow* row = find(id);
  if (row == nullptr || (row->enabled && !row->enabled())) return false;
  if (row->run) {
    // A command may rebuild the table it came from; run a copy of the action.
    std::function<void()> run = row->run;
    if (prompts_ != nullptr) return RunReportingFailure(*prompts_, run);
    run();
  }
  return true;
}

std::vector<int> CommandTable::ids() const {
  std::vector<int> out;
  out.reserve(rows_.size());
  for (const CommandRow& row : rows_) out.push_back(row.id);
  return out;
}
