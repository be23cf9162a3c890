// Input files kept for the tests in tests/data: fixed problems that many
// tests edit in place, independent of the shipped examples.
#pragma once
#include <string>

namespace ormyx_test {

inline std::string Data_Path(const std::string& name) {
  return std::string(ORMYX_SOURCE_DIR) + "/tests/data/" + name;
}

}  // namespace ormyx_test
