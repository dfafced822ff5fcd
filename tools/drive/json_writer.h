// A small JSON value that keeps the order in which keys were added, written on one line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace belegix::drive {

class Json {
  public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    Json() = default;
    Json(bool b) : type_(Type::Bool), bool_(b) {}
    Json(int n) : type_(Type::Number), number_(n) {}
    Json(std::int64_t n) : type_(Type::Number), number_(n) {}
    Json(std::string s) : type_(Type::String), string_(std::move(s)) {}
    Json(std::string_view s) : type_(Type::String), string_(s) {}
    Json(const char* s) : type_(Type::String), string_(s) {}

    static Json Array() { return Json(Type::Array); }
    static Json Object() { return Json(Type::Object); }

    Json& Set(std::string key, Json value);
    Json& Push(Json value);
    std::size_t Size() const { return values_.size(); }
    std::string Dump() const;

  private:
    explicit Json(Type t) : type_(t) {}
    void Write(std::string& out) const;

    Type type_ = Type::Null;
    bool bool_ = false;
    std::int64_t number_ = 0;
    std::string string_;
    std::vector<std::string> keys_;
    std::vector<Json> values_;
};

// `s` as a JSON string literal (UTF-8 kept, control characters escaped, every invalid UTF-8
// sequence replaced by U+FFFD).
std::string JsonString(std::string_view s);

}  // namespace belegix::drive
