#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Expected texts kept under tests/golden, written from the design's own texts and reviewed by
// hand: never produced by the code they check. One row a line, fields split at tabs.
inline std::vector<std::vector<std::string>> goldenRows(const std::string& relativePath)
{
    std::ifstream file(std::string(MIXDESIGN_GOLDEN_DIR) + "/" + relativePath, std::ios::binary);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
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
