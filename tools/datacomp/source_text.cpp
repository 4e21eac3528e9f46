// UTF-8 source words to Mac Roman text and dictionary keys.
#include "tools/datacomp/source_text.h"

#include <fstream>
#include <sstream>

#include <array>

#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"

namespace {

constexpr u8 kMacRomanOe = 0xCF;  // œ
constexpr u8 kMacRomanOE = 0xCE;  // Œ
constexpr u8 kMacRomanAe = 0xBE;  // æ
constexpr u8 kMacRomanAE = 0xAE;  // Æ
constexpr u8 kMacRomanAGrave = 0x88;
constexpr u8 kMacRomanRightQuote = 0xD5;  // ’

// Code point → Mac Roman byte for the 16-bit plane (0 = none; NUL is ASCII).
struct ReverseTable {
    std::array<u8, 0x10000> byte{};
    ReverseTable() {
        for (u32 i = 0; i < 128; ++i) byte[mac_roman_literal::kMacRomanCodePoints[i]] = static_cast<u8>(0x80 + i);
    }
};

const ReverseTable& Reverse() {
    static const ReverseTable table;
    return table;
}

// Decodes one UTF-8 sequence at s[i]; false when malformed (i still advances).
bool DecodeOne(std::string_view s, std::size_t& i, u32& cp) {
    u32 b = static_cast<u8>(s[i++]);
    int more = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (more < 0) return false;
    cp = more == 0 ? b : more == 1 ? (b & 0x1F) : more == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 0; k < more; ++k) {
        if (i >= s.size()) return false;
        u32 c = static_cast<u8>(s[i]);
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
        ++i;
    }
    return true;
}


void Keep(std::vector<std::string>& examples, std::string_view word) {
    if (examples.size() < SourceTextReport::kMaxExamples) examples.emplace_back(word);
}

}  // namespace

void AppendUtf8(std::string& out, u32 cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool MacRomanByteForCodePoint(u32 cp, u8& byte) {
    if (cp < 0x80) {
        byte = static_cast<u8>(cp);
        return true;
    }
    if (cp > 0xFFFF) return false;
    byte = Reverse().byte[cp];
    return byte != 0;
}

bool Utf8ToMacRoman(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    bool ok = true;
    std::size_t i = 0;
    while (i < utf8.size()) {
        u32 cp = 0;
        u8 b = '?';
        if (!DecodeOne(utf8, i, cp) || !MacRomanByteForCodePoint(cp, b)) {
            ok = false;
            b = '?';
        }
        out += static_cast<char>(b);
    }
    return ok;
}

std::string MacRomanToUtf8(std::string_view macRoman) {
    std::string out;
    out.reserve(macRoman.size() + macRoman.size() / 4);
    for (char c : macRoman) {
        u8 b = static_cast<u8>(c);
        AppendUtf8(out, b < 0x80 ? b : mac_roman_literal::kMacRomanCodePoints[b - 0x80]);
    }
    return out;
}

void LowerMacRomanText(std::string& text) {
    for (char& c : text) c = static_cast<char>(ToLowerMacRoman(static_cast<u8>(c)));
}

void ExpandLigatures(std::string& text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (char c : text) {
        switch (static_cast<u8>(c)) {
            case kMacRomanOe: out += "oe"; break;
            case kMacRomanOE: out += "OE"; break;
            case kMacRomanAe: out += "ae"; break;
            case kMacRomanAE: out += "AE"; break;
            default: out += c;
        }
    }
    text.swap(out);
}

void ApplyKeyMarks(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        u8 b = static_cast<u8>(text[i]);
        if (b == '-') text[i] = static_cast<char>(kKeyHyphenMark);
        else if (b == '\'' || b == kMacRomanRightQuote) text[i] = static_cast<char>(kKeyApostropheMark);
        else if (b == kMacRomanAGrave && i + 1 < text.size()) text[i] = static_cast<char>(kKeyInnerAGrave);
    }
}

KeyStatus MakeDictionaryKey(std::string_view utf8, std::string& key) {
    bool ok = Utf8ToMacRoman(utf8, key);
    LowerMacRomanText(key);
    ExpandLigatures(key);
    ApplyKeyMarks(key);
    if (!ok) return KeyStatus::kUnrepresentable;
    return key.size() > kMaxKeyBytes ? KeyStatus::kTooLong : KeyStatus::kOk;
}

KeyStatus MakeDictionaryKeyReported(std::string_view utf8, std::string& key,
                                    SourceTextReport& report) {
    KeyStatus status = MakeDictionaryKey(utf8, key);
    if (status == KeyStatus::kUnrepresentable) {
        ++report.unrepresentable;
        Keep(report.unrepresentableExamples, utf8);
    } else if (status == KeyStatus::kTooLong) {
        ++report.tooLong;
        Keep(report.tooLongExamples, utf8);
    }
    return status;
}

void ReportSourceText(const SourceTextReport& report, CompileReport& out) {
    auto list = [](const std::vector<std::string>& words) {
        std::string s;
        for (const std::string& w : words) s += (s.empty() ? "" : ", ") + w;
        return s;
    };
    out.Note("text: words with a character Mac Roman lacks " + std::to_string(report.unrepresentable) +
             (report.unrepresentable ? " (" + list(report.unrepresentableExamples) + " ...)" : ""));
    out.Note("text: keys longer than " + std::to_string(kMaxKeyBytes) + " bytes " +
             std::to_string(report.tooLong) +
             (report.tooLong ? " (" + list(report.tooLongExamples) + " ...)" : ""));
}
