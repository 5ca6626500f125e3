#include "tools/adif_reader.h"

#include <cctype>
#include <cstddef>

namespace adif {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string ToUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Upper(c);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of one "<...>" tag.  `length` saturates instead of overflowing,
// so "<CALL:99999999999999999999>" reads as "longer than the text".
struct Tag {
    std::string name;
    std::string type;
    std::size_t length = 0;
    bool hasLength = false;
};

bool ParseLength(std::string_view text, std::size_t limit, std::size_t* length) {
    if (text.empty()) return false;
    std::size_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return false;
        if (value <= limit) value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    *length = value;
    return true;
}

// `inner` is the text between '<' and '>'.
bool ParseTag(std::string_view inner, std::size_t limit, Tag* tag) {
    std::size_t colon = inner.find(':');
    tag->name = ToUpper(inner.substr(0, colon));
    if (tag->name.empty()) return false;
    if (colon == std::string_view::npos) return true;
    std::string_view rest = inner.substr(colon + 1);
    std::size_t colon2 = rest.find(':');
    if (colon2 != std::string_view::npos) {
        tag->type = ToUpper(rest.substr(colon2 + 1));
        rest = rest.substr(0, colon2);
    }
    tag->hasLength = true;
    return ParseLength(rest, limit, &tag->length);
}

class Parser {
  public:
    explicit Parser(std::string_view text) : m_text(text) {}

    // Reads fields into `record` until <EOR>/<EOH> (returns true) or the end.
    bool ReadUntil(std::string_view endTag, Record* record, Document* doc);
    bool AtEnd() const { return m_pos >= m_text.size(); }
    void SetPos(std::size_t pos) { m_pos = pos; }

  private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool Parser::ReadUntil(std::string_view endTag, Record* record, Document* doc) {
    while (true) {
        std::size_t open = m_text.find('<', m_pos);
        if (open == std::string_view::npos) {
            m_pos = m_text.size();
            return false;
        }
        std::size_t close = m_text.find_first_of("<>", open + 1);
        if (close == std::string_view::npos || m_text[close] == '<') {
            // An unclosed tag: skip its '<' and look again from there.
            ++doc->malformedTags;
            m_pos = open + 1;
            if (close == std::string_view::npos) doc->truncated = true;
            continue;
        }
        m_pos = close + 1;
        Tag tag;
        std::size_t remaining = m_text.size() - m_pos;
        if (!ParseTag(m_text.substr(open + 1, close - open - 1), remaining, &tag)) {
            ++doc->malformedTags;
            continue;
        }
        if (!tag.hasLength) {
            if (tag.name == endTag) return true;
            continue;  // a data-less tag such as <EOH> inside a record: ignored
        }
        if (tag.length > remaining) {
            doc->truncated = true;
            tag.length = remaining;
        }
        Field field{tag.name, tag.type, std::string(m_text.substr(m_pos, tag.length))};
        m_pos += tag.length;
        record->Add(std::move(field));
    }
}

}  // namespace

const Field* Record::Find(std::string_view name) const {
    for (const Field& field : m_fields)
        if (EqualsNoCase(field.name, name)) return &field;
    return nullptr;
}

std::string Record::Value(std::string_view name) const {
    const Field* field = Find(name);
    return field ? field->value : std::string();
}

Document Parse(std::string_view text) {
    Document doc;
    Parser parser(text);
    if (!text.empty() && text[0] != '<') {
        // Read the header by the tag lengths, so an "<EOH>" inside a value
        // does not end it; without any <EOH> the text is all records.
        Document scratch;
        if (parser.ReadUntil("EOH", &doc.header, &scratch)) {
            doc.malformedTags = scratch.malformedTags;
        } else {
            doc.header = Record();
            parser.SetPos(0);
        }
    }
    while (!parser.AtEnd()) {
        Record record;
        bool closed = parser.ReadUntil("EOR", &record, &doc);
        if (closed) {
            if (!record.Empty()) doc.records.push_back(std::move(record));
        } else if (!record.Empty()) {
            doc.truncated = true;
        }
    }
    return doc;
}

}  // namespace adif
