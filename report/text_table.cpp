#include <cstddef>

#include "report/rich_text_sink.h"

namespace horavela {

// Plain text has no cells: one line a row, tabs between the cells, the
// header in bold where the sink keeps formatting.
void RichTextSink::InsertTable(const TextTable& table) {
  const auto line = [this](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) text += '\t';
      text += cells[i];
    }
    InsertText(text + "\n");
  };
  SetBold(true);
  line(table.header);
  SetBold(false);
  for (const std::vector<std::string>& row : table.rows) line(row);
}

std::vector<int> ColumnWidths(const TextTable& table) {
  const std::size_t columns = table.header.size();
  if (table.widths.size() == columns) return table.widths;
  return std::vector<int>(columns, columns == 0 ? 0 : static_cast<int>(100 / columns));
}

}  // namespace horavela
