#include "Json.h"

#include <cmath>
#include <cstdio>

namespace {

std::string quoted(const std::string& utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

} // namespace

Json::Json(int value)
    : _kind(Kind::Number)
    , _scalar(std::to_string(value))
{
}

Json::Json(double value)
    : _kind(Kind::Number)
{
    char buffer[32];
    // Round-trips every double; JSON has no NaN or infinity.
    std::snprintf(buffer, sizeof buffer, "%.17g", std::isfinite(value) ? value : 0.0);
    _scalar = buffer;
}

Json::Json(bool value)
    : _kind(Kind::Bool)
    , _scalar(value ? "true" : "false")
{
}

Json::Json(const QString& text)
    : _kind(Kind::String)
    , _scalar(quoted(text.toStdString()))
{
}

Json::Json(const char* text)
    : Json(QString::fromUtf8(text))
{
}

Json& Json::add(const std::string& key, Json value)
{
    _members.emplace_back(key, std::move(value));
    return *this;
}

Json& Json::push(Json value)
{
    _items.push_back(std::move(value));
    return *this;
}

std::string Json::dump(int indent) const
{
    std::string out;
    write(out, indent, 0);
    return out;
}

void Json::write(std::string& out, int indent, int depth) const
{
    const auto newline = [&](int level) {
        if (indent > 0)
            out += '\n' + std::string(static_cast<std::size_t>(indent * level), ' ');
    };
    switch (_kind) {
    case Kind::Null: out += "null"; return;
    case Kind::Bool:
    case Kind::Number:
    case Kind::String: out += _scalar; return;
    case Kind::Array:
        out += '[';
        for (std::size_t i = 0; i < _items.size(); ++i) {
            if (i)
                out += ',';
            newline(depth + 1);
            _items[i].write(out, indent, depth + 1);
        }
        if (!_items.empty())
            newline(depth);
        out += ']';
        return;
    case Kind::Object:
        out += '{';
        for (std::size_t i = 0; i < _members.size(); ++i) {
            if (i)
                out += ',';
            newline(depth + 1);
            out += quoted(_members[i].first) + (indent > 0 ? ": " : ":");
            _members[i].second.write(out, indent, depth + 1);
        }
        if (!_members.empty())
            newline(depth);
        out += '}';
        return;
    }
}
