// A row of an account pane's product table: the product-type name that the
// PPD's settings attribute names, the row's index (the pane's pdeType) and the
// layout resource the pane loads for that product.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct PrintTypeEntry {
    const char* name;
    int32_t index;
    const char* layoutName;
};

// The index of the first row whose name equals the product-type name (exact,
// case-sensitive); 0 when no row does.
int32_t FindProductIndex(std::span<const PrintTypeEntry> table, std::string_view productName);
