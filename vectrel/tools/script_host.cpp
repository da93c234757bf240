#include "vectrel/tools/script_host.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "platform/create_object.h"
#include "platform/dispatch_client.h"
#include "platform/utf.h"

namespace vectrel {
namespace {

using platform::HRESULT;
using platform::Variant;

std::string Lower(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

struct Token {
  enum Kind { kName, kInteger, kReal, kString, kSymbol, kEnd } kind = kEnd;
  std::string text;  // name, string contents or symbol
  std::int64_t integer = 0;
  double real = 0;
};

// A failed automation call, as the host reports it.
struct CallError {
  HRESULT hr;
  std::string detail = {};  // what the loader said, for CreateObject
};

// A script that cannot be run as written.
struct SyntaxError {
  std::string message;
};

std::vector<Token> Tokenize(const std::string& line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '\'') {
      break;
    } else if (c == '"') {
      Token t;
      t.kind = Token::kString;
      ++i;
      for (;;) {
        if (i >= line.size()) throw SyntaxError{"unterminated string"};
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            t.text += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        t.text += line[i++];
      }
      tokens.push_back(t);
    } else if (c == '&' && i + 1 < line.size() && (line[i + 1] == 'H' || line[i + 1] == 'h')) {
      std::size_t j = i + 2;
      while (j < line.size() && std::isxdigit(static_cast<unsigned char>(line[j]))) ++j;
      if (j == i + 2) throw SyntaxError{"&H without hexadecimal digits"};
      std::uint64_t value = 0;
      const auto [end, ec] = std::from_chars(line.data() + i + 2, line.data() + j, value, 16);
      if (ec != std::errc() || value > 0xFFFFFFFFu) throw SyntaxError{"hexadecimal number out of range"};
      (void)end;
      Token t;
      t.kind = Token::kInteger;
      // &HFFFFFFFF is -1, as a 32-bit integer.
      t.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
      tokens.push_back(t);
      i = j;
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               (c == '.' && i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1])))) {
      std::size_t j = i;
      bool real = false;
      while (j < line.size() && (std::isdigit(static_cast<unsigned char>(line[j])) || line[j] == '.')) {
        if (line[j] == '.') {
          if (real) throw SyntaxError{"malformed number"};
          real = true;
        }
        ++j;
      }
      Token t;
      t.kind = real ? Token::kReal : Token::kInteger;
      const std::string text = line.substr(i, j - i);
      if (real) {
        t.real = std::strtod(text.c_str(), nullptr);
      } else {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), t.integer);
        (void)end;
        if (ec != std::errc() || t.integer > 0x7FFFFFFFLL) throw SyntaxError{"integer out of range: " + text};
      }
      tokens.push_back(t);
      i = j;
    } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      std::size_t j = i;
      while (j < line.size() && (std::isalnum(static_cast<unsigned char>(line[j])) || line[j] == '_')) ++j;
      tokens.push_back(Token{Token::kName, line.substr(i, j - i), 0, 0});
      i = j;
    } else if (std::string_view("().,=-").find(c) != std::string_view::npos) {
      tokens.push_back(Token{Token::kSymbol, std::string(1, c), 0, 0});
      ++i;
    } else {
      throw SyntaxError{std::string("unexpected character '") + c + "'"};
    }
  }
  tokens.push_back(Token{});
  return tokens;
}

}  // namespace

class ScriptHost::Parser {
 public:
  Parser(std::vector<Token> tokens, std::map<std::string, Variant>& variables)
      : tokens_(std::move(tokens)), variables_(variables) {}

