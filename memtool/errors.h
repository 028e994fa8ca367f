// A failure that stops the operation in progress; the program's top-level
// handler shows its text in an error box.
#pragma once
#include <stdexcept>
#include <string>

namespace mt {

class OperationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline OperationError failedToSetData(const std::string& valueName) {
  return OperationError("Failed to set data for '" + valueName + "'");
}

inline OperationError invalidDataType(const std::string& valueName) {
  return OperationError("Invalid data type for '" + valueName + "'");
}

}  // namespace mt
