#include "whois/Json.h"

#include <cstdint>

#include "platform/Text.h"

namespace quillmark::whois::json {

namespace {

using Kind = Value::Kind;

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Value> Document() {
        auto value = ValueAt(0);
        SkipSpace();
        if (!value || at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    std::optional<Value> ValueAt(int depth) {
        if (depth >= kDeepestNesting) return std::nullopt;
        SkipSpace();
        if (at_ >= text_.size()) return std::nullopt;
        const char c = text_[at_];
        if (c == '{') return ObjectAt(depth);
        if (c == '[') return ArrayAt(depth);
        if (c == '"') {
            auto text = StringAt();
            if (!text) return std::nullopt;
            return Value{Kind::String, std::move(*text), {}, {}};
        }
        for (const auto& [word, kind] : {std::pair{"true", Kind::Boolean}, std::pair{"false", Kind::Boolean},
                                         std::pair{"null", Kind::Null}}) {
            if (text_.substr(at_).starts_with(word)) {
                at_ += std::string_view(word).size();
                return Value{kind, word, {}, {}};
            }
        }
        return NumberAt();
    }

    std::optional<Value> ObjectAt(int depth) {
        Value object{Kind::Object, {}, {}, {}};
        ++at_;
        if (Take('}')) return object;
        do {
            SkipSpace();
            auto name = at_ < text_.size() && text_[at_] == '"' ? StringAt() : std::nullopt;
            if (!name || !Take(':')) return std::nullopt;
            auto member = ValueAt(depth + 1);
            if (!member) return std::nullopt;
            object.AddMember(std::move(*name), std::move(*member));
        } while (Take(','));
        if (!Take('}')) return std::nullopt;
        return object;
    }

    std::optional<Value> ArrayAt(int depth) {
        Value array{Kind::Array, {}, {}, {}};
        ++at_;
        if (Take(']')) return array;
        do {
            auto item = ValueAt(depth + 1);
            if (!item) return std::nullopt;
            array.items.push_back(std::move(*item));
        } while (Take(','));
        if (!Take(']')) return std::nullopt;
        return array;
    }

    // -? int frac? exp?, as the grammar has it.
    std::optional<Value> NumberAt() {
        const std::size_t start = at_;
        Skip('-');
        if (Skip('0')) {
        } else if (!SkipDigits()) {
            return std::nullopt;
        }
        if (Skip('.') && !SkipDigits()) return std::nullopt;
        if (Skip('e') || Skip('E')) {
            if (!Skip('+')) Skip('-');
            if (!SkipDigits()) return std::nullopt;
        }
        return Value{Kind::Number, std::string(text_.substr(start, at_ - start)), {}, {}};
    }

    std::optional<std::string> StringAt() {
        std::string out;
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                out += c;
            } else if (!Escape(out)) {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    bool Escape(std::string& out) {
        if (++at_ >= text_.size()) return false;
        static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
        if (const auto simple = kFrom.find(text_[at_]); simple != std::string_view::npos) {
            out += kTo[simple];
            return true;
        }
        if (text_[at_] != 'u') return false;
        auto unit = HexUnit();
        if (!unit) return false;
        std::uint32_t point = *unit;
        // A high surrogate pairs with the low one after it; a lone one becomes U+FFFD.
        if (point >= 0xD800 && point < 0xDC00 && text_.substr(at_ + 1).starts_with("\\u")) {
            const std::size_t back = at_;
            at_ += 2;
            const auto low = HexUnit();
            if (low && *low >= 0xDC00 && *low < 0xE000) {
                point = 0x10000 + ((point - 0xD800) << 10) + (*low - 0xDC00);
            } else {
                at_ = back;
            }
        }
        if (point >= 0xD800 && point < 0xE000) point = 0xFFFD;
        out += text::encodeUtf8(point);
        return true;
    }

    // The four hex digits after "u"; at_ ends on the last.
    std::optional<std::uint32_t> HexUnit() {
        if (at_ + 4 >= text_.size()) return std::nullopt;
        std::uint32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[++at_];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            unit = unit * 16 + static_cast<std::uint32_t>(digit);
        }
        return unit;
    }

    void SkipSpace() {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
            ++at_;
    }
    bool Skip(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    bool Take(char c) {
        SkipSpace();
        return Skip(c);
    }
    bool SkipDigits() {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
        return at_ > start;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

void Write(const Value& value, int depth, std::string& out) {
    const std::string inner(static_cast<std::size_t>(depth + 1) * 2, ' ');
    const bool isObject = value.kind == Kind::Object;
    const std::size_t count = value.items.size();
    if (value.kind == Kind::String) return void(out += Quoted(value.text));
    if (!isObject && value.kind != Kind::Array) return void(out += value.text);
    if (count == 0) return void(out += isObject ? "{}" : "[]");
    out += isObject ? "{\n" : "[\n";
    for (std::size_t i = 0; i < count; ++i) {
        out += inner;
        if (isObject) out += Quoted(value.names[i]) + ": ";
        Write(value.items[i], depth + 1, out);
        out += i + 1 < count ? ",\n" : "\n";
    }
    out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + (isObject ? '}' : ']');
}

}  // namespace

const Value* Value::Member(std::string_view name) const {
    for (std::size_t i = 0; i < names.size() && i < items.size(); ++i) {
        if (names[i] == name) return &items[i];
    }
    return nullptr;
}

std::optional<Value> Parse(std::string_view text) {
    return Reader(text).Document();
}

std::string Indented(const Value& value) {
    std::string out;
    Write(value, 0, out);
    return out;
}

}  // namespace quillmark::whois::json