  bool AtEnd() const { return Peek().kind == Token::kEnd; }
  const Token& Peek(std::size_t ahead = 0) const { return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)]; }
  bool IsKeyword(std::string_view word, std::size_t ahead = 0) const {
    return Peek(ahead).kind == Token::kName && Lower(Peek(ahead).text) == word;
  }
  bool IsSymbol(char c, std::size_t ahead = 0) const {
    return Peek(ahead).kind == Token::kSymbol && Peek(ahead).text[0] == c;
  }
  Token Next() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
  void Expect(char c) {
    if (!IsSymbol(c)) throw SyntaxError{std::string("expected '") + c + "'" + Near()};
    ++pos_;
  }
  std::string ExpectName() {
    if (Peek().kind != Token::kName) throw SyntaxError{"expected a name" + Near()};
    return Next().text;
  }
  void ExpectEnd() {
    if (!AtEnd()) throw SyntaxError{"unexpected text" + Near()};
  }
  std::string Near() const {
    const Token& t = Peek();
    switch (t.kind) {
      case Token::kEnd:
        return " at the end of the line";
      case Token::kString:
        return " near \"" + t.text + "\"";
      case Token::kInteger:
        return " near " + std::to_string(t.integer);
      default:
        return " near '" + t.text + "'";
    }
  }

  // A comma-separated list up to the end of the line or a closing bracket.
  std::vector<Variant> Arguments(bool bracketed) {
    std::vector<Variant> args;
    if (bracketed) Expect('(');
    const auto at_close = [&] { return bracketed ? IsSymbol(')') : AtEnd(); };
    if (!at_close()) {
      args.push_back(Expression());
      while (IsSymbol(',')) {
        ++pos_;
        args.push_back(Expression());
      }
    }
    if (bracketed) Expect(')');
    return args;
  }

  platform::IDispatch* ObjectNamed(const std::string& name) const {
    const auto it = variables_.find(Lower(name));
    if (it == variables_.end()) throw SyntaxError{"unknown name '" + name + "'"};
    if (it->second.vt != platform::VT_DISPATCH || it->second.pdispVal == nullptr)
      throw SyntaxError{"'" + name + "' is not an object"};
    return it->second.pdispVal;
  }

  Variant Expression() {
    if (IsSymbol('-')) {
      ++pos_;
      Variant v = Expression();
      switch (v.vt) {
        case platform::VT_I4:
          if (v.lVal == INT32_MIN) throw SyntaxError{"integer out of range"};
          return Variant(-v.lVal);
        case platform::VT_I2:
          return Variant(static_cast<std::int32_t>(-v.iVal));
        case platform::VT_UI1:
          return Variant(-static_cast<std::int32_t>(v.bVal));
        case platform::VT_R8:
          return Variant(-v.dblVal);
        default:
          throw SyntaxError{"minus before a value that is not a number"};
      }
    }
    const Token t = Next();
    switch (t.kind) {
      case Token::kInteger:
        return Variant(static_cast<std::int32_t>(t.integer));
      case Token::kReal:
        return Variant(t.real);
      case Token::kString:
        return Variant(std::string_view(t.text));
      case Token::kSymbol:
        if (t.text == "(") {
          Variant v = Expression();
          Expect(')');
          return v;
        }
        break;
      case Token::kName: {
        if (Lower(t.text) == "createobject") {
          auto args = Arguments(true);
          if (args.size() != 1 || args[0].vt != platform::VT_BSTR)
            throw SyntaxError{"CreateObject takes one string"};
          platform::ComPtr<platform::IDispatch> object;
          const HRESULT hr = platform::CreateObject(platform::BstrView(args[0].bstrVal), &object);
          if (platform::FAILED(hr)) throw CallError{hr, platform::LastCreateObjectError()};
          return Variant(object.Get());
        }
        if (IsSymbol('.')) {
          ++pos_;
          platform::IDispatch* object = ObjectNamed(t.text);
          const std::string member = ExpectName();
          std::vector<Variant> args;
          if (IsSymbol('(')) args = Arguments(true);
          Variant result;
          const HRESULT hr = platform::DispatchInvokeByName(object, platform::Utf8ToUtf16(member),
                                                            platform::DISPATCH_METHOD | platform::DISPATCH_PROPERTYGET,
                                                            args, &result);
          if (platform::FAILED(hr)) throw CallError{hr};
          return result;
        }
        const auto it = variables_.find(Lower(t.text));
        if (it == variables_.end()) throw SyntaxError{"unknown name '" + t.text + "'"};
        return it->second;
      }
      case Token::kEnd:
        throw SyntaxError{"expected a value at the end of the line"};
    }
    throw SyntaxError{"expected a value near '" + t.text + "'"};
  }

 private:
  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  std::map<std::string, Variant>& variables_;
};

