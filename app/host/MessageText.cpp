#include "host/MessageText.h"

namespace {

// One character of UTF-8 text: its length in bytes and its code point, or -1 for a byte that
// starts no well-formed character.
struct CCharacter {
    std::size_t m_iLength;
    long m_iCode;
};

CCharacter NextCharacter(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size()) {
        return {1, -1};
    }
    long code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return {1, -1};
        }
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no characters.
    const long lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < lowest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return {1, -1};
    }
    return {length, code};
}

bool bIsControl(long code) {
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

bool bIsLineLayout(long code) {
    return code == '\t' || code == '\n' || code == '\r';
}

std::string sEscape(long code, unsigned char byte) {
    switch (code) {
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        default:
            break;
    }
    // Two hex digits for a byte or a C0 control, four for a C1 control.
    const auto value = static_cast<unsigned>(code < 0 ? byte : code);
    const char* const digits = "0123456789abcdef";
    std::string escape = code >= 0x80 ? "\\u00" : "\\x";
    escape += digits[(value >> 4) & 0xF];
    escape += digits[value & 0xF];
    return escape;
}

}  // namespace

std::string sPrintable(const std::string& text, EUnprintable how) {
    std::string printable;
    for (std::size_t at = 0; at < text.size();) {
        const CCharacter c = NextCharacter(text, at);
        if (c.m_iCode >= 0 && !bIsControl(c.m_iCode)) {
            printable.append(text, at, c.m_iLength);
        } else if (how == EUnprintable::kEscape) {
            printable += sEscape(c.m_iCode, static_cast<unsigned char>(text[at]));
        } else {
            printable += bIsLineLayout(c.m_iCode) ? std::string(1, text[at]) : "\uFFFD";
        }
        at += c.m_iLength;
    }
    return printable;
}

std::string sQuoted(const std::string& text) {
    std::string cut;
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size() && count < kQuotedLength; ++count) {
        const CCharacter c = NextCharacter(text, at);
        for (std::size_t i = 0; i < c.m_iLength; ++i) {
            const char byte = text[at + i];
            if (byte == '"' || byte == '\\') {
                cut += '\\';
            }
            cut += byte;
        }
        at += c.m_iLength;
    }
    std::string quoted(1, '"');
    quoted += sPrintable(cut);
    quoted += at < text.size() ? "...\"" : "\"";
    return quoted;
}

bool bHasUnprintable(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const CCharacter c = NextCharacter(text, at);
        if (c.m_iCode < 0 || bIsControl(c.m_iCode)) {
            return true;
        }
        at += c.m_iLength;
    }
    return false;
}
