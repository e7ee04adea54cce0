// The fixture and helper that database tests share: a fresh product database, and an error's text.
#pragma once

#include "app/error.h"
#include "database/connection.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace quill::test {

// A product database in a temporary folder, open through a Connection.
class ProductDatabaseTest : public ::testing::Test {
protected:
    ProductDatabaseTest() : path(temp / "product.db") {
        create_product_database(path);
        connection.open(path);
    }

    TempDir temp;
    const std::string path;
    Connection connection;
};

// The message of the error an action throws, or "no error".
template <class Action>
std::string error_message(const Action& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.message();
    }
    return "no error";
}

} // namespace quill::test
