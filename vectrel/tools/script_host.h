#pragma once

#include <istream>
#include <map>
#include <ostream>
#include <string>

#include "platform/variant.h"

namespace vectrel {

// A small script host for driving automation servers from a shell, one
// statement a line:
//   Set NAME = CreateObject("ProgID")
//   NAME.Method ARG, ARG          NAME.Method(ARG, ...)
//   NAME.Property = EXPR          Dim NAME = EXPR
//   Print EXPR[, EXPR...]         Try STATEMENT
// ' starts a comment; keywords are case-insensitive. Expressions: integers
// (VT_I4), reals with a decimal point (VT_R8), "strings" ("" for a quote),
// &H hexadecimal, unary minus, names, NAME.Property, NAME.Method(...).
// Every call goes through GetIDsOfNames and Invoke.
class ScriptHost {
 public:
  // Exit statuses of Run.
  static constexpr int kOk = 0;
  static constexpr int kCallFailed = 1;
  static constexpr int kScriptError = 2;

  ScriptHost(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  int Run(std::istream& script);

 private:
  struct Failure {
    int status;
    std::string message;
  };
  class Parser;

  void Execute(const std::string& line, int line_number);

  std::ostream& out_;
  std::ostream& err_;
  std::map<std::string, platform::Variant> variables_;  // by lower-case name
};

}  // namespace vectrel