namespace {

std::string Format(const Variant& v) {
  char buffer[64];
  switch (v.vt) {
    case platform::VT_EMPTY:
      return "";
    case platform::VT_I2:
      return std::to_string(v.iVal);
    case platform::VT_I4:
      return std::to_string(v.lVal);
    case platform::VT_UI1:
      return std::to_string(v.bVal);
    case platform::VT_R4:
      std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v.fltVal));
      return buffer;
    case platform::VT_R8:
      std::snprintf(buffer, sizeof buffer, "%.17g", v.dblVal);
      return buffer;
    case platform::VT_BOOL:
      return v.boolVal ? "True" : "False";
    case platform::VT_BSTR:
      return platform::Utf16ToUtf8(platform::BstrView(v.bstrVal));
    case platform::VT_DISPATCH:
    case platform::VT_UNKNOWN:
      return "<object>";
    default:
      break;
  }
  if (v.vt == (platform::VT_ARRAY | platform::VT_UI1)) {
    const auto bytes = platform::ByteArrayView(v.parray);
    std::string s = std::to_string(bytes.size());
    for (std::uint8_t b : bytes) {
      std::snprintf(buffer, sizeof buffer, " %02X", b);
      s += buffer;
    }
    return s;
  }
  std::snprintf(buffer, sizeof buffer, "<variant type %d>", v.vt);
  return buffer;
}

}  // namespace

void ScriptHost::Execute(const std::string& line, int /*line_number*/) {
  Parser p(Tokenize(line), variables_);
  if (p.AtEnd()) return;
  if (p.IsKeyword("set")) {
    p.Next();
    const std::string name = p.ExpectName();
    p.Expect('=');
    Variant value = p.Expression();
    p.ExpectEnd();
    if (value.vt != platform::VT_DISPATCH || value.pdispVal == nullptr)
      throw SyntaxError{"Set needs an object on the right"};
    variables_[Lower(name)] = std::move(value);
    return;
  }
  if (p.IsKeyword("dim")) {
    p.Next();
    const std::string name = p.ExpectName();
    Variant value;
    if (p.IsSymbol('=')) {
      p.Next();
      value = p.Expression();
    }
    p.ExpectEnd();
    variables_[Lower(name)] = std::move(value);
    return;
  }
  if (p.IsKeyword("print")) {
    p.Next();
    std::string text;
    if (!p.AtEnd()) {
      text = Format(p.Expression());
      while (p.IsSymbol(',')) {
        p.Next();
        text += " " + Format(p.Expression());
      }
    }
    p.ExpectEnd();
    out_ << text << '\n';
    return;
  }
  const std::string name = p.ExpectName();
  if (p.IsSymbol('=')) {  // a plain variable
    p.Next();
    Variant value = p.Expression();
    p.ExpectEnd();
    variables_[Lower(name)] = std::move(value);
    return;
  }
  p.Expect('.');
  platform::IDispatch* object = p.ObjectNamed(name);
  const std::string member = p.ExpectName();
  if (p.IsSymbol('=')) {
    p.Next();
    const Variant value = p.Expression();
    p.ExpectEnd();
    const HRESULT hr = platform::DispatchPut(object, platform::Utf8ToUtf16(member), value);
    if (platform::FAILED(hr)) throw CallError{hr};
    return;
  }
  // "obj.M(a, b)" as a statement reads as a bracketed list, like "obj.M a, b".
  std::vector<Variant> args;
  if (p.IsSymbol('(')) {
    args = p.Arguments(true);
    if (!p.AtEnd()) throw SyntaxError{"unexpected text" + p.Near()};
  } else {
    args = p.Arguments(false);
  }
  Variant ignored;
  const HRESULT hr = platform::DispatchInvokeByName(object, platform::Utf8ToUtf16(member), platform::DISPATCH_METHOD,
                                                    args, &ignored);
  if (platform::FAILED(hr)) throw CallError{hr};
}

int ScriptHost::Run(std::istream& script) {
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // "Try" runs the rest of the line and reports a failed call on stdout.
    std::size_t start = line.find_first_not_of(" \t");
    bool is_try = false;
    if (start != std::string::npos && line.size() >= start + 4 && Lower(line.substr(start, 3)) == "try" &&
        std::isspace(static_cast<unsigned char>(line[start + 3]))) {
      is_try = true;
      line = line.substr(start + 4);
    }
    try {
      Execute(line, number);
    } catch (const CallError& e) {
      if (is_try) {
        out_ << "HRESULT " << platform::FormatHResult(e.hr) << '\n';
        continue;
      }
      const char* name = platform::HResultName(e.hr);
      err_ << "line " << number << ": HRESULT " << platform::FormatHResult(e.hr) << " ("
           << (*name != '\0' ? name : "unknown") << ")";
      if (!e.detail.empty()) err_ << ": " << e.detail;
      err_ << '\n';
      return kCallFailed;
    } catch (const SyntaxError& e) {
      err_ << "line " << number << ": " << e.message << '\n';
      return kScriptError;
    }
  }
  return kOk;
}

}  // namespace vectrel
