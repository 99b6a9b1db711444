#include "mappingjson.h"

#include <nlohmann/json.hpp>

#include <array>

namespace vantrel {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::pair<ColumnRole, const char*>, 5> kRoles = {{
    {ColumnRole::Other, "other"},
    {ColumnRole::FileNumber, "file"},
    {ColumnRole::Increment, "increment"},
    {ColumnRole::Frequency, "frequency"},
    {ColumnRole::Ignore, "ignore"},
}};

MappingFromJsonResult Wrong(std::string message)
{
    MappingFromJsonResult result;
    result.message = "The mapping is not valid: " + std::move(message) + ".";
    return result;
}

}  // namespace

std::string MappingToJson(const ImportMapping& mapping)
{
    Json json;
    json["separator"] = mapping.separator ? std::string(1, mapping.separator) : std::string("auto");
    json["decimal"] = std::string(1, mapping.decimal);
    json["headerLine"] = mapping.headerLine;
    json["skipLines"] = mapping.skipLines;
    Json columns = Json::array();
    for (const ImportColumn& column : mapping.columns) {
        Json c;
        for (const auto& [role, name] : kRoles)
            if (role == column.role)
                c["role"] = name;
        if (column.role == ColumnRole::Frequency)
            c["hz"] = column.frequencyHz;
        columns.push_back(c);
    }
    json["columns"] = columns;
    return json.dump(2) + "\n";
}

MappingFromJsonResult MappingFromJson(std::string_view text)
{
    const Json json = Json::parse(text.begin(), text.end(), nullptr, false);
    if (json.is_discarded())
        return Wrong("it is not JSON");
    if (!json.is_object())
        return Wrong("it is not a JSON object");
    MappingFromJsonResult result;
    ImportMapping& m = result.mapping;
    const auto oneChar = [&](const char* key, char* into, bool autoAllowed) {
        if (!json.contains(key))
            return true;
        if (!json[key].is_string())
            return false;
        const std::string s = json[key].get<std::string>();
        if (autoAllowed && s == "auto") {
            *into = 0;
            return true;
        }
        if (s.size() != 1 || s[0] == '\n' || s[0] == '\r' || s[0] == '"')
            return false;
        *into = s[0];
        return true;
    };
    if (!oneChar("separator", &m.separator, true))
        return Wrong("\"separator\" must be one character or \"auto\"");
    if (!oneChar("decimal", &m.decimal, false) || (m.decimal != '.' && m.decimal != ','))
        return Wrong("\"decimal\" must be \".\" or \",\"");
    for (const auto& [key, into] :
         {std::pair{"headerLine", &m.headerLine}, std::pair{"skipLines", &m.skipLines}}) {
        if (!json.contains(key))
            continue;
        if (!json[key].is_number_integer() || json[key].get<long long>() < 0 ||
            json[key].get<long long>() > 1000000)
            return Wrong(std::string("\"") + key + "\" must be a whole number from 0");
        *into = json[key].get<int>();
    }
    if (!json.contains("columns") || !json["columns"].is_array())
        return Wrong("\"columns\" must be a list of the columns' roles");
    for (const Json& c : json["columns"]) {
        ImportColumn column;
        const std::string role = c.is_object() && c.contains("role") && c["role"].is_string()
            ? c["role"].get<std::string>()
            : std::string();
        const auto known =
            std::find_if(kRoles.begin(), kRoles.end(), [&](const auto& r) { return role == r.second; });
        if (known == kRoles.end())
            return Wrong("a column's \"role\" must be file, increment, frequency, other or ignore");
        column.role = known->first;
        if (column.role == ColumnRole::Frequency) {
            if (!c.contains("hz") || !c["hz"].is_number())
                return Wrong("a frequency column needs \"hz\", its frequency in hertz");
            column.frequencyHz = c["hz"].get<double>();
        }
        m.columns.push_back(column);
    }
    result.ok = true;
    return result;
}

}  // namespace vantrel
