#include "tools/drive/json_writer.h"

#include <QByteArrayView>
#include <QString>
#include <cstdio>

namespace belegix::drive {

Json& Json::Set(std::string key, Json value) {
    keys_.push_back(std::move(key));
    values_.push_back(std::move(value));
    return *this;
}

Json& Json::Push(Json value) {
    values_.push_back(std::move(value));
    return *this;
}

std::string Json::Dump() const {
    std::string out;
    Write(out);
    return out;
}

void Json::Write(std::string& out) const {
    switch (type_) {
        case Type::Null:
            out += "null";
            break;
        case Type::Bool:
            out += bool_ ? "true" : "false";
            break;
        case Type::Number:
            out += std::to_string(number_);
            break;
        case Type::String:
            out += JsonString(string_);
            break;
        case Type::Array:
            out += '[';
            for (std::size_t i = 0; i < values_.size(); ++i) {
                if (i > 0) out += ", ";
                values_[i].Write(out);
            }
            out += ']';
            break;
        case Type::Object:
            out += '{';
            for (std::size_t i = 0; i < values_.size(); ++i) {
                if (i > 0) out += ", ";
                out += JsonString(keys_[i]);
                out += ": ";
                values_[i].Write(out);
            }
            out += '}';
            break;
    }
}

std::string JsonString(std::string_view raw) {
    // Every line must be JSON, also when a script or a field held bytes that are no UTF-8:
    // each invalid sequence becomes U+FFFD.
    std::string valid;
    std::string_view s = raw;
    if (!QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())).isValidUtf8()) {
        valid = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size())).toStdString();
        s = valid;
    }
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
    return out;
}

}  // namespace belegix::drive
