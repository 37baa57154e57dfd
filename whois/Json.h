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
    // The items of an array, or the values of an object's members, in order.
    std::vector<Value> items;
    std::vector<std::string> names;  // of an object's members, one for each item

    // The member of that name, or nullptr (also for a value that is no object).
    const Value* Member(std::string_view name) const;
    void AddMember(std::string name, Value value) {
        names.push_back(std::move(name));
        items.push_back(std::move(value));
    }
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
