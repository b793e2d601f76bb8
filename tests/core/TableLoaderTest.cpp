// The case tables of the tests cannot pass empty: a table left with no rows, or with a
// row of another width, fails the test that reads it.

#include "support/TestSupport.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(TableLoader, AnEmptiedOrUnevenTableFailsItsTest)
{
    EXPECT_NONFATAL_FAILURE(testTable("support/emptied.tsv"), "support/emptied.tsv: no rows");
    EXPECT_NONFATAL_FAILURE(testTable("support/uneven.tsv"), "support/uneven.tsv:3: 1 cells, not 2");
    EXPECT_NONFATAL_FAILURE(tableKey("dirll", {"drill", "booster"}), "dirll");
}
