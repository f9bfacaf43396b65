#include "cli/batchwriter.h"

#include "format/csvrows.h"
#include "format/designjson.h"

namespace cli {

void BatchWriter::begin(std::string& out) const
{
    if (m_format == BatchFormat::Csv)
        format::appendCsvHeader(out, m_bom, m_pour, m_cost, m_durability);
}

void BatchWriter::designed(std::string& out, const mix::Design& design) const
{
    if (m_format == BatchFormat::Jsonl)
        format::appendJsonDesign(out, design);
    else
        format::appendCsvDesign(out, design, m_pour, m_cost, m_durability);
}

void BatchWriter::refused(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error) const
{
    if (m_format == BatchFormat::Jsonl)
        out += format::jsonRefusal(error);
    else
        format::appendCsvRefusal(out, inputs, error, m_pour, m_cost, m_durability);
}

void BatchWriter::malformed(std::string& out, long line, std::string_view message) const
{
    if (m_format == BatchFormat::Jsonl)
        out += format::jsonMalformedRow(line, message);
    else
        format::appendCsvMalformed(out, message, m_pour, m_cost, m_durability);
}

} // namespace cli
