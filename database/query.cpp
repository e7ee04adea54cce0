#include "database/query.h"

#include "database/statement.h"

namespace quill {

void Query::execute(const Connection& connection) const { Statement(connection, sql_).execute(); }

} // namespace quill
