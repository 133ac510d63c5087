// Private-profile files of the simulated desktop, on the real file system.
// Parsing and rewriting follow what the profile service does: blank lines
// are dropped, blanks around keys and values are trimmed, lines are written
// back with CRLF, a missing key is added at the end of its section and a
// missing section at the end of the file.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/sim/desktop.h"
#include "platform/win.h"

namespace win {
namespace {

struct Entry {
    std::string key;
    std::optional<std::string> value;  // none: a line without '='
};

struct Section {
    std::optional<std::string> name;  // none: lines before the first section
    std::vector<Entry> entries;
};

std::string Trim(const std::string& s) {
    const char* blanks = " \t\r";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<std::vector<Section>> Load(const std::wstring& path) {
    std::ifstream in(sim::NativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<Section> sections(1);
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty()) continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            sections.push_back({Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            sections.back().entries.push_back({line, std::nullopt});
        } else {
            sections.back().entries.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
        }
    }
    return sections;
}

bool Save(const std::wstring& path, const std::vector<Section>& sections) {
    std::ofstream out(sim::NativePath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const Section& section : sections) {
        if (section.name) out << '[' << *section.name << "]\r\n";
        for (const Entry& entry : section.entries) {
            out << entry.key;
            if (entry.value) out << '=' << *entry.value;
            out << "\r\n";
        }
    }
    return static_cast<bool>(out);
}

Section* FindSection(std::vector<Section>& sections, const std::string& name) {
    for (Section& s : sections) {
        if (s.name && SameName(*s.name, name)) return &s;
    }
    return nullptr;
}

Entry* FindEntry(Section& section, const std::string& key) {
    for (Entry& e : section.entries) {
        if (SameName(e.key, key)) return &e;
    }
    return nullptr;
}

// A value in matching double quotes is read without them.
std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::uint32_t GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, char* buffer, std::uint32_t size,
                                       const std::wstring& path) {
    if (size == 0) return 0;
    std::string value = defaultValue;
    if (auto sections = Load(path)) {
        if (Section* s = FindSection(*sections, section)) {
            Entry* e = FindEntry(*s, key);
            if (e && e->value) value = Unquote(*e->value);
        }
    }
    const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
}

bool WritePrivateProfileStringA(const std::string& section, const std::string& key, const std::string& value,
                                const std::wstring& path) {
    std::vector<Section> sections = Load(path).value_or(std::vector<Section>(1));
    Section* s = FindSection(sections, section);
    if (!s) {
        sections.push_back({section, {}});
        s = &sections.back();
    }
    if (Entry* e = FindEntry(*s, key)) {
        e->value = Trim(value);
    } else {
        s->entries.push_back({key, Trim(value)});
    }
    return Save(path, sections);
}

}  // namespace win
