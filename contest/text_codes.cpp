#include "contest/text_codes.h"

TextCodes::Code TextCodes::Intern(const std::string& text) {
    const auto found = m_codes.find(text);
    if (found != m_codes.end()) return found->second;
    const Code code = static_cast<Code>(m_texts.size());
    m_texts.push_back(text);
    m_codes.emplace(text, code);
    return code;
}

TextCodes::Code TextCodes::Find(const std::string& text) const {
    const auto found = m_codes.find(text);
    return found == m_codes.end() ? kNone : found->second;
}

void TextCodes::clear() {
    m_texts.clear();
    m_codes.clear();
}

void TextCodes::ForgetFrom(std::size_t count) {
    while (m_texts.size() > count) {
        m_codes.erase(m_texts.back());
        m_texts.pop_back();
    }
}
