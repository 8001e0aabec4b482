// The form's log as short text lines.
#include <cmath>
#include <cstdio>

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::headless {

namespace {

void AppendUtf8(std::string& out, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

std::string FormatNumber(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        return std::to_string(static_cast<long long>(v));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

std::string FormatValue(const Variant& v) {
    using T = Variant::Type;
    switch (v.type()) {
    case T::Empty: return "empty";
    case T::Int16: return std::to_string(*v.get_if<std::int16_t>());
    case T::Int32: return std::to_string(*v.get_if<std::int32_t>());
    case T::Single: return FormatNumber(*v.get_if<float>());
    case T::Double: return FormatNumber(*v.get_if<double>());
    case T::Bool: return v.get_if<BoolValue>()->value ? "True" : "False";
    case T::String: {
        std::string s = "\"";
        AppendUtf8(s, *v.get_if<std::u16string>());
        return s + "\"";
    }
    case T::Font: return *v.get_if<FontRef>() ? "font" : "nothing";
    case T::Picture: return *v.get_if<PictureRef>() ? "picture" : "nothing";
    case T::Error: return "error " + std::to_string(v.get_if<ErrorValue>()->code);
    case T::DataObject: return *v.get_if<DataObjectRef>() ? "data" : "nothing";
    }
    return "?";
}

std::string Hex32(std::int32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(v));
    return buffer;
}

}  // namespace

std::string HeadlessForm::FormatLogEntry(const LogEntry& entry) {
    std::string line;
    AppendUtf8(line, entry.control);
    switch (entry.kind) {
    case LogEntry::Kind::PropertyChanged:
        line += " notify ";
        AppendUtf8(line, entry.name);
        break;
    case LogEntry::Kind::Event:
        line += " event ";
        AppendUtf8(line, entry.name);
        if (!entry.args.empty()) {
            line += '(';
            for (std::size_t i = 0; i < entry.args.size(); ++i) {
                if (i) line += ',';
                line += FormatValue(entry.args[i]);
            }
            line += ')';
        }
        break;
    case LogEntry::Kind::Repaint: line += " repaint"; break;
    case LogEntry::Kind::Tooltip:
        line += " tooltip ";
        AppendUtf8(line, entry.name);
        if (entry.name == u"create" && !entry.args.empty()) {
            const BoolValue* balloon = entry.args[0].get_if<BoolValue>();
            line += balloon && balloon->value ? " balloon" : " rectangular";
        } else if (entry.name == u"backcolor" || entry.name == u"textcolor") {
            if (!entry.args.empty() && entry.args[0].get_if<std::int32_t>())
                line += " " + Hex32(*entry.args[0].get_if<std::int32_t>());
        } else {
            for (const Variant& arg : entry.args) line += " " + FormatValue(arg);
        }
        break;
    case LogEntry::Kind::Focus:
        line += " focus ";
        AppendUtf8(line, entry.name);
        break;
    case LogEntry::Kind::Drag: line += " drag"; break;
    }
    return line;
}

std::vector<std::string> HeadlessForm::LogLines() const {
    std::vector<std::string> lines;
    lines.reserve(m_Log.size());
    for (const LogEntry& entry : m_Log) lines.push_back(FormatLogEntry(entry));
    return lines;
}

}  // namespace vemmix::headless
