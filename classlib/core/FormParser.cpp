#include "classlib/core/FormParser.h"

#include <cctype>

#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"

namespace cl {

namespace {

// Nesting deeper than this is refused rather than risking the stack.
constexpr int kMaxDepth = 100;

enum class Tok { End, Ident, Integer, String, Symbol, Binary };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // identifier, decoded string, symbol character, or the binary bytes
    int64_t integer = 0;
    int line = 1;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class Parser {
public:
    Parser(const std::string& text, const std::string& formName) : text_(text), formName_(formName) { Next(); }

    TFormObject ParseRoot() {
        TFormObject root = ParseObject(0);
        if (token_.kind != Tok::End) Fail("text after the final \"end\"");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { FailAt(token_.line, what); }
    [[noreturn]] void FailAt(int line, const std::string& what) const {
        throw EFormReadError("Error reading form " + formName_ + ", line " + std::to_string(line) + ": " + what);
    }

    // ---- tokens ----

    void SkipSpaceAndComments() {
        for (;;) {
            while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
                if (text_[pos_] == '\n') ++line_;
                ++pos_;
            }
            if (pos_ + 1 < text_.size() && text_[pos_] == '/' && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
                continue;
            }
            return;
        }
    }

    void Next() {
        SkipSpaceAndComments();
        token_ = Token();
        token_.line = line_;
        if (pos_ >= text_.size()) return;
        const char c = text_[pos_];
        if (IsIdentStart(c)) {
            const size_t start = pos_;
            while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
            token_.kind = Tok::Ident;
            token_.text = text_.substr(start, pos_ - start);
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '-' && pos_ + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_ + 1])))) {
            ReadInteger();
        } else if (c == '"') {
            ReadString();
        } else if (c == '{') {
            ReadBinary();
        } else {
            token_.kind = Tok::Symbol;
            token_.text = std::string(1, c);
            ++pos_;
        }
    }

    void ReadInteger() {
        bool negative = false;
        if (text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        uint64_t value = 0;
        const uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
        auto accumulate = [&](int digit, int base) {
            if (value > (limit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) Fail("integer too large");
            value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        };
        if (text_[pos_] == '0' && pos_ + 1 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
            pos_ += 2;
            if (pos_ >= text_.size() || HexDigit(text_[pos_]) < 0) Fail("hexadecimal digits expected after 0x");
            while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) accumulate(HexDigit(text_[pos_++]), 16);
        } else {
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                accumulate(text_[pos_++] - '0', 10);
        }
        if (pos_ < text_.size() && IsIdentChar(text_[pos_])) Fail("malformed number");
        token_.kind = Tok::Integer;
        token_.integer = negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
    }

    void ReadString() {
        ++pos_;  // opening quote
        std::string out;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"') break;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) Fail("unterminated string");
            const char e = text_[pos_++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'x': {
                    const int high = pos_ < text_.size() ? HexDigit(text_[pos_]) : -1;
                    const int low = pos_ + 1 < text_.size() ? HexDigit(text_[pos_ + 1]) : -1;
                    if (high < 0 || low < 0) Fail("\\x needs two hexadecimal digits");
                    out += static_cast<char>(high * 16 + low);
                    pos_ += 2;
                    break;
                }
                default: Fail(std::string("unknown escape \\") + e);
            }
        }
        token_.kind = Tok::String;
        token_.text = std::move(out);
    }

    void ReadBinary() {
        ++pos_;  // {
        std::string bytes;
        int high = -1;
        for (;;) {
            if (pos_ >= text_.size()) Fail("unterminated binary data");
            const char c = text_[pos_++];
            if (c == '}') break;
            if (c == '\n') ++line_;
            if (std::isspace(static_cast<unsigned char>(c))) continue;
            const int digit = HexDigit(c);
            if (digit < 0) Fail("binary data holds a character that is not a hexadecimal digit");
            if (high < 0) {
                high = digit;
            } else {
                bytes += static_cast<char>(high * 16 + digit);
                high = -1;
            }
        }
        if (high >= 0) Fail("binary data has an odd number of hexadecimal digits");
        token_.kind = Tok::Binary;
        token_.text = std::move(bytes);
    }

    bool IsSymbol(char c) const { return token_.kind == Tok::Symbol && token_.text[0] == c; }
    bool IsKeyword(const char* word) const { return token_.kind == Tok::Ident && SameText(token_.text, word); }

    void ExpectSymbol(char c) {
        if (!IsSymbol(c)) Fail(std::string("\"") + c + "\" expected");
        Next();
    }

    std::string ExpectIdent(const char* what) {
        if (token_.kind != Tok::Ident) Fail(std::string(what) + " expected");
        std::string text = token_.text;
        Next();
        return text;
    }

    // ---- grammar ----

    TFormObject ParseObject(int depth) {
        if (depth > kMaxDepth) Fail("objects nested too deeply");
        if (!IsKeyword("object")) Fail("\"object\" expected");
        TFormObject object;
        object.line = token_.line;
        Next();
        object.name = ExpectIdent("component name");
        ExpectSymbol(':');
        object.className = ExpectIdent("class name");
        for (;;) {
            if (IsKeyword("end")) {
                Next();
                return object;
            }
            if (IsKeyword("object")) {
                object.children.push_back(ParseObject(depth + 1));
                continue;
            }
            if (token_.kind == Tok::End) FailAt(object.line, "\"end\" of object " + object.name + " missing");
            object.properties.push_back(ParseProperty(depth));
        }
    }

    TFormProperty ParseProperty(int depth) {
        TFormProperty property;
        property.line = token_.line;
        property.path = ExpectIdent("property name");
        while (IsSymbol('.')) {
            Next();
            property.path += "." + ExpectIdent("property name");
        }
        ExpectSymbol('=');
        if (IsSymbol('<')) {
            property.isCollection = true;
            property.items = ParseCollection(depth + 1);
        } else {
            property.value = ParseValue();
        }
        return property;
    }

    std::vector<TFormCollectionItem> ParseCollection(int depth) {
        if (depth > kMaxDepth) Fail("collections nested too deeply");
        Next();  // <
        std::vector<TFormCollectionItem> items;
        while (!IsSymbol('>')) {
            if (!IsKeyword("item")) Fail("\"item\" or \">\" expected");
            TFormCollectionItem item;
            item.line = token_.line;
            Next();
            while (!IsKeyword("end")) {
                if (token_.kind == Tok::End) FailAt(item.line, "\"end\" of collection item missing");
                item.properties.push_back(ParseProperty(depth));
            }
            Next();
            items.push_back(std::move(item));
        }
        Next();
        return items;
    }

    TValue ParseValue() {
        switch (token_.kind) {
            case Tok::Integer: {
                TValue v = TValue::Int(token_.integer);
                Next();
                return v;
            }
            case Tok::String: {
                std::string text = token_.text;
                Next();
                while (IsSymbol('+')) {
                    Next();
                    if (token_.kind != Tok::String) Fail("string expected after \"+\"");
                    text += token_.text;
                    Next();
                }
                return TValue::Str(std::move(text));
            }
            case Tok::Binary: {
                TValue v = TValue::Bin(std::vector<uint8_t>(token_.text.begin(), token_.text.end()));
                Next();
                return v;
            }
            case Tok::Ident: {
                if (IsKeyword("True") || IsKeyword("False")) {
                    TValue v = TValue::Bool(IsKeyword("True"));
                    Next();
                    return v;
                }
                std::string name = token_.text;
                Next();
                while (IsSymbol('.')) {
                    Next();
                    name += "." + ExpectIdent("identifier");
                }
                return TValue::Ident(std::move(name));
            }
            case Tok::Symbol:
                if (IsSymbol('[')) return ParseSet();
                if (IsSymbol('(')) return ParseList();
                break;
            case Tok::End:
                break;
        }
        Fail("value expected");
    }

    TValue ParseSet() {
        Next();  // [
        std::vector<std::string> members;
        if (!IsSymbol(']')) {
            members.push_back(ExpectIdent("set member"));
            while (IsSymbol(',')) {
                Next();
                members.push_back(ExpectIdent("set member"));
            }
        }
        ExpectSymbol(']');
        return TValue::SetOf(std::move(members));
    }

    TValue ParseList() {
        Next();  // (
        std::vector<std::string> strings;
        while (!IsSymbol(')')) {
            if (token_.kind != Tok::String) Fail("string or \")\" expected");
            strings.push_back(token_.text);
            Next();
        }
        Next();
        return TValue::Strings(std::move(strings));
    }

    const std::string& text_;
    const std::string& formName_;
    size_t pos_ = 0;
    int line_ = 1;
    Token token_;
};

}  // namespace

TFormObject ParseFormText(const std::string& text, const std::string& formName) {
    return Parser(text, formName).ParseRoot();
}

}  // namespace cl
