// A failure that stops the operation in progress; the program's top-level
// handler shows its text in an error box.
#pragma once
#include <exception>
#include <string>
#include <utility>

namespace mt {

// Holds its text itself rather than deriving from std::runtime_error, whose
// reference-counted copy of the text drags a second string implementation
// into the program.
class OperationError : public std::exception {
 public:
  explicit OperationError(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

inline OperationError failedToSetData(const std::string& valueName) {
  return OperationError("Failed to set data for '" + valueName + "'");
}

inline OperationError invalidDataType(const std::string& valueName) {
  return OperationError("Invalid data type for '" + valueName + "'");
}

}  // namespace mt
