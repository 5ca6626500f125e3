// Reader for ADIF text logs (the ADI form: "<NAME:LEN[:TYPE]>value" fields,
// an optional header closed by <EOH>, records closed by <EOR>).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace adif {

struct Field {
    std::string name;   // upper case
    std::string type;   // upper case, empty when the tag gives none
    std::string value;  // the bytes exactly as counted by the tag
};

class Record {
  public:
    void Add(Field field) { m_fields.push_back(std::move(field)); }

    // The first field of that name (case-insensitive), or null.
    const Field* Find(std::string_view name) const;
    // Its value, or "" when the field is missing.
    std::string Value(std::string_view name) const;
    bool Has(std::string_view name) const { return Find(name) != nullptr; }

    const std::vector<Field>& Fields() const { return m_fields; }
    bool Empty() const { return m_fields.empty(); }

  private:
    std::vector<Field> m_fields;
};

struct Document {
    Record header;
    std::vector<Record> records;
    // Tags that could not be read (no closing '>', bad length, no name).
    int malformedTags = 0;
    // The text ended inside a value, or fields followed the last <EOR>;
    // such a trailing partial record is left out of `records`.
    bool truncated = false;
};

// Never fails: any bytes give a defined document.  A text that starts with
// '<' has no header; otherwise the header runs to <EOH>, and when there is
// no <EOH> at all the whole text is read as records.
Document Parse(std::string_view text);

}  // namespace adif
