#pragma once

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// Expected texts kept under tests/golden, written from the design's own texts and reviewed by
// hand: never produced by the code they check. The one reader of those files; the Qt tests
// read them through tests/support/golden.h, which builds on it.

// The whole file as its bytes, or nothing when it cannot be read.
inline std::optional<std::string> goldenFile(const std::string& relativePath)
{
    std::ifstream file(std::string(MIXDESIGN_GOLDEN_DIR) + "/" + relativePath, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// One row a line, fields split at tabs; an unreadable file has no rows.
inline std::vector<std::vector<std::string>> goldenRows(const std::string& relativePath)
{
    std::istringstream text(goldenFile(relativePath).value_or(std::string()));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(text, line);) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        if (!line.empty() && line.back() == '\t')
            fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}
