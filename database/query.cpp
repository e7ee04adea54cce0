// How a fixed statement is run once through a Statement.
#include "database/query.h"

#include "database/statement.h"

namespace quill {

void Query::execute(const Connection& connection) const { Statement(connection, sql_).execute(); }

} // namespace quill
