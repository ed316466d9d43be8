#include "exchange/csv_format.h"

#include <unordered_map>
#include <unordered_set>

#include "platform/code_page.h"
#include "tool/parameter_table.h"

namespace {

constexpr std::string_view kPathColumn = "path";

void append_cell(std::string& out, std::string_view text, bool force_quotes) {
    if (!force_quotes && text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

std::string cell_value(const ToolParameter& parameter) {
    const std::string value = FormatParameterValue(parameter);
    return parameter.kind == ParameterKind::Text ? platform::code_page_to_utf8(value) : value;
}

}  // namespace

std::string WriteCsv(const std::vector<ExchangeTool>& tools, LossReport& report) {
    std::vector<std::string> names;
    std::unordered_map<std::string, std::size_t> columns;
    for (ParameterIndex i = 1; i < kParameterCount; ++i) {
        columns.emplace(ParameterNameTable(i), names.size());
        names.emplace_back(ParameterNameTable(i));
    }
    for (const ExchangeTool& tool : tools) {
        for (const ToolParameter& parameter : tool.parameters) {
            if (columns.emplace(parameter.name, names.size()).second) {
                names.push_back(parameter.name);
            }
        }
    }
    std::string out;
    out += kPathColumn;
    for (const std::string& name : names) {
        out += ',';
        append_cell(out, name, false);
    }
    out += "\r\n";
    std::vector<const ToolParameter*> row(names.size());
    for (const ExchangeTool& tool : tools) {
        std::fill(row.begin(), row.end(), nullptr);
        for (const ToolParameter& parameter : tool.parameters) {
            const ToolParameter*& cell = row[columns.at(parameter.name)];
            if (cell != nullptr) {
                report.Add(tool.path, parameter.name, LossReason::Repeated,
                           FormatParameterValue(parameter));
                continue;
            }
            cell = &parameter;
        }
        append_cell(out, tool.path, false);
        for (const ToolParameter* parameter : row) {
            out += ',';
            if (parameter != nullptr) {
                const std::string value = cell_value(*parameter);
                append_cell(out, value, value.empty());
            }
        }
        out += "\r\n";
    }
    return out;
}

CsvTable ParseCsv(std::string_view bytes) {
    CsvTable table;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        std::vector<CsvCell> row;
        const std::size_t row_number = table.rows.size() + 1;
        while (true) {
            CsvCell cell;
            if (i < n && bytes[i] == '"') {
                cell.quoted = true;
                ++i;
                while (true) {
                    const std::size_t quote = bytes.find('"', i);
                    if (quote == std::string_view::npos) {
                        table.error = "row " + std::to_string(row_number) + ": quote left open";
                        return table;
                    }
                    cell.text.append(bytes.substr(i, quote - i));
                    i = quote + 1;
                    if (i < n && bytes[i] == '"') {
                        cell.text += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') {
                    table.error = "row " + std::to_string(row_number) + ": text after a quote";
                    return table;
                }
            } else {
                const std::size_t end = std::min(bytes.find_first_of(",\r\n\"", i), n);
                if (end < n && bytes[end] == '"') {
                    table.error =
                        "row " + std::to_string(row_number) + ": quote inside an unquoted cell";
                    return table;
                }
                cell.text.assign(bytes.substr(i, end - i));
                i = end;
            }
            row.push_back(std::move(cell));
            if (i < n && bytes[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < n && bytes[i] == '\r') {
            ++i;
            if (i < n && bytes[i] != '\n') {
                table.error = "row " + std::to_string(row_number) + ": carriage return alone";
                return table;
            }
        }
        if (i < n && bytes[i] == '\n') {
            ++i;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

CsvRead ReadCsv(std::string_view bytes, LossReport& report) {
    CsvRead read;
    CsvTable table = ParseCsv(bytes);
    if (!table.error.empty()) {
        read.error = table.error;
        return read;
    }
    if (table.rows.empty() || table.rows[0].empty() || table.rows[0][0].text != kPathColumn) {
        read.error = "row 1: the header does not start with \"path\"";
        return read;
    }
    const std::vector<CsvCell>& header = table.rows[0];
    std::unordered_set<std::string> seen;
    for (std::size_t c = 1; c < header.size(); ++c) {
        if (!seen.insert(header[c].text).second) {
            read.error = "row 1: the name \"" + header[c].text + "\" is given twice";
            return read;
        }
    }
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const std::vector<CsvCell>& row = table.rows[r];
        if (row.size() == 1 && row[0].text.empty() && !row[0].quoted) {
            continue;  // an empty line
        }
        if (row.size() != header.size()) {
            read.error = "row " + std::to_string(r + 1) + ": " + std::to_string(row.size()) +
                         " cells where the header has " + std::to_string(header.size());
            return read;
        }
    }
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const std::vector<CsvCell>& row = table.rows[r];
        if (row.size() != header.size()) {
            continue;
        }
        ExchangeTool tool;
        tool.path = row[0].text;
        if (tool.path.empty()) {
            tool.path = "row " + std::to_string(r + 1);
        }
        for (std::size_t c = 1; c < row.size(); ++c) {
            if (row[c].text.empty() && !row[c].quoted) {
                continue;
            }
            AddExchangeValue(tool, header[c].text, row[c].text, report);
        }
        read.tools.push_back(std::move(tool));
    }
    return read;
}
