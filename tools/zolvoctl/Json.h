#pragma once

#include <QString>

#include <string>
#include <utility>
#include <vector>

// A small JSON value that keeps its members in the order they were added,
// so the output reads in the order of the records.
class Json {
public:
    static Json object() { return Json(Kind::Object); }
    static Json array() { return Json(Kind::Array); }
    Json(int value);
    Json(double value);
    Json(bool value);
    Json(const QString& text);
    Json(const char* text);

    Json& add(const std::string& key, Json value);
    Json& push(Json value);

    std::string dump(int indent = 0) const;

private:
    enum class Kind { Null, Bool, Number, String, Array, Object };
    explicit Json(Kind kind)
        : _kind(kind)
    {
    }
    void write(std::string& out, int indent, int depth) const;

    Kind _kind = Kind::Null;
    std::string _scalar;
    std::vector<std::pair<std::string, Json>> _members;
    std::vector<Json> _items;
};
