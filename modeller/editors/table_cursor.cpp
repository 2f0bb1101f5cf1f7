#include "modeller/editors/table_cursor.h"

namespace pelmora {

void TableCursor::Open() {
    table_.Open();
    if (table_.RecordCount() == 0) {
        table_.Close();
        throw ModelError("Table " + table_.TableName() + ": the table has no records");
    }
    dataChange();
}

void TableCursor::MoveTo(int record) {
    if (record == table_.RecNo()) return;
    table_.SetRecNo(record);
    dataChange();
}

} // namespace pelmora
