#pragma once
// An edit mask: "mask;save literals;blank". Mask characters: L letter, A letter or digit, C any
// character, 0 digit (each required); l, a, c, 9 their optional forms; # digit or sign
// (optional); > upper case and < lower case from there on, <> neither; \ makes the next
// character a literal; every other character is a literal. The second field "0" keeps the
// literals out of the value; the third is the blank character ("_" when absent).

#include <string>
#include <vector>

namespace mw {

class TEditMask {
public:
    explicit TEditMask(const std::string& mask = std::string());

    bool Empty() const { return slots_.empty(); }
    // Characters of the display text, one per slot.
    size_t Length() const { return slots_.size(); }
    bool IsLiteral(size_t pos) const { return slots_.at(pos).literal; }
    char BlankChar() const { return blank_; }
    bool SaveLiterals() const { return saveLiterals_; }

    // The character as the slot stores it (case applied), or 0 when it does not fit there.
    char Accept(size_t pos, char c) const;
    // The text of an empty edit: the literals, the blank character elsewhere.
    std::string BlankText() const;
    // Display text holds a character in every required slot.
    bool Complete(const std::string& display) const;
    // The value of a display text: blanks dropped, literals kept only when saved.
    std::string Value(const std::string& display) const;
    // The first slot at or after pos that takes input; Length() when none does.
    size_t NextInputSlot(size_t pos) const;

private:
    enum class TCase { None, Upper, Lower };
    struct TSlot {
        bool literal = false;
        char kind = 0;  // mask character, or the literal itself
        bool required = false;
        TCase letterCase = TCase::None;
    };

    std::vector<TSlot> slots_;
    bool saveLiterals_ = true;
    char blank_ = '_';
};

}  // namespace mw
