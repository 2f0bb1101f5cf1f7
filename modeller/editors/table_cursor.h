// A material table as an editor's data source.  The editor's controls show the table's current row,
// and moving the table to another record runs the editor's data-change handler (which recomputes its
// display), as moving a data-aware table's row does; opening the table runs it once for the first
// record.  Everything else that moves the table (the palette listing its rows) goes round the handler.
#pragma once

#include "modeller/model/material_tables.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class TableCursor {
  public:
    explicit TableCursor(MaterialTable& table) : table_(table) {}
    TableCursor(const TableCursor&) = delete;
    TableCursor& operator=(const TableCursor&) = delete;

    void OnDataChange(std::function<void()> handler) { onDataChange_ = std::move(handler); }
    MaterialTable& Table() const { return table_; }

    // Opens the table on its first record and runs the data-change handler.  A table that cannot be
    // opened, or one without rows, raises ModelError naming it.
    void Open();
    void Close() { table_.Close(); }
    bool Active() const { return table_.Active(); }

    int RecNo() const { return table_.RecNo(); }
    int RecordCount() const { return table_.RecordCount(); }
    // Makes `record` the current record and runs the data-change handler when the record changes.
    // A record outside the table raises ModelError naming the table, and the table stays where it was.
    void MoveTo(int record);

    // Fields of the current record.
    long long Integer(std::string_view field) const { return table_.FieldAsInteger(field); }
    double Float(std::string_view field) const { return table_.FieldAsFloat(field); }
    std::string Text(std::string_view field) const { return table_.FieldAsString(field); }
    bool Boolean(std::string_view field) const { return table_.FieldAsBoolean(field); }
    // The picture of the current row (a BMP file's bytes; empty when the row has none).
    std::vector<std::uint8_t> Picture() const { return table_.FieldAsBytes("Graphic"); }

  private:
    void dataChange() const {
        if (onDataChange_) onDataChange_();
    }
    MaterialTable& table_;
    std::function<void()> onDataChange_;
};

} // namespace pelmora
