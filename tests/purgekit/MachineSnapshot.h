// What a test compares before an installation and after its removal: every file below the
// system drive and every registry key and value below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
#pragma once
#include <set>
#include <string>
#include <vector>

class CMachineSnapshot {
  public:
    // Lines "D <folder>", "F <path> <size>", "K <root>\<key>" and
    // "V <root>\<key> <name> <type> <data in hex>".
    static CMachineSnapshot Take();
    const std::set<std::string>& Lines() const { return m_lines; }
    // Lines of after that are not in this snapshot, and lines of this one that after lacks.
    std::vector<std::string> Added(const CMachineSnapshot& after) const;
    std::vector<std::string> Removed(const CMachineSnapshot& after) const;

  private:
    std::set<std::string> m_lines;
};
