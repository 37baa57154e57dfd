#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Just enough JSON for registry replies and their server lists: read into a
// tree, look values up, write back indented.
namespace quillmark::whois::json {

struct Value {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    // The text of a string (unescaped), or of a number, true or false as written.
    std::string text;
    std::vector<Value> items;                            // of an array
    std::vector<std::pair<std::string, Value>> members;  // of an object, in order

    // The member of that name, or nullptr (also for a value that is no object).
    const Value* Member(std::string_view name) const;
    bool IsString() const { return kind == Kind::String; }
};

// Nesting deeper than this is refused, so a hostile reply cannot exhaust the stack.
inline constexpr int kDeepestNesting = 100;

// The value of the whole text (spaces around it allowed), or nothing when it
// is no JSON, has anything after the value, or nests too deep.
std::optional<Value> Parse(std::string_view text);

// The value written with two spaces per level, one member or item per line.
std::string Indented(const Value& value);

}  // namespace quillmark::whois::json
